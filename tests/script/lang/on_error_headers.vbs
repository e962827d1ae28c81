' Under On Error Resume Next, an error in a statement's header resumes where Windows resumes it.
On Error Resume Next

' A For header that fails runs the body once, then the loop ends.
n = 0
For i = 1 To "x"
    n = n + 1
Next
WScript.Echo "for bounds:", n, Err.Number, TypeName(i)
Err.Clear
n = 0
For j = 1 To 3 Step Array()
    n = n + 1
Next
WScript.Echo "for step:", n, Err.Number
Err.Clear

' The same loop run again after a normal pass still fails once.
Sub Twice(limit)
    On Error Resume Next
    Dim k, m
    For k = 1 To limit
        m = m + 1
    Next
    WScript.Echo "twice:", limit, m, Err.Number
    Err.Clear
End Sub
On Error Resume Next
Twice 2
Twice "y"
Twice 1

' For Each over something that is no collection: the body runs once, the variable keeps its value.
x = "kept"
n = 0
For Each x In Empty
    n = n + 1
Next
WScript.Echo "each empty:", n, Err.Number, x
Err.Clear
n = 0
For Each x In 42
    n = n + 1
Next
WScript.Echo "each number:", n, Err.Number
Err.Clear

' A finished For Each leaves its variable Empty; Exit For keeps it.
For Each v In Array(1, 2, 3) : Next
WScript.Echo "after each:", TypeName(v)
For Each v In Array(1, 2, 3)
    If v = 2 Then Exit For
Next
WScript.Echo "after exit:", v
Set d = CreateObject("Scripting.Dictionary")
d.Add "a", 1
For Each v In d : Next
WScript.Echo "after keys:", IsEmpty(v)

' An error in Select Case's subject runs no case, not even Case Else.
Select Case 1 / 0
    Case 1: WScript.Echo "case one"
    Case Else: WScript.Echo "case else"
End Select
WScript.Echo "select subject:", Err.Number
Err.Clear

' An error in a Case label runs that case's body.
Select Case 2
    Case 1: WScript.Echo "case 1"
    Case 1 / 0: WScript.Echo "case of the bad label"
    Case 2: WScript.Echo "case 2"
End Select
WScript.Echo "case label:", Err.Number
Err.Clear

' Err set in a callee that handled its own errors is still there for the caller.
Sub Handles
    On Error Resume Next
    Dim z : z = 1 / 0
End Sub
Function HandlesToo()
    On Error Resume Next
    HandlesToo = CLng("no")
End Function
Handles
WScript.Echo "after sub:", Err.Number
Err.Clear
r = HandlesToo()
WScript.Echo "after function:", Err.Number, Err.Description
Err.Clear

' A Null bound or step is Invalid use of Null.
n = 0
For i = 1 To Null
    n = n + 1
Next
WScript.Echo "null bound:", n, Err.Number
