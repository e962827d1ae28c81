' options: --timeout 5000
' A brain whose start-up code tidies a word list only when one was loaded. Here none was, so
' that loop never runs and "i" never becomes a global: each helper call gets its own "i".
' (No Option Explicit, as in many early brains.)

WordList = Empty
If IsArray(WordList) Then
    For i = 0 To UBound(WordList)
        WordList(i) = LCase(WordList(i))
    Next
End If

Function UpperFirst(Word)
    result = ""
    For i = 1 To Len(Word)
        If i = 1 Then result = UCase(Mid(Word, i, 1)) Else result = result & Mid(Word, i, 1)
    Next
    UpperFirst = result
End Function

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Words = Split(Sentence, " ")
    For i = 0 To UBound(Words)
        Words(i) = UpperFirst(Words(i))
    Next
    GetResponse = Join(Words, " ") & " <STOP>"
End Function

WScript.Echo GetResponse("hello there world", "Ann", "PC", 1, ".", "", "", "", "", "", "", "", "", "", "")
' A double space leaves an empty word.
WScript.Echo GetResponse("a b  c", "Ann", "PC", 1, ".", "", "", "", "", "", "", "", "", "", "")
WScript.Echo "done"
