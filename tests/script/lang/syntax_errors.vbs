' Compilation errors Windows reports, by number, for code run with Execute; and the valid forms
' next to them still run.
Sub Try(code)
  On Error Resume Next
  Execute code
  WScript.Echo Err.Number & " " & Replace(code, vbLf, " / ")
End Sub
' Do and Loop take While, Until or nothing.
Try "Do x" & vbLf & "Loop"
Try "Do" & vbLf & "Loop x"
Try "Do : Exit Do : Loop"
' A For...Next inside another loop may not count with that loop's variable.
Try "For i = 1 To 2" & vbLf & "For I = 1 To 2 : Next" & vbLf & "Next"
Try "For Each i In Array(1)" & vbLf & "For j = 1 To 2" & vbLf & "For i = 1 To 2 : Next : Next : Next"
Try "For i = 1 To 2 : Next : For i = 1 To 2 : Next"
' Class rules: one default member, no arguments to Class_Initialize and Class_Terminate,
' at least one to Property Let and Set.
Try "Class A" & vbLf & "Public Default Function F : End Function" & vbLf & "Public Default Property Get G : End Property" & vbLf & "End Class"
Try "Class B" & vbLf & "Sub Class_Initialize(x) : End Sub" & vbLf & "End Class"
Try "Class C" & vbLf & "Private Sub class_terminate(x) : End Sub" & vbLf & "End Class"
Try "Class D" & vbLf & "Property Let P() : End Property" & vbLf & "End Class"
Try "Class E" & vbLf & "Property Set P : End Property" & vbLf & "End Class"
Try "Class F" & vbLf & "Sub Class_Initialize() : End Sub" & vbLf & "Property Let P(v) : End Property" & vbLf & "End Class"
' Property Let and Set take one argument more than Property Get of the same name.
Try "Class G" & vbLf & "Property Get P(i) : End Property" & vbLf & "Property Let P(v) : End Property" & vbLf & "End Class"
Try "Class H" & vbLf & "Property Set P(v) : End Property" & vbLf & "Property Get P(i) : End Property" & vbLf & "End Class"
Try "Class I" & vbLf & "Property Get P(i) : End Property" & vbLf & "Property Let P(i, v) : End Property" & vbLf & "End Class"
' VBA's Case Is and Case ... To are not VBScript; a comment cannot follow a line continuation.
Try "Select Case 1" & vbLf & "Case Is > 3" & vbLf & "End Select"
Try "Select Case 1" & vbLf & "Case 1 To 5" & vbLf & "End Select"
Try "x = 1 + _ ' more" & vbLf & "2"
' A constant is a literal under any run of signs; no operators, no out-of-range number; array
' bounds in Dim are bare integers.
Try "Const Z = -+-+-+-10 : If Z <> 10 Then Err.Raise 1"
Try "Const Y = 2 + 2"
Try "Const X = .1e310"
Try "Dim W(+10)"
' An operator where an operand belongs is a Syntax error; a missing operand at the line's end is
' Expected expression.
Try "d = ^*&(bogus"
Try "x = 1 +"
' Let is VBA's optional word before an assignment, and needs one.
Try "Let q = 1 : Let q = q + 1 : If q <> 2 Then Err.Raise 1"
Try "Dim la(1) : Let la(1) = 2 : If la(1) <> 2 Then Err.Raise 1"
Try "Let q"
Try "Let Set q = Nothing"
' In a one-line If, a call with no arguments cannot stand before Else: Windows reads Else as its
' first argument. With arguments, parentheses or after Else it can.
Sub Nop : End Sub
Sub One(a) : End Sub
Try "If True Then Nop Else Nop"
Try "If True Then If True Then Nop Else Nop"
Try "If True Then One 1 Else Nop"
Try "If True Then Nop() Else Nop"
Try "If True Then x = 1 Else Nop"
Try "If False Then x = 1 Else Nop : Nop"
