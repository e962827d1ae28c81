' options: --timeout 300
' A time-out inside Class_Terminate, whose own errors go nowhere, still fails the script, even
' when no call or loop follows to stop it.
Class Spinner
  Private Sub Class_Terminate()
    Do : Loop
  End Sub
End Class
Dim s
On Error Resume Next
Set s = New Spinner
Set s = Nothing
WScript.Echo "released"
