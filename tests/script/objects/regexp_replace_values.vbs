' Replace converts a replacement that is not a string as COM does (a Boolean is -1 or 0, Null
' does not convert), and calls a function given in its place for every match.
Option Explicit
Dim re, calls
Set re = New RegExp
re.Pattern = "o"
re.Global = True
WScript.Echo re.Replace("foo", True) & " " & re.Replace("foo", False) & " " & re.Replace("foo", 5) & " " & re.Replace("foo", 2.5) & " [" & re.Replace("foo", Empty) & "]"
re.Pattern = "1"
WScript.Echo re.Replace(True, "one") & " " & re.Test(-1)
On Error Resume Next
WScript.Echo re.Replace("a1", Null)
WScript.Echo "Null: " & Err.Number & " " & Err.Description
Err.Clear
On Error GoTo 0

Function Swap(m, first, second, position, source)
    calls = calls + 1
    Swap = second & first & "@" & position
    re.Pattern = "never used by this Replace"
End Function
Class Upper
    Public Default Function Convert(m, position, source)
        Convert = UCase(m) & Len(source)
    End Function
End Class
re.Pattern = "(\w)(\w)"
WScript.Echo re.Replace("ab cd e", GetRef("Swap")) & " " & calls
re.Pattern = "[aeiou]"
WScript.Echo re.Replace("banana", New Upper)
re.Global = False
WScript.Echo re.Replace("banana", New Upper) & " " & re.Replace("xyz", New Upper)
