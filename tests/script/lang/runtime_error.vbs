' An error with no handler stops the script and reports where it happened.
Dim values
values = Array(1, 2, 3)
WScript.Echo "before"
Sub Show(i)
    WScript.Echo values(i)
End Sub
Show 1
Show 7
WScript.Echo "not reached"
