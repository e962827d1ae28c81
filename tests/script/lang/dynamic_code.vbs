' Eval, Execute, ExecuteGlobal and GetRef.
Dim g
g = 10
WScript.Echo Eval("g * 2 + 1"), Eval("g = 10")   ' in Eval, = compares
Execute "g = g + 5"
WScript.Echo g
ExecuteGlobal "Function Made(x) : Made = x & ""!"" : End Function"
WScript.Echo Made("built at run time")

Function UsesLocals()
  Dim secret
  secret = 7
  Execute "secret = secret * 6"     ' runs in the procedure's scope
  UsesLocals = Eval("secret + 0")
End Function
WScript.Echo UsesLocals()

Function Twice(v)
  Twice = v * 2
End Function
Dim f
Set f = GetRef("Twice")
WScript.Echo f(21)

On Error Resume Next
Execute "this is not VBScript"
WScript.Echo "syntax error:", Err.Number
Err.Clear
WScript.Echo Eval("1 / 0")
WScript.Echo "eval error:", Err.Number
Err.Clear

' Names the script used before Execute defined them: a function's value (also as an argument,
' which goes by value), a constant made by Execute at script level.
ExecuteGlobal "Function Later : Later = 9 : End Function"
WScript.Echo "later:", Later, Later + 1, Eval("Later * 2")
Execute "Const Fixed = 7"
WScript.Echo "const:", Fixed
