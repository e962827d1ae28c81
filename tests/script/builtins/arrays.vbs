' Array, Split, Join, Filter, LBound and UBound.
Sub Try(label)
    If Err.Number <> 0 Then
        WScript.Echo label & ": error " & Err.Number
        Err.Clear
    Else
        WScript.Echo label & ": no error"
    End If
End Sub

a = Array(1, "two", 3.5)
WScript.Echo "Array: " & UBound(a) & " " & LBound(a) & " " & a(1) & " " & TypeName(a) & " " & VarType(a)
e = Array()
WScript.Echo "Empty Array: " & UBound(e) & " " & IsArray(e)

s = Split("a,b,,c", ",")
WScript.Echo "Split: " & UBound(s) & " [" & s(0) & "|" & s(1) & "|" & s(2) & "|" & s(3) & "] " & TypeName(s) & " " & VarType(s)
' Split's array holds strings: a number stored in it becomes text, so "10" < "9" and + joins.
n = Split("10 9") : n(0) = CInt(n(0)) : n(1) = n(1) * 1
ReDim Preserve n(2)
WScript.Echo "String array: " & TypeName(n(0)) & " " & (n(0) < n(1)) & " " & (n(0) + n(1)) & " " & TypeName(n(2))
s = Split("a b  c")
WScript.Echo "Split default: " & UBound(s) & " " & Join(s, "|")
s = Split("a,b,c", ",", 2)
WScript.Echo "Split count: " & UBound(s) & " " & s(1)
s = Split("aXbxc", "x", -1, vbTextCompare)
WScript.Echo "Split text: " & Join(s, "|")
WScript.Echo "Split no delimiter: " & UBound(Split("abc", "")) & " " & Split("abc", "")(0)
WScript.Echo "Split empty: " & UBound(Split("")) & " " & UBound(Split("a,b", ",", 0))
WScript.Echo "Split multi-char: " & Join(Split("a<>b<>", "<>"), "|") & " " & UBound(Split(",", ","))

WScript.Echo "Join: " & Join(Array("a", 1, Null, Empty, True), "-") & " [" & Join(Array(), ",") & "] " & Join(Array("x", "y"))

fruit = Array("apple", "Banana", "cherry")
WScript.Echo "Filter: " & Join(Filter(fruit, "an"), ",") & " / " & Join(Filter(fruit, "A", True, vbTextCompare), ",") & " / " & Join(Filter(fruit, "an", False), ",")
WScript.Echo "Filter none: " & UBound(Filter(fruit, "zz")) & " " & TypeName(Filter(fruit, "a"))

Dim grid(2, 4)
WScript.Echo "Bounds 2D: " & UBound(grid) & " " & UBound(grid, 1) & " " & UBound(grid, 2) & " " & LBound(grid, 2)

On Error Resume Next
x = UBound(a, 2) : Try "UBound dimension 2"
x = UBound(a, 0) : Try "UBound dimension 0"
x = UBound("abc") : Try "UBound string"
x = LBound(5) : Try "LBound number"
x = Join("abc") : Try "Join string"
x = Join(Null) : Try "Join Null"
x = Split("a", ",", -2) : Try "Split count -2"
x = Filter("apple", "a") : Try "Filter string"
