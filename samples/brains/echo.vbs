' Echo: the quickest brain. It hands the sentence back, tidied, and counts what it heard.
Option Explicit

Dim Heard
Heard = 0

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Dim Said
    Heard = Heard + 1
    Said = Trim(Sentence)
    If Said = "" Then
        GetResponse = "You said nothing, " & UserName & ". <STOP>"
    Else
        GetResponse = "(" & Heard & ") You said: " & Said & " <STOP>"
    End If
End Function
