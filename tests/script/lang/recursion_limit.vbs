' Runaway recursion raises "Out of stack space" instead of crashing, and the script goes on.
Dim depth
Function Dive()
  depth = depth + 1
  Dive = Dive() + 1
End Function
On Error Resume Next
Dive
WScript.Echo Err.Number, Err.Description, depth > 1000
On Error GoTo 0
depth = 0
WScript.Echo Dive2(10)
Function Dive2(n)
  If n = 0 Then Dive2 = "bottom" Else Dive2 = Dive2(n - 1)
End Function
