' Text read as numbers by the C* functions and the operators, and what + and & give between subtypes.
Sub Try(label)
    If Err.Number <> 0 Then
        WScript.Echo label & ": error " & Err.Number
        Err.Clear
    Else
        WScript.Echo label & ": no error"
    End If
End Sub

WScript.Echo "CDbl: " & CDbl(" 12 ") & " " & CDbl("1,234.5") & " " & CDbl("-1e3") & " " & CDbl("+5") & " " & CDbl("1.5E+2") & " " & CDbl(".5") & " " & CDbl("&H10") & " " & CDbl("&O17") & " " & CDbl("$1,234.50")
WScript.Echo "CInt/CLng: " & CInt(" 7 ") & " " & CInt("2.5") & " " & CInt("3.5") & " " & CLng("1,000") & " " & CLng(" -42 ")
WScript.Echo "CBool: " & CBool("true") & " " & CBool("False") & " " & CBool("1") & " " & CBool("0") & " " & CBool(0.1)
WScript.Echo "Plus: [" & ("1" + "2") & "] " & ("1" + 2) & " " & (1 + "2") & " " & TypeName("1" + 2) & " " & TypeName(Empty + Empty) & " [" & (Empty + "a") & "] " & TypeName(Null + 1) & " " & (True + True) & " " & TypeName(True + True)
WScript.Echo "Amp: " & (True & False) & " " & (Null & "x") & " " & (1.5 & 2) & " " & TypeName(Null & Null) & " " & (Empty & 1) & " " & TypeName(1 & 2)
WScript.Echo "Plus types: " & TypeName(CByte(1) + CByte(1)) & " " & TypeName(CByte(255) + CByte(1)) & " " & TypeName(CInt(32767) + 1) & " " & TypeName(CInt(1) + True) & " " & TypeName(1 + 1.5) & " " & TypeName(CSng(1) + CLng(1)) & " " & TypeName(CSng(1) + CInt(1)) & " " & TypeName(CCur(1) + 1.5) & " " & TypeName(#1/1/2000# + 1) & " " & TypeName("1.5" + 1)
WScript.Echo "Hex/Oct: " & Hex(CInt(-32768)) & " " & Hex(-32769) & " " & Oct(-8) & " " & Hex(CByte(255)) & " " & Hex("255") & " " & Hex(-1.5)

On Error Resume Next
x = CInt("") : Try "CInt empty text"
x = CDbl("1 2") : Try "CDbl 1 2"
x = CBool("yes") : Try "CBool yes"
x = CInt(Null) : Try "CInt Null"
x = "a" + 1 : Try "Text plus number"
x = CByte("256") : Try "CByte text 256"
