' Dim, assignment, If/ElseIf/Else, Select Case and the single-line If.
Dim a, b, c
a = 5 : b = 2
c = a * b + 1
WScript.Echo c, a \ b, a Mod b, a / b, a ^ b, -a
If c > 10 Then
  WScript.Echo "big"
ElseIf c > 5 Then
  WScript.Echo "medium"
Else
  WScript.Echo "small"
End If
If a = 5 Then WScript.Echo "single line" Else WScript.Echo "wrong"
If a <> 5 Then WScript.Echo "wrong" Else WScript.Echo "else branch"

Sub Classify(v)
  Select Case v
    Case "x"
      WScript.Echo v & ": letter"
    Case 1, 2, 3
      WScript.Echo v & ": low"
    Case a
      WScript.Echo v & ": equals a"
    Case Else
      WScript.Echo v & ": other"
  End Select
End Sub
Classify 2
Classify "x"
Classify 5
Classify 9.5

' A Null condition is not true.
If Null Then WScript.Echo "null true" Else WScript.Echo "null false"
' Stop does nothing in a script host.
Stop
WScript.Echo "done"
' VBScript has no Mid statement: assigning to a function call fails when it runs.
Dim text
text = "abcdef"
On Error Resume Next
Mid(text, 2, 2) = "XYZ"
WScript.Echo text, Err.Number
