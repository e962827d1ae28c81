' Rules: a keyword brain. The first rule whose keyword appears in the sentence answers, with a
' reply template that rotates on each use; "*" stands for what follows the keyword.
Option Explicit

Dim Keys, Replies, Uses

Sub AddRule(Index, Keyword, Templates)
    Keys(Index) = " " & Keyword & " "
    Replies(Index) = Split(Templates, "|")
    Uses(Index) = 0
End Sub

Sub LoadRules()
    ReDim Keys(9), Replies(9), Uses(9)
    AddRule 0, "MY NAME IS", "Nice to meet you, *.|Hello again, *."
    AddRule 1, "I NEED", "Why do you need *?|Would * really help you?"
    AddRule 2, "I THINK", "Do you really think *?|What makes you think *?"
    AddRule 3, "HELLO", "Hello, %USER%. How are you today?|Hi there, %USER%!"
    AddRule 4, "WEATHER", "I only know the weather inside %COMPUTER%.|Is it raining where you are?"
    AddRule 5, "COMPUTER", "Do computers worry you?|I am a computer too, you know."
    AddRule 6, "THANK", "You are welcome.|Any time, %USER%."
    AddRule 7, "BYE", "Goodbye, %USER%.|See you soon."
    AddRule 8, "WHY", "Why do you ask?|Is that the real question?"
    AddRule 9, "WHAT", "What do you think?|Does that matter to you?"
End Sub

Function Normalise(Sentence)
    Dim Text, Mark
    Text = " " & UCase(Sentence) & " "
    For Each Mark In Array(".", ",", "!", "?", ";")
        Text = Replace(Text, Mark, " ")
    Next
    Do While InStr(Text, "  ") > 0
        Text = Replace(Text, "  ", " ")
    Loop
    Normalise = Text
End Function

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Dim Text, i, Found, Rest, Template
    If IsEmpty(Keys) Then LoadRules
    Text = Normalise(Sentence)
    For i = 0 To UBound(Keys)
        Found = InStr(Text, Keys(i))
        If Found > 0 Then
            Rest = LCase(Trim(Mid(Text, Found + Len(Keys(i)))))
            Template = Replies(i)(Uses(i) Mod (UBound(Replies(i)) + 1))
            Uses(i) = Uses(i) + 1
            Template = Replace(Template, "*", Rest)
            Template = Replace(Template, "%USER%", UserName)
            GetResponse = Replace(Template, "%COMPUTER%", ComputerName) & " <STOP>"
            Exit Function
        End If
    Next
    GetResponse = "Tell me more. <STOP>"
End Function
