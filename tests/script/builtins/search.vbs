' InStr, InStrRev, StrComp and Replace in binary and text compare modes.
Sub Try(label)
    If Err.Number <> 0 Then
        WScript.Echo label & ": error " & Err.Number
        Err.Clear
    Else
        WScript.Echo label & ": no error"
    End If
End Sub

WScript.Echo "InStr: " & InStr("abcabc", "c") & " " & InStr(4, "abcabc", "c") & " " & InStr(7, "abcabc", "c") & " " & InStr("abc", "x")
WScript.Echo "InStr empty find: " & InStr("abc", "") & " " & InStr(3, "abc", "") & " " & InStr(4, "abc", "") & " " & InStr("", "")
WScript.Echo "InStr compare: " & InStr(1, "ABC", "b", vbTextCompare) & " " & InStr(1, "ABC", "b", vbBinaryCompare) & " " & InStr(1, "xABCabc", "bc", 1)
WScript.Echo "InStr Null: " & TypeName(InStr("abc", Null)) & " " & TypeName(InStr(Null, "a"))
WScript.Echo "InStr numbers: " & InStr(12345, 34)
' Binary search tests eight positions at a time, the last ones in a block overlapping those already
' seen: a match there before the start must not count, one after it must.
WScript.Echo "InStr blocks: " & InStr(4, "xabyyyyyyy", "ab") & " " & InStr(2, "xabyyyyyyy", "ab") & " " & InStr(4, "xabyyyyyab", "ab") & " " & InStr("yyyyyyyyyyyyyyyyyyab", "ab") & " " & InStr(12, "yabyyyyyyyyyyyyyyyyy", "ab")
WScript.Echo "InStrRev empty: " & InStrRev("", "") & " " & InStrRev("", "a")
WScript.Echo "InStrRev: " & InStrRev("abcabc", "c") & " " & InStrRev("abcabc", "c", 5) & " " & InStrRev("abc", "c", 10) & " " & InStrRev("abc", "")
WScript.Echo "InStrRev compare: " & InStrRev("ABCabc", "B", -1, vbTextCompare) & " " & InStrRev("ABCabc", "B")
WScript.Echo "StrComp: " & StrComp("a", "B") & " " & StrComp("a", "B", 1) & " " & StrComp("ABC", "abc", 1) & " " & StrComp("abc", "abcd") & " " & TypeName(StrComp("a", Null)) & " " & TypeName(StrComp("a", "b"))
' Text order is Windows' linguistic one: an accent counts less than the letter, symbols sort before digits, a hyphen least.
WScript.Echo "StrComp order: " & StrComp(ChrW(228), "b", 1) & " " & StrComp(ChrW(196), ChrW(228), 1) & " " & StrComp("~", "0", 1) & " " & StrComp("9", "a", 1) & " " & StrComp("co-op", "coop", 1) & " " & StrComp("r" & ChrW(233) & "sum" & ChrW(233), "resume", 1) & " " & StrComp("a_b", "a1b", 1) & " " & StrComp("{", "a", 0)
' A ligature weighs as its letters: "ß" is "ss" and "æ" is "ae" in text order, not in binary.
WScript.Echo "StrComp ligatures: " & StrComp("Stra" & ChrW(223) & "e", "STRASSE", 1) & " " & StrComp(ChrW(230), "AE", 1) & " " & StrComp(ChrW(223), "st", 1) & " " & StrComp(ChrW(223), "ss", 0)
' Searching in text mode matches a stretch as long as the text sought, letter for letter with case
' ignored: "ß" is not "ss" there, nor in a text-mode Dictionary, but accented capitals match.
Set keys = CreateObject("Scripting.Dictionary") : keys.CompareMode = vbTextCompare
keys("Stra" & ChrW(223) & "e") = 1 : keys("STRASSE") = 2 : keys(ChrW(196) & "pfel") = 3 : keys(ChrW(228) & "PFEL") = 4
WScript.Echo "Text search ligatures: " & InStr(1, "STRASSE", ChrW(223), 1) & " " & InStr(1, "Stra" & ChrW(223) & "e", "ss", 1) & " " & Replace(ChrW(196) & "rger " & ChrW(228) & "rger", ChrW(228), "a", 1, -1, 1) & " " & InStrRev("ab" & ChrW(201), ChrW(233), -1, 1) & " " & UBound(Filter(Array(ChrW(201) & "clair", "eclair"), ChrW(233) & "C", True, 1)) & " " & keys.Count
WScript.Echo "Replace: " & Replace("aXbXc", "X", "-") & " " & Replace("aXbXc", "x", "-") & " " & Replace("aXbXc", "x", "-", 1, -1, vbTextCompare)
WScript.Echo "Replace start: " & Replace("aXbXc", "X", "-", 3) & " [" & Replace("abc", "b", "x", 10) & "]"
WScript.Echo "Replace count: " & Replace("aXbXc", "X", "-", 1, 1) & " " & Replace("aXbXc", "X", "-", 1, 0)
WScript.Echo "Replace empty: " & Replace("abc", "", "-") & " " & Replace("abc", "b", "") & " " & Replace("aaa", "aa", "b")

On Error Resume Next
x = InStr(0, "abc", "a") : Try "InStr start 0"
x = InStr(Null, "abc", "a") : Try "InStr start Null"
x = InStr(1, "abc", "a", 3) : Try "InStr compare 3"
x = InStrRev("abc", "a", 0) : Try "InStrRev start 0"
x = Replace("abc", "b", "x", 0) : Try "Replace start 0"
x = Replace("abc", "b", "x", 1, -2) : Try "Replace count -2"
x = Replace(Null, "a", "b") : Try "Replace Null"
