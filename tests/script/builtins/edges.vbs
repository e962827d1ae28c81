' Second pass over the built-ins: corners brains hit that the per-area tests leave out.
Sub Show(label, v)
    If Err.Number <> 0 Then
        WScript.Echo label & ": error " & Err.Number
        Err.Clear
    Else
        WScript.Echo label & ": [" & v & "] " & TypeName(v)
    End If
End Sub

' Evaluates code in its own error scope so one failure does not skip the next case.
Sub Try(code)
    On Error Resume Next
    Dim x
    x = Eval(code)
    Show code, x
End Sub

On Error Resume Next

' Escape leaves only letters, digits and @*_+-./ alone; %XX below 256, %uXXXX above.
Try "Escape(""aZ09@*_+-./ !""""#$%&'(),:;<=>?[\]^`{|}~"")"
Try "Escape(ChrW(255) & ChrW(256) & ChrW(8364) & vbTab)"
Try "Escape(1.5) & Escape(True) & Escape(Empty)"
' Unescape takes hex of either case, and leaves malformed escapes as they are.
Try "Unescape(""%41%4a%u20AC%u20ac"") = ""AJ"" & ChrW(8364) & ChrW(8364)"
Try "Unescape(""%zz%4%u12%"")"
Try "Unescape(""%%41+%20|%u00411"")"

' Filter: Include False keeps the non-matching, compare 1 ignores case.
Try "Join(Filter(Array(""abc"", ""ABD"", ""xyz"", ""aBc""), ""ab""), "","")"
Try "Join(Filter(Array(""abc"", ""ABD"", ""xyz"", ""aBc""), ""ab"", False), "","")"
Try "Join(Filter(Array(""abc"", ""ABD"", ""xyz"", ""aBc""), ""ab"", True, vbTextCompare), "","")"
Try "Join(Filter(Array(""abc"", ""ABD"", ""xyz"", ""aBc""), ""ab"", False, vbTextCompare), "","")"
Try "UBound(Filter(Array(""abc""), ""q""))"
Try "Join(Filter(Split(""ab,cd,ae"", "",""), ""a""), ""+"")"
Try "TypeName(Filter(Split(""a b""), ""a""))"

' Join converts each element as & would; Split results are String arrays.
Try "Join(Array(1, 2.5, True, Empty, ""x""), ""-"")"
Try "Join(Split(""a b c""))"
Try "Join(Array()) & ""|"""
Try "Join(Array(""a"", ""b""), """")"

' Split: a count, a multi-character delimiter, an empty delimiter, an empty string.
Try "Join(Split(""a,b,c,d"", "","", 2), ""|"")"
Try "Join(Split(""a::b::c"", ""::""), ""|"")"
Try "Join(Split(""aXYbxyc"", ""xy"", -1, vbTextCompare), ""|"")"
Try "UBound(Split(""abc"", """")) & Split(""abc"", """")(0)"
Try "UBound(Split(""""))"
Try "Join(Split(""a,,b,"", "",""), ""|"")"

' InStrRev: a start past the end finds nothing; -1 means the end.
Try "InStrRev(""abcabc"", ""b"", 10)"
Try "InStrRev(""abcabc"", ""b"", -1)"
Try "InStrRev(""abcabc"", ""bc"", 5)"
Try "InStrRev(""abcabc"", ""abc"", 2)"
Try "InStrRev(""aXbxc"", ""x"", -1, vbTextCompare)"
Try "InStrRev(""abcabc"", ""b"", 0)"

' Replace returns the text from start on, not the whole string.
Try "Replace(""abcabc"", ""b"", ""X"", 3)"
Try "Replace(""abcabc"", ""b"", ""X"", 2, 1)"
Try "Replace(""aXbxc"", ""x"", ""-"", 2, 1, vbTextCompare)"
Try "Replace(""abcabc"", ""b"", ""X"", 7) & ""|"""
Try "Replace(123, 2, 9)"

' Mid, Left and Right with Null and with lengths past the end.
Try "TypeName(Mid(Null, 1)) & TypeName(Left(Null, 2)) & TypeName(Right(Null, 2))"
Try "Mid(""abc"", 2, 100) & ""|"" & Mid(""abc"", 5) & ""|"" & Left(""abc"", 10) & ""|"" & Right(""abc"", 10)"
Try "Left(""abc"", -1)"

