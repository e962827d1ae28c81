' The runner's WScript object.
WScript.Echo "several", "arguments", 3, True
WScript.Echo
WScript.Echo "count:", WScript.Arguments.Count, WScript.Arguments.Length
WScript.Echo WScript.ScriptName
WScript.StdOut.Write "no line end;"
WScript.StdOut.WriteLine " then one"
WScript.StdOut.WriteLine "crlf inside" & vbCrLf & "kept"
Dim line
Do Until WScript.StdIn.AtEndOfStream
  line = WScript.StdIn.ReadLine()
  WScript.Echo "read: " & line
Loop
WScript.Echo InputBox("never shown when stdin is done")
MsgBox "a message"
' The terminal answers a dialog as Enter does: with its default button.
WScript.Echo MsgBox("yes or no?", vbYesNo), MsgBox("no by default?", vbYesNo + vbDefaultButton2), _
    MsgBox("retry?", vbRetryCancel), WScript.CreateObject("WScript.Shell").Popup("ok or cancel?", 0, "t", vbOKCancel + vbDefaultButton2)
WScript.Quit 0
WScript.Echo "not reached"
