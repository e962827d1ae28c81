' Err.Raise: arguments left out keep what Err holds until it is cleared; cleared fields get the standard text.
On Error Resume Next
Err.Raise 5, "src"
WScript.Echo Err.Number, Err.Source, Err.Description
Err.Raise 6
WScript.Echo Err.Number, Err.Source, Err.Description
Err.Clear
Err.Raise 6
WScript.Echo Err.Number, Err.Source, Err.Description
Err.Clear
Err.Description = "set first"
Err.Source = "mine"
Err.Raise 9
WScript.Echo Err.Number, Err.Source, Err.Description
Err.Clear
Err.Raise vbObjectError + 513, "App.Class", "Custom failure"
WScript.Echo Hex(Err.Number), Err.Source, Err.Description
Err.Clear
Sub Fails()
  Err.Raise 1002, , "described only"
End Sub
Fails
WScript.Echo Err.Number, Err.Source, Err.Description
