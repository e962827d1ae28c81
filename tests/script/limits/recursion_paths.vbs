' Runaway recursion through any path is Out of stack space, which On Error catches.
Class Prop
  Public Property Get V() : V = Me.V : End Property
  Public Default Property Get D() : D = Me() + 1 : End Property
End Class
Class Init
  Private Sub Class_Initialize() : Dim x : Set x = New Init : End Sub
End Class
Class Term
  Private Sub Class_Terminate() : Dim x : Set x = New Term : Set x = Nothing : End Sub
End Class
Function ByEval(n) : ByEval = Eval("Again(n + 1)") : End Function
Function Again(n) : Again = ByEval(n) : End Function
Sub ByExecute(n) : Execute "ByExecute n + 1" : End Sub

Dim o, y
Set o = New Prop
On Error Resume Next
y = o.V : WScript.Echo "property", Err.Number, Err.Description : Err.Clear
y = o + 1 : WScript.Echo "default member", Err.Number : Err.Clear
Set y = New Init : WScript.Echo "Class_Initialize", Err.Number : Err.Clear
y = ByEval(0) : WScript.Echo "Eval", Err.Number : Err.Clear
ByExecute 0 : WScript.Echo "Execute", Err.Number : Err.Clear
' Errors inside Class_Terminate go nowhere.
Set y = New Term : Set y = Nothing : WScript.Echo "Class_Terminate", Err.Number
