' Debug, the intrinsic object for a script debugger: without one attached its Write and WriteLine do
' nothing. A script's own debug variable, declared or not, comes first.
Debug.Write "not shown", 1
Debug.WriteLine "not shown"
Debug.WriteLine
WScript.Echo TypeName(Debug), IsObject(Debug)
Sub Flag : debug = True : WScript.Echo "local", debug : End Sub
Flag
On Error Resume Next
Debug.Print "x"
WScript.Echo "Print:", Err.Number
