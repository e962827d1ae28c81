' The report of an error a built-in raises names the built-in; Err.Description does not.
On Error Resume Next
x = Mid("abc", 0)
WScript.Echo Err.Number & " " & Err.Description
Err.Clear
x = Left("abc")
WScript.Echo Err.Number & " " & Err.Description
On Error GoTo 0
x = UBound("a")
