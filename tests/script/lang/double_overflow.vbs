' Doubles never become infinities: past the range is error 6, on every path.
On Error Resume Next
Dim x, y, z
x = 1E308
y = x * 10 : WScript.Echo "mul", Err.Number, IsEmpty(y) : Err.Clear
y = x + x : WScript.Echo "add", Err.Number, IsEmpty(y) : Err.Clear
y = -x - x : WScript.Echo "sub", Err.Number, IsEmpty(y) : Err.Clear
y = x / 0.1 : WScript.Echo "div", Err.Number, IsEmpty(y) : Err.Clear
y = x ^ 2 : WScript.Echo "pow", Err.Number, IsEmpty(y) : Err.Clear
z = 1E154
z = z * z * z : WScript.Echo "chain", Err.Number, z : Err.Clear
y = x * 1.5 - x : WScript.Echo "within", Err.Number
WScript.Echo "largest", x * 1.7976931348623
