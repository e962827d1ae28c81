' Rulebook brain: rules are small VBScript functions added at run time with ExecuteGlobal and
' called through GetRef; every step is guarded with On Error Resume Next, as many old brains did.
Option Explicit

Const ERR_NO_RULE = 513

Dim History(), HistoryCount, Stats
ReDim History(0)
HistoryCount = 0
Set Stats = CreateObject("Scripting.Dictionary")

Sub AddHistory(Text)
    ' grow by doubling, keeping what is there
    If HistoryCount > UBound(History) Then ReDim Preserve History(HistoryCount * 2)
    History(HistoryCount) = Text
    HistoryCount = HistoryCount + 1
End Sub

Sub DefineRule(Name, Body)
    ExecuteGlobal "Function Rule_" & Name & "(S)" & vbCrLf & Body & vbCrLf & "End Function"
End Sub

DefineRule "weather", "Rule_weather = ""Is it raining at your place, too?"""
DefineRule "math", "Rule_math = ""That makes "" & Eval(Mid(S, 6)) & ""."""
DefineRule "shout", "Rule_shout = UCase(S) & ""!"""
DefineRule "fail", "Err.Raise vbObjectError + 99, ""Rule_fail"", ""This rule always fails"""

Function PickRule(Text)
    Dim Word
    Word = LCase(Split(Text & " ")(0))
    Select Case Word
        Case "rain", "sun", "snow"
            PickRule = "weather"
        Case "calc"
            PickRule = "math"
        Case "hey", "oi"
            PickRule = "shout"
        Case "break"
            PickRule = "fail"
        Case Else
            Err.Raise vbObjectError + ERR_NO_RULE, "PickRule", "No rule for '" & Word & "'"
            PickRule = "never"
    End Select
End Function

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Dim Name, Handler, Reply
    On Error Resume Next
    AddHistory Sentence
    Name = "none"
    Name = PickRule(Sentence)
    If Err.Number <> 0 Then
        Reply = "(" & Err.Source & ": " & Err.Description & ", " & (Err.Number - vbObjectError) & ")"
        Err.Clear
    Else
        Set Handler = GetRef("Rule_" & Name)
        Reply = Handler(Sentence)
        If Err.Number <> 0 Then
            Reply = "(rule " & Name & " failed: " & Hex(Err.Number) & " " & Err.Description & ")"
            Err.Clear
        End If
    End If
    With Stats
        .Item(Name) = .Item(Name) + 1
        If Not .Exists("total") Then .Add "total", 0
        .Item("total") = .Item("total") + 1
    End With
    GetResponse = Reply & " <STOP>"
End Function

Dim S
For Each S In Array("rain again today", "calc 2 + 3 * 4", "calc 10 / 4", "hey you", "break it", _
                    "what now", "calc 1 / 0", "calc x = 5", "Snow")
    WScript.Echo GetResponse(S, "Ann", "PC", 1, ".", "", "", "", "", "", "", "", "", "", "")
Next
WScript.Echo "History: " & HistoryCount & " of " & UBound(History) + 1 & ": " & History(0) & " ... " & History(HistoryCount - 1)
WScript.Echo "Stats: weather=" & Stats("weather") & " math=" & Stats("math") & " none=" & Stats("none") & " total=" & Stats("total")

' Errors raised in a procedure without a handler end that procedure at once.
Dim Trace
Sub Strict(Value)
    Trace = Trace & "in;"
    If Value = "" Then Err.Raise 5
    Trace = Trace & "ok;"
End Sub
On Error Resume Next
Trace = ""
Strict "x"
Strict ""
Trace = Trace & "after;"
WScript.Echo "Trace: " & Trace & " " & Err.Number & " " & Err.Description
Err.Clear
Err.Raise 9
WScript.Echo "Raise 9: " & Err.Description & " / " & Err.Source
Err.Clear
Dim Fixed(2)
Fixed(3) = 1
WScript.Echo "Fixed(3): " & Err.Number
Err.Clear
ReDim Preserve Fixed(5)
WScript.Echo "ReDim fixed: " & Err.Number & " " & Err.Description
Err.Clear
On Error GoTo 0

' Eval compares where Execute assigns.
Dim x
x = 1
WScript.Echo "Eval: " & Eval("x = 5") & " " & x & " " & Eval("x + 1") & " " & TypeName(Eval("x & x"))
Execute "x = 5"
WScript.Echo "Execute: " & x

' Loops of every kind over one list.
Dim Words, i, Out
Words = Split("alpha,beta,,gamma", ",")
i = 0: Out = ""
Do While i <= UBound(Words)
    If Words(i) = "" Then Exit Do
    Out = Out & Words(i) & " "
    i = i + 1
Loop
WScript.Echo "Do While: " & Out & "stopped at " & i
i = UBound(Words): Out = ""
Do
    Out = Out & "[" & Words(i) & "]"
    i = i - 1
Loop Until i < 0
WScript.Echo "Loop Until: " & Out
i = 10
Do Until i >= 10
    i = i + 1
Loop
WScript.Echo "Nothing: " & i
i = 0
While i < 3
    i = i + 1
Wend
WScript.Echo "Wend: " & i
For i = 10 To 1 Step -3
    Out = i
Next
WScript.Echo "Step -3 ends at " & i & " after " & Out
