' System.Collections.Stack and Queue: last in first out and first in first out, For Each and
' ToArray in the order items come out, .NET's equality for Contains, its exceptions when empty.
Option Explicit
Dim st, q, x, s, c
Set st = CreateObject("System.Collections.Stack")
st.Push "a" : st.Push 2 : st.Push Nothing : st.Push "c"
WScript.Echo TypeName(st) & " " & st.Count & " " & st.Peek & " " & st.Count
s = ""
For Each x In st : s = s & "[" & x & "]" : Next
WScript.Echo s & " " & Join(st.ToArray, ",") & " " & UBound(st.ToArray)
WScript.Echo st.Contains("A") & " " & st.Contains("a") & " " & st.Contains(2) & " " & st.Contains("2") & " " & st.Contains(Empty)
WScript.Echo st.Pop & " " & IsEmpty(st.Pop) & " " & st.Pop & " " & st.Pop & " " & st.Count
Set q = CreateObject("System.Collections.Queue")
q.Enqueue "first" : q.Enqueue 2 : q.Enqueue "third"
Set c = q.Clone
WScript.Echo TypeName(q) & " " & q.Dequeue & " " & q.Peek & " " & q.Count & " " & Join(q.ToArray, ",") & " " & c.Count
s = ""
For Each x In c : s = s & x & ";" : Next
c.Clear
q.TrimToSize
WScript.Echo s & " " & c.Count & " " & q.Count

On Error Resume Next
x = st.Pop
WScript.Echo "Pop when empty: " & Err.Number & " " & Err.Source & " " & Err.Description
Err.Clear
x = c.Peek
WScript.Echo "Peek when empty: " & Err.Number & " " & Err.Description
Err.Clear
For Each x In q
    q.Enqueue "more"
Next
WScript.Echo "changed during For Each: " & Err.Number & " " & Err.Description
Err.Clear
st.TrimToSize
WScript.Echo "a Stack has no TrimToSize: " & Err.Number
On Error GoTo 0
