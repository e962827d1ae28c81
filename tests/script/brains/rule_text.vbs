' A brain whose rules are lines of VBScript kept as text and run with Execute inside
' GetResponse, where they see and set its variables. No Option Explicit and no Dim, as in
' many early brains: Text, Reply and Mood are simply used.
Rules = Array( _
    "If InStr(Text, ""hello"") > 0 Then Reply = ""Hello, "" & UserName & ""!""", _
    "If InStr(Text, ""sad"") > 0 Then Mood = ""worried"" : Reply = ""Why are you sad?""", _
    "If InStr(Text, ""bye"") > 0 Then Reply = ""Bye from "" & ComputerName & "".""", _
    "If Reply = """" Then Reply = ""Tell me more.""")

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    Text = LCase(Sentence)
    Reply = ""
    Mood = "calm"
    For Each Rule In Rules
        Execute Rule
    Next
    GetResponse = Reply & " [" & Mood & "] <STOP>"
End Function

Function WithDim(Sentence)
    Dim Reply
    Reply = "?"
    Execute "Reply = UCase(Sentence)"
    WithDim = Reply
End Function

For Each S In Array("Hello there", "I feel sad today", "ok bye", "The weather")
    WScript.Echo GetResponse(S, "Ann", "HAL", 1, ".", "", "", "", "", "", "", "", "", "", "")
Next
WScript.Echo WithDim("declared too")
