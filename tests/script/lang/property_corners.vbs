' Properties: Let and Get with several arguments, a default Get with an argument used as obj(i),
' Set from functions and properties, Is with Nothing, a property without parameters indexed.
Class Grid
  Private cells(3, 3)
  Public Property Let Cell(r, c, v)
    cells(r, c) = v
  End Property
  Public Property Get Cell(r, c)
    Cell = cells(r, c)
  End Property
  Public Default Property Get Item(i)
    Item = "item" & i
  End Property
End Class
Dim g
Set g = New Grid
g.Cell(1, 2) = "x"
WScript.Echo g.Cell(1, 2), "[" & g.Cell(0, 0) & "]"
WScript.Echo g(5), g.Item(6)
On Error Resume Next
g.Cell(1) = 5
WScript.Echo "Let, too few:", Err.Number
Err.Clear
On Error GoTo 0

Class Node
  Public Value, Link
  Public Property Get Self
    Set Self = Me
  End Property
  Public Property Set NextNode(n)
    Set Link = n
  End Property
  Public Property Get NextNode
    Set NextNode = Link
  End Property
End Class
Function MakeNode(v)
  Set MakeNode = New Node
  MakeNode.Value = v
End Function
Dim a, b, s, n
Set a = MakeNode("a")
Set b = MakeNode("b")
Set a.NextNode = b
WScript.Echo a.NextNode.Value, a.Link Is b, MakeNode("c").Value
Set s = a.Self
WScript.Echo s Is a, s Is b, TypeName(s)
Set n = Nothing
WScript.Echo n Is Nothing, a Is Nothing, Nothing Is Nothing, Not a Is Nothing
On Error Resume Next
Dim e
WScript.Echo e Is Nothing
WScript.Echo "Empty Is Nothing:", Err.Number
Err.Clear
Set e = a.Value
WScript.Echo "Set of a string:", Err.Number
Err.Clear
On Error GoTo 0

' A property without parameters that answers an array, indexed from outside and inside.
Class Bag
  Private m
  Private Sub Class_Initialize
    m = Array("p", "q")
  End Sub
  Public Property Get Items
    Items = m
  End Property
  Public Function Second()
    Second = Items(1)
  End Function
End Class
Dim sack
Set sack = New Bag
WScript.Echo sack.Items(0), sack.Second(), UBound(sack.Items)
