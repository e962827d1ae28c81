' options: --timeout 5000
' A brain in the style of many early ones: no Option Explicit and no Dim. A name first assigned
' at the top level is global; a name first used inside a procedure is a new local of that call,
' so helpers may all use "i", "n" or "result" without disturbing each other. Names without Dim
' come into being when a statement using them runs, not when the script is compiled.

Asked = 0
Topic = "nothing"

Function Vowels(Word)
    n = 0
    For i = 1 To Len(Word)
        If InStr("aeiou", LCase(Mid(Word, i, 1))) > 0 Then n = n + 1
    Next
    Vowels = n
End Function

Function Score(Sentence)
    n = 0
    For Each w In Split(Sentence, " ")
        n = Vowels(w) + n
    Next
    Score = n
End Function

Function UpperFirst(Word)
    result = ""
    For i = 1 To Len(Word)
        If i = 1 Then result = UCase(Mid(Word, i, 1)) Else result = result & Mid(Word, i, 1)
    Next
    UpperFirst = result
End Function

Function Capitalised(Sentence)
    Words = Split(Sentence, " ")
    For i = 0 To UBound(Words)
        Words(i) = UpperFirst(Words(i))
    Next
    Capitalised = Join(Words, " ")
End Function

Sub Remember(Text)
    Topic = Text
    scratch = "used"
End Sub

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Asked = Asked + 1
    Remember Sentence
    GetResponse = "(" & Asked & ") " & Capitalised(Sentence) & " scores " & Score(Sentence) & ". <STOP>"
End Function

WScript.Echo GetResponse("banana bread", "Ann", "PC", 1, ".", "", "", "", "", "", "", "", "", "", "")
WScript.Echo GetResponse("the quick brown fox", "Ann", "PC", 1, ".", "", "", "", "", "", "", "", "", "", "")
' A double space leaves an empty word.
WScript.Echo GetResponse("a b  c", "Ann", "PC", 1, ".", "", "", "", "", "", "", "", "", "", "")
' Nothing leaks out of the helpers: here too each name is a new, empty local.
Function Leaked()
    Leaked = "scratch: [" & scratch & "], i: [" & i & "], n: [" & n & "], result: [" & result & "]"
End Function
WScript.Echo "Topic: " & Topic & ", " & Leaked()

' The author's check at the bottom. Until this line runs, scratch, i and n exist nowhere at the
' top level, so the calls above each had their own; reading them here makes new empty globals.
WScript.Echo "Topic: " & Topic & ", scratch: [" & scratch & "], i: [" & i & "], n: [" & n & "]"
WScript.Echo "done"
