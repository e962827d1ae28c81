' Clock brain: talks about dates, money and numbers and rolls dice.
' "Now" is a variable so the test can pin it; dice use a fixed seed.
Option Explicit

Dim Clock, Seeded
Clock = Now

Function Capitalise(Text)
    Dim T
    T = LCase(Text)
    Capitalise = UCase(Left(T, 1)) & Mid(T, 2)
End Function

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Dim Text, Reply, Amount, i
    If Not Seeded Then
        Rnd -1
        Randomize 2005
        Seeded = True
    End If
    Text = LCase(Trim(Sentence))
    Select Case True
        Case Text = "time"
            Reply = "It is " & FormatDateTime(Clock, vbLongTime) & " (" & FormatDateTime(Clock, vbShortTime) & ")."
        Case Text = "date"
            Reply = "Today is " & FormatDateTime(Clock, vbLongDate) & ", or " & FormatDateTime(Clock, vbShortDate) & "."
        Case Text = "day"
            Reply = "A " & WeekdayName(Weekday(Clock)) & " in " & MonthName(Month(Clock)) & ", day " & DatePart("y", Clock) & " of the year."
        Case Left(Text, 3) = "in "
            Reply = "That will be " & DateAdd("d", CInt(Mid(Text, 4)), Clock) & "."
        Case Text = "christmas"
            Reply = DateDiff("d", Clock, DateSerial(Year(Clock), 12, 25)) & " days to go."
        Case Text = "later"
            Reply = "In ten hours it is " & DateAdd("h", 10, Clock) & "; a month after Jan 31 is " & DateAdd("m", 1, DateSerial(Year(Clock), 1, 31)) & "."
        Case InStr(Text, "$") = 1
            Amount = CDbl(Mid(Text, 2))
            Reply = FormatCurrency(Amount) & ", " & FormatNumber(Amount * 1.175, 2) & " with tax, " & FormatPercent(Amount / 10000, 1) & " of ten grand."
        Case Text = "dice"
            Reply = ""
            For i = 1 To 5
                Reply = Reply & (Int(6 * Rnd) + 1)
            Next
            Reply = "You rolled " & Reply & "."
        Case Else
            Reply = Capitalise(Text) & "? Ask me about the time, date, day or dice."
    End Select
    GetResponse = Reply & " <STOP>"
End Function

Clock = #6/15/2005 3:04:05 PM#
Dim S
For Each S In Array("time", "DATE", "day", "in 20", "in -15", "christmas", "later", "$1234.5", "dice", "dice", "WHAT ABOUT LUNCH")
    WScript.Echo GetResponse(S, "Ann", "PC", 1, ".", "", "", "", "", "", "", "", "", "", "")
Next

' The same seed gives the same numbers again.
Dim a, b
Rnd -1
Randomize 7
a = Rnd
Rnd -1
Randomize 7
b = Rnd
WScript.Echo "Repeatable: " & (a = b) & " " & TypeName(a) & " " & (a >= 0 And a < 1)
WScript.Echo "Rnd(-1): " & Rnd(-1) & " then " & Rnd & " " & Rnd(0)

' How numbers print.
WScript.Echo 10 / 3 & " | " & 1 / 3 & " | " & Sqr(2) & " | " & 2 ^ 50 & " | " & 2 ^ 31 & " | " & 1E+20 & " | " & 0.00001 & " | " & 0.1 + 0.2 & " " & (0.1 + 0.2 = 0.3)
WScript.Echo CInt(2.5) & " " & CInt(3.5) & " " & Round(2.5) & " " & Round(-2.5) & " " & Round(0.125, 2) & " " & Int(-2.5) & " " & Fix(-2.5) & " " & -7 \ 2 & " " & -7 Mod 3 & " " & 5.5 Mod 2 & " " & 4.5 Mod 3
WScript.Echo Hex(255) & " " & Hex(-1) & " " & Hex(65536) & " " & Oct(8) & " " & TypeName(2147483647) & " " & TypeName(2147483648) & " " & TypeName(32767) & " " & TypeName(CCur(1.5)) & " " & CCur(1.23456)

' String helpers.
Dim T
WScript.Echo Capitalise("hELLO wORLD") & " " & StrReverse("stressed") & " " & String(3, "ab") & "[" & Space(2) & "]"
WScript.Echo InStrRev("a.b.c", ".") & " " & Replace("aAaA", "a", "-", 2, 2, vbTextCompare) & " " & Left("abc", 10) & " " & Right("abc", 2)

' Null and Empty through the string functions.
Dim N, E
N = Null
WScript.Echo "Null: [" & N & "] " & TypeName(Len(N)) & " " & TypeName(UCase(N)) & " " & TypeName(Trim(N)) & " " & TypeName(Left(N, 2)) & " " & TypeName(Mid(N, 1)) & " " & TypeName(InStr("abc", N)) & " " & TypeName(N + 1) & " " & TypeName("a" + N)
WScript.Echo "Empty: [" & E & "] " & Len(E) & " " & TypeName(UCase(E)) & " " & (E = 0) & " " & (E = "") & " " & IsEmpty(E) & " " & IsNull(E) & " " & VarType(E) & " " & VarType(N) & " " & TypeName(E + 1) & " " & TypeName(E & E)
WScript.Echo "Logic: " & TypeName(Not N) & " " & (N And False) & " " & (N Or True) & " " & TypeName(N = N) & " " & TypeName(N And True)
If N = N Then
    WScript.Echo "Null equals Null"
Else
    WScript.Echo "Null is not known to equal Null"
End If
On Error Resume Next
T = Replace(N, "a", "b")
WScript.Echo "Replace(Null): " & Err.Number & " " & Err.Description
Err.Clear
T = CStr(N)
WScript.Echo "CStr(Null): " & Err.Number
Err.Clear
T = CInt("12abc")
WScript.Echo "CInt text: " & Err.Number & " " & Err.Description
Err.Clear
T = CInt(40000)
WScript.Echo "CInt 40000: " & Err.Number & " " & Err.Description
Err.Clear
