' CopyFolder, MoveFolder and DeleteFolder, wildcards and final separators included.
Option Explicit
Dim fso, base

Set fso = CreateObject("Scripting.FileSystemObject")
base = fso.GetSpecialFolder(2).Path & "\tarvik-" & fso.GetBaseName(fso.GetTempName)
fso.CreateFolder base
fso.CreateFolder base & "\src"
fso.CreateFolder base & "\src\inner"
fso.CreateTextFile(base & "\src\a.txt").Write "a"
fso.CreateTextFile(base & "\src\inner\b.txt").Write "b"
fso.CreateFolder base & "\dst"

Sub Tree(path, indent)
    Dim f
    For Each f In fso.GetFolder(path).Files
        WScript.Echo indent & f.Name
    Next
    For Each f In fso.GetFolder(path).SubFolders
        WScript.Echo indent & f.Name & "\"
        Tree f.Path, indent & "  "
    Next
End Sub

' Onto an existing folder the contents merge; with a final separator the folder goes inside.
fso.CopyFolder base & "\src", base & "\dst"
fso.CopyFolder base & "\src", base & "\dst\"
fso.CopyFolder base & "\src", base & "\new"
Tree base, ""

On Error Resume Next
fso.CopyFolder base & "\src", base & "\dst", False
WScript.Echo "copy without overwrite: " & Err.Number
Err.Clear
fso.CopyFolder base & "\zz*", base & "\dst"
WScript.Echo "copy with no match: " & Err.Number
Err.Clear
fso.CopyFolder base & "\nothing", base & "\dst"
WScript.Echo "copy a missing folder: " & Err.Number
Err.Clear
fso.MoveFolder base & "\new", base & "\dst"
WScript.Echo "move onto an existing folder: " & Err.Number
Err.Clear
fso.MoveFolder base & "\nothing", base & "\x"
WScript.Echo "move a missing folder: " & Err.Number
Err.Clear
fso.DeleteFolder base & "\zz*"
WScript.Echo "delete with no match: " & Err.Number
Err.Clear
On Error GoTo 0

fso.MoveFolder base & "\new", base & "\dst\"
fso.MoveFolder base & "\src", base & "\moved"
fso.DeleteFolder base & "\dst\S*"
WScript.Echo "--"
Tree base, ""

fso.DeleteFolder base
WScript.Echo fso.FolderExists(base)
