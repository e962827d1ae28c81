' The pattern language is JavaScript's: classes, quantifiers, anchors, escapes and case folding.
Option Explicit

Function Found(pattern, flags, subject)
    Dim re, m, out
    Set re = New RegExp
    re.Pattern = pattern
    re.Global = True
    re.IgnoreCase = InStr(flags, "i") > 0
    re.Multiline = InStr(flags, "m") > 0
    out = ""
    For Each m In re.Execute(subject)
        out = out & "[" & m.Value & "]"
    Next
    Found = pattern & " " & flags & "-> " & out
End Function

Function Replaced(pattern, subject)
    Dim re
    Set re = New RegExp
    re.Pattern = pattern
    re.Global = True
    Replaced = pattern & " -> " & re.Replace(subject, "#")
End Function

WScript.Echo Found("[a-c]+", "", "abcxcab")
WScript.Echo Found("[^a-c]+", "", "abcxcab")
WScript.Echo Found("[.]", "", "a.b")
WScript.Echo Found("\d{2,3}", "", "1 12 1234")
WScript.Echo Found("<.+?>", "", "<a><b>")
WScript.Echo Found("<.+>", "", "<a><b>")
WScript.Echo Found("a+?", "", "aaa")
WScript.Echo Found("(\w)\1", "", "aabbcd")
WScript.Echo Found("(['""])(.*?)\1", "", "say 'hi' or ""yo""")
WScript.Echo Found("\bcat\b", "", "cat concat cat.")
WScript.Echo Found("colou?r", "i", "Color COLOUR colr")
WScript.Echo Found("(?:ab)+", "", "ababx")
WScript.Echo Found("a(?=b)", "", "ab ac")
WScript.Echo Found("a(?!b)\w", "", "ab ac")
WScript.Echo Found("\u0041\x42\103", "", "ABC")
WScript.Echo Found("\w+", "", "café")
WScript.Echo Found("\bcaf\b", "", "café caff")
WScript.Echo Found("\B\w+", "", "élan")
WScript.Echo Found("\d+", "", ChrW(&H661) & ChrW(&H662) & "12")
WScript.Echo Found("ÉTÉ", "i", "un été chaud")
WScript.Echo Found("[à-ÿ]+", "i", "ÀÉÎ")
WScript.Echo Found("^\w+$", "", "one" & vbCrLf & "two")
WScript.Echo Found("^\w+$", "m", "one" & vbCrLf & "two" & vbLf & "three")
WScript.Echo Found("^t", "m", "one" & vbLf & "two" & vbLf & "three")
WScript.Echo Found("o$", "", "two" & vbLf & "o")
WScript.Echo Found("end$", "", "the end" & vbLf)
WScript.Echo Replaced(".", "a" & vbTab & "b" & vbLf & "c")
WScript.Echo Replaced("[^]", "ab")
WScript.Echo Replaced("\s+", "a  " & vbTab & " b")
WScript.Echo Replaced("\D", "a1b2")
WScript.Echo Replaced("\W", "a-b_c")
WScript.Echo Replaced("\S+", "ab cd")
WScript.Echo Replaced("a|", "bab")
' A hyphen next to \d \w \s in a class is itself, as in the well-known address check.
WScript.Echo Found("^[\w-\.]+@([\w-]+\.)+[\w-]{2,4}$", "", "joe.x-y@mail.co.uk")
WScript.Echo Found("[\d-z]+", "", "12-z a")
WScript.Echo Found("[a-\s]+", "", "a- b")
WScript.Echo Found("[\x41-C\u0044]+", "", "ABCDE")

' Multiline "^" and "$" take CR and LF each as a line end, inside a CR LF pair too.
Function Lines(pattern, subject)
    Dim re
    Set re = New RegExp
    re.Pattern = pattern
    re.Global = True
    re.Multiline = True
    Lines = pattern & " -> " & Replace(Replace(re.Replace(subject, "#"), vbCr, "<CR>"), vbLf, "<LF>")
End Function

WScript.Echo Lines("^", "a" & vbCrLf & "b" & vbCr & "c" & vbLf & "d")
WScript.Echo Lines("$", "a" & vbCrLf & "b" & vbCr & "c" & vbLf & "d")
WScript.Echo Lines("^\n", "a" & vbCrLf & "b")
WScript.Echo Lines("\r$", "a" & vbCrLf & "b")
WScript.Echo Lines("^\s*$", "a" & vbCrLf & vbCrLf & "b")
