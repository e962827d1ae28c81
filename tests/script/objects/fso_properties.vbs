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

' Attributes: Archive on files, Directory on folders; ReadOnly can be set and cleared.
WScript.Echo f.Attributes & " " & folder.Attributes
f.Attributes = f.Attributes Or 1
WScript.Echo f.Attributes
' A read-only file is neither written, overwritten nor deleted unless forced.
fso.CopyFile base & "\c.txt", base & "\ro.txt"
fso.GetFile(base & "\ro.txt").Attributes = 1
On Error Resume Next
fso.OpenTextFile(base & "\ro.txt", 8).Write "x"
WScript.Echo "append to read-only: " & Err.Number
Err.Clear
fso.CreateTextFile base & "\ro.txt", True
WScript.Echo "create over read-only: " & Err.Number
Err.Clear
fso.CopyFile base & "\c.txt", base & "\ro.txt"
WScript.Echo "copy over read-only: " & Err.Number
Err.Clear
fso.DeleteFile base & "\ro.txt"
WScript.Echo "delete read-only: " & Err.Number & " " & fso.FileExists(base & "\ro.txt")
Err.Clear
On Error GoTo 0
fso.DeleteFile base & "\ro.txt", True
WScript.Echo fso.FileExists(base & "\ro.txt")
f.Attributes = f.Attributes And Not 1
WScript.Echo f.Attributes

' Setting Name renames in place.
f.Name = "e.txt"
WScript.Echo f.Name & " " & fso.FileExists(base & "\d.txt") & " " & fso.FileExists(base & "\e.txt")
Set folder = fso.GetFolder(base & "\sub")
folder.Name = "renamed"
WScript.Echo folder.Name & " " & fso.FolderExists(base & "\sub") & " " & fso.GetFolder(base & "\renamed").Files.Count
On Error Resume Next
f.Name = "c.txt"
WScript.Echo "rename onto an existing file: " & Err.Number & " " & f.Name
Err.Clear
On Error GoTo 0

fso.DeleteFolder base
WScript.Echo fso.FolderExists(base)
