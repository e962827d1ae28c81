' Conversions where Windows departs from the plain rules.
Sub Show(label, v)
    If Err.Number <> 0 Then
        WScript.Echo label & ": error " & Err.Number
        Err.Clear
    Else
        WScript.Echo label & ": [" & v & "] " & TypeName(v)
    End If
End Sub

Sub Try(code)
    On Error Resume Next
    Dim x
    x = Eval(code)
    Show code, x
End Sub

' "#TRUE#" and "#FALSE#" read as Booleans, in any case, wherever a Boolean is wanted.
Try "CBool(""#TRUE#"") & CBool(""#false#"") & CBool(""#True#"")"
Try "Not ""#TRUE#"""
Try """#FALSE#"" Or True"
Try """#true#"" And True"
Dim s
s = "#TRUE#"
If s Then WScript.Echo "If #TRUE#: taken"
s = "#FALSE#"
If Not s Then WScript.Echo "If Not #FALSE#: taken"
' Only as Booleans: they are no numbers.
Try "CInt(""#TRUE#"")"
Try "CBool(""#TRUE"")"

' True is -1, but CByte takes it as 255; the other conversions keep -1.
Try "CByte(True)"
Try "CByte(False)"
Try "CByte(-1)"
Try "CInt(True) & CLng(True) & CSng(True) & CDbl(True) & CCur(True)"
Try "TypeName(CSng(True)) & TypeName(CCur(False))"

' CDate takes numeric text as a day serial, as it takes numbers.
Try "CDate(""1"")"
Try "CDate(""-1"")"
Try "CDate("" 2.5E0 "")"
Try "CDate(""1e3"")"
Try "CDate(1)"
Try "CDate(2.75)"
Try "CDate(""x1"")"

' Round keeps the subtype: Boolean, Integer, Long, Currency, Byte stay; strings give a Double.
Try "Round(True)"
Try "Round(False)"
Try "Round(CInt(7))"
Try "Round(CLng(7))"
Try "Round(CCur(2.5))"
Try "Round(CByte(9))"
Try "Round(""2.5"")"
Try "Round(CSng(1.5))"

' A Single meets a Double widened, with its binary error: 0.1 as a Single is not 0.1.
Try "CSng(0.1) = 0.1"
Try "CSng(0.5) = 0.5"
Try "CSng(0.1) = CDbl(CSng(0.1))"

' An object with a default member is used through it.
Class Num
    Public Default Property Get Value
        Value = 42
    End Property
End Class
Class Txt
    Public Default Function Value()
        Value = "7"
    End Function
End Class
Class Plain
    Public X
End Class
Dim n, t, p
Set n = New Num
Set t = New Txt
Set p = New Plain
Show "IsNumeric(Num)", IsNumeric(n)
Show "IsNumeric(Txt)", IsNumeric(t)
Show "IsNumeric(Plain)", IsNumeric(p)
Show "IsNumeric(Nothing)", IsNumeric(Nothing)
Show "CSng CDbl CInt CStr", CSng(n) & " " & CDbl(n) & " " & CInt(n) & " " & CStr(n)
Show "Len(Num)", Len(n)
Show "Num & 1", n & 1
Show "Num + Txt", n + t
Show "Num * 2", n * 2

' CCur reads decimal text exactly, to the ends of its range.
Try "CCur(""922337203685477.5807"")"
Try "CCur("" -922337203685477.5808 "")"
Try "CCur(""922337203685477.5808"")"
Try "CCur(""922337203685477"")"
Try "CCur(""1.23456"")"

' A Single meets a Double as the Double it converts to exactly: CSng(0.1) is 0.100000001490116.
Try "(CSng(0.1) = 0.1) & (CSng(0.5) = 0.5) & (CSng(0.1) > 0.1) & (CSng(0.1) = CDbl(CSng(0.1))) & (CSng(16777217) = 16777217)"
' The C functions read an object through its default property.
Class Box
    Public Default Property Get Value() : Value = 2.5 : End Property
End Class
Set box = New Box
Show "default member", CSng(box) & " " & TypeName(CSng(box)) & " " & CInt(box) & " " & CStr(box)
' A conversion used as a statement converts (its own error first), then fails with 458; asking
' Randomize for a value fails so too. MsgBox and Randomize as statements are fine.
On Error Resume Next
Call CInt(1) : Show "Call CInt(1)", 0
CStr 1 : Show "CStr 1", 0
Call CLng("x") : Show "Call CLng(""x"")", 0
CDate Null : Show "CDate Null", 0
r = Randomize(0) : Show "r = Randomize(0)", r
Randomize 0 : Call Randomize(0) : Show "Randomize as a statement", r
On Error GoTo 0