' Only spaces are trimmed: tabs, line breaks and non-breaking spaces stay.
Try "Len(Trim(vbTab & "" a "" & vbTab)) & Len(Trim(ChrW(160) & ""a"" & ChrW(160))) & Len(Trim(vbCrLf & ""a ""))"

' Space and String: zero gives "", negative is error 5; String takes a code (mod 256) or a string.
Try "Space(0) & String(0, ""a"") & ""|"""
Try "Space(-1)"
Try "String(-1, ""a"")"
Try "String(3, 65) & String(3, ""xyz"") & String(2, 321)"
Try "String(2, """")"
Try "TypeName(String(2, Null))"

' StrReverse works on UTF-16 units, so a surrogate pair comes out swapped.
Try "AscW(Left(StrReverse(""a"" & ChrW(&HD83D) & ChrW(&HDE00)), 1))"
Try "StrReverse(Null)"
Try "TypeName(LCase(Null)) & TypeName(UCase(Null)) & UCase(12)"

' Chr, ChrW, Asc and AscW limits.
Try "Asc(Chr(255)) & "" "" & AscW(Chr(128))"
Try "Chr(256)"
Try "Chr(-1)"
Try "AscW(ChrW(-1)) & "" "" & AscW(ChrW(65535)) & "" "" & AscW(ChrW(-32768)) & "" "" & AscW(ChrW(40000))"
Try "ChrW(65536)"
Try "ChrW(-32769)"
Try "Asc("""")"
Try "Asc(Null)"
Try "Asc(ChrW(&H4E00)) & "" "" & Asc(65)"

' Conversions of Booleans, Dates, Empty, Null and strings with trailing text.
Try "CStr(True) & CStr(Empty) & ""|"" & CDbl(True) & CLng(False) & CCur(True) & CSng(True)"
Try "CByte(True)"
Try "CInt(DateSerial(2020, 1, 2))"
Try "CLng(DateSerial(2020, 1, 2))"
Try "CDate(True)"
Try "CStr(Null)"
Try "CDbl(Null)"
Try "CBool(Null)"
Try "CDbl(""12abc"")"
Try "CLng("" 12 "")"
Try "CDbl(""$1,000.50"") & "" "" & CDbl(""(5)"") & "" "" & CDbl(""5-"") & "" "" & CDbl(""1e5"")"

' CDate of numbers and of times alone.
Try "CDate(1) & "" | "" & CDate(1.5) & "" | "" & CDate(0.25) & "" | "" & CDate(-1.5)"
Try "CDate(""10:30"") & "" | "" & CDate(""10:30 PM"") & "" | "" & CDate(""1:2:3 am"")"
Try "CDate(""25:00"")"

' IsNumeric takes what a numeric conversion takes.
Try "IsNumeric("""") & IsNumeric("" "") & IsNumeric(""1e5"") & IsNumeric(""&H10"") & IsNumeric(""1,000"")"
Try "IsNumeric(""$5"") & IsNumeric(""(5)"") & IsNumeric(""5-"") & IsNumeric(""1.5.2"") & IsNumeric(""abc"")"
Try "IsNumeric(Empty) & IsNumeric(Null) & IsNumeric(True) & IsNumeric(Array(1))"
Try "IsDate(""1/2/2020"") & IsDate(""Jan 2 2020"") & IsDate(""10:30 PM"") & IsDate(""2/30/2020"") & IsDate(""abc"") & IsDate("""")"
Try "IsDate(Empty) & IsDate(Null) & IsDate(1) & IsDate(Now)"
' Microsoft's examples for English (United States): "," and "-" separate a date, "." does not.
Try "IsDate(""6,1,2002"") & IsDate(""6-1-2002"") & IsDate(""6.1.2002"") & IsDate(""6/1"") & IsDate(""6"")"

' Type names and VarType of every subtype, arrays included.
Dim fixed(2)
Show "arrays", TypeName(Split("a b")) & VarType(Split("a b")) & " " & TypeName(Array()) & VarType(Array()) & " " & TypeName(fixed) & VarType(fixed)
Show "subtypes", TypeName(CByte(1)) & VarType(CByte(1)) & TypeName(CCur(1)) & VarType(CCur(1)) & TypeName(CSng(1)) & VarType(CSng(1)) & TypeName(Nothing) & VarType(Nothing)
Show "more", TypeName(Empty) & VarType(Empty) & TypeName(Null) & VarType(Null) & TypeName(1) & TypeName(32768) & TypeName(1.5) & TypeName(&HFFFF)
Show "clock", TypeName(Now) & TypeName(Date) & TypeName(Time) & TypeName(Timer) & VarType(Now)

