' Execute and Eval inside a procedure run in that call of the procedure: they see its variables,
' declared or not, and a variable they create (by Dim, or by assigning a new name) is a local of the
' call that later Execute and Eval calls in it still see.
Function Classify(Sentence)
    Text = LCase(Sentence)
    Kind = "statement"
    Execute "If InStr(Text, ""?"") > 0 Then Kind = ""question"""
    Classify = Kind
End Function
WScript.Echo Classify("Is it RAINING?"), Classify("It rains.")

Sub MakesVariables()
    WScript.Echo "before:", IsEmpty(Eval("tmp"))
    Execute "tmp = 5"
    WScript.Echo "tmp:", Eval("tmp * 2")
    Execute "Dim made : made = ""made"""
    Execute "made = made & "" here"""
    Execute "Execute ""made = made & """"!"""""""
    WScript.Echo Eval("made")
End Sub
MakesVariables
MakesVariables
WScript.Echo "no global tmp:", IsEmpty(tmp)

Sub SeesWhatExecuteMade()
    Execute "seen = 42"
    WScript.Echo "seen:", seen
End Sub
SeesWhatExecuteMade

Function Total(n)
    For i = 1 To n
        Execute "sum = sum + i"
    Next
    Total = sum
End Function
WScript.Echo "total:", Total(4)

Class Meter
    Private reading
    Sub Check()
        reading = 3
        Execute "doubled = reading * 2"
        WScript.Echo "field:", Eval("doubled + reading")
    End Sub
End Class
Dim m
Set m = New Meter
m.Check

' A procedure that Execute defines sees the globals, not the locals of the procedure that ran it.
Dim X
X = "Global"
Sub Proc1()
    Dim X
    X = "Local"
    Execute "Sub Proc2 : WScript.Echo X : End Sub"
    WScript.Echo Eval("X")
    Proc2
End Sub
Proc1
