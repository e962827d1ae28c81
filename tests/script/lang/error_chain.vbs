' An uncaught error names every procedure it passed through, innermost first; one caught by
' On Error Resume Next in a caller leaves nothing behind for the next.
Class Counter
    Public Property Get Item(i)
        Item = Pick(i)
    End Property
    Public Function Walk(n, i)
        If n = 0 Then Walk = Item(i) Else Walk = Walk(n - 1, i)
    End Function
End Class
Function Pick(i)
	Pick = Split("a b")(i)
End Function
Set c = New Counter
On Error Resume Next
For k = 1 To 3
    WScript.Echo c.Walk(1, k), Err.Number
    Err.Clear
Next
On Error GoTo 0
WScript.Echo c.Walk(2, 0)
WScript.Echo c.Walk(2, 5)
WScript.Echo "not reached"
