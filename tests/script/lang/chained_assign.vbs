' Assigning through a chain of calls: d("a")("b") = v stores through the default member of the
' object d("a") returns (nested dictionaries, arrays of objects).
Class Slots
  Private m(3)
  Public Default Property Get Item(i)
    If IsObject(m(i)) Then Set Item = m(i) Else Item = m(i)
  End Property
  Public Property Let Item(i, v)
    m(i) = v
  End Property
  Public Property Set Item(i, v)
    Set m(i) = v
  End Property
End Class
Dim d, arr(1)
Set d = CreateObject("Scripting.Dictionary")
Set d("outer") = CreateObject("Scripting.Dictionary")
d("outer")("inner") = 1
d.Item("outer")("other") = 2
WScript.Echo d("outer")("inner"), d("outer")("other"), d("outer").Count
Set arr(0) = New Slots
arr(0)(1) = "one"
Set arr(0)(2) = New Slots
arr(0).Item(2)(0) = "deep"
WScript.Echo arr(0)(1), arr(0)(2)(0), TypeName(arr(0)(2))
With d
  .Item("outer")("with") = "w"
  Set .Item("outer")("slots") = arr(0)
End With
WScript.Echo d("outer")("with"), d("outer")("slots")(1)
On Error Resume Next
d("outer")("slots")(9) = 1
WScript.Echo "out of range:", Err.Number
