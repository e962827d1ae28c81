' Procedures in blocks, bodies on the header's line, End right after a statement, and words
' Windows does not reserve.
If False Then
  Function Twice(x) : Twice = x * 2 : End Function
End If
WScript.Echo Twice(2), Thrice(2), Later()
For i = 1 To 0
  Sub Never() WScript.Echo "never" End Sub
Next
Do While False
  Function Thrice(x)
    Thrice = x * 3
  End Function
Loop
Select Case 1
  Case 2
    Class InSelect
      Public v End Class
End Select
Function rpad(a, n) rpad = Left(a & Space(n), n) : End Function
Sub S() x = 1 End Sub
Sub T(a)
  Call ok(a)End Sub
Sub ok(a) WScript.Echo "ok", a
End Sub
Function Later() Later = "later" End Function
Class K
  Public x End Class
Class K2
  Dim x End Class
Class K3
  Private Sub Class_Initialize() p = 5 End Sub
  Private p
  Public Property Get Val() Val = p End Property
End Class
WScript.Echo "[" & rpad("ab", 4) & "]"
S
T 7
Dim o : Set o = New K3 : WScript.Echo o.Val, TypeName(New InSelect)
If True Then WScript.Echo "one line" End If
Private force, debug
debug = True
If debug Then WScript.Echo "debug is a name"
Dim obj : Set obj = New K
obj.x = 1
With obj : .x = .x + 1 : WScript.Echo .x : End With
