' Calls: a parenthesised argument is a copy, Call with and without parentheses, functions as
' statements, the function's name as its result and in recursion, wrong argument counts.
Sub Inc(x)
  x = x + 1
End Sub
Dim v
v = 1
Inc v
WScript.Echo v
Inc (v)                  ' parentheses make a copy
WScript.Echo v
Call Inc(v)
WScript.Echo v
Call Inc((v))
WScript.Echo v

Function Twice(n)
  n = n * 2
  Twice = n
End Function
v = 3
Twice v                  ' a function called as a statement, its result dropped
WScript.Echo v
Twice (v)
WScript.Echo v
Call Twice(v)
WScript.Echo v
WScript.Echo Twice((v)), v

Function Fact(n)
  If n <= 1 Then
    Fact = 1
    Exit Function
  End If
  Fact = n * Fact(n - 1)
End Function
WScript.Echo Fact(12)

Function Kept()
  Kept = "kept"
  Exit Function
  Kept = "lost"
End Function
WScript.Echo Kept()

Function Grows(n)
  Grows = n
  Grows = Grows + 1      ' without parentheses the name reads the result so far
  Grows = Grows * 10
End Function
WScript.Echo Grows(4)

Dim depth
Function Nested()
  depth = depth + 1
  Nested = depth
  If depth < 3 Then Nested = Nested & "," & Nested()
End Function
WScript.Echo Nested()

Function Nothing1()
End Function
WScript.Echo "[" & Nothing1() & "]", TypeName(Nothing1())

Sub Two(a, b)
  WScript.Echo "two", a, b
End Sub
Two 1, 2
Call Two(3, 4)
Two (5), (6)
On Error Resume Next
Two 1
WScript.Echo "too few:", Err.Number
Err.Clear
Two 1, 2, 3
WScript.Echo "too many:", Err.Number
Err.Clear
v = Fact()
WScript.Echo "function, no arguments:", Err.Number
Err.Clear
v = Fact(1, 2)
WScript.Echo "function, two arguments:", Err.Number
Err.Clear

Class Counter
  Public Count
  Public Function Add(n)
    Count = Count + n
    Add = Count
  End Function
  Public Sub Reset()
    Count = 0
  End Sub
End Class
Dim c
Set c = New Counter
c.Reset
c.Add 2
Call c.Add(3)
c.Add (4)
WScript.Echo c.Count, c.Add(1)
c.Reset()
Call c.Reset
WScript.Echo c.Count
c.Add 1, 2
WScript.Echo "method, too many:", Err.Number
Err.Clear
