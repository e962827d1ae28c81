' options: -- first /name:value "/spaced:a b" /flag second
' WScript as cscript gives it: Echo's conversions, the host's members, named and unnamed
' arguments, and line and column counting on the console streams.
Class Flag
  Public Default Property Get Value
    Value = True
  End Property
End Class
WScript.Echo True, False, Empty, Null, 1.5, CDate("2020-01-03 13:04:05"), 3, New Flag
WScript.Echo Empty
WScript.Echo WScript, WScript.Version, WScript.FullName, WScript.Path, WScript.Interactive, WScript.Timeout
Dim fso : Set fso = CreateObject("Scripting.FileSystemObject")
WScript.Echo WScript.ScriptName, fso.FileExists(WScript.ScriptFullName), _
  fso.GetFileName(WScript.ScriptFullName), fso.GetAbsolutePathName(WScript.ScriptFullName) = WScript.ScriptFullName
' Paths read as Windows shows them, on drive C:, so the script's folder is what comes before the last "\".
Dim here : here = Left(WScript.ScriptFullName, InStrRev(WScript.ScriptFullName, "\"))
WScript.Echo fso.FileExists(here & WScript.ScriptName), Left(here, 3) = "C:\", fso.GetFile(WScript.ScriptFullName).ParentFolder.Path & "\" = here, _
  fso.GetFolder(here).Path & "\" = here, fso.GetFolder("\").Path, CreateObject("WScript.Shell").ExpandEnvironmentStrings("%HOMEDRIVE%%HOMEPATH%") = _
  CreateObject("WScript.Shell").ExpandEnvironmentStrings("%USERPROFILE%")

Dim args, a : Set args = WScript.Arguments
WScript.Echo args.Count, args.Length, args(0), args.Item(4), TypeName(args)
WScript.Echo args.Named.Count, args.Named.Length, args.Named("NAME"), args.Named.Item("spaced"), "[" & args.Named("flag") & "]"
WScript.Echo args.Named.Exists("Flag"), args.Named.Exists("first"), IsEmpty(args.Named("missing"))
WScript.Echo args.Unnamed.Count, args.Unnamed.Length, args.Unnamed(0), args.Unnamed.Item(1)
For Each a In args.Named : WScript.Echo "named " & a : Next
For Each a In args.Unnamed : WScript.Echo "unnamed " & a : Next
On Error Resume Next
a = args(5) : WScript.Echo "past the end:", Err.Number : Err.Clear
a = args.Unnamed(2) : WScript.Echo "past the unnamed:", Err.Number : Err.Clear
a = args.Unnamed.Named : WScript.Echo "unnamed has no Named:", Err.Number : Err.Clear
' A .vbs has no usage text (a .wsf's <runtime> gives it): ShowUsage prints nothing.
args.ShowUsage : WScript.Echo "ShowUsage:", Err.Number : Err.Clear
a = TypeName(WScript.GetObject("", "Scripting.Dictionary")) : WScript.Echo "GetObject of a class:", a, Err.Number : Err.Clear
WScript.GetObject "C:\no\such.xls" : WScript.Echo "GetObject of a file:", Err.Number : Err.Clear
WScript.Echo "Echo of an array:" : WScript.Echo Array(1) : WScript.Echo Err.Number : Err.Clear
' No object here raises events: connecting handlers does nothing, and needs an object.
WScript.ConnectObject fso, "fso_" : WScript.DisconnectObject fso : WScript.Echo "events:", Err.Number
WScript.DisconnectObject 5 : WScript.Echo "events of a number:", Err.Number : Err.Clear
On Error GoTo 0

' Echo's lines are not the stream's: StdOut counts only what went through it.
Dim out : Set out = WScript.StdOut
out.Write "abc"
a = out.Column
out.WriteLine
out.WriteBlankLines 1
WScript.Echo a, out.Column, out.Line

Dim inp : Set inp = WScript.StdIn
WScript.Echo inp.Read(3), inp.Column, inp.AtEndOfLine
inp.SkipLine
WScript.Echo inp.ReadLine, inp.Line, inp.AtEndOfStream
inp.Skip 2
WScript.Echo "[" & inp.ReadAll & "]", inp.AtEndOfStream
On Error Resume Next
a = inp.ReadLine : WScript.Echo "past the input:", Err.Number : Err.Clear
out.ReadLine : WScript.Echo "reading StdOut:", Err.Number : Err.Clear
On Error GoTo 0

' The streams take their text as a COM string, as Echo does: a Boolean is -1 or 0, Null is 13.
out.Write True : out.Write " " : out.WriteLine False
On Error Resume Next
out.WriteLine Null : WScript.Echo "writing Null:", Err.Number : Err.Clear
On Error GoTo 0
