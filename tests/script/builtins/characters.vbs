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
' Byte strings may have an odd number of bytes: ChrB(65) is one byte, which the character
' functions do not see, and & joins bytes (two ChrB make one character, low byte first).
b = ChrB(65)
WScript.Echo "one byte: " & LenB(b) & " " & Len(b) & " " & AscB(b) & " " & LenB(b & "CD") & " " & Hex(AscW(b & ChrB(66))) & " " & LenB(b + b) & " " & LenB(b & Null)
bytes = ""
For i = 1 To 5 : bytes = bytes & ChrB(64 + i) : Next
WScript.Echo "five bytes: " & LenB(bytes) & " " & Len(bytes) & " " & AscB(MidB(bytes, 5, 1)) & " " & AscB(RightB(bytes, 1)) & " " & LenB(LeftB(bytes, 3)) & " " & InStrB(bytes, ChrB(67)) & " " & InStrB(2, bytes, ChrB(66) & ChrB(67))
codes = ""
For i = 1 To LenB("A" & ChrW(&H263A)) : codes = codes & AscB(MidB("A" & ChrW(&H263A), i, 1)) & " " : Next
WScript.Echo "each byte: " & codes & (ChrB(&HE9) & ChrB(0) = ChrW(&HE9))

On Error Resume Next
x = Asc("") : Try "Asc empty"
x = Asc(Null) : Try "Asc Null"
x = Chr(256) : Try "Chr 256"
x = Chr(-1) : Try "Chr -1"
x = Chr(Null) : Try "Chr Null"
x = ChrW(65536) : Try "ChrW 65536"
x = ChrW(-32769) : Try "ChrW -32769"
x = AscW("") : Try "AscW empty"