' DateSerial and TimeSerial carry out-of-range parts over.
Try "DateSerial(2020, 0, 1) & "" "" & DateSerial(2020, 13, 1) & "" "" & DateSerial(2020, 1, 0) & "" "" & DateSerial(2020, -1, -1)"
Try "DateSerial(2020, 2, 31) & "" "" & DateSerial(99, 1, 1) & "" "" & DateSerial(29, 1, 1) & "" "" & DateSerial(30, 1, 1)"
Try "DateSerial(10000, 1, 1)"
Try "TimeSerial(12 - 6, -15, 0) & "" | "" & TimeSerial(0, 0, 3661) & "" | "" & TimeSerial(12, 90, 90)"
Try "TimeSerial(25, 0, 0)"
' The ends of the date range: times of 1 January 100 lie below its serial; the last second of 9999 stays.
Try "CDate(-657434.5) & "" | "" & CDate(2958465.99999999)"
Try "CDate(-657435)"
Try "CDbl(DateAdd(""n"", 1, #12/29/1899 23:59#))"

' FormatDateTime of a time alone.
Try "FormatDateTime(CDate(""10:30""))"
Try "FormatDateTime(CDate(""10:30""), vbLongDate)"
Try "FormatDateTime(CDate(""10:30""), vbShortTime)"
Try "FormatDateTime(DateSerial(2020, 1, 2), vbLongTime)"

' firstdayofweek 0 is the system's: Sunday.
Try "Weekday(DateSerial(2020, 1, 1), 0) & DatePart(""w"", DateSerial(2020, 1, 1), 0) & Weekday(DateSerial(2020, 1, 1), vbMonday)"
Try "Weekday(DateSerial(2020, 1, 1), 8)"
Try "TypeName(Weekday(Null))"

' Int, Fix, Round, Sgn and Abs keep the subtype of Currency, Byte and Single.
Try "Int(CCur(-2.5)) & TypeName(Int(CCur(-2.5))) & Fix(CCur(-2.5)) & Round(CCur(-2.5)) & Abs(CCur(-2.5))"
Try "TypeName(Int(CByte(200))) & TypeName(Abs(CByte(200))) & TypeName(Int(CSng(1.5))) & TypeName(Int(True)) & Abs(True)"
Try "Int(""-2.5"") & TypeName(Int(""-2.5"")) & Fix(""-2.5"") & Sgn(""-2.5"") & Abs(""-2.5"")"
Try "Sgn(Null)"
Try "TypeName(Abs(Null)) & TypeName(Int(Null))"
Try "Abs(CInt(-32768)) & TypeName(Abs(CInt(-32768)))"
Try "Round(CCur(2.345), 2) & "" "" & Round(0.5) & Round(1.5) & Round(2.5) & Round(-1.5)"
Try "Round(2.5, -1)"

' Rnd: Rnd(-1) restarts a fixed sequence, Rnd(0) repeats the last number.
Try "Rnd(-1) & "" "" & Rnd & "" "" & Rnd"
Try "Rnd(-1) = Rnd(-1)"
Try "Rnd = Rnd(0)"
Try "TypeName(Rnd)"
Try "Rnd(Null)"

' Hex and Oct round Doubles and stop at Long.
Try "Hex(255.5) & "" "" & Hex(254.5) & "" "" & Hex(-1) & "" "" & Hex(-2147483648) & "" "" & Hex(True) & "" "" & Hex(Empty)"
Try "Oct(8.5) & "" "" & Oct(-1) & "" "" & Hex(CCur(-1))"
Try "Hex(2147483648)"
Try "Oct(4294967296)"
Try "TypeName(Hex(Null))"

' Wrong argument types and counts.
Try "Len(""a"", ""b"")"
Try "Mid()"
Try "Now(1)"
Try "Len(Array(1))"
Try "Chr(""x"")"
Try "InStr(Null, ""a"", ""a"")"
Try "StrComp(""a"", ""b"", 5)"
Try "Join(""abc"")"
Try "UBound(""a"")"
Try "Sqr(-1)"
Try "Log(0)"
Try "Exp(1000)"
Try "MonthName(13)"
Try "DateAdd(""x"", 1, Now)"
