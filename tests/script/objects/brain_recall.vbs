' Reads back what brain_learn.vbs saved, then forgets it. The file name's case differs from the
' one written, as Windows allows.
Option Explicit
Dim fso, memory, ts, parts, facts

Set fso = CreateObject("Scripting.FileSystemObject")
' The folder brain_learn.vbs named after the checkout.
memory = fso.GetSpecialFolder(2).Path & "\tarvik-brain-" & fso.GetFileName(fso.GetParentFolderName(fso.GetParentFolderName(fso.GetParentFolderName(fso.GetAbsolutePathName("."))))) & "\Memory.TXT"
Set facts = CreateObject("Scripting.Dictionary")
Set ts = fso.OpenTextFile(memory, 1)
Do While Not ts.AtEndOfStream
    parts = Split(ts.ReadLine, vbTab)
    facts.Add parts(0), parts(1)
Loop
ts.Close
WScript.Echo "Hello " & facts("name") & ", you like " & facts("colour") & "."
WScript.Echo Join(facts.Keys, "+")
fso.DeleteFolder fso.GetParentFolderName(memory)
WScript.Echo fso.FileExists(memory)
