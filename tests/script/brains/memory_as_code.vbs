' A brain that keeps what it knows as VBScript source: memory.vbs in its WorkingDir holds lines
' such as Visits = 41, runs through ExecuteGlobal when the brain starts, and gets new lines
' appended as it learns. Like the file, its procedures use those names without Dim.
Const ForReading = 1, ForAppending = 8
Set FSO = CreateObject("Scripting.FileSystemObject")
Loaded = False

Sub LoadMemory(WorkingDir)
    Path = WorkingDir & "\memory.vbs"
    If FSO.FileExists(Path) Then ExecuteGlobal FSO.OpenTextFile(Path, ForReading).ReadAll
    Loaded = True
End Sub

Sub Save(WorkingDir, Line)
    Set Stream = FSO.OpenTextFile(WorkingDir & "\memory.vbs", ForAppending, True)
    Stream.WriteLine Line
    Stream.Close
End Sub

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    If Not Loaded Then LoadMemory WorkingDir
    Visits = Visits + 1
    Text = LCase(Trim(Sentence))
    If Left(Text, 23) = "my favourite colour is " Then
        Reply = "So not " & FavColour & " any more?"
        FavColour = Mid(Trim(Sentence), 24)
        Save WorkingDir, "FavColour = """ & FavColour & """"
    ElseIf Text = "what is my favourite colour" Then
        Reply = "It is " & FavColour & "."
    Else
        Reply = "Hello again, " & Owner & "."
    End If
    GetResponse = Reply & " (visit " & Visits & ") <STOP>"
End Function

Dir = FSO.GetSpecialFolder(2).Path & "\tarvik-memory-test"
If FSO.FolderExists(Dir) Then FSO.DeleteFolder Dir, True
FSO.CreateFolder Dir
' What an earlier session left behind.
Set Stream = FSO.CreateTextFile(Dir & "\memory.vbs")
Stream.WriteLine "Visits = 41"
Stream.WriteLine "Owner = ""Ann"""
Stream.WriteLine "FavColour = ""green"""
Stream.Close

For Each S In Array("Hello", "What is my favourite colour", "My favourite colour is Red", "what is my favourite colour")
    WScript.Echo GetResponse(S, "Ann", "PC", 1, Dir, "", "", "", "", "", "", "", "", "", "")
Next
' Read through a procedure: the top level itself never names what memory.vbs defines.
Function Snapshot()
    Snapshot = Visits & " " & FavColour & " " & Owner
End Function
WScript.Echo "Globals now: " & Snapshot()

Set Stream = FSO.OpenTextFile(Dir & "\memory.vbs", ForReading)
Lines = Split(Stream.ReadAll, vbCrLf)
Stream.Close
WScript.Echo "Memory file: " & UBound(Lines) & " lines, last: " & Lines(UBound(Lines) - 1)
FSO.DeleteFolder Dir, True
WScript.Echo "Cleaned up: " & (Not FSO.FolderExists(Dir))
