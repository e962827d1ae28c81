' RegExp brain: cleans the sentence with regular expressions, then tries a list of
' pattern -> template rules where $1.. are the captured groups.
Option Explicit

Dim Rules(5, 1)
Rules(0, 0) = "^(?:hi|hello|hey)\b"
Rules(0, 1) = "Hello to you too."
Rules(1, 0) = "\bmy name is (\w+)"
Rules(1, 1) = "Nice to meet you, $1."
Rules(2, 0) = "\bi (?:really )?(love|hate) (\w+)"
Rules(2, 1) = "Why do you $1 $2?"
Rules(3, 0) = "(\d+)\s*(?:\+|plus)\s*(\d+)"
Rules(3, 1) = "SUM"
Rules(4, 0) = "\b(\w+) \1\b"
Rules(4, 1) = "You said '$1' twice."
Rules(5, 0) = "\b([\w.]+)@(\w+)\.com\b"
Rules(5, 1) = "I will not mail $1 at $2."

Function Normalise(Text)
    Dim R, Clean
    Set R = New RegExp
    R.Global = True
    R.Pattern = "<[^>]+?>"
    Clean = R.Replace(Text, "")
    R.Pattern = "[^\w\s'@.+]"
    Clean = R.Replace(Clean, " ")
    R.Pattern = "\s+"
    Normalise = Trim(R.Replace(Clean, " "))
End Function

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Dim Re, Text, i, Matches, M, Reply
    Set Re = New RegExp
    Re.IgnoreCase = True
    Text = Normalise(Sentence)
    For i = 0 To UBound(Rules)
        Re.Pattern = Rules(i, 0)
        If Re.Test(Text) Then
            Set Matches = Re.Execute(Text)
            Set M = Matches(0)
            If Rules(i, 1) = "SUM" Then
                Reply = M.SubMatches(0) & " + " & M.SubMatches(1) & " = " & (CLng(M.SubMatches(0)) + CLng(M.SubMatches(1)))
            Else
                ' Replace on the matched text alone expands $1.. in the template.
                Reply = Re.Replace(M.Value, Rules(i, 1))
            End If
            GetResponse = Reply & " <STOP>"
            Exit Function
        End If
    Next
    GetResponse = "[" & Text & "] <STOP>"
End Function

Dim S
For Each S In Array("Hello, computer!", "Well... my name is <b>Zed</b>.", "I really LOVE pizza", _
                    "I hate Mondays", "what is 12+30?", "what is 7 plus 8", "this is is odd", _
                    "mail john.smith@example.com now", "  Nothing   to see,  here!! ", "hellothere")
    WScript.Echo GetResponse(S, "Ann", "PC", 1, ".", "", "", "", "", "", "", "", "", "", "")
Next

' Matches in detail.
Dim Re, Ms, M, Line
Set Re = New RegExp
Re.Pattern = "\b[a-z]+\b"
Re.IgnoreCase = True
Re.Global = True
Set Ms = Re.Execute("Hello, World! It's 2005.")
Line = Ms.Count & ":"
For Each M In Ms
    Line = Line & " " & M.FirstIndex & "/" & M.Length & "/" & M.Value
Next
WScript.Echo Line

Re.Global = False
WScript.Echo Re.Replace("one two three", "X") & " | " & Re.Execute("one two three").Count
Re.Global = True
WScript.Echo Re.Replace("one two three", "<$&>")
Re.Pattern = "(\w+)@(\w+)"
WScript.Echo Re.Replace("ann@home bob@work", "$2:$1")

Re.Pattern = "^\w+"
Re.Multiline = False
WScript.Echo "Lines: " & Re.Execute("first line" & vbCrLf & "second line").Count
Re.Multiline = True
Set Ms = Re.Execute("first line" & vbCrLf & "second line")
WScript.Echo "Multiline: " & Ms.Count & " " & Ms(1).Value & " at " & Ms(1).FirstIndex

Re.Pattern = "colou?r"
Re.IgnoreCase = False
WScript.Echo Re.Test("What COLOR?") & " " & Re.Test("what colour?")

Re.Pattern = "(a)|(b)"
Set M = Re.Execute("b")(0)
WScript.Echo "Unmatched group: [" & M.SubMatches(0) & "] [" & M.SubMatches(1) & "] " & M.SubMatches.Count

Re.Pattern = "a.c"
WScript.Echo "Dot and newline: " & Re.Test("a" & vbLf & "c") & " " & Re.Test("abc")

Re.Pattern = "(\d+"
On Error Resume Next
WScript.Echo Re.Test("12")
WScript.Echo "Bad pattern: " & Err.Number & " " & Err.Description
On Error GoTo 0
