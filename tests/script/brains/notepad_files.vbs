' Nickname brain that shares files with Notepad. Its list was saved as "Unicode" (UTF-16 with
' a byte-order mark) and, like most brains, it opens files with no format argument, which on
' Windows reads them as ANSI, byte for byte: the mark and the zero bytes become characters.
Option Explicit
Const ForReading = 1, TristateTrue = -1

Dim FSO, Nicks, Dir, Stream, Text
Set FSO = CreateObject("Scripting.FileSystemObject")

Sub Load(WorkingDir)
    Dim Stream, Line, Parts
    Set Nicks = CreateObject("Scripting.Dictionary")
    Nicks.CompareMode = vbTextCompare
    Set Stream = FSO.OpenTextFile(WorkingDir & "\nicknames.txt", ForReading)
    Do Until Stream.AtEndOfStream
        Line = Stream.ReadLine
        Parts = Split(Line, "=")
        If UBound(Parts) = 1 Then Nicks(Parts(0)) = Parts(1)
    Loop
    Stream.Close
End Sub

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    If IsEmpty(Nicks) Then Load WorkingDir
    If Nicks.Exists(UserName) Then
        GetResponse = "Hi " & Nicks(UserName) & "! <STOP>"
    Else
        GetResponse = "Hi " & UserName & ", I have " & Nicks.Count & " nicknames but none for you. <STOP>"
    End If
End Function

Dir = FSO.GetSpecialFolder(2).Path & "\tarvik-notepad-test"
If FSO.FolderExists(Dir) Then FSO.DeleteFolder Dir, True
FSO.CreateFolder Dir

' What Notepad's "Save as Unicode" writes.
Set Stream = FSO.CreateTextFile(Dir & "\nicknames.txt", True, True)
Stream.WriteLine "Robert=Bob"
Stream.WriteLine "William=Bill"
Stream.Close

WScript.Echo GetResponse("Hello", "Robert", "PC", 1, Dir, "", "", "", "", "", "", "", "", "", "")

Set Stream = FSO.OpenTextFile(Dir & "\nicknames.txt")
Text = Stream.ReadAll
Stream.Close
WScript.Echo "Default format: " & Len(Text) & " chars, first " & AscW(Left(Text, 1)) & ", size " & FSO.GetFile(Dir & "\nicknames.txt").Size
Set Stream = FSO.OpenTextFile(Dir & "\nicknames.txt", ForReading, False, TristateTrue)
Text = Stream.ReadAll
Stream.Close
WScript.Echo "Unicode format: " & Len(Text) & " chars, first " & AscW(Left(Text, 1))

' Text written without a format is a byte of the ANSI code page per character.
Set Stream = FSO.CreateTextFile(Dir & "\learned.txt", True)
Stream.WriteLine "Zo" & ChrW(235) & "=Zo"
Stream.Close
Set Stream = FSO.OpenTextFile(Dir & "\learned.txt")
Text = Stream.ReadLine
Stream.Close
WScript.Echo "ANSI: " & Len(Text) & " chars, " & AscW(Mid(Text, 3, 1)) & ", size " & FSO.GetFile(Dir & "\learned.txt").Size

FSO.DeleteFolder Dir, True
WScript.Echo "Cleaned up: " & (Not FSO.FolderExists(Dir))
