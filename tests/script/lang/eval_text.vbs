' Eval reads one expression: a comment may follow it, an object comes back as the object, and
' anything after the expression is "Expected end of statement".
Class Made
  Public Default Property Get Text
    Text = "default text"
  End Property
End Class
Dim o, o2
Set o = Eval("New Made")
Set o2 = Eval("o")
WScript.Echo TypeName(o), o2 Is o, Eval("o") & "!"
WScript.Echo Eval("1 + 1 ' a comment")
On Error Resume Next
WScript.Echo Eval("WScript.Echo 5")
WScript.Echo "statement:", Err.Number, Err.Description
Err.Clear
WScript.Echo Eval("(1 + 2")
WScript.Echo "open paren:", Err.Number, Err.Description
