' Arithmetic on a procedure's locals, which reads them in place: Integer overflowing into Long and
' Long into Double through a local, a constant and an inner result on either side; results stored
' over text and through ByRef parameters; text and Null as inner results; and a ByRef parameter
' read before the code right of it runs, or an object's default value beside it, which may change it.
Option Explicit
Dim g

Class Bump  ' reading its value changes g
  Public Default Property Get Value
    g = g + 100
    Value = 1
  End Property
End Class

Sub Forms(p)
  Dim i, j, l, s, t, n
  i = CInt(32767) : j = CInt(1) : l = CLng(2147483647)
  t = i + j : s = "text" : s = j + i
  WScript.Echo t, TypeName(t), s, TypeName(s), TypeName(i + 0), TypeName(i + j - j), TypeName((i - j) + (j + j))
  WScript.Echo i * 2, TypeName(-(-i - j)), TypeName(i * j), l + j, TypeName(l + j), TypeName(l * 2), -(-l - 1)
  WScript.Echo i \ j, TypeName(i Mod 3), (i And 255) Or (j Xor 3), TypeName(l \ j), 7 / (j + j)
  n = Null
  WScript.Echo ("1" & i) + j, TypeName(("1" & i) + j), (i & "") + (j & ""), IsNull(j + n), IsNull((j + n) * i)
  p = p + 1
  p = p * (i - 32766)
End Sub

Function Early(a, o)
  Early = a + (o * 1)
End Function

Function Later(o, a)  ' a is read before o's value is
  Later = o + a
  g = 1
  If o < a Then Later = Later & " below" Else Later = Later & " not below"
End Function

Dim v
v = 5
Forms v
WScript.Echo v
g = 1
WScript.Echo Early(g, New Bump), g
g = 1
WScript.Echo Later(New Bump, g), g
