' A brain ported from VBA that capitalises with the Mid statement. VBScript has no Mid
' statement, so on Windows the assignment fails at run time and the guarded fallback answers.
Option Explicit

Function Capitalise(Text)
    Dim T
    T = LCase(Text)
    On Error Resume Next
    Mid(T, 1, 1) = UCase(Left(T, 1))
    If Err.Number <> 0 Then
        Err.Clear
        Capitalise = UCase(Left(T, 1)) & Mid(T, 2) & " (fallback)"
    Else
        Capitalise = T & " (Mid statement)"
    End If
End Function

Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, _
                     A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)
    GetResponse = Capitalise(Sentence) & " <STOP>"
End Function

WScript.Echo GetResponse("hELLO tHERE", "Ann", "PC", 1, ".", "", "", "", "", "", "", "", "", "", "")

Dim S
S = "abcdef"
On Error Resume Next
Mid(S, 3) = "XYZW12"
WScript.Echo S & " " & (Err.Number <> 0)
