' Text files without a format hold a byte of Windows-1252 per character ("?" for the rest);
' Unicode ones are UTF-16LE starting with the mark FF FE.
Option Explicit
Dim fso, base, ts, s, i, codes
Set fso = CreateObject("Scripting.FileSystemObject")
base = fso.GetSpecialFolder(2).Path & "\tarvik-" & fso.GetBaseName(fso.GetTempName)
fso.CreateFolder base

Function Bytes(name)
    Dim t, k
    Set t = fso.OpenTextFile(base & "\" & name)
    t = t.ReadAll
    Bytes = ""
    For k = 1 To Len(t)
        Bytes = Bytes & Hex(AscW(Mid(t, k, 1))) & " "
    Next
End Function

Set ts = fso.CreateTextFile(base & "\ansi.txt")
ts.Write "A" & Chr(&HFF) & Chr(&H80) & ChrW(&H20AC) & ChrW(&H416) & ChrW(&HE9)
ts.Close
WScript.Echo fso.GetFile(base & "\ansi.txt").Size & ": " & Bytes("ansi.txt")
s = fso.OpenTextFile(base & "\ansi.txt").ReadAll
WScript.Echo Asc(Mid(s, 2, 1)) & " " & AscW(Mid(s, 3, 1)) & " " & (Mid(s, 5, 1) = "?")

Set ts = fso.CreateTextFile(base & "\wide.txt", True, True)
ts.Write "A" & ChrW(&H416)
ts.Close
WScript.Echo fso.GetFile(base & "\wide.txt").Size & ": " & Bytes("wide.txt")
Set ts = fso.OpenTextFile(base & "\wide.txt", 8, False, -1)
ts.Write "b"
ts.Close
Set ts = fso.OpenTextFile(base & "\wide.txt", 2, True, -1)
ts.Write "c"
ts.Close
WScript.Echo Bytes("wide.txt")
Set ts = fso.OpenTextFile(base & "\new.txt", 2, True, -1)
ts.Write "d"
ts.Close
Set ts = fso.OpenTextFile(base & "\wide.txt", 8, False, -1)
ts.Write ChrW(&H416)
ts.Close
s = fso.OpenTextFile(base & "\wide.txt", 1, False, -1).ReadAll
WScript.Echo Len(s) & " " & AscW(Right(s, 1)) & " " & fso.OpenTextFile(base & "\new.txt", 1, False, -1).ReadAll
fso.DeleteFolder base
