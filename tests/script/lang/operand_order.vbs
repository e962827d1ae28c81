' A number on the left of + * And Or Xor is taken as the right operand, / by a constant, a(i) on
' a local array and Case with a constant: each with operands the fast paths do not take.
Option Explicit
Dim i, s, e, n, d, l
i = CInt(32767)
s = "4"
n = Null
l = CLng(2147483647)
WScript.Echo 1 + i, TypeName(1 + i), 2 * l, TypeName(2 * l), 3 * s, TypeName(3 * s), 3 + s, TypeName(3 + s)
WScript.Echo 5 * e, TypeName(5 * e), IsNull(2 + n), IsNull(True And n), False And n, True Or n, 6 Xor i, 255 And i
WScript.Echo 1 + True, TypeName(1 + True), 1.5 * i
d = 0
WScript.Echo i / 2, TypeName(i / 2), e / 4, IsNull(n / 2), s / 8, i / 2 / 2
On Error Resume Next
WScript.Echo i / d
WScript.Echo "x / 0:", Err.Number
Err.Clear
d = 1E308
WScript.Echo d / 0.5
WScript.Echo "overflow:", Err.Number
Err.Clear
d = "abc"
WScript.Echo 2 * d
WScript.Echo "mismatch:", Err.Number
Err.Clear
On Error GoTo 0

Function Pick(a, k)
  Pick = a(k)
End Function
Dim a(3), m, x
a(0) = "zero" : a(1) = 1 : a(2) = 2.5
WScript.Echo Pick(a, 0), Pick(a, "1"), Pick(a, 1.6), TypeName(Pick(a, 3))
ReDim m(1, 1)
Set x = CreateObject("Scripting.Dictionary")
x("k") = "v"
WScript.Echo x("k")
On Error Resume Next
WScript.Echo Pick(a, 4)
WScript.Echo "past the end:", Err.Number
Err.Clear
WScript.Echo Pick(m, 0)
WScript.Echo "too few subscripts:", Err.Number
Err.Clear
WScript.Echo Pick(e, 0)
WScript.Echo "not an array:", Err.Number
Err.Clear
On Error GoTo 0

Function Kind(v)
  Select Case v
    Case 1: Kind = "one"
    Case "b": Kind = "b"
    Case 2.5, 3: Kind = "two and a half or three"
    Case Else: Kind = "else"
  End Select
End Function
WScript.Echo Kind(1), Kind("1"), Kind("b"), Kind("B"), Kind(3), Kind(Null), Kind(Empty), Kind(CLng(1))

' Two locals compared and jumped on in one instruction: ByRef parameters, Null, Empty, text and
' numbers held in variables (a number is less than any text).
Function Order(a, b)
  Dim x, y
  x = a : y = b
  If x < y Then
    Order = "<"
  ElseIf x = y Then
    Order = "="
  ElseIf x > y Then
    Order = ">"
  Else
    Order = "null"
  End If
End Function
Sub Bump(i, limit)
  Do While i < limit
    i = i + 1
  Loop
End Sub
Dim t
t = 3
Bump t, 7
WScript.Echo Order(1, 2), Order(2.5, 2), Order("a", "a"), Order("a", "B"), Order("10", 9), Order(9, "10"), Order(Null, 1), Order(Empty, ""), Order(Empty, 0), t

' A value just computed against a local in one instruction: an element holding text, a number
' or Null, the local a ByRef parameter or Empty.
Function Against(v, b)
  Dim e(0)
  e(0) = v
  If e(0) < b Then
    Against = "<"
  ElseIf e(0) = b Then
    Against = "="
  ElseIf e(0) > b Then
    Against = ">"
  Else
    Against = "null"
  End If
End Function
Dim bee
bee = "b"
WScript.Echo Against("a", "b"), Against("b", bee), Against(10, "9"), Against(Null, 1), Against(2, Empty)

' A loop's test is laid out after its body: an error in it still resumes in the body, Exit Do
' still leaves, and While and Until test before the first pass.
Dim z, runs
z = 0
On Error Resume Next
runs = 0
Do While 1 / z > 0
  runs = runs + 1
  If runs = 3 Then Exit Do
Loop
WScript.Echo "error in the test:", runs, Err.Number
On Error GoTo 0
runs = 0
Do Until runs >= 2
  runs = runs + 1
Loop
While runs < 0
  runs = 100
Wend
WScript.Echo "until:", runs

'' Int of a number inline, of anything else through the built-in.
Dim w
w = -2.5
WScript.Echo Int(CInt(5)), TypeName(Int(CInt(5))), Int(CLng(-7)), TypeName(Int(CLng(-7))), Int(w), TypeName(Int(w)), Int("3.7"), TypeName(Int("3.7")), Int(True), TypeName(Int(True)), IsNull(Int(n)), Int(-0.5)
On Error Resume Next
WScript.Echo Int("x")
WScript.Echo "Int of text:", Err.Number
On Error GoTo 0
