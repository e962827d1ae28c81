' With blocks: .member reaches the With object, nesting, and the object evaluated once.
Class Point
  Public X, Y
  Public Function Sum()
    Sum = X + Y
  End Function
End Class
Dim made
Function MakePoint()
  made = made + 1
  Set MakePoint = New Point
End Function
With MakePoint()
  .X = 3
  .Y = 4
  WScript.Echo .Sum(), made
End With
Dim d
Set d = CreateObject("Scripting.Dictionary")
With d
  .Add "k", "v"
  With New Point
    .X = "inner"
    WScript.Echo .X, d.Count
  End With
  WScript.Echo .Item("k")
End With
' A .member outside any With compiles (VBScript has no compilation error for it); it fails with
' 505 when it runs.
If made = 0 Then .X = 1
On Error Resume Next
.Y = 2
WScript.Echo "outside With:", Err.Number, Err.Description
' With takes an object, as Set does: anything else is 424 at the With; Nothing waits for a member.
Err.Clear
With 5
  WScript.Echo "With 5:", Err.Number
End With
Err.Clear
With Nothing
  WScript.Echo "With Nothing:", Err.Number
  .X = 1
  WScript.Echo "its member:", Err.Number
End With
