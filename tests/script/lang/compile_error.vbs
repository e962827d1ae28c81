' A script is compiled whole first: nothing runs when any of it is wrong.
WScript.Echo "never printed"
Dim total
Sub Report()
  WScript.Echo total
End Sub
Dim total
