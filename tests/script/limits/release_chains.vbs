' Freeing a long chain of values frees every link without exhausting the native stack, and runs
' each object's Class_Terminate, the outer object first.
Dim terminated, inOrder, lastId
Class Node
  Public id, nextNode
  Private Sub Class_Terminate()
    terminated = terminated + 1
    If id <> lastId - 1 Then inOrder = False
    lastId = id
  End Sub
End Class

Dim head, n, i
Set head = Nothing
For i = 1 To 300000
  Set n = New Node
  n.id = i
  Set n.nextNode = head
  Set head = n
Next
Set n = Nothing
terminated = 0 : inOrder = True : lastId = 300001
Set head = Nothing
WScript.Echo "list", terminated, inOrder

' Class_Terminate letting go of an object: that object terminates before the handler goes on.
Class Inner
  Private Sub Class_Terminate() : WScript.Echo "inner" : End Sub
End Class
Class Outer
  Public held, other
  Private Sub Class_Terminate()
    WScript.Echo "outer begins"
    Set held = Nothing
    WScript.Echo "outer ends"
  End Sub
End Class
Set n = New Outer
Set n.held = New Inner
Set n.other = New Inner
Set n = Nothing

Dim a
a = Empty
For i = 1 To 1000000
  a = Array(a)
Next
a = 0
WScript.Echo "arrays", a

Dim d
Set d = Nothing
For i = 1 To 1000000
  Set n = CreateObject("Scripting.Dictionary")
  n.Add "next", d
  Set d = n
Next
Set n = Nothing
Set d = Nothing
WScript.Echo "dictionaries", TypeName(d)
