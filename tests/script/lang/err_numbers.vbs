' The numbers Err.Raise really raises, and what Err holds after a runtime error.
On Error Resume Next
Sub Show(label)
    WScript.Echo label & ":", Err.Number, Err.Description
    Err.Clear
End Sub

Err.Raise 0 : Show "zero"
Err.Raise &h10000& : Show "past 16 bits"
Err.Raise 65535, , "top" : Show "largest"
Err.Raise &h8007000E& : Show "E_OUTOFMEMORY"
Err.Raise &h800A000D : Show "VBScript's own HRESULT"
Err.Raise &h80070057 : Show "E_INVALIDARG"
Err.Raise vbObjectError + 7, "lib", "custom" : Show "vbObjectError"
WScript.Echo vbObjectError + 7 = -2147221497

' Runtime errors carry no help file; Err.Raise's stays until cleared.
Err.Raise 1000, "src", "desc", "help.chm", 42
WScript.Echo "raised:", Err.HelpFile, Err.HelpContext
Err.Clear
Err.HelpFile = "old.chm" : Err.HelpContext = 7
Set o = New RegExp
o.NoSuchThing
WScript.Echo "438:", Err.Number, "[" & Err.Description & "]", "[" & Err.HelpFile & "]", Err.HelpContext
Err.Clear

' New RegExp is the built-in object even when the script has a class of that name.
Class RegExp
    Public Pattern
End Class
Set r = New RegExp
r.Pattern = "b+"
WScript.Echo "regexp:", r.Test("abbc"), TypeName(r)
