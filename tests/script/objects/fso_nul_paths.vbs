' A NUL inside a path is "Bad file name or number" (52) for every entry that takes one, and the
' file the part before it names is left alone.
Option Explicit
Dim fso, base, keep, f, ts, nul
Set fso = CreateObject("Scripting.FileSystemObject")
base = fso.GetSpecialFolder(2).Path & "\tarvik-" & fso.GetBaseName(fso.GetTempName)
fso.CreateFolder base
keep = base & "\keep.txt"
fso.CreateTextFile(keep).Write "kept"
nul = Chr(0)

On Error Resume Next
Sub Try(what)
    WScript.Echo what & ": " & Err.Number & " " & Err.Description
    Err.Clear
End Sub
fso.DeleteFile keep & nul & ".bak" : Try "DeleteFile"
fso.DeleteFile base & "\*" & nul : Try "DeleteFile wildcard"
fso.CopyFolder base & nul, base & "\copy" : Try "CopyFolder"
fso.MoveFile keep & nul, base & "\moved.txt" : Try "MoveFile"
fso.CopyFile keep, base & "\copy.txt" & nul : Try "CopyFile destination"
fso.DeleteFolder base & nul : Try "DeleteFolder"
fso.CreateFolder base & "\sub" & nul : Try "CreateFolder"
Set ts = fso.CreateTextFile(keep & nul & "x", True) : Try "CreateTextFile"
Set ts = fso.OpenTextFile(keep & nul, 2) : Try "OpenTextFile"
Set f = fso.GetFile(keep & nul) : Try "GetFile"
WScript.Echo fso.FileExists(keep & nul) : Try "FileExists"
Set f = fso.GetFile(keep)
f.Copy base & "\c.txt" & nul : Try "File.Copy"
f.Name = "renamed" & nul & ".txt" : Try "File.Name"
On Error GoTo 0

WScript.Echo fso.OpenTextFile(keep).ReadAll & " " & fso.GetFolder(base).Files.Count
fso.DeleteFolder base
