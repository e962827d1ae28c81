' File and Folder: dates, sizes, the root test, and File's own Copy and Move.
Option Explicit
Dim fso, base, folder, f

Set fso = CreateObject("Scripting.FileSystemObject")
base = fso.GetSpecialFolder(2).Path & "\tarvik-" & fso.GetBaseName(fso.GetTempName)
Set folder = fso.CreateFolder(base)
fso.CreateFolder base & "\sub"
fso.CreateTextFile(base & "\a.txt").Write "12345"
fso.CreateTextFile(base & "\sub\b.txt").Write "123"

Set f = fso.GetFile(base & "\a.txt")
WScript.Echo TypeName(f.DateCreated) & " " & TypeName(f.DateLastAccessed) & " " & TypeName(f.DateLastModified)
WScript.Echo Abs(DateDiff("s", f.DateCreated, Now)) < 600
' A folder's size counts every file below it.
WScript.Echo folder.Size & " " & folder.IsRootFolder & " " & fso.GetFolder("C:\").IsRootFolder
WScript.Echo TypeName(folder.DateCreated) & " " & TypeName(folder.DateLastModified) & " " & TypeName(folder.DateLastAccessed)

f.Copy base & "\sub\"
f.Copy base & "\c.txt"
WScript.Echo fso.FileExists(base & "\sub\a.txt") & " " & fso.GetFile(base & "\c.txt").Size
On Error Resume Next
f.Copy base & "\c.txt", False
WScript.Echo "copy without overwrite: " & Err.Number
Err.Clear
f.Move base & "\sub\"
WScript.Echo "move onto an existing file: " & Err.Number
Err.Clear
On Error GoTo 0

' The moved File follows its file.
f.Move base & "\d.txt"
WScript.Echo f.Name & " " & f.Size & " " & fso.FileExists(base & "\a.txt") & " " & fso.FileExists(base & "\d.txt")
WScript.Echo folder.Size

fso.DeleteFolder base
WScript.Echo fso.FolderExists(base)
