' Fixed and dynamic arrays, ReDim Preserve, several dimensions, copies on assignment, Erase.
Dim fixed(3), grid(2, 1), dyn(), copy, i
For i = 0 To 3
  fixed(i) = i * i
Next
WScript.Echo UBound(fixed), fixed(3)
grid(2, 1) = "corner"
grid(0, 0) = "origin"
WScript.Echo UBound(grid, 1), UBound(grid, 2), grid(2, 1), grid(0, 0)
ReDim dyn(1)
dyn(0) = "a" : dyn(1) = "b"
ReDim Preserve dyn(3)
dyn(3) = "d"
WScript.Echo UBound(dyn), dyn(0), dyn(1), "[" & dyn(2) & "]", dyn(3)
ReDim Preserve dyn(0)
WScript.Echo UBound(dyn), dyn(0)
ReDim dyn(2)
WScript.Echo "[" & dyn(0) & "]"

copy = fixed           ' a copy, not a shared array
copy(0) = "changed"
WScript.Echo fixed(0), copy(0)

Dim m()
ReDim m(1, 2)
m(1, 2) = 5
ReDim Preserve m(1, 4)
WScript.Echo m(1, 2), UBound(m, 2)

Erase fixed
WScript.Echo UBound(fixed), "[" & fixed(3) & "]"

On Error Resume Next
WScript.Echo fixed(4)
WScript.Echo "out of range:", Err.Number, Err.Description
Err.Clear
ReDim Preserve m(3, 4)
WScript.Echo "preserve first dimension:", Err.Number
Err.Clear
ReDim fixed(5)
WScript.Echo "redim fixed:", Err.Number
Err.Clear
Erase dyn
WScript.Echo UBound(dyn)
WScript.Echo "erased dynamic:", Err.Number
Err.Clear
ReDim huge(2000000000)
WScript.Echo "too big:", Err.Number, Err.Description
