' Array corners: Array(), LBound/UBound with a dimension (and bad ones), arrays in class fields,
' functions returning arrays indexed at once, copies on assignment and on return, arrays of arrays.
Dim a, m(2, 3, 4), d(), e
a = Array(1, 2, 3)
WScript.Echo LBound(a), UBound(a), TypeName(a), VarType(a)
a = Array()
WScript.Echo LBound(a), UBound(a)
WScript.Echo UBound(m), UBound(m, 1), UBound(m, 2), UBound(m, 3), LBound(m, 3)
On Error Resume Next
WScript.Echo UBound(m, 4)
WScript.Echo "dimension 4:", Err.Number, Err.Description
Err.Clear
WScript.Echo UBound(m, 0)
WScript.Echo "dimension 0:", Err.Number
Err.Clear
WScript.Echo LBound(m, -1)
WScript.Echo "dimension -1:", Err.Number
Err.Clear
WScript.Echo UBound(5)
WScript.Echo "not an array:", Err.Number
Err.Clear
WScript.Echo UBound(e)
WScript.Echo "Empty:", Err.Number
Err.Clear
WScript.Echo UBound(d)
WScript.Echo "dynamic, never sized:", Err.Number
Err.Clear
a = Array(10, 20)
WScript.Echo a(2)
WScript.Echo "past the end:", Err.Number
Err.Clear
WScript.Echo a(0, 0)
WScript.Echo "too many subscripts:", Err.Number
Err.Clear
On Error GoTo 0
WScript.Echo a(0.6), a("1"), a(Empty)   ' subscripts round and convert
Sub WholeSubscripts   ' Doubles holding whole numbers, as Int answers, read and write elements
  Dim v
  v = Array(1, 2, 3)
  v(CDbl(2)) = Int(7.5)
  WScript.Echo v(Int(2.9)), v(CDbl(0)), TypeName(v(2))
  On Error Resume Next
  WScript.Echo v(CDbl(3))
  WScript.Echo "whole past the end:", Err.Number
  Err.Clear
  Dim g(2, 3)
  g(1, 2) = "one two" : g(2, 1) = "two one" : g(2, 3) = 23
  WScript.Echo g(1, 2), g(CDbl(2), Int(1.5)), g(2, 3), IsEmpty(g(0, 3))
  WScript.Echo g(0, 4)
  WScript.Echo "second past the end:", Err.Number
End Sub
WholeSubscripts

' Fields holding arrays, read and written through the object.
Class Holder
  Public items
  Public fixed(2)
  Private Sub Class_Initialize
    items = Array("a", "b", "c")
  End Sub
  Public Function GetItems()
    GetItems = items
  End Function
End Class
Dim h, g
Set h = New Holder
h.items(1) = "B"
h.fixed(2) = "f"
WScript.Echo h.items(1), h.fixed(2), UBound(h.fixed)
g = h.GetItems()
g(0) = "copy"
WScript.Echo h.items(0), g(0)
WScript.Echo h.GetItems()(2), UBound(h.GetItems())

Function Pair()
  Pair = Array("x", "y")
End Function
WScript.Echo Pair()(0), Pair()(1), UBound(Pair())

' Assignment, ByVal and returning copy an array; ByRef shares it.
Dim src, cp
src = Array(1, 2)
cp = src
cp(0) = "changed"
WScript.Echo src(0), cp(0)
Sub SetFirstByVal(ByVal x)
  x(0) = "byval"
End Sub
Sub SetFirst(x)
  x(0) = "byref"
End Sub
SetFirstByVal src
WScript.Echo src(0)
SetFirst src
WScript.Echo src(0)

' An array stored in a Dictionary is a copy of the original.
Dim dict
Set dict = CreateObject("Scripting.Dictionary")
src = Array(1, 2)
dict.Add "k", src
src(0) = "later"
WScript.Echo dict("k")(0), dict("k")(1), UBound(dict("k"))

' Arrays of arrays: reading through two subscripts; an inner array taken out is a copy.
Dim nest, inner
nest = Array(Array(1, 2), Array(3, 4, 5))
WScript.Echo nest(1)(2), UBound(nest(1)), nest(0)(0) + nest(1)(0)
inner = nest(0)
inner(0) = "changed"
WScript.Echo nest(0)(0), inner(0)

' Several dimensions: ReDim Preserve grows only the last one.
Dim grid()
ReDim grid(1, 1)
grid(1, 1) = "kept"
ReDim Preserve grid(1, 3)
WScript.Echo grid(1, 1), UBound(grid, 1), UBound(grid, 2)
On Error Resume Next
ReDim Preserve grid(2, 3)
WScript.Echo "preserve, first dimension:", Err.Number
Err.Clear
On Error GoTo 0
ReDim grid(2)
WScript.Echo UBound(grid), "[" & grid(1) & "]"

' 60 dimensions at most, for Dim as for ReDim.
On Error Resume Next
Execute "Dim cube(" & Mid(Replace(Space(60), " ", ",0"), 2) & ")"
WScript.Echo "60 dimensions:", Err.Number
Execute "Dim hypercube(" & Mid(Replace(Space(61), " ", ",0"), 2) & ")"
WScript.Echo "61 dimensions:", Err.Number
Err.Clear
ReDim grid(0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0)
WScript.Echo "ReDim 61:", Err.Number
Err.Clear
On Error GoTo 0

' Erase: a fixed array keeps its size with its elements emptied.
Dim fixed(2)
fixed(1) = "x"
Erase fixed
WScript.Echo UBound(fixed), IsEmpty(fixed(1))

' ReDim Preserve shrinking an array of objects: each dropped object's Class_Terminate sees the
' array already in its new shape, and may even ReDim it again.
Class Dropped
    Public N
    Private Sub Class_Terminate()
        seen = seen & " " & N & ":" & UBound(shrunk)
        If N = 3 Then ReDim Preserve shrunk(1)
    End Sub
End Class
Dim shrunk(), seen
ReDim shrunk(3)
For i = 0 To 3
    Set shrunk(i) = New Dropped
    shrunk(i).N = i
Next
ReDim Preserve shrunk(0)
WScript.Echo "shrunk" & seen, UBound(shrunk), shrunk(0).N, IsEmpty(shrunk(1))
