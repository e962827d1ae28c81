' A brain that learns facts from what it is told and saves them to memory.txt in its working
' folder, building the path the Windows way. brain_recall.vbs reads them back in a fresh engine.
Option Explicit
Dim fso, workingDir, memory, facts, ts, key

Set fso = CreateObject("Scripting.FileSystemObject")
' Named after the checkout the tests run in (three folders up), so checkouts tested at once keep apart.
workingDir = fso.GetSpecialFolder(2).Path & "\tarvik-brain-" & fso.GetFileName(fso.GetParentFolderName(fso.GetParentFolderName(fso.GetParentFolderName(fso.GetAbsolutePathName(".")))))
If Not fso.FolderExists(workingDir) Then fso.CreateFolder workingDir
memory = workingDir & "\memory.txt"
Set facts = CreateObject("Scripting.Dictionary")
facts.CompareMode = vbTextCompare

Sub Learn(sentence)
    Dim re, m
    Set re = New RegExp
    re.Pattern = "^my (\w+) is (.+?)\.?$"
    re.IgnoreCase = True
    Set m = re.Execute(sentence)
    If m.Count = 1 Then
        facts(m(0).SubMatches(0)) = m(0).SubMatches(1)
        WScript.Echo "Learned " & m(0).SubMatches(0) & " = " & m(0).SubMatches(1)
    Else
        WScript.Echo "Ignored: " & sentence
    End If
End Sub

Learn "My name is Ada."
Learn "my colour is green"
Learn "What is the time?"
Learn "MY NAME is Grace"
Learn "my café is Zoë's"

Set ts = fso.OpenTextFile(memory, 2, True)
For Each key In facts
    ts.WriteLine key & vbTab & facts(key)
Next
ts.Close
WScript.Echo facts.Count & " facts saved, " & fso.GetFile(memory).Size & " bytes"
