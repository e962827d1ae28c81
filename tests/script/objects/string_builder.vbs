' System.Text.StringBuilder: members under the names COM gives .NET's overloads, calls that chain,
' .NET's composite formatting in AppendFormat, and its exceptions as Err shows them.
Option Explicit
Dim sb, f
Set sb = CreateObject("System.Text.StringBuilder")
WScript.Echo TypeName(sb) & " " & sb.Length & " " & sb.Capacity & " " & sb.MaxCapacity
sb.Append("ab").Append_3("cd").Append "---"
WScript.Echo sb.ToString() & " " & sb.Length & " [" & sb & "]"
sb.AppendLine("x").AppendLine_2 "y"
WScript.Echo Replace(sb.ToString, vbCrLf, "|") & " " & sb.Length & " " & sb.Capacity
sb.Clear.Append_4 "hello world", 6, 5
sb.Insert 0, "say ", 2
sb.Insert_2 0, ">"
WScript.Echo sb.ToString & " " & sb.ToString(1, 3) & " " & sb.ToString_2(5, 3)
sb.Remove(0, 5).Replace("say", "SAY").Replace_2 "o", "0", 0, 5
WScript.Echo sb.ToString
sb.Length = 3
WScript.Echo sb.ToString & " " & sb.Length
sb.Length = 5
WScript.Echo Len(sb.ToString) & " " & AscW(Mid(sb.ToString, 5, 1)) & " " & sb.EnsureCapacity(100)

sb.Length = 0
sb.AppendFormat "{0}|{0,5}|{0,-5}|{{x}}", 42
sb.AppendFormat_2 " {0:N} {1:F3}", 1234.5678, -0.0004
sb.AppendFormat_3 " {0:D5} {1:X} {2:x4}", 42, -1, 255
WScript.Echo sb.ToString
sb.Length = 0
sb.AppendFormat_4 "{0:E} {1:e2} {2:P} {3:P1} {4:C} {5:C0} {6:G3} {7:G} {8} {8:R} {9:F0} {10:N0} {11} {12}", _
    Array(1234.5, 0.000123, 0.125, -0.5, 1234.567, -2.5, 1234.5, 1E+20, 1/3, 0.5, 123456789, 0.0001, 0.00001)
WScript.Echo sb.ToString
sb.Length = 0
sb.AppendFormat_5 Nothing, "{0} {1} {2} {3} [{4}] {5} {6}", Array(True, #1/2/2003#, #1/2/2003 13:04:05#, CByte(7), Null, 2.5, CSng(0.1))
WScript.Echo sb.ToString
sb.Length = 0
sb.AppendFormat_4 "{0:yyyy-MM-dd HH:mm:ss} {0:ddd d MMM yy h:mm tt} {0:dddd MMMM} {0:d} {0:s} {0:T}", Array(#3/4/2005 14:05:06#)
WScript.Echo sb.ToString
sb.Length = 0
sb.AppendFormat_4 "{0:00} {1:000.0} {2:#,##0.00} {3:0%} {4:0.##} {5:#;(#);zero} {6:#;(#);zero} {7:'n='0}", _
    Array(7, 3.14159, 1234567.891, 0.256, 2.5, -5, 0, 12)
WScript.Echo sb.ToString

On Error Resume Next
For Each f In Array("{0", "{1}", "}", "{0:Q}", "{0:D}", "{ 0}", "{0,}")
    Err.Clear
    sb.Length = 0
    sb.AppendFormat_4 "ok " & f, Array(1.5)
    WScript.Echo f & ": " & Err.Number & " " & Err.Description & " [" & sb.ToString & "]"
Next
Err.Clear : sb.Remove 2, 9 : WScript.Echo Err.Number & " " & Err.Source & " " & Err.Description
Err.Clear : sb.Remove -1, 1 : WScript.Echo Err.Number & " " & Err.Description
Err.Clear : sb.ToString 2, -1 : WScript.Echo Err.Number & " " & Err.Description
Err.Clear : sb.ToString 9, 0 : WScript.Echo Err.Number & " " & Err.Description
Err.Clear : sb.Insert 99, "x" : WScript.Echo Err.Number & " " & Err.Description
Err.Clear : sb.Length = -1 : WScript.Echo Err.Number & " " & Err.Description
Err.Clear : sb.Capacity = 1 : WScript.Echo Err.Number & " " & Err.Description
Err.Clear : sb.Replace "", "x" : WScript.Echo Err.Number & " " & Err.Description
Err.Clear : sb.AppendFormat_4 "{0}", 5 : WScript.Echo Err.Number & " " & Err.Description
Err.Clear : sb.AppendFormat_4 "{0}", Nothing : WScript.Echo Err.Number & " " & Err.Description
On Error GoTo 0
