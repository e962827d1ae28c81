' Reading a file whose lines end in CR LF or LF alone, the last with no line end: ReadLine,
' Read, Skip, SkipLine, Line, Column and AtEndOfLine.
Option Explicit
Dim fso, base, path, ts, text

Set fso = CreateObject("Scripting.FileSystemObject")
base = fso.GetSpecialFolder(2).Path & "\tarvik-" & fso.GetBaseName(fso.GetTempName)
fso.CreateFolder base
path = base & "\mixed.txt"
Set ts = fso.CreateTextFile(path)
ts.Write "one" & vbCrLf & "two" & vbLf & vbLf & "four" & vbCrLf & vbCrLf & "six"
ts.Close

Set ts = fso.OpenTextFile(path)
Do Until ts.AtEndOfStream
    text = ts.Line & "," & ts.Column & " [" & ts.ReadLine & "] "
    WScript.Echo text & ts.Line & "," & ts.Column
Loop
ts.Close

Set ts = fso.OpenTextFile(path)
WScript.Echo ts.AtEndOfLine & " [" & ts.Read(3) & "] " & ts.AtEndOfLine & " " & ts.Column
text = ts.Read(2)
WScript.Echo Len(text) & " " & ts.Line & " " & ts.Column
ts.Skip 2
WScript.Echo ts.Line & " " & ts.Column & " " & Asc(ts.Read(1)) & " " & ts.Line
ts.SkipLine
WScript.Echo "[" & ts.ReadLine & "] " & ts.Line
' Read past what is left hands back the rest.
text = ts.Read(100)
WScript.Echo Len(text) & " " & ts.AtEndOfStream & " " & ts.Line & " " & ts.Column
On Error Resume Next
ts.Skip 1
WScript.Echo "skip at the end: " & Err.Number
Err.Clear
ts.SkipLine
WScript.Echo "skip a line at the end: " & Err.Number
Err.Clear
text = ts.Read(1)
WScript.Echo "read at the end: " & Err.Number
Err.Clear
On Error GoTo 0
ts.Close

' Writing counts lines and columns too.
Set ts = fso.OpenTextFile(path, 2)
WScript.Echo ts.Line & " " & ts.Column
ts.Write "abc"
WScript.Echo ts.Line & " " & ts.Column
ts.WriteBlankLines 3
WScript.Echo ts.Line & " " & ts.Column
ts.WriteLine
ts.Write "x"
WScript.Echo ts.Line & " " & ts.Column
ts.Close
WScript.Echo fso.GetFile(path).Size

' Write takes a COM string, so a Boolean is written as -1 or 0, not as CStr gives it.
Set ts = fso.CreateTextFile(path, True)
ts.Write True : ts.WriteLine False
ts.Close
WScript.Echo fso.OpenTextFile(path).ReadAll = "-10" & vbCrLf

fso.DeleteFolder base
WScript.Echo fso.FolderExists(base)
