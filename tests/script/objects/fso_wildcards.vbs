' CopyFile, MoveFile and DeleteFile with wildcards: matches go into a destination folder.
Option Explicit
Dim fso, base, n, f

Set fso = CreateObject("Scripting.FileSystemObject")
base = fso.GetSpecialFolder(2).Path & "\tarvik-" & fso.GetBaseName(fso.GetTempName)
fso.CreateFolder base
fso.CreateFolder base & "\out"
fso.CreateFolder base & "\moved"
For Each n In Array("a.txt", "B.TXT", "c.log", "dd.txt")
    fso.CreateTextFile(base & "\" & n).Write n
Next

Sub List(folder)
    Dim f, names
    names = ""
    For Each f In fso.GetFolder(folder).Files
        names = names & " " & f.Name
    Next
    WScript.Echo fso.GetFileName(folder) & ":" & names
End Sub

' The destination is a folder even without a final separator; matching ignores case.
fso.CopyFile base & "\*.txt", base & "\out"
List base & "\out"
fso.CopyFile base & "\c.*", base & "\out\"
List base & "\out"

On Error Resume Next
fso.CopyFile base & "\*.txt", base & "\out\", False
WScript.Echo "copy without overwrite: " & Err.Number
Err.Clear
fso.CopyFile base & "\*.xyz", base & "\out\"
WScript.Echo "copy with no match: " & Err.Number
Err.Clear
fso.CopyFile base & "\*.txt", base & "\nowhere"
WScript.Echo "copy into a missing folder: " & Err.Number
Err.Clear
fso.MoveFile base & "\*.xyz", base & "\moved"
WScript.Echo "move with no match: " & Err.Number
Err.Clear
fso.DeleteFile base & "\*.xyz"
WScript.Echo "delete with no match: " & Err.Number
Err.Clear
On Error GoTo 0

' "?" is exactly one character.
fso.MoveFile base & "\?.txt", base & "\moved"
List base & "\moved"
List base & "\."

fso.DeleteFile base & "\out\*.TXT"
List base & "\out"

fso.DeleteFolder base
WScript.Echo fso.FolderExists(base)
