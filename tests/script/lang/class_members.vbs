' Private members, indexed properties, array fields, class constants and Exit Property.
Class Grid
  Private Const Size = 3
  Private cells(2)
  Private log
  Public Tags()

  Private Function Check(i)
    Check = (i >= 0 And i < Size)
  End Function

  Public Property Let Cell(i, v)
    If Not Check(i) Then Exit Property
    cells(i) = v
  End Property
  Public Property Get Cell(i)
    Cell = cells(i)
  End Property

  Public Sub Tag(t)
    ReDim Preserve Tags(UBound(Tags) + 1)
    Tags(UBound(Tags)) = t
  End Sub

  Private Sub Class_Initialize
    ReDim Tags(-1)
  End Sub

  Public Function Describe()
    Describe = Join(cells, ",") & " tags=" & Join(Tags, "+") & " size=" & Size
  End Function
End Class

Dim g
Set g = New Grid
g.Cell(0) = "a"
g.Cell(2) = "c"
g.Cell(7) = "ignored"
g.Tag "x"
g.Tag "y"
WScript.Echo g.Describe(), g.Cell(2), UBound(g.Tags), g.Tags(1)
On Error Resume Next
WScript.Echo g.Check(1)
WScript.Echo "private method:", Err.Number
Err.Clear
WScript.Echo g.log
WScript.Echo "private field:", Err.Number
Err.Clear
g.Cell(1, 2) = "x"
WScript.Echo "wrong arguments:", Err.Number
On Error GoTo 0
' Methods and property getters recurse through their own name.
Class Maths
  Public Function Fact(n)
    If n <= 1 Then Fact = 1 Else Fact = n * Fact(n - 1)
  End Function
  Public Property Get Tri(n)
    If n = 0 Then Tri = 0 Else Tri = n + Tri(n - 1)
  End Property
End Class
Dim m
Set m = New Maths
WScript.Echo m.Fact(6), m.Tri(4)
' Me reaches only the public members; an error in Class_Initialize ends it and the Set.
Class Guarded
  Private secret
  Public Function Peek()
    On Error Resume Next
    Peek = Me.secret
    Peek = "through Me: " & Err.Number
  End Function
  Private Sub Class_Initialize
    If Not m Is Nothing Then Err.Raise 5
    WScript.Echo "initialised"
  End Sub
End Class
Set m = Nothing
Dim gd
Set gd = New Guarded
WScript.Echo gd.Peek()
Set m = New Maths
On Error Resume Next
Set gd = New Guarded
WScript.Echo "failed Initialize:", Err.Number, TypeName(gd)
On Error GoTo 0
' Default, Property and Step are names too: "Public Default" alone or in a list is a field.
Class Named
  Public Default, Other
  Private Step, Property
  Public Default Function Value() : Property = "p" : Value = "v" & Default & Property : End Function
End Class
Set nm = New Named
nm.Default = 1
WScript.Echo nm, nm.Default
