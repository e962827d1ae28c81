' Length, slicing, case, trimming and padding, with the edge cases scripts trip over.
Sub Try(label)
    If Err.Number <> 0 Then
        WScript.Echo label & ": error " & Err.Number
        Err.Clear
    Else
        WScript.Echo label & ": no error"
    End If
End Sub

WScript.Echo "Len: " & Len("hello") & " " & Len("") & " " & Len(12345) & " " & Len(-1.5) & " " & Len(Empty)
WScript.Echo "Len(Null): " & TypeName(Len(Null))
WScript.Echo "Left: [" & Left("Hello", 2) & "] [" & Left("Hello", 10) & "] [" & Left("Hello", 0) & "]"
WScript.Echo "Right: [" & Right("Hello", 3) & "] [" & Right("Hi", 5) & "]"
WScript.Echo "Mid: [" & Mid("Hello", 2, 3) & "] [" & Mid("Hello", 2) & "] [" & Mid("Hello", 9) & "] [" & Mid("Hello", 5, 10) & "]"
WScript.Echo "Numbers as text: " & Left(12345, 2) & " " & Mid(3.25, 2)
WScript.Echo "Null in: " & TypeName(Left(Null, 1)) & " " & TypeName(Right(Null, 1)) & " " & TypeName(Mid(Null, 1)) & " " & TypeName(UCase(Null)) & " " & TypeName(Trim(Null))
WScript.Echo "Case: " & UCase("mIxEd 1") & " " & LCase("mIxEd 1")
WScript.Echo "Trim: [" & Trim("  a b  ") & "] [" & LTrim("  a b  ") & "] [" & RTrim("  a b  ") & "]"
WScript.Echo "Trim keeps tabs: " & Len(Trim(vbTab & " x " & vbTab))
WScript.Echo "Space: [" & Space(3) & "] [" & Space(0) & "]"
WScript.Echo "String: " & String(3, "ab") & " " & String(3, 65) & " " & String(2, 321) & " [" & String(0, "x") & "]"
WScript.Echo "String Null: " & TypeName(String(Null, "a")) & " " & TypeName(String(2, Null))
WScript.Echo "StrReverse: " & StrReverse("abc") & " [" & StrReverse("") & "]"

On Error Resume Next
x = Left("abc", -1) : Try "Left negative"
x = Right("abc", -1) : Try "Right negative"
x = Mid("abc", 0) : Try "Mid start 0"
x = Mid("abc", 1, -1) : Try "Mid negative length"
x = Left("abc", Null) : Try "Left Null length"
x = Left("abc", 1E+10) : Try "Left huge length"
x = Space(-1) : Try "Space negative"
x = String(-1, "a") : Try "String negative"
x = String(2, "") : Try "String empty"
x = StrReverse(Null) : Try "StrReverse Null"
x = UCase(Array(1)) : Try "UCase array"
x = Len(Array(1)) : Try "Len array"
x = Mid("abc", 4) : Try "Mid past the end"
