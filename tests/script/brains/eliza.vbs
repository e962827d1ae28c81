' Eliza-style brain: first matching keyword wins, the rest of the sentence is reflected
' ("my" -> "your") into a reply template; each keyword rotates through its replies.
Option Explicit

Dim Keywords, Answers, Turn, Reflections

Sub Init()
    Keywords = Array("I NEED", "I AM", "I'M", "BECAUSE", "MY", "YOU", "HELLO", "SORRY", "")
    Answers = Array( _
        Array("Why do you need *?", "Would it really help you to get *?"), _
        Array("How long have you been *?", "Do you enjoy being *?"), _
        Array("Why are you *?"), _
        Array("Is that the real reason?"), _
        Array("Tell me more about your *.", "Why does your * matter?"), _
        Array("We were discussing you, not me."), _
        Array("Hello %user%, how do you do?"), _
        Array("Please don't apologise."), _
        Array("Please go on.", "I see.", "Very interesting."))
    ReDim Turn(UBound(Keywords))
    Reflections = Split("AM=are WAS=were I=you I'D=you would I'VE=you have MY=your " & _
                        "ARE=am YOUR=my YOURS=mine YOU=me ME=you MYSELF=yourself", " ")
End Sub

Function Reflect(Fragment)
    Dim Words, i, j, Pair, Matched
    Words = Split(Trim(Fragment), " ")
    For i = 0 To UBound(Words)
        Matched = False
        For j = 0 To UBound(Reflections)
            Pair = Split(Reflections(j), "=")
            If StrComp(Words(i), Pair(0), vbTextCompare) = 0 Then
                Words(i) = Pair(1)
                Matched = True
                Exit For
            End If
        Next
        If Not Matched Then Words(i) = LCase(Words(i))
    Next
    Reflect = Join(Words, " ")
End Function

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Dim Text, Mark, i, Pos, Rest, Choices, Reply
    If IsEmpty(Keywords) Then Init
    Text = " " & UCase(Sentence) & " "
    For Each Mark In Array(".", ",", "!", "?", ";")
        Text = Replace(Text, Mark, " ")
    Next
    ' InStr's position doubles as the loop condition: non-zero is True
    Do While InStr(Text, "  ")
        Text = Replace(Text, "  ", " ")
    Loop
    For i = 0 To UBound(Keywords)
        If Keywords(i) = "" Then Exit For
        Pos = InStr(Text, " " & Keywords(i) & " ")
        If Pos > 0 Then Exit For
    Next
    Choices = Answers(i)
    ' Turn(i) starts Empty, which counts as 0
    Reply = Choices(Turn(i) Mod (UBound(Choices) + 1))
    Turn(i) = Turn(i) + 1
    If InStr(Reply, "*") > 0 Then
        Rest = Mid(Text, Pos + Len(Keywords(i)) + 2)
        Reply = Replace(Reply, "*", Reflect(Rest))
    End If
    Reply = Replace(Reply, "%USER%", UserName, 1, -1, vbTextCompare)
    GetResponse = Reply & " <STOP>"
End Function

Dim Sentences, S, n
Sentences = Array("Hello there!", "I need a holiday.", "I am worried about my exams", _
                  "I'm tired of my job...", "My mother says I am lazy", _
                  "Your computer is slow, I think you know that.", "My family.", _
                  "my feelings toward you", "Sorry!", "The weather is nice", "", _
                  "I need to know if I am normal", "Because.", "whatever", "Hmm", "ok")
n = 0
For Each S In Sentences
    n = n + 1
    WScript.Echo n & ". " & GetResponse(S, "Alice", "HAL", 1, ".", _
                                        Empty, Empty, Empty, Empty, Empty, Empty, Empty, Empty, Empty, Empty)
Next
WScript.Echo "Turns: " & Join(Turn, ",")
