' The VM's arithmetic and comparison rules: subtypes, promotion, Null, strings and numbers.
Dim i, l, big
i = 32767
WScript.Echo TypeName(i), TypeName(i + 1), i + 1      ' Integer overflows into Long
l = 2147483647
WScript.Echo TypeName(l + 1), l + 1                   ' Long overflows into Double
WScript.Echo TypeName(2 * 3), TypeName(2.5 * 2), TypeName(7 / 7), 7 \ 2, -7 \ 2, -7 Mod 3
WScript.Echo TypeName(Null + 1), IsNull(Null & Null), "a" & Null & "b"
n = 3
WScript.Echo 1 + "2", "1" + "2", "1" & 2, n = "3"
Dim s, n
s = "10" : n = 9
WScript.Echo s > n, n < s                           ' a string variable is greater than any number
WScript.Echo "abc" < "abd", "B" < "a", Empty = 0, Empty = ""
WScript.Echo True + True, Not 0, 5 And 3, 5 Or 3, 5 Xor 3, TypeName(True And False)
WScript.Echo IsNull(Null = Null), IsNull(Null And False), Null Or True
big = 1
For i = 1 To 40
  big = big * 2
Next
WScript.Echo big, TypeName(big)
Dim x
x = "counter"
x = x & 1 & 2
Dim y
y = x
x = x & "-more"          ' appending to x must not change y
WScript.Echo x, y
' x = x & f(): x is read before f runs, and an error anywhere leaves x as it was.
Function Clobber(ByRef v)
  v = "clobbered"
  x = "reset"
  Clobber = "+f"
End Function
x = "start"
x = x & Clobber(y)
WScript.Echo x, y
On Error Resume Next
x = x & "a" & (1 / 0)
WScript.Echo x, Err.Number
Err.Clear
x = x & "b" & Array(1)
WScript.Echo x, Err.Number
