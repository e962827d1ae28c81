' Numbers in loops and operators: Integer counters growing into Long, fractional and zero steps,
' Currency counters, + on numeric strings, Null and Empty in conditions, Not on numbers, \ and
' Mod with negatives and Doubles, precedence corners.
Dim i, k, s, n
For i = CInt(32765) To 32768
  s = s & i & " "
Next
WScript.Echo s, i, TypeName(i)
k = CInt(32766)
Do While k < 32769
  k = k + 1
Loop
WScript.Echo k, TypeName(k)
k = CInt(32767)
k = k + CInt(1)
WScript.Echo k, TypeName(k)
k = CLng(2147483647)
k = k + 1
WScript.Echo k, TypeName(k)
s = ""
For i = 1 To 2 Step 0.5
  s = s & i & " "
Next
WScript.Echo s, i, TypeName(i)
s = ""
For i = 1 To 0 Step -0.25
  s = s & i & " "
Next
WScript.Echo s, i
s = ""
For i = CCur(1) To 2
  s = s & i & ":" & TypeName(i) & " "
Next
WScript.Echo s
n = 0
For i = 1 To 3 Step 0        ' never passes the limit
  n = n + 1
  If n = 5 Then Exit For
Next
WScript.Echo "step 0:", n, i
n = 0
For i = 5 To 3 Step 0
  n = n + 1
Next
WScript.Echo "step 0 past the limit:", n, i
n = 0
For i = 1 To 3
  i = i + 1              ' the body may move the counter
  n = n + 1
Next
WScript.Echo n, i
k = 3
n = 0
For i = 1 To k           ' the limit is read once
  k = 10
  n = n + 1
Next
WScript.Echo n, i

WScript.Echo "1" + "2", "1" + 2, TypeName("1" + 2), 1 + "2", "3" * "4", TypeName("3" - "1")
Dim a, b, c
a = 1 : b = 2 : c = 3
WScript.Echo a & b + c, a + b & c, -2 ^ 2, (-2) ^ 2, 2 ^ 3 ^ 2, Not a = b, 2 * 3 Mod 4

Dim nul, emp
nul = Null
If nul Then WScript.Echo "Null is true" Else WScript.Echo "Null is not true"
If Not nul Then WScript.Echo "Not Null is true" Else WScript.Echo "Not Null is not true"
If nul = 1 Or nul <> 1 Then WScript.Echo "compared" Else WScript.Echo "Null compares to Null"
If emp Then WScript.Echo "Empty is true" Else WScript.Echo "Empty is false"
If Not emp Then WScript.Echo "Not Empty is true"
If emp = 0 And emp = "" Then WScript.Echo "Empty equals 0 and """""
n = 0
Do While nul
  n = n + 1
  If n > 2 Then Exit Do
Loop
WScript.Echo "Do While Null:", n
n = 0
Do Until nul
  n = n + 1
  If n > 2 Then Exit Do
Loop
WScript.Echo "Do Until Null:", n
WScript.Echo TypeName(nul + 1), TypeName(nul & ""), TypeName(nul And False), nul Or True, TypeName(emp + 1)

WScript.Echo Not 0, Not 1, Not -1, Not True, Not False, TypeName(Not 5), TypeName(Not True)
If Not 1 Then WScript.Echo "Not 1 is -2, which is true"
WScript.Echo -7 \ 2, 7 \ -2, -7 Mod 2, 7 Mod -2, -7 Mod -2
WScript.Echo 7.5 \ 2, 6.5 \ 2, -7.5 \ 2, 7.5 Mod 2, 6.5 Mod 2.5, TypeName(7 \ 2), TypeName(7.5 \ 2)
WScript.Echo 10 / 4 \ 2, -3 \ 2 * 2, 7 \ 2 Mod 2, 1 Or 2 And 4, Not 1 And 2

' Dates compare as numbers with numbers; a Date variable sorts before a string variable.
Dim day, text
day = #1/2/2020#
text = "1/2/2020"
WScript.Echo day = 43832, day > 43831, day < 43832.5, day - #1/1/2020#, TypeName(day + 1), day + 1
WScript.Echo day = text, day < text, day = CDate(text)
