' Learner: remembers facts of the form "X is Y" in a file in its working directory and answers
' "What ... X?" from them. With LearningLevel 0 it only answers and never learns.
Option Explicit

Dim Facts, MemoryFile

Sub LoadMemory(WorkingDir)
    Dim FSO, Stream, Line, Parts
    Set Facts = CreateObject("Scripting.Dictionary")
    Facts.CompareMode = vbTextCompare
    Set FSO = CreateObject("Scripting.FileSystemObject")
    MemoryFile = WorkingDir & "\learner-memory.txt"
    If Not FSO.FileExists(MemoryFile) Then Exit Sub
    Set Stream = FSO.OpenTextFile(MemoryFile, 1)
    Do While Not Stream.AtEndOfStream
        Line = Stream.ReadLine
        Parts = Split(Line, "=", 2)
        If UBound(Parts) = 1 Then Facts(Parts(0)) = Parts(1)
    Loop
    Stream.Close
End Sub

Sub Learn(Subject, Fact)
    Dim FSO, Stream
    Facts(Subject) = Fact
    Set FSO = CreateObject("Scripting.FileSystemObject")
    Set Stream = FSO.OpenTextFile(MemoryFile, 8, True)
    Stream.WriteLine Subject & "=" & Fact
    Stream.Close
End Sub

Function Clean(Text)
    Dim Result, Mark
    Result = Trim(Text)
    For Each Mark In Array(".", "!", "?")
        Result = Replace(Result, Mark, "")
    Next
    Clean = LCase(Trim(Result))
End Function

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Dim Text, Words, Subject, Key, At
    If IsEmpty(Facts) Then LoadMemory WorkingDir
    Text = Clean(Sentence)
    If Left(Text, 5) = "what " Then
        For Each Key In Facts.Keys
            If InStr(Text, Key) > 0 Then
                GetResponse = UCase(Left(Key, 1)) & Mid(Key, 2) & " is " & Facts(Key) & ". <STOP>"
                Exit Function
            End If
        Next
        GetResponse = "I don't know yet. Teach me: say ""something is something"". <STOP>"
        Exit Function
    End If
    At = InStr(Text, " is ")
    If At > 0 And LearningLevel > 0 Then
        Subject = Trim(Left(Text, At - 1))
        ' Only the clause the fact is in: "hello, my name is ada" teaches "your name".
        If InStrRev(Subject, ",") > 0 Then Subject = Trim(Mid(Subject, InStrRev(Subject, ",") + 1))
        If Left(Subject, 3) = "my " Then Subject = "your " & Mid(Subject, 4)
        Learn Subject, Trim(Mid(Text, At + 4))
        GetResponse = "I will remember that " & Subject & " is " & Facts(Subject) & ". <STOP>"
        Exit Function
    End If
    Words = Split(Text, " ")
    GetResponse = "I know " & Facts.Count & " fact(s). Tell me something about " & Words(UBound(Words)) & ". <STOP>"
End Function
