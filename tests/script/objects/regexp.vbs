' RegExp: properties, Test, Execute with its collections, Replace and its tokens, errors.
Option Explicit
Dim re, ms, m, s, b

Set re = New RegExp
WScript.Echo TypeName(re)
WScript.Echo "[" & re.Pattern & "] " & re.Global & " " & re.IgnoreCase & " " & re.Multiline

re.Pattern = "(\w+)@(\w+)\.com"
re.Global = True
Set ms = re.Execute("mail bob@example.com and ann@test.com now")
WScript.Echo TypeName(ms) & " " & ms.Count
For Each m In ms
    WScript.Echo m.FirstIndex & " " & m.Length & " " & m.Value & " " & m.SubMatches(0) & " " & m.SubMatches.Item(1) & " " & m.SubMatches.Count
Next
Set m = ms.Item(1)
WScript.Echo TypeName(m) & " " & TypeName(m.SubMatches) & " " & m & " " & ms(0)
For Each s In m.SubMatches
    WScript.Echo "sub " & s
Next

' A Match and a SubMatches, and their walks, outlive the collection they came from.
Set m = re.Execute("x jo@a.com")(0)
Set ms = m.SubMatches
Set m = Nothing
For Each s In ms
    WScript.Echo "kept " & s
Next
For Each s In re.Execute("al@b.com")(0).SubMatches
    WScript.Echo "walked " & s
Next

' Without Global only the first match counts.
re.Global = False
WScript.Echo re.Execute("a@b.com c@d.com").Count

' A group that did not take part is Empty.
re.Pattern = "(a)|(b)"
Set ms = re.Execute("b")
WScript.Echo IsEmpty(ms(0).SubMatches(0)) & " " & ms(0).SubMatches(1)

re.Pattern = "^\d+$"
WScript.Echo re.Test("12345") & " " & re.Test("12a45")

re.Pattern = "(\w+) (\w+)"
WScript.Echo re.Replace("hello world foo bar", "$2 $1")
re.Global = True
WScript.Echo re.Replace("hello world foo bar", "$2 $1")
re.Pattern = "o"
WScript.Echo re.Replace("foo boo", "[$&]")
re.Pattern = "b"
WScript.Echo re.Replace("abc", "($`|$'|$$|$1)")
WScript.Echo re.Replace("abc", 5)
WScript.Echo re.Replace("xyz", "!")
re.Pattern = "x*"
WScript.Echo re.Replace("abc", "-")
re.Pattern = "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)"
WScript.Echo re.Replace("abcdefghijk", "$11$10$1")

re.Pattern = "HELLO"
re.IgnoreCase = True
WScript.Echo re.Test("say hello")
re.IgnoreCase = False
WScript.Echo re.Test("say hello")

On Error Resume Next
re.Pattern = "(unclosed"
b = re.Test("x")
WScript.Echo "bad pattern: " & Err.Number
Err.Clear
re.Pattern = "a"
Set ms = re.Execute("aa")
Set m = ms(2)
WScript.Echo "past the last match: " & Err.Number
Err.Clear
re.Frobnicate
WScript.Echo "unknown member: " & Err.Number
On Error GoTo 0

' $n past the group count stays as written; $nn falls back to $n and a digit.
Set re = New RegExp
re.Global = True
re.Pattern = "(a)"
WScript.Echo re.Replace("xax", "[$2|$1|$01|$10|$]")
' Test keeps no position from one call to the next, Global or not.
re.Pattern = "a"
WScript.Echo re.Test("a") & " " & re.Test("a") & " " & re.Execute("a").Count & " " & re.Test("a")
' An optional group that took no part is Empty in every match it missed.
re.Pattern = "(x)?(\d)"
Set ms = re.Execute("1x2")
WScript.Echo ms.Count & " " & IsEmpty(ms(0).SubMatches(0)) & " " & ms(1).SubMatches(0) & ms(1).SubMatches(1) & " " & ms(1).FirstIndex

' JavaScript's grammar rejects these (possessive quantifiers, inline flags, named groups). Windows
' names the mistake: 5018 a quantifier with nothing to repeat (the "?" of "(?i)" too), 5019 an
' unclosed "[", 5020 an unclosed "(", 5021 a range backwards, 5017 the rest.
Dim bad
On Error Resume Next
For Each bad In Array("a++", "a*+", "a{2}+", "a**", "(?i)a", "(?<n>a)", "(?>a)", "a{2,1}", "[b-a]", "^*", "(*ACCEPT)a", _
                      "*a", "a|*b", "[a", "[a\]", "(a", "((a)", "(?:a", "a)", "a\", "[\d-z]")
    Err.Clear
    re.Pattern = bad
    b = re.Test("aa")
    WScript.Echo bad & " " & Err.Number
Next
re.Multiline = True
Err.Clear
re.Pattern = "^*"
b = re.Test("aa")
WScript.Echo "multiline ^* " & Err.Number
re.Multiline = False
On Error GoTo 0
re.Pattern = "a{2}?b+?"
WScript.Echo re.Replace("aaabb", "#")
