' A member of Nothing raises 424 Object required, as a member of any non-object does; using
' Nothing as a plain value raises 91 Object variable not set.
On Error Resume Next
Dim o, v
Set o = Nothing
o.Run
WScript.Echo "call:", Err.Number, Err.Description
Err.Clear
v = o.Name
WScript.Echo "get:", Err.Number, Err.Description
Err.Clear
o.Name = 1
WScript.Echo "let:", Err.Number, Err.Description
Err.Clear
Set o.Child = Nothing
WScript.Echo "set:", Err.Number, Err.Description
Err.Clear
With o
    .Run
End With
WScript.Echo "With:", Err.Number, Err.Description
Err.Clear
v = o
WScript.Echo "value:", Err.Number, Err.Description
Err.Clear
On Error GoTo 0
o.Run
