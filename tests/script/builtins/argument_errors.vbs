' Which error a built-in raises for a bad argument: 5 Invalid procedure call, 13 Type mismatch,
' 94 Invalid use of Null; and which wins when several arguments are bad.
Sub Try(code)
    On Error Resume Next
    Dim x
    x = Eval(code)
    If Err.Number <> 0 Then
        WScript.Echo code & ": error " & Err.Number
    ElseIf IsNull(x) Then
        WScript.Echo code & ": Null"
    Else
        WScript.Echo code & ": [" & x & "]"
    End If
End Sub

' Array arguments: Null is no array.
Try "LBound(Null)"
Try "UBound(Null)"
Try "UBound(""a"")"
Try "Join(Null)"
' The Format functions convert the value without a Null check.
Try "FormatNumber(Null)"
Try "FormatCurrency(Null)"
Try "FormatPercent(Null)"
Try "FormatDateTime(Null)"
Try "FormatNumber(1, Null)"
' Counts and positions are checked before the string, which may then be Null.
Try "Left(Null, 1)"
Try "Left(Null, -1)"
Try "Right(Null, -1)"
Try "Mid(Null, 0)"
Try "Mid(Null, 1, -1)"
Try "Mid(Null, 2)"
Try "Mid(""abc"", Null)"
Try "Mid(""abc"", 1, Null)"
Try "Left(""abc"", Null)"
Try "InStr(0, Null, ""a"")"
Try "InStr(Null, ""a"", ""a"")"
Try "InStrRev(Null, ""a"", 0)"
Try "InStrRev(""abc"", ""a"", Null)"
Try "InStrRev(""abc"", Null)"
Try "Split(""a b"", "" "", -2)"
Try "Split(Null)"
Try "Join(Array(1, 2), Null)"
Try "MonthName(""a"", Null)"
Try "MonthName(Null)"
Try "MonthName(13)"
Try "WeekdayName(1, False, 8)"
Try "Replace(Null, ""a"", ""b"")"
Try "Replace(""abc"", ""a"", ""b"", 0)"
Try "Replace(""abc"", ""a"", ""b"", 1, -2)"
Try "StrComp(""a"", ""b"", 3)"
Try "String(-1, ""a"")"
Try "String(2, """")"
Try "Space(-1)"
Try "Chr(256)"
Try "ChrW(65536)"
Try "Asc("""")"
Try "Sqr(-1)"
Try "Log(0)"
Try "Exp(710)"
Try "Sgn(Null)"
Try "Abs(Null)"
Try "Round(1.5, -1)"
Try "Round(CCur(""922337203685477.5807""))"
Try "Int(CCur(""-922337203685477.5808""))"
Try "CInt(32767.5)"
Try "CLng(""a"")"
Try "DateSerial(10000, 1, 1)"
Try "DateSerial(2000, 1, 32768)"
Try "TimeSerial(0, -32769, 0)"
Try "DateAdd(""yyyy"", 1E9, #1/1/2000#)"
Try "DateAdd(""q"", 2147483647, #1/1/2000#)"
Try "DateAdd(""m"", -2147483647, #1/1/2000#)"
Try "DateAdd(""ww"", 2147483647, #1/1/2000#)"
Try "DateAdd(""s"", 1E15, #1/1/2000#)"
Try "DateAdd(""x"", 1, #1/1/2000#)"
Try "DateDiff(""s"", #1/1/100#, #12/31/9999#)"
Try "DateDiff(""n"", #1/1/100#, #12/31/9999#)"
Try "DatePart(""ww"", #1/1/2000#, 8)"
' An argument left out between commas is not given where the function has a default for it;
' where it is required the function gets the missing-argument value, which converts to nothing.
Try "Mid(""abc"", 2, )"
Try "Replace(""abcb"", ""b"", ""x"", , 1)"
Try "InStr(, ""abc"", ""b"")"
Try "InStr(, ""a"")"
Try "Left(, 2)"
Try "Len(, )"
