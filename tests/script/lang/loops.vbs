' For with steps, bounds evaluated once, Exit; For Each; Do and While loops.
Dim i, n, s, t
s = ""
For i = 1 To 10 Step 3
  s = s & i & " "
Next
WScript.Echo s & "| after: " & i
s = ""
For i = 5 To 1 Step -2
  s = s & i & " "
Next
WScript.Echo s & "| after: " & i
n = 3
s = ""
For i = 1 To n
  n = 10           ' the limit was read once
  s = s & i
Next
WScript.Echo s
s = ""
For i = 1 To 10
  If i = 5 Then Exit For
  i = i + 1        ' assigning the variable inside the loop is allowed
  s = s & i
Next
WScript.Echo s & " stopped at " & i
For i = 1 To 0
  WScript.Echo "never"
Next
For i = 0.5 To 2 Step 0.5
  t = t & i & ";"
Next
WScript.Echo t

Dim arr, item
arr = Array("a", "b", "c")
s = ""
For Each item In arr
  arr(2) = "changed"   ' the loop walks a snapshot
  item = item & "!"
  s = s & item
Next
WScript.Echo s, arr(2)

i = 0
Do While i < 3
  i = i + 1
Loop
WScript.Echo "do while", i
Do
  i = i - 1
Loop Until i <= 0
WScript.Echo "loop until", i
Do Until i = 5
  i = i + 1
  If i = 2 Then Exit Do
Loop
WScript.Echo "exit do", i
Do
  i = i + 10
Loop While i < 30
WScript.Echo "loop while", i
While i > 0
  i = i - 7
Wend
WScript.Echo "wend", i
Dim outer, inner, count
For outer = 1 To 3
  For inner = 1 To 3
    If inner = 2 Then Exit For
    count = count + 1
  Next
Next
WScript.Echo "nested", count
' Exit Do inside While ... Wend leaves the Do around it: While has no Exit of its own.
n = 0
Do
  n = n + 1
  While n < 5
    If n = 2 Then Exit Do
    n = n + 1
  Wend
Loop
WScript.Echo "exit do from while:", n
