' On Error Resume Next: continue after the failing statement, in every procedure, and let
' errors of callers without a handler travel up to one that has it.
On Error Resume Next
Dim x
x = 1 / 0
WScript.Echo "after division:", Err.Number, Err.Description, Err.Source
Err.Clear
WScript.Echo "cleared:", Err.Number, "[" & Err.Description & "]"

Sub Inner()
  WScript.Echo "inner start"
  x = CLng("not a number")
  WScript.Echo "inner not reached"
End Sub
Sub Middle()
  Inner
  WScript.Echo "middle not reached"
End Sub
Middle
WScript.Echo "back at top:", Err.Number

Err.Clear
Sub Handles()
  On Error Resume Next
  x = 1 / 0
  WScript.Echo "handled inside:", Err.Number
End Sub
Handles
WScript.Echo "after a handling procedure:", Err.Number

' An error in an If condition continues inside the If.
If 1 / 0 = 5 Then
  WScript.Echo "then branch"
Else
  WScript.Echo "else branch"
End If

Err.Raise 1234, "my source", "my description"
WScript.Echo Err.Number, Err.Source, Err.Description
' Raise keeps the source and description that Err still holds when they are left out.
Err.Raise vbObjectError + 7
WScript.Echo Err.Number, Err.Description
Err.Clear
Err.Raise vbObjectError + 7
WScript.Echo Err.Number, Err.Description
Err.Clear
Err.Number = 5
WScript.Echo Err.Number, Err.Description

On Error GoTo 0
WScript.Echo "goto 0 clears:", Err.Number
On Error Resume Next
Dim o
o.Method
WScript.Echo "on Empty:", Err.Number, Err.Description
Err.Clear
Set o = Nothing
o.Method
WScript.Echo "on Nothing:", Err.Number, Err.Description
Err.Clear
Set o = New RegExp
o.NoSuchThing
WScript.Echo "no member:", Err.Number, Err.Description
' An error in a loop's header runs the body once.
Err.Clear
Dim v
For v = 1 To "many"
  WScript.Echo "once"
Next
WScript.Echo "bad bound:", Err.Number
Err.Clear
For Each v In 42
  WScript.Echo "once"
Next
WScript.Echo "not a collection:", Err.Number
' The same through methods of a class, two calls deep.
Class Worker
  Public Function Fail(n)
    Fail = Deeper(n)
    WScript.Echo "not reached"
  End Function
  Private Function Deeper(n)
    Deeper = 10 / n
  End Function
  Public Function Careful(n)
    On Error Resume Next
    Careful = 10 / n
    Careful = "careful: " & Err.Number
  End Function
End Class
Dim wk
Set wk = New Worker
Err.Clear
v = wk.Fail(0)
WScript.Echo "from a method:", Err.Number, "[" & v & "]"
Err.Clear
WScript.Echo wk.Careful(0), Err.Number
' Exit Sub and Exit Function clear Err (reaching End Sub does not).
Class Quitter
  Public Sub Quits
    On Error Resume Next
    Err.Raise 5
    Exit Sub
  End Sub
  Public Function QuitsToo
    On Error Resume Next
    Err.Raise 6
    QuitsToo = Err.Number
    Exit Function
  End Function
End Class
Set wk = New Quitter
wk.Quits
WScript.Echo "exit sub:", Err.Number
WScript.Echo "exit function:", wk.QuitsToo(), Err.Number
