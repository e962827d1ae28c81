' ByRef is the default; ByVal copies; expressions and "f (x)" pass copies.
Sub Inc(n)
  n = n + 1
End Sub
Sub IncVal(ByVal n)
  n = n + 1
End Sub
Sub IncTwice(ByRef n)
  Inc n          ' a ByRef parameter passed on ByRef reaches the caller's variable
  Inc n
End Sub
Dim x, arr(2)
x = 1
Inc x
WScript.Echo "variable:", x
IncVal x
WScript.Echo "byval:", x
Inc (x)
WScript.Echo "parenthesised:", x
Call Inc(x)
WScript.Echo "call:", x
Inc x + 0
WScript.Echo "expression:", x
IncTwice x
WScript.Echo "chained:", x
arr(1) = 10
Inc arr(1)
WScript.Echo "array element:", arr(1)

Function Swap(a, b)
  Dim t
  t = a : a = b : b = t
  Swap = a & b
End Function
Dim p, q
p = "left" : q = "right"
WScript.Echo Swap(p, q), p, q

' Arrays are values: ByVal gets a copy, ByRef the caller's.
Sub Poke(ByVal a, ByRef b)
  a(0) = "poked"
  b(0) = "poked"
End Sub
Dim one, two
one = Array("orig")
two = Array("orig")
Poke one, two
WScript.Echo one(0), two(0)

' A class field reached by name inside the class goes by reference.
Class Counter
  Public Value
  Public Sub Bump()
    Inc Value
  End Sub
End Class
Dim c
Set c = New Counter
c.Value = 41
c.Bump
WScript.Echo "field:", c.Value
' An array whose element is out by reference cannot be resized meanwhile.
Sub Resize(item)
  ReDim Preserve dynamicArr(5)
  item = "written"
End Sub
Dim dynamicArr()
ReDim dynamicArr(1)
On Error Resume Next
Resize dynamicArr(0)
WScript.Echo "locked:", Err.Number, "[" & dynamicArr(0) & "]", UBound(dynamicArr)
Err.Clear
Resize x
WScript.Echo "unlocked again:", Err.Number, UBound(dynamicArr), x
