' Dictionary brain: a synonym table, word counts across everyone, and a topic list per user.
Option Explicit

Dim Synonyms, Seen, Users

Sub Init()
    Set Synonyms = CreateObject("Scripting.Dictionary")
    Synonyms.CompareMode = vbTextCompare
    Synonyms.Add "hi", "hello"
    Synonyms.Add "hey", "hello"
    Synonyms.Add "bye", "goodbye"
    Synonyms.Add "cya", "goodbye"
    Synonyms.Add "thx", "thanks"
    Set Seen = CreateObject("Scripting.Dictionary")
    Set Users = CreateObject("Scripting.Dictionary")
End Sub

Function TopWord()
    Dim Word, Best
    Best = ""
    For Each Word In Seen
        If Best = "" Then
            Best = Word
        ElseIf Seen(Word) > Seen(Best) Then
            Best = Word
        End If
    Next
    TopWord = Best
End Function

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Dim Words, W, First, Topics, Reply
    If Not IsObject(Synonyms) Then Init
    If Not Users.Exists(UserName) Then Users.Add UserName, CreateObject("Scripting.Dictionary")
    Set Topics = Users(UserName)
    Words = Split(Trim(Sentence))
    First = ""
    For Each W In Words
        If Synonyms.Exists(W) Then W = Synonyms(W)
        W = LCase(W)
        If First = "" Then First = W
        ' reading a missing key adds it as Empty, and Empty + 1 is 1
        If Len(W) > 3 Then Seen(W) = Seen(W) + 1
        If Len(W) > 3 And Not Topics.Exists(W) Then Topics.Add W, Topics.Count + 1
    Next
    Select Case First
        Case "hello"
            Reply = "Hello, " & UserName & ". " & Users.Count & " people have talked to me."
        Case "goodbye"
            Reply = "Goodbye, " & UserName & ". We covered " & Topics.Count & " topics."
        Case "topics"
            Topics.Remove "topics"
            Reply = "Your topics: " & Join(Topics.Keys, ", ") & "."
        Case "forget"
            Topics.RemoveAll
            Reply = "Forgotten. Topics left: " & Topics.Count & "."
        Case "popular"
            Reply = "Everyone talks about " & TopWord() & " (" & Seen(TopWord()) & " times)."
        Case ""
            Reply = "Say something."
        Case Else
            Reply = "You mentioned " & UBound(Words) + 1 & " words."
    End Select
    GetResponse = Reply & " <STOP>"
End Function

Function Say(Sentence, User)
    Say = GetResponse(Sentence, User, "DESKTOP", 1, ".", "", "", "", "", "", "", "", "", "", "")
End Function

WScript.Echo Say("HEY there", "Ann")
WScript.Echo Say("I like music and movies", "Ann")
WScript.Echo Say("Hi", "Bob")
WScript.Echo Say("movies are better than music, music is noise", "Bob")
WScript.Echo Say("topics", "Ann")
WScript.Echo Say("popular", "Bob")
WScript.Echo Say("   ", "Bob")
WScript.Echo Say("forget it", "Bob")
WScript.Echo Say("CYA", "Ann")

' The details brain authors rely on.
Dim D, K, Line
Set D = CreateObject("Scripting.Dictionary")
D.Add 1, "number one"
D.Add "1", "text one"
D("Key") = "value"
D.Item("other") = 2
WScript.Echo TypeName(D) & " " & D.Count & " " & D.Exists(1) & " " & D.Exists("1") & " " & D.Exists("key") & " " & TypeName(D.Keys)
D.Key("other") = "renamed"
Line = ""
For Each K In D
    Line = Line & "[" & K & "=" & D(K) & "]"
Next
WScript.Echo Line
WScript.Echo "Items(1): " & D.Items()(1) & ", UBound of empty: " & UBound(CreateObject("Scripting.Dictionary").Keys)
If IsEmpty(D("missing")) Then WScript.Echo "Missing reads Empty, count now " & D.Count
Set D("child") = CreateObject("Scripting.Dictionary")
D("child").Add "deep", "yes"
WScript.Echo "Nested: " & D("child")("deep") & " " & IsObject(D("child"))

On Error Resume Next
D.Add "Key", "again"
WScript.Echo "Add twice: " & Err.Number & " " & Err.Description
Err.Clear
D.Remove "nothing here"
WScript.Echo "Remove missing: " & Err.Number & " " & Err.Description
Err.Clear
D.CompareMode = vbTextCompare
WScript.Echo "CompareMode when not empty: " & Err.Number & " " & Err.Description
Err.Clear
On Error GoTo 0
D.RemoveAll
D.CompareMode = vbTextCompare
D("Key") = 1
D("KEY") = D("key") + 1
WScript.Echo "Text compare: " & D.Count & " " & D("kEy") & " " & D.Keys()(0)
