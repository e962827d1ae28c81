' WScript.Quit inside Class_Terminate ends the script with its exit code, as anywhere else.
Class Closer
  Private Sub Class_Terminate()
    WScript.Echo "terminating"
    WScript.Quit 3
    WScript.Echo "never printed"
  End Sub
End Class
Sub Report()
  WScript.Echo "never printed either"
End Sub
Dim c
Set c = New Closer
Set c = Nothing
Report
