' Files and SubFolders list in NTFS order: names by their upper-case characters, so "_" and
' "[" come after the letters and lower case mixes with upper case.
Option Explicit
Dim fso, base, n, item, names

Set fso = CreateObject("Scripting.FileSystemObject")
base = fso.GetSpecialFolder(2).Path & "\tarvik-" & fso.GetBaseName(fso.GetTempName)
fso.CreateFolder base
For Each n In Array("_x.txt", "a.txt", "B.txt", "[c].txt", "1.txt", "~z.txt", "a-b.txt", "ab.txt", "z.txt")
    fso.CreateTextFile(base & "\" & n).Close
Next
For Each n In Array("_dir", "Dir", "cdir")
    fso.CreateFolder base & "\" & n
Next

names = ""
For Each item In fso.GetFolder(base).Files
    names = names & " " & item.Name
Next
WScript.Echo names
names = ""
For Each item In fso.GetFolder(base).SubFolders
    names = names & " " & item.Name
Next
WScript.Echo names

fso.DeleteFolder base
WScript.Echo fso.FolderExists(base)
