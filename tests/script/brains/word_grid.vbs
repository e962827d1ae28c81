' Word-grid brain: keeps a two-row grid of (word, count) columns that grows with
' ReDim Preserve, an associations object with an indexed default property, and
' helpers that rely on ByRef/ByVal argument passing.
Option Explicit

Dim Grid, Used
ReDim Grid(1, 0)
Used = 0

Class Associations
    Private mPairs
    Private Sub Class_Initialize()
        Set mPairs = CreateObject("Scripting.Dictionary")
        mPairs.CompareMode = vbTextCompare
    End Sub
    ' obj(word) reads, obj(word) = other writes.
    Public Default Property Get Item(Word)
        If mPairs.Exists(Word) Then Item = mPairs(Word) Else Item = ""
    End Property
    Public Property Let Item(Word, Other)
        mPairs(Word) = Other
    End Property
    Public Property Get Count()
        Count = mPairs.Count
    End Property
End Class

Dim Links
Set Links = New Associations

Sub Bump(ByRef Counter, ByVal Amount)
    Counter = Counter + Amount
    Amount = 0
End Sub

Function FindWord(Word)
    Dim c
    FindWord = -1
    For c = 0 To Used - 1
        If StrComp(Grid(0, c), Word, vbTextCompare) = 0 Then
            FindWord = c
            Exit Function
        End If
    Next
End Function

Sub Count(Word)
    Dim c
    c = FindWord(Word)
    If c < 0 Then
        If Used > UBound(Grid, 2) Then ReDim Preserve Grid(1, Used + 1)
        c = Used
        Grid(0, c) = LCase(Word)
        Grid(1, c) = 0
        Used = Used + 1
    End If
    Bump Grid(1, c), 1
End Sub

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Dim W, Previous, Reply, c, Best
    Previous = ""
    For Each W In Split(Trim(Sentence), " ")
        If Len(W) > 0 Then
            Call Count(W)
            If Previous <> "" Then Links(Previous) = W
            Previous = W
        End If
    Next
    Best = -1
    For c = 0 To Used - 1
        If Best < 0 Then
            Best = c
        ElseIf Grid(1, c) > Grid(1, Best) Then
            Best = c
        End If
    Next
    Reply = "Top word: " & Grid(0, Best) & " x" & Grid(1, Best)
    If Links(Previous) <> "" Then Reply = Reply & "; after '" & Previous & "' you once said '" & Links(Previous) & "'"
    GetResponse = Reply & ". <STOP>"
End Function

Function Ask(S)
    Ask = GetResponse(S, "Ann", "PC", 1, ".", "", "", "", "", "", "", "", "", "", "")
End Function

WScript.Echo Ask("the cat sat")
WScript.Echo Ask("the dog sat on the cat")
WScript.Echo Ask("THE  END")
WScript.Echo Ask("cat")
WScript.Echo "Grid: " & Used & " used, UBound " & UBound(Grid, 1) & "," & UBound(Grid, 2) & ", links " & Links.Count

' For Each walks a two-dimensional array first index fastest.
Dim Cell, Line, Small(1, 2), r, c
For r = 0 To 1
    For c = 0 To 2
        Small(r, c) = r & c
    Next
Next
Line = ""
For Each Cell In Small
    Line = Line & Cell & " "
Next
WScript.Echo "Order: " & Line & "| " & IsArray(Small) & " " & LBound(Small, 2) & " " & UBound(Small, 2) & " " & TypeName(Small)

' Arrays are copied on assignment; elements pass ByRef, properties and (x) do not.
Dim A, B, N
A = Array(1, 2, 3)
B = A
B(0) = 100
Bump A(1), 10
N = 5
Bump (N), 1
Bump N, (1)
Call Bump(N, 1)
Links("x") = 1
Bump Links("x"), 1
WScript.Echo "Copies: " & A(0) & " " & B(0) & " " & A(1) & " " & N & " " & Links("x")

' Filter, Join, Erase and ReDim.
Dim Names
Names = Array("Anna", "bob", "Hannah", "Otto", "eve")
WScript.Echo Join(Filter(Names, "an", True, vbTextCompare), ",") & " | " & Join(Filter(Names, "o", False), ",") & " | " & UBound(Filter(Names, "zz"))
Dim Fixed(2)
Fixed(0) = "x"
Erase Fixed
WScript.Echo "Erased: [" & Fixed(0) & "] " & IsEmpty(Fixed(0)) & " " & UBound(Fixed)
ReDim Names(2)
Names(2) = "kept"
ReDim Preserve Names(3)
WScript.Echo "Preserve: [" & Names(0) & "] " & Names(2) & " " & UBound(Names)
On Error Resume Next
ReDim Preserve Grid(2, UBound(Grid, 2))
WScript.Echo "Preserve first dimension: " & Err.Number & " " & Err.Description
On Error GoTo 0
