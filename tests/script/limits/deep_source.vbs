' Source nested too deep for the compiler is an error the script can catch, not a crash; ordinary
' depths still compile.
Function Repeat(n, s)
  Repeat = Replace(Space(n), " ", s)
End Function

Sub Try(label, code)
  On Error Resume Next
  Execute code
  WScript.Echo label, Err.Number, Err.Description
End Sub

Dim x
On Error Resume Next
x = Eval(String(100000, "(") & "1" & String(100000, ")"))
WScript.Echo "eval parens", Err.Number, Err.Description
Err.Clear
x = Eval(String(100, "(") & "7" & String(100, ")"))
WScript.Echo "eval 100 parens", Err.Number, x
Err.Clear
x = Eval("1" & Repeat(100000, "+1"))
WScript.Echo "eval sum", Err.Number, Err.Description
Err.Clear
x = Eval("1" & Repeat(300, "+1"))
WScript.Echo "eval 301 terms", Err.Number, x
Err.Clear
x = Eval(Repeat(100000, "-") & "1")
WScript.Echo "eval signs", Err.Number, Err.Description
On Error GoTo 0

Try "execute parens", "x = " & String(100000, "(") & "1" & String(100000, ")")
Try "execute ifs", Repeat(100000, "If 1 Then" & vbLf) & "x = 2" & vbLf & Repeat(100000, "End If" & vbLf)
Try "execute one-line ifs", Repeat(100000, "If 1 Then ") & "x = 2"
Try "execute members", "x = y" & Repeat(100000, ".z")
' Lists too long for an instruction's operand count: an error, not a wrong count.
Try "execute arguments", "x = Array(" & Repeat(40000, "1, ") & "1)"
Try "execute call arguments", "WScript.Echo " & Repeat(40000, "1, ") & "1"
Try "execute parameters", "Sub Many(p" & Replace(Space(40000), " ", ", p") & ") : End Sub"
x = 0
Try "execute 100 ifs", Repeat(100, "If 1 Then" & vbLf) & "x = 3" & vbLf & Repeat(100, "End If" & vbLf)
WScript.Echo x
