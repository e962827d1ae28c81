' Files, folders and text streams, in a scratch folder of its own under the temporary folder.
Option Explicit
Dim fso, base, ts, f, folder, item, x

Set fso = CreateObject("Scripting.FileSystemObject")
base = fso.GetSpecialFolder(2).Path & "\tarvik-" & fso.GetBaseName(fso.GetTempName)
Set folder = fso.CreateFolder(base)
WScript.Echo TypeName(folder) & " " & (folder.Name = fso.GetFileName(base))

Set ts = fso.CreateTextFile(base & "\notes.txt", True)
WScript.Echo TypeName(ts)
ts.WriteLine "first line"
ts.Write "second"
ts.Write " line"
ts.WriteBlankLines 1
ts.WriteLine "third"
WScript.Echo ts.Line & " " & ts.Column
ts.Close

Set ts = fso.OpenTextFile(base & "\notes.txt", 1)
Do Until ts.AtEndOfStream
    WScript.Echo ts.Line & ": " & ts.ReadLine
Loop
ts.Close

Set ts = fso.OpenTextFile(base & "\notes.txt")
WScript.Echo ts.Read(5)
ts.Skip 1
WScript.Echo ts.Column & " " & ts.AtEndOfLine
ts.SkipLine
WScript.Echo Len(ts.ReadAll) & " " & ts.AtEndOfStream
On Error Resume Next
x = ts.ReadLine
WScript.Echo "read past end: " & Err.Number
Err.Clear
ts.Write "x"
WScript.Echo "write to a reader: " & Err.Number
Err.Clear
On Error GoTo 0
ts.Close

Set ts = fso.OpenTextFile(base & "\notes.txt", 8)
ts.WriteLine "fourth"
On Error Resume Next
x = ts.ReadLine
WScript.Echo "read from a writer: " & Err.Number
Err.Clear
On Error GoTo 0
ts.Close

Set f = fso.GetFile(base & "\notes.txt")
WScript.Echo TypeName(f) & " " & f.Name & " " & f.Size & " " & TypeName(f.DateLastModified)
WScript.Echo (f.ParentFolder.Name = folder.Name) & " " & (f.Path = fso.GetAbsolutePathName(fso.BuildPath(base, "notes.txt")))
Set ts = f.OpenAsTextStream(1)
ts.SkipLine
WScript.Echo ts.ReadLine
ts.Close

' Unicode files are UTF-16 with a byte-order mark.
Set ts = fso.CreateTextFile(base & "\wide.txt", True, True)
ts.WriteLine "Grüße"
ts.Close
WScript.Echo fso.GetFile(base & "\wide.txt").Size
Set ts = fso.OpenTextFile(base & "\wide.txt", 1, False, -1)
WScript.Echo ts.ReadLine
ts.Close

Set ts = fso.CreateTextFile(base & "\empty.txt")
ts.Close
Set ts = fso.OpenTextFile(base & "\empty.txt")
WScript.Echo "empty at end: " & ts.AtEndOfStream
On Error Resume Next
x = ts.ReadAll
WScript.Echo "read all of nothing: " & Err.Number
Err.Clear
ts.Close

Set ts = fso.OpenTextFile(base & "\missing.txt")
WScript.Echo "open missing: " & Err.Number
Err.Clear
Set ts = fso.OpenTextFile(base & "\missing.txt", 2)
WScript.Echo "write missing without create: " & Err.Number
Err.Clear
On Error GoTo 0
' Create applies to reading too: the new file is empty.
Set ts = fso.OpenTextFile(base & "\created.txt", 1, True)
WScript.Echo "read with create: " & ts.AtEndOfStream & " " & fso.GetFile(base & "\created.txt").Size
ts.Close
fso.DeleteFile base & "\created.txt"
On Error Resume Next
Set ts = fso.CreateTextFile(base & "\notes.txt", False)
WScript.Echo "create existing: " & Err.Number
Err.Clear
Set ts = fso.CreateTextFile(base & "\no\such\file.txt")
WScript.Echo "create in missing folder: " & Err.Number
Err.Clear
Set f = fso.GetFile(base & "\missing.txt")
WScript.Echo "get missing file: " & Err.Number
Err.Clear
Set f = fso.GetFolder(base & "\nope")
WScript.Echo "get missing folder: " & Err.Number
Err.Clear
fso.CreateFolder base
WScript.Echo "create existing folder: " & Err.Number
Err.Clear
fso.DeleteFile base & "\missing.txt"
WScript.Echo "delete missing: " & Err.Number
Err.Clear
Set ts = fso.OpenTextFile(base, 1)
WScript.Echo "open a folder: " & Err.Number
Err.Clear
On Error GoTo 0

fso.CreateFolder base & "\sub"
Set folder = fso.GetFolder(base)
WScript.Echo TypeName(folder.Files) & " " & folder.Files.Count & " " & TypeName(folder.SubFolders) & " " & folder.SubFolders.Count
For Each item In folder.Files
    WScript.Echo "file " & item.Name
Next
For Each item In folder.SubFolders
    WScript.Echo "folder " & item.Name & " " & (item.ParentFolder.Path = folder.Path)
Next
WScript.Echo folder.Files("NOTES.TXT").Name & " " & folder.SubFolders.Item("Sub").Name

fso.CopyFile base & "\notes.txt", base & "\sub\"
WScript.Echo fso.FileExists(base & "\sub\notes.txt")
fso.MoveFile base & "\sub\notes.txt", base & "\sub\moved.txt"
WScript.Echo fso.FileExists(base & "\sub\notes.txt") & " " & fso.FileExists(base & "\sub\moved.txt")
fso.CopyFile base & "\sub\moved.txt", base & "\copy.txt"
WScript.Echo fso.GetFile(base & "\copy.txt").Size
fso.DeleteFile base & "\sub\moved.txt"
WScript.Echo fso.GetFolder(base & "\sub").Files.Count
fso.GetFile(base & "\copy.txt").Delete
WScript.Echo fso.FileExists(base & "\copy.txt")
fso.DeleteFolder base
WScript.Echo fso.FolderExists(base)
