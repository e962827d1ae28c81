' Class-based brain: a Brain object owns a Mood (with a default property) and a linked list
' of Remarks. Lifecycle events go to a log so the test can show when objects die.
Option Explicit

Dim Log, TheBrain
Log = ""

Class Remark
    Public Text
    Public NextRemark
    Private Sub Class_Initialize()
        Set NextRemark = Nothing
    End Sub
End Class

Class Mood
    Private mLevel
    Private mName

    Private Sub Class_Initialize()
        mLevel = 5
        mName = "calm"
        Log = Log & "[mood+]"
    End Sub

    Private Sub Class_Terminate()
        Log = Log & "[mood-]"
    End Sub

    Public Property Get Level()
        Level = mLevel
    End Property

    Public Property Let Level(Value)
        If Value < 0 Then Value = 0
        If Value > 10 Then Value = 10
        mLevel = Value
        If mLevel >= 8 Then
            mName = "happy"
        ElseIf mLevel <= 2 Then
            mName = "grumpy"
        Else
            mName = "calm"
        End If
    End Property

    Public Default Property Get Name()
        Name = mName
    End Property

    ' Returns itself so calls can be chained.
    Public Function Nudge(By)
        Me.Level = mLevel + By
        Set Nudge = Me
    End Function
End Class

Class Brain
    Private mMood, mFirst, mCount
    Public Owner

    Private Sub Class_Initialize()
        Set mMood = New Mood
        Set mFirst = Nothing
        mCount = 0
        Log = Log & "[brain+]"
    End Sub

    Private Sub Class_Terminate()
        Log = Log & "[brain-]"
    End Sub

    Public Property Get Mood()
        Set Mood = mMood
    End Property

    Public Property Set Mood(Value)
        Set mMood = Value
    End Property

    Public Property Get Count()
        Count = mCount
    End Property

    Public Sub Hear(Text)
        Dim R
        Set R = New Remark
        R.Text = Text
        Set R.NextRemark = mFirst
        Set mFirst = R
        mCount = mCount + 1
    End Sub

    ' N is ByRef (the default) and counts down: callers see the change.
    Public Function Recent(N)
        Dim R, Out
        Set R = mFirst
        Do While Not R Is Nothing And N > 0
            If Out <> "" Then Out = Out & " / "
            Out = Out & R.Text
            Set R = R.NextRemark
            N = N - 1
        Loop
        Recent = Out
    End Function
End Class

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Dim Text
    If IsEmpty(TheBrain) Then
        Set TheBrain = New Brain
        TheBrain.Owner = UserName
    End If
    Text = LCase(Trim(Sentence))
    If InStr(Text, "good") > 0 Or InStr(Text, "great") > 0 Then
        TheBrain.Mood.Level = TheBrain.Mood.Level + 3
    ElseIf InStr(Text, "bad") > 0 Or InStr(Text, "stupid") > 0 Then
        TheBrain.Mood.Nudge(-4)
    ElseIf Text = "cheer up" Then
        TheBrain.Mood.Nudge(2).Nudge 3
    End If
    TheBrain.Hear Sentence
    If Text = "recent" Then
        GetResponse = "You said: " & TheBrain.Recent(3) & " <STOP>"
    Else
        GetResponse = "I am " & TheBrain.Mood & " (" & TheBrain.Mood.Level & "), remark " & _
                      TheBrain.Count & ", " & TheBrain.Owner & ". <STOP>"
    End If
End Function

Function Say(Sentence)
    Say = GetResponse(Sentence, "Bob", "PC", 1, ".", "", "", "", "", "", "", "", "", "", "")
End Function

WScript.Echo Say("Hello")
WScript.Echo Say("This is great!")
WScript.Echo Say("Really good, great stuff")
WScript.Echo Say("You are stupid")
WScript.Echo Say("bad bad")
WScript.Echo Say("cheer up")
WScript.Echo Say("recent")

Dim Limit, M, Other, X
Limit = 2
WScript.Echo TheBrain.Recent(Limit) & " | Limit now " & Limit
Limit = 2
WScript.Echo TheBrain.Recent((Limit)) & " | Limit now " & Limit
WScript.Echo TypeName(TheBrain) & " " & TypeName(TheBrain.Mood) & " " & IsObject(TheBrain.Mood) & " " & VarType(TheBrain) & " " & VarType(TheBrain.Mood)
WScript.Echo "Log so far: " & Log

Log = ""
Set M = TheBrain.Mood
Set TheBrain.Mood = New Mood
WScript.Echo "Old mood: " & M & ", new mood: " & TheBrain.Mood.Nudge(-4) & " " & (M Is TheBrain.Mood)
Set M = Nothing
WScript.Echo "Swap: " & Log

On Error Resume Next
X = TheBrain.mCount
WScript.Echo "Private member: " & Err.Number
Err.Clear
On Error GoTo 0

Function TempMood()
    Dim T
    Set T = New Mood
    T.Level = 9
    TempMood = T.Level & " " & T
End Function

Log = ""
WScript.Echo TempMood() & " " & Log

Log = ""
Set Other = TheBrain
Set TheBrain = Nothing
WScript.Echo "Still alive: " & Other.Count & " " & (Other Is Nothing) & " " & (TheBrain Is Nothing) & " [" & Log & "]"
Set Other = Nothing
WScript.Echo "Released: " & Log
