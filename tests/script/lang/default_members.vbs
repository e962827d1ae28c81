' Default members: obj(x) calls it, a value context reads it, Set is needed to copy the object.
Class List
  Private items
  Private Sub Class_Initialize
    items = Array("zero", "one", "two")
  End Sub
  Public Default Property Get Item(i)
    Item = items(i)
  End Property
  Public Property Get All
    All = items
  End Property
End Class
Class Name
  Public Value
  Public Default Property Get Text
    Text = "name:" & Value
  End Property
End Class
Dim l, n, copy
Set l = New List
WScript.Echo l(1), l.Item(2), l.All(0), UBound(l.All)
Set n = New Name
n.Value = "ann"
copy = n                  ' without Set: the default property's value
WScript.Echo copy, TypeName(copy), n & "!", n
Dim d
Set d = CreateObject("Scripting.Dictionary")
d("k") = n                ' assignment through the dictionary's default member
WScript.Echo TypeName(d("k"))
Set d("o") = n
WScript.Echo TypeName(d("o")), d("o").Value
On Error Resume Next
Set copy = "not an object"
WScript.Echo "set a string:", Err.Number, Err.Description
Err.Clear
Dim plain
Set plain = New Point
WScript.Echo "unknown class:", Err.Number
Err.Clear
copy = New NoDefault
WScript.Echo "no default:", Err.Number
Class NoDefault
  Public X
End Class
