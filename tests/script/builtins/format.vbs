' FormatNumber, FormatCurrency, FormatPercent and FormatDateTime in United States English.
Sub Try(label)
    If Err.Number <> 0 Then
        WScript.Echo label & ": error " & Err.Number
        Err.Clear
    Else
        WScript.Echo label & ": no error"
    End If
End Sub

WScript.Echo "FormatNumber: " & FormatNumber(1234567.891) & " " & FormatNumber(-1234.5, 1) & " " & FormatNumber(12, 0) & " " & FormatNumber(999.999)
WScript.Echo "FormatNumber edge: " & FormatNumber(Empty) & " " & FormatNumber("1234") & " " & FormatNumber(0.001) & " " & FormatNumber(1.5, -1) & " " & FormatNumber(1E+15, 0)
WScript.Echo "FormatNumber rounding: " & FormatNumber(2.5, 0) & " " & FormatNumber(0.5, 0) & " " & FormatNumber(-0.125, 2) & " " & FormatNumber(1.005, 2)
WScript.Echo "FormatNumber leading digit: " & FormatNumber(0.5, 2, vbFalse) & " " & FormatNumber(-0.5, 2, vbFalse) & " " & FormatNumber(0.5, 2, vbTrue)
WScript.Echo "FormatNumber parens: " & FormatNumber(-1, 2, vbTrue, vbTrue) & " " & FormatNumber(-1, 2, vbTrue, vbFalse) & " " & FormatNumber(1, 2, vbTrue, vbTrue)
WScript.Echo "FormatNumber grouping: " & FormatNumber(1234.5, 2, vbTrue, vbFalse, vbFalse) & " " & FormatNumber(1234.5, , , , vbFalse) & " " & FormatNumber(1234.5, 2, vbUseDefault, vbUseDefault, vbUseDefault)
WScript.Echo "FormatCurrency: " & FormatCurrency(1234.5) & " " & FormatCurrency(-1234.5) & " " & FormatCurrency(-1, 2, vbTrue, vbFalse) & " " & FormatCurrency(0.125) & " " & FormatCurrency(5, 0) & " " & FormatCurrency(CCur(12345.6789))
' A Currency keeps all its digits, where a Double shows 15.
WScript.Echo "Currency digits: " & FormatCurrency(CCur("922337203685477.5807")) & " " & FormatNumber(CCur("-922337203685477.5808"), 4) & " " & FormatPercent(CCur("12345678901234.5678"), 2)
WScript.Echo "FormatPercent: " & FormatPercent(0.5) & " " & FormatPercent(1) & " " & FormatPercent(-0.1234, 1) & " " & FormatPercent(0.25, 0)

WScript.Echo "Documented: " & FormatNumber(1 / Cos(1.3), 4) & " " & FormatPercent(2 / 32) & " " & FormatCurrency(1000)

d = #12/8/2026 1:05:09 PM#
WScript.Echo "FormatDateTime: " & FormatDateTime(d) & " | " & FormatDateTime(d, vbLongDate) & " | " & FormatDateTime(d, vbShortDate) & " | " & FormatDateTime(d, vbLongTime) & " | " & FormatDateTime(d, vbShortTime)
WScript.Echo "FormatDateTime midnight: " & FormatDateTime(#12/8/2026#, vbLongTime) & " | " & FormatDateTime(#12:07:00 AM#, vbShortTime) & " | " & FormatDateTime(#12/8/2026#)
WScript.Echo "FormatDateTime old: " & FormatDateTime(#7/4/1776#, vbLongDate) & " | " & FormatDateTime(0, vbShortDate) & " | " & FormatDateTime(#2/3/100#, vbShortDate) & " | " & FormatDateTime(#2/3/100#, vbLongDate)

On Error Resume Next
x = FormatNumber("abc") : Try "FormatNumber text"
x = FormatNumber(1, -2) : Try "FormatNumber digits -2"
x = FormatDateTime(d, 5) : Try "FormatDateTime format 5"
x = FormatDateTime("not a date") : Try "FormatDateTime text"
