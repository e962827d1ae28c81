' System.Random as published scripts use it (Next_2 for a range). On Windows, with .NET installed,
' Next_2(min, max) gives min <= n < max as a Long, min when the two are equal, and raises .NET's
' ArgumentOutOfRangeException when min > max; Next_3(max) is 0 <= n < max; NextDouble is in [0, 1).
Option Explicit
Dim r, i, n, seen(9), ok, d
Set r = CreateObject("System.Random")
WScript.Echo TypeName(r), TypeName(r.Next), TypeName(r.Next_2(1, 2)), TypeName(r.NextDouble)
ok = True
For i = 1 To 400
    n = r.Next_2(3, 7)
    If n < 3 Or n > 6 Then ok = False Else seen(n) = True
    n = r.Next_3(2)
    If n < 0 Or n > 1 Then ok = False
    d = r.NextDouble
    If d < 0 Or d >= 1 Then ok = False
    If r.Next < 0 Then ok = False
Next
WScript.Echo ok, seen(3) And seen(4) And seen(5) And seen(6)
WScript.Echo r.Next_2(5, 5), r.Next_3(0), r.Next_2(-3, -2), r.Next_2("2", 3.4)
On Error Resume Next
n = r.Next_2(2, 1)
WScript.Echo Err.Number, Err.Source
Err.Clear
n = r.Next_3(-1)
WScript.Echo Err.Number
Err.Clear
n = r.Next_2(1)
WScript.Echo Err.Number
