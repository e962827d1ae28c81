' System.Collections.SortedList: pairs in the order of their keys (text in .NET's culture order,
' lower case first), reached by key or index; For Each gives DictionaryEntry pairs; Keys and
' Values follow the list; .NET's exceptions for a repeated, missing or incomparable key.
Option Explicit
Dim sl, e, s, k, c, x
Set sl = CreateObject("System.Collections.SortedList")
sl.Add "pear", 3
sl.Add "Apple", 1
sl.Add "apple", 2
sl("fig") = 4
sl.Item("pear") = 30
WScript.Echo TypeName(sl) & " " & sl.Count & " " & sl("pear") & " " & IsEmpty(sl("none")) & " " & sl.Count
s = ""
For Each e In sl : s = s & TypeName(e) & ":" & e.Key & "=" & e.Value & " " : Next
WScript.Echo s
WScript.Echo sl.GetKey(0) & " " & sl.GetByIndex(1) & " " & sl.IndexOfKey("fig") & " " & sl.IndexOfKey("kiwi") & " " & _
    sl.IndexOfValue(30) & " " & sl.ContainsKey("Apple") & " " & sl.Contains("APPLE") & " " & sl.ContainsValue(4)
Set k = sl.Keys
sl.SetByIndex 0, "one"
sl.Remove "fig"
sl.Remove "kiwi"
sl.RemoveAt 0
s = ""
For Each c In k : s = s & c & " " : Next
WScript.Echo s & k.Count & " " & k(0) & " " & sl.Values(1) & " " & sl.GetValueList.Count
' Numbers order as numbers; keys of another type cannot be compared with them.
Set c = CreateObject("System.Collections.SortedList")
c.Add 10, "ten" : c.Add 9, "nine" : c.Add 100, "hundred"
WScript.Echo c.GetKey(0) & " " & c.GetKey(2) & " " & c.Clone.Count
On Error Resume Next
c.Add "10", "text"
WScript.Echo "a text key among numbers: " & Err.Number & " " & Err.Source & " " & Err.Description
Err.Clear
c.Add 9, "again"
WScript.Echo "repeated key: " & Err.Number & " " & Err.Description
Err.Clear
c.Add Empty, "none"
WScript.Echo "Empty key: " & Err.Number
Err.Clear
x = c.GetByIndex(3)
WScript.Echo "index past the end: " & Err.Number
Err.Clear
For Each e In c
    c.Add 1, "one"
Next
WScript.Echo "changed during For Each: " & Err.Number
On Error GoTo 0
