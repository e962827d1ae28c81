' Scripting.Dictionary: every member, key kinds, compare modes, errors and For Each.
Option Explicit
Dim d, d2, k, a

Set d = CreateObject("Scripting.Dictionary")
WScript.Echo TypeName(d)
d.Add "apple", 1
d.Add "banana", 2
d("cherry") = 3
d.Item("date") = 4
WScript.Echo d.Count
WScript.Echo d("banana") & " " & d.Item("cherry")
WScript.Echo d.Exists("apple") & " " & d.Exists("APPLE") & " " & d.Exists("fig")

' Reading a missing key adds it, holding Empty.
WScript.Echo "[" & d("fig") & "] " & d.Count & " " & IsEmpty(d("fig"))
d.Remove "fig"

' Renaming keeps the entry's place.
d.Key("apple") = "apricot"
d("banana") = "two"
For Each k In d
    WScript.Echo k & "=" & d(k)
Next

a = d.Keys
WScript.Echo VarType(a) & " " & UBound(a) & " " & a(0) & " " & a(3)
a = d.Items
WScript.Echo VarType(a) & " " & Join(a, ",")

On Error Resume Next
d.Add "banana", 9
WScript.Echo "duplicate: " & Err.Number
Err.Clear
d.Remove "nothing"
WScript.Echo "remove missing: " & Err.Number
Err.Clear
d.Key("nothing") = "x"
WScript.Echo "rename missing: " & Err.Number
Err.Clear
d.Key("banana") = "cherry"
WScript.Echo "rename onto existing: " & Err.Number
Err.Clear
d.CompareMode = 1
WScript.Echo "mode when not empty: " & Err.Number
Err.Clear
d.Frobnicate
WScript.Echo "unknown member: " & Err.Number
Err.Clear
d.Add "only a key"
WScript.Echo "argument count: " & Err.Number
Err.Clear
On Error GoTo 0

d.RemoveAll
WScript.Echo d.Count & " " & UBound(d.Keys)

' Numbers of any subtype are one key; the string "1" is another.
d.Add 1, "number"
d.Add "1", "string"
WScript.Echo d.Count & " " & d(1) & " " & d("1") & " " & d(CLng(1)) & " " & d(CDbl(1)) & " " & d(CByte(1))
WScript.Echo d.Exists(1.5) & " " & d.Exists(Empty)

' Objects are keys by identity and items by reference.
Set d2 = CreateObject("Scripting.Dictionary")
d.Add d2, "object key"
WScript.Echo d.Exists(d2) & " " & d.Exists(CreateObject("Scripting.Dictionary"))
Set d.Item("inner") = d2
d("inner").Add "x", 1
WScript.Echo d2.Count & " " & TypeName(d("inner"))

' Empty matches both "" and 0, which stay apart from each other.
Set d = CreateObject("Scripting.Dictionary")
d.Add "", "blank"
d.Add 0, "zero"
WScript.Echo d.Count & " " & d.Exists(Empty) & " " & d.Exists(0.0)
On Error Resume Next
d.Add Empty, "nothing"
WScript.Echo "Empty onto a blank key: " & Err.Number
On Error GoTo 0

' Text mode: keys compare without regard to case.
Set d = CreateObject("Scripting.Dictionary")
WScript.Echo d.CompareMode
d.CompareMode = vbTextCompare
d.Add "Key", 1
d("KEY") = 2
WScript.Echo d.Exists("kEy") & " " & d.Count & " " & d("key") & " " & d.CompareMode
For Each k In d
    WScript.Echo k
Next
On Error Resume Next
d.Add "KEY", 3
WScript.Echo "duplicate in text mode: " & Err.Number
On Error GoTo 0

' A key removed and added again goes to the end; Keys and Items stay in step.
Set d = CreateObject("Scripting.Dictionary")
d.Add "a", 1
d.Add "b", 2
d.Add "c", 3
d.Remove "b"
WScript.Echo Join(d.Keys, ",") & " " & Join(d.Items, ",")
d.Add "b", 4
WScript.Echo Join(d.Keys, ",") & " " & Join(d.Items, ",") & " " & d.Keys()(2) & " " & d.Items()(0)

' Boolean and Date keys keep their subtype.
Set d = CreateObject("Scripting.Dictionary")
d.Add True, "yes"
d.Add #1/2/2000#, "date"
a = d.Keys
WScript.Echo TypeName(a(0)) & " " & TypeName(a(1)) & " " & d.Exists(True) & " " & d(#1/2/2000#)
WScript.Echo VarType(d.Count) & " " & VarType(d.Exists(True)) & " " & VarType(d.CompareMode) & " " & VarType(d.Items)
