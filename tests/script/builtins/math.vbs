' Int/Fix/Round/Abs/Sgn, the transcendental functions, conversions and Hex/Oct.
Sub Try(label)
    If Err.Number <> 0 Then
        WScript.Echo label & ": error " & Err.Number
        Err.Clear
    Else
        WScript.Echo label & ": no error"
    End If
End Sub

WScript.Echo "Int/Fix: " & Int(-1.5) & " " & Fix(-1.5) & " " & Int(1.99) & " " & Fix(1.99) & " " & Int(-0.5)
WScript.Echo "Int types: " & TypeName(Int(7)) & " " & TypeName(Int("2.7")) & " " & TypeName(Int(CCur(1.5))) & " " & TypeName(Int(Empty)) & " " & TypeName(Int(Null))
WScript.Echo "Round: " & Round(2.5) & " " & Round(3.5) & " " & Round(-2.5) & " " & Round(2.51) & " " & Round(1.2345, 2) & " " & Round(0.125, 2) & " " & Round(0.375, 2)
WScript.Echo "Round documented: " & Round(0.985, 2) & " " & Round(0.995, 2) & " " & Round(1.123456789, 6) & " " & Round(-2.899999999, 2) & " " & Round(-0.5) & " " & Round(4.5) & " " & Round(-4.5) & " " & Fix(-0.5)
WScript.Echo "Round types: " & TypeName(Round(7)) & " " & TypeName(Round(2.5)) & " " & TypeName(Round("2.5")) & " " & TypeName(Round(Null))
WScript.Echo "Abs: " & Abs(-5) & " " & Abs(-2.5) & " " & Abs("-3") & " " & TypeName(Abs(-32768)) & " " & Abs(-32768) & " " & TypeName(Abs(Null))
WScript.Echo "Sgn: " & Sgn(-0.5) & " " & Sgn(0) & " " & Sgn(42) & " " & TypeName(Sgn(42))
WScript.Echo "Sqr: " & Sqr(16) & " " & Sqr(2) & " " & TypeName(Sqr(Null))
WScript.Echo "Pi: " & Atn(1) * 4
WScript.Echo "Exp/Log: " & Exp(0) & " " & Log(1) & " " & Round(Exp(1), 10) & " " & Round(Log(10), 10)
WScript.Echo "Trig: " & Cos(0) & " " & Sin(0) & " " & Tan(0)
WScript.Echo "CInt: " & CInt(2.5) & " " & CInt(3.5) & " " & CInt(-2.5) & " " & CLng(1.5) & " " & CByte(254.5)
WScript.Echo "Conversion types: " & TypeName(CInt(1)) & " " & TypeName(CLng(1)) & " " & TypeName(CSng(1)) & " " & TypeName(CDbl(1)) & " " & TypeName(CCur(1)) & " " & TypeName(CByte(1)) & " " & TypeName(CBool(1)) & " " & TypeName(CDate(1)) & " " & TypeName(CStr(1))
WScript.Echo "Hex: " & Hex(255) & " " & Hex(-1) & " " & Hex(-32769) & " " & Hex(CDbl(-1)) & " " & Hex(2.5) & " " & Hex(Empty) & " " & Hex(65536) & " " & TypeName(Hex(Null))
WScript.Echo "Oct: " & Oct(8) & " " & Oct(-1) & " " & Oct(511)

On Error Resume Next
x = Sqr(-1) : Try "Sqr negative"
x = Log(0) : Try "Log 0"
x = Exp(710) : Try "Exp 710"
x = Round(1.5, -1) : Try "Round negative digits"
x = Sgn(Null) : Try "Sgn Null"
x = Int("abc") : Try "Int text"
x = CInt(32767.6) : Try "CInt overflow"
x = CByte(-1) : Try "CByte negative"
x = CLng("abc") : Try "CLng text"
x = CStr(Null) : Try "CStr Null"
x = CDbl("1E400") : Try "CDbl text beyond a Double"
x = "1E400" + 1 : Try "Text beyond a Double in arithmetic"
x = CLng("&H100000000") : Try "CLng text beyond 32 bits"
x = CDbl("1E400x") : Try "CDbl text with junk"
x = Hex(1E+10) : Try "Hex huge"
