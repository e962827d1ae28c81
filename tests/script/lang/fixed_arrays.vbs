' An array declared with bounds is fixed in its variable only: ReDim there gives 10 and assigning
' to the variable 13 (Type mismatch), while every copy of it (assignment, ByVal, a function's
' value) is a dynamic array. A ByRef parameter is the variable itself.
On Error Resume Next
Dim a(2), b
a(0) = "first"
b = a
ReDim Preserve b(5)
WScript.Echo "copy resized:", Err.Number, UBound(b), b(0)
ReDim a(5)
WScript.Echo "ReDim of the fixed one:", Err.Number, UBound(a)
Err.Clear
ReDim Preserve a(5)
WScript.Echo "ReDim Preserve of it:", Err.Number, UBound(a)
Err.Clear
a = 5
WScript.Echo "assigned a number:", Err.Number, TypeName(a)
Err.Clear
a = Array(1, 2, 3)
WScript.Echo "assigned an array:", Err.Number, UBound(a)
Err.Clear

' Changing one side of a copy does not move the fixed mark to the other.
b = a
a(1) = "changed"
ReDim Preserve b(4)
WScript.Echo "copy after a change:", Err.Number, UBound(b), a(1), "[" & b(1) & "]"
ReDim a(4)
WScript.Echo "the variable after a change:", Err.Number, UBound(a)
Err.Clear

Sub ResizeByRef(p)
    ReDim p(7)
End Sub
Sub ResizeByVal(ByVal p)
    ReDim p(7)
    WScript.Echo "inside ByVal:", UBound(p)
End Sub
Sub AssignByRef(p)
    p = "text"
End Sub
ResizeByRef a
WScript.Echo "ByRef ReDim:", Err.Number, UBound(a)
Err.Clear
ResizeByVal a
WScript.Echo "ByVal ReDim:", Err.Number, UBound(a)
AssignByRef a
WScript.Echo "ByRef assignment:", Err.Number, TypeName(a)
Err.Clear

Function MakeFixed()
    Dim local(3)
    local(0) = "made"
    MakeFixed = local
End Function
c = MakeFixed()
ReDim Preserve c(6)
WScript.Echo "a function's fixed array:", Err.Number, UBound(c), c(0)
' Erase empties a fixed array in place, and turns a copy into an empty dynamic array.
b = a
Erase b
WScript.Echo "Erase of a copy:", Err.Number, IsArray(b)
x = UBound(b)
WScript.Echo "its UBound:", Err.Number
Err.Clear
Erase a
WScript.Echo "Erase of the fixed one:", Err.Number, UBound(a), IsEmpty(a(0))

Class Holder
    Public items(1)
    Sub Grow()
        ReDim items(3)
    End Sub
End Class
Set h = New Holder
h.Grow
WScript.Echo "fixed field:", Err.Number, UBound(h.items)
Err.Clear
d = h.items
ReDim d(3)
WScript.Echo "copy of a field:", Err.Number, UBound(d)

' Split's and Filter's String arrays keep text also through a ByRef element.
Sub SetNumber(x)
    x = 5
    WScript.Echo "inside:", TypeName(x)
End Sub
parts = Split("a,b", ",")
SetNumber parts(0)
WScript.Echo "Split element:", TypeName(parts(0)), VarType(parts(0)), parts(0)
plain = Array("a", "b")
SetNumber plain(0)
WScript.Echo "Array element:", TypeName(plain(0))
Dim declared
declared = Filter(Array("ab", "b"), "a")
SetNumber declared(0)
WScript.Echo "Filter element:", TypeName(declared(0)), declared(0)
' An argument written like an element may be a call, known only when it runs.
Function Twice(n)
    Twice = n * 2
End Function
Sub Show(v)
    WScript.Echo "function as an argument:", v
End Sub
Show Twice(4)
ExecuteGlobal "Function Later(n) : Later = n + 1 : End Function"
Show Later(1)
Show undeclaredNothing(1)
WScript.Echo "unknown name:", Err.Number
