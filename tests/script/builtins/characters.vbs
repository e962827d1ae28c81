' Character codes: Asc/Chr in Windows-1252, AscW/ChrW in UTF-16, and the byte functions.
Sub Try(label)
    If Err.Number <> 0 Then
        WScript.Echo label & ": error " & Err.Number
        Err.Clear
    Else
        WScript.Echo label & ": no error"
    End If
End Sub

WScript.Echo "Asc: " & Asc("A") & " " & Asc("abc") & " " & Asc(5) & " " & Asc(ChrW(8364)) & " " & Asc(ChrW(233)) & " " & Asc(ChrW(9786))
WScript.Echo "Chr: " & Chr(72) & Chr(105) & " " & AscW(Chr(128)) & " " & AscW(Chr(150)) & " " & Len(Chr(0))
WScript.Echo "AscW: " & AscW("A") & " " & AscW(ChrW(9786)) & " " & AscW(ChrW(&HFFFF)) & " " & AscW(ChrW(-1))
WScript.Echo "TypeName: " & TypeName(Asc("A")) & " " & TypeName(AscW("A")) & " " & TypeName(Chr(65))
WScript.Echo "LenB: " & LenB("abc") & " " & LenB("")
WScript.Echo "AscB: " & AscB("A") & " " & AscB(ChrW(&H263A))
WScript.Echo "InStrB: " & InStrB("abc", "b") & " " & InStrB("abc", "x")
WScript.Echo "LeftB/RightB/MidB: " & LeftB("abcd", 4) & " " & RightB("abcd", 2) & " " & MidB("abcd", 3, 4)

On Error Resume Next
x = Asc("") : Try "Asc empty"
x = Asc(Null) : Try "Asc Null"
x = Chr(256) : Try "Chr 256"
x = Chr(-1) : Try "Chr -1"
x = Chr(Null) : Try "Chr Null"
x = ChrW(65536) : Try "ChrW 65536"
x = ChrW(-32769) : Try "ChrW -32769"
x = AscW("") : Try "AscW empty"
