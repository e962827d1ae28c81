Option Explicit
' Option Explicit holds for the text Execute, ExecuteGlobal and Eval run.
Dim made
On Error Resume Next
Execute "undeclared = 1"
WScript.Echo "execute:", Err.Number
Err.Clear
ExecuteGlobal "Dim declared : declared = 2"
WScript.Echo "declared:", Err.Number, Eval("declared")
made = Eval("nowhere + 1")
WScript.Echo "eval:", Err.Number, IsEmpty(made)
