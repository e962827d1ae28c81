' Learning brain: keeps "subject|fact" lines in memory.txt and a transcript in heard.log,
' both in its WorkingDir, with paths built the Windows way.
Option Explicit
Const ForReading = 1, ForWriting = 2, ForAppending = 8

Dim FSO
Set FSO = CreateObject("Scripting.FileSystemObject")

Function MemoryFile(WorkingDir)
    MemoryFile = WorkingDir & "\memory.txt"
End Function

Function Recall(WorkingDir, Subject)
    Dim Stream, Line, Parts
    Recall = ""
    If Not FSO.FileExists(MemoryFile(WorkingDir)) Then Exit Function
    Set Stream = FSO.OpenTextFile(MemoryFile(WorkingDir), ForReading)
    Do Until Stream.AtEndOfStream
        Line = Stream.ReadLine
        Parts = Split(Line, "|")
        ' later lines win: the brain may have changed its mind
        If LCase(Parts(0)) = LCase(Subject) Then Recall = Parts(1)
    Loop
    Stream.Close
End Function

Sub Remember(WorkingDir, Subject, Fact)
    Dim Stream
    Set Stream = FSO.OpenTextFile(MemoryFile(WorkingDir), ForAppending, True)
    Stream.WriteLine Subject & "|" & Fact
    Stream.Close
End Sub

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Dim Text, Pos, Subject, Fact, Known, Log
    Text = Trim(Sentence)
    If Right(Text, 1) = "." Or Right(Text, 1) = "?" Then Text = Left(Text, Len(Text) - 1)
    Set Log = FSO.OpenTextFile(WorkingDir & "\heard.log", ForAppending, True)
    Log.WriteLine UserName & ": " & Sentence
    Log.Close
    If LCase(Left(Text, 8)) = "what is " Then
        Subject = Mid(Text, 9)
        Known = Recall(WorkingDir, Subject)
        If Known = "" Then
            GetResponse = "I don't know what " & Subject & " is. <STOP>"
        Else
            GetResponse = UCase(Left(Subject, 1)) & Mid(Subject, 2) & " is " & Known & ". <STOP>"
        End If
        Exit Function
    End If
    Pos = InStr(1, Text, " IS ", vbTextCompare)
    If Pos > 0 And LearningLevel > 0 Then
        Subject = Left(Text, Pos - 1)
        Fact = Mid(Text, Pos + 4)
        Remember WorkingDir, Subject, Fact
        GetResponse = "I will remember that " & Subject & " is " & Fact & ". <STOP>"
    ElseIf Pos > 0 Then
        GetResponse = "Interesting, " & UserName & ". <STOP>"
    Else
        GetResponse = "Tell me what something is. <STOP>"
    End If
End Function

Dim Dir, File, Stream, Text, Lines, Names, Item, Path

Function Ask(Sentence, Level)
    Ask = GetResponse(Sentence, "Ann", "PC1", Level, Dir, "", "", "", "", "", "", "", "", "", "")
End Function

Dir = FSO.GetSpecialFolder(2).Path & "\tarvik-learner-" & FSO.GetBaseName(FSO.GetTempName)  ' its own, so suites in parallel do not share it
If FSO.FolderExists(Dir) Then FSO.DeleteFolder Dir, True
FSO.CreateFolder Dir

WScript.Echo Ask("What is a tomato?", 1)
WScript.Echo Ask("A tomato is a fruit.", 1)
WScript.Echo Ask("The sky Is blue", 0)
WScript.Echo Ask("what is A TOMATO", 1)
WScript.Echo Ask("  A tomato is red  ", 2)
WScript.Echo Ask("What is a tomato?", 1)
WScript.Echo Ask("What is the sky?", 1)
WScript.Echo Ask("Hello", 1)

' What a Windows author sees when looking at the files.
Path = MemoryFile(Dir)
Set File = FSO.GetFile(Path)
WScript.Echo File.Name & " has " & File.Size & " bytes"
WScript.Echo FSO.GetFileName(Path) & " " & FSO.GetBaseName(Path) & " " & FSO.GetExtensionName(Path)
WScript.Echo "Parent is the dir: " & (FSO.GetParentFolderName(Path) = Dir)
WScript.Echo "BuildPath: " & Mid(FSO.BuildPath(Dir, "notes.txt"), Len(Dir) + 1)

Set Stream = FSO.OpenTextFile(Path, ForReading)
Text = Stream.ReadAll
Stream.Close
Lines = Split(Text, vbCrLf)
WScript.Echo "ReadAll: " & Len(Text) & " chars, " & UBound(Lines) & " line ends, last piece [" & Lines(UBound(Lines)) & "]"

Set Stream = FSO.OpenTextFile(Dir & "\heard.log")
Stream.SkipLine
WScript.Echo "Line " & Stream.Line & ": " & Stream.ReadLine
Do While Not Stream.AtEndOfStream
    Text = Stream.ReadLine
Loop
WScript.Echo "Last of " & (Stream.Line - 1) & ": " & Text
Stream.Close

' Overwrite the memory with a fresh file, without a final line end.
Set Stream = FSO.CreateTextFile(Path, True)
Stream.Write "the sky|grey"
Stream.Close
WScript.Echo Ask("What is the SKY", 1) & " (" & FSO.GetFile(Path).Size & " bytes)"

Names = ""
For Each Item In FSO.GetFolder(Dir).Files
    Names = Names & " " & Item.Name
Next
WScript.Echo FSO.GetFolder(Dir).Files.Count & " files:" & Names

' The errors careless brains run into.
On Error Resume Next
Set Stream = FSO.OpenTextFile(Dir & "\forgotten.txt")
WScript.Echo "Open missing: " & Err.Number & " " & Err.Description
Err.Clear
Set Stream = FSO.OpenTextFile(Path, ForReading)
Text = Stream.ReadLine
Text = Stream.ReadLine
WScript.Echo "Read past end: " & Err.Number & " " & Err.Description & " [" & Text & "]"
Err.Clear
Stream.WriteLine "oops"
WScript.Echo "Write when reading: " & Err.Number & " " & Err.Description
Err.Clear
Stream.Close
Set Stream = FSO.CreateTextFile(Dir & "\empty.txt", True)
Stream.Close
Set Stream = FSO.OpenTextFile(Dir & "\empty.txt", ForReading)
Text = Stream.ReadAll
WScript.Echo "ReadAll of nothing: " & Err.Number
Err.Clear
Stream.Close
FSO.DeleteFile Dir & "\empty.txt"
On Error GoTo 0

' Windows file names ignore case, so authors are not careful about it.
WScript.Echo "Any case: " & FSO.FileExists(Dir & "\MEMORY.TXT") & " " & FSO.FolderExists(UCase(Dir))

FSO.DeleteFolder Dir
WScript.Echo "Cleaned up: " & (Not FSO.FolderExists(Dir))
