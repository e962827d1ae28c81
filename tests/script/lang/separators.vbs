' Statement separators and continuations in odd places: leading and doubled colons, Rem after
' a colon, continued argument lists, conditions and parameter lists, one-line blocks.
Dim a, _
  b
a = 1 + _
    2
WScript.Echo a, _
  "x"
b = 3 : : WScript.Echo b
: WScript.Echo "leading colon"
WScript.Echo "before rem" : Rem WScript.Echo "not run"
WScript.Echo "tight":Rem tight
WScript.Echo "tick":' tight
a = Array(1, _
2, _
3)
WScript.Echo UBound(a)
If a(0) = 1 _
  Then WScript.Echo "continued condition"
Sub Add(x, _
  y)
  WScript.Echo x + y
End Sub
Add 1, _
2
WScript.Echo "a _", "say ""hi"""
If b = 3 Then WScript.Echo "one" : WScript.Echo "two"
If b = 4 Then WScript.Echo "not run" : WScript.Echo "not run either"
If b = 3 Then WScript.Echo "c" Else WScript.Echo "d" : WScript.Echo "d2"
If b = 4 Then
  WScript.Echo "not run"
Else : WScript.Echo "Else, colon"
End If
Select Case b : Case 1 : WScript.Echo "one" : Case 3 : WScript.Echo "case 3" : Case Else : WScript.Echo "else" : End Select
b = 0 : Do : b = b + 1 : Loop Until b > 3 : WScript.Echo "do", b
For b = 1 To 3 : Next : WScript.Echo "for", b
While b < 6 : b = b + 1 : Wend : WScript.Echo "while", b
Class Box : Public v : End Class
Dim bx : Set bx = New Box : bx.v = 3 : WScript.Echo bx.v
With bx : .v = 4 : End With : WScript.Echo bx.v
If b = 6 Then If a(1) = 2 Then WScript.Echo "nested one-line If"
Rem a whole-line Rem
REM in capitals
WScript.Echo "end"
