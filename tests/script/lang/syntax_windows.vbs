' Syntax Windows accepts: literals, operator spellings, members after New and parentheses,
' procedures inside If and on their header's line, End right after a statement, debug as a name.
x = 10. : WScript.Echo x, 1e-94938484
WScript.Echo 3 => 2, 2 =< 3, 1 >< 2
Class C
Public a
Public Function Init(x) : a = x : Set Init = Me : End Function
Public Property Get P : P = "p" & a : End Property
Public Sub M : WScript.Echo "M" : End Sub
Public Default Function F(x) : F = "F" : End Function
End Class
Set x = New C.Init(5)
WScript.Echo x.a
WScript.StdOut.WriteLine New C.P
y = (New C).P
WScript.Echo y
Call (New C).M()
Call (New C).M
If False Then
Sub S() WScript.Echo "S" End Sub
Function rpad(a, n) rpad = Left(a & Space(n), n) : End Function
End If
S
WScript.Echo "[" & rpad("a", 3) & "]"
Sub T : x = 1 End Sub
Function ok(x) : ok = x : End Function
Function G() Call ok(x)End Function
Class K
Public x End Class
Class K2
Dim x End Class
T : G
WScript.Echo "ok"
Private force, debug
debug = True
If debug Then WScript.Echo "d"
WScript.Echo -3 ^ 2
' A continuation's blanks are its own: the next line's ".Member" goes on with the object before.
WScript _
  .Echo "continued member"
' In "If a Then If b Then c Else d Else e" the second Else is the outer If's.
If True Then If False Then WScript.Echo "no" Else WScript.Echo "inner else" Else WScript.Echo "no"
If False Then If True Then WScript.Echo "no" Else WScript.Echo "no" Else WScript.Echo "outer else"
' A block's End right after a statement, no separator: "Else y = 0 End If", also End With and Select.
If debug = False Then
  WScript.Echo "no"
else keygrad = 0 end if
WScript.Echo "keygrad", keygrad
With New C : x = .P End With : WScript.Echo x
Select Case 1 : Case 1 : x = "one" End Select : WScript.Echo x
If debug Then
  :WScript.Echo "colon first"
End If
' A store through two indexes changes the array held in the first one's element.
Dim grid(1)
grid(1) = Array(1, 2, 3)
grid(1)(2) = 9
WScript.Echo grid(1)(2), Join(grid(1))
cube = Array(Array(Array(1, 2)))
Sub Deepen : cube(0)(0)(1) = "deep" : End Sub
Deepen : WScript.Echo Join(cube(0)(0))
' Not right after a comparison operator; a constant used above its Const line.
WScript.Echo True <> Not False, early
Const early = "early"
' "If a Then:" with nothing after the colon opens a block, as "If a Then" does.
If True Then:
  WScript.Echo "colon block"
End If
