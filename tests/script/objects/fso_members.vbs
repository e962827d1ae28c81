' The rest of FileSystemObject, File and Folder: drives, short names, types, a folder's own
' Copy, Move and CreateTextFile, SubFolders.Add, and "[" as a plain character in wildcards.
Option Explicit
Dim fso, base, d, n, x, folder, f, sub1
Set fso = CreateObject("Scripting.FileSystemObject")
base = fso.GetSpecialFolder(2).Path & "\tarvik-" & fso.GetBaseName(fso.GetTempName)
Set folder = fso.CreateFolder(base)

WScript.Echo fso.DriveExists("C:") & " " & fso.DriveExists("c:\") & " " & fso.DriveExists("Q:")
Set d = fso.GetDrive("C:")
WScript.Echo TypeName(d) & " " & d & " " & d.DriveLetter & " " & d.DriveType & " " & d.IsReady & " " & d.RootFolder.IsRootFolder & " " & TypeName(d.FreeSpace) & " " & (d.TotalSize >= d.FreeSpace)
n = 0
For Each x In fso.Drives
    n = n + 1
Next
WScript.Echo n & " " & fso.Drives.Count & " " & fso.Drives("C").Path
On Error Resume Next
Set d = fso.GetDrive("Q:")
WScript.Echo "missing drive: " & Err.Number & " " & Err.Description
Err.Clear
Set x = fso.GetStandardStream(3)
WScript.Echo "standard stream 3: " & Err.Number
Err.Clear
fso.GetStandardStream(1).WriteLine "standard output"
Set x = fso.GetStandardStream(0)
x.Write "x"
WScript.Echo "write to standard input: " & Err.Number
Err.Clear
On Error GoTo 0

Set f = folder.CreateTextFile("Long File Name.text")
f.Write "abc"
f.Close
fso.CreateTextFile(base & "\notes.txt").Close
fso.CreateTextFile(base & "\data[1].csv").Close
fso.CreateTextFile(base & "\data1.csv").Close
Set f = fso.GetFile(base & "\Long File Name.text")
WScript.Echo f.ShortName & " " & fso.GetFile(base & "\notes.txt").ShortName & " " & fso.GetFileName(f.ShortPath) & " " & fso.GetFileVersion(f.Path) & "|"
' A short path is a path as the others are: on the drive, "\" between its folders.
WScript.Echo Left(f.ShortPath, 3) & " " & (InStr(f.ShortPath, "/") = 0) & " " & (fso.GetFolder(base).ShortPath = fso.GetParentFolderName(f.ShortPath))
WScript.Echo f.Type & " / " & fso.GetFile(base & "\notes.txt").Type & " / " & fso.GetFile(base & "\data1.csv").Type & " / " & folder.Type & " / " & f.Drive.Path
fso.DeleteFile base & "\data[1]*"
WScript.Echo fso.FileExists(base & "\data[1].csv") & " " & fso.FileExists(base & "\data1.csv")

Set sub1 = folder.SubFolders.Add("one")
WScript.Echo TypeName(sub1) & " " & sub1.Name & " " & folder.SubFolders.Count
sub1.CreateTextFile("inside.txt").Write "x"
sub1.Copy base & "\two"
sub1.Move base & "\three"
WScript.Echo sub1.Name & " " & fso.FolderExists(base & "\one") & " " & fso.FileExists(base & "\two\inside.txt") & " " & fso.FileExists(base & "\three\inside.txt")
On Error Resume Next
folder.SubFolders.Add "two"
WScript.Echo "add existing: " & Err.Number
Err.Clear
fso.GetFolder(base & "\two").Copy base & "\three", False
WScript.Echo "copy without overwrite: " & Err.Number
Err.Clear
On Error GoTo 0
fso.DeleteFolder base
