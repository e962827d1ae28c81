' Members and calls on New objects and on parenthesised values.
Class C
  Public v
  Public Function Init(a, b)
    v = a & b
    Set Init = Me
  End Function
  Public Property Get Prop
    Prop = "prop " & v
  End Property
  Public Sub M()
    WScript.Echo "M called", v
  End Sub
End Class
Class Fmt
  Public Default Function Run(x)
    Run = "fmt " & Join(x, "+")
    WScript.Echo Run
  End Function
End Class
Class Tuple
  Public n, val
  Public Function Init(a, b)
    n = a : val = b
    Set Init = Me
  End Function
End Class
Class Bag
  Public items
  Public Sub Add(t)
    items = items & t.n & "=" & t.val & ";"
  End Sub
End Class

Dim x, y, aoo, arr
Set x = New C.Init(1, 2)
WScript.Echo TypeName(x), x.v
Set aoo = New Bag
aoo.Add New Tuple.Init("n", "v")
aoo.Add New Tuple.Init("m", "w")
WScript.Echo aoo.items
WScript.StdOut.WriteLine New C.Prop
x = (New C).Prop
WScript.Echo x
WScript.Echo (New C.Init("a", "b")).Prop, New C.Init("c", "d").v
Call (New C).M()
Call (New C).M
Call New C.Init(3, 4).M
(New Fmt)(Array(1, 2))
y = (New Fmt)(Array(3))
Function f()
  f = Array(10, 20, 30)
End Function
arr = Array(5, 6)
y = (f)(1)
WScript.Echo y, ((arr))(0), (arr)(1), f()(2), (f())(0)
Call (((f))) (2)
call (arr)(0)
Dim d
Set d = CreateObject("Scripting.Dictionary")
d.Add "k", Array(7, 8)
WScript.Echo d("k")(1), (d)("k")(0), (d.Item("k"))(1)
