' options: --memory-limit 64
' Growing past the engine's memory cap raises error 7, which On Error catches; the variable being
' assigned keeps its value and the script goes on.
Dim s, a, d, i, ok
On Error Resume Next
s = String(2e9, "x") : WScript.Echo "String 2e9", Err.Number, Err.Description : Err.Clear
s = Space(2e9) : WScript.Echo "Space 2e9", Err.Number : Err.Clear
s = Space(5e7) : WScript.Echo "Space 5e7", Err.Number : Err.Clear
ReDim a(1e9) : WScript.Echo "ReDim 1e9", Err.Number : Err.Clear
ReDim a(2147483647) : WScript.Echo "ReDim 2147483647", Err.Number : Err.Clear
ReDim a(5e6) : WScript.Echo "ReDim 5e6", Err.Number : Err.Clear
ReDim a(10) : a(10) = "kept"
ReDim Preserve a(5e6) : WScript.Echo "ReDim Preserve", Err.Number, a(10) : Err.Clear

s = "x"
For i = 1 To 40
  s = s & s
  If Err.Number Then Exit For
Next
WScript.Echo "doubling", Err.Number, Len(s) > 1000000 : Err.Clear
s = Empty

Set d = CreateObject("Scripting.Dictionary")
For i = 1 To 100000000
  d.Add i, Empty
  If Err.Number Then Exit For
Next
WScript.Echo "Dictionary", Err.Number, d.Count = i - 1 : Err.Clear
d.RemoveAll

Set d = CreateObject("System.Collections.ArrayList")
For i = 1 To 100000000
  d.Add Empty
  If Err.Number Then Exit For
Next
WScript.Echo "ArrayList", Err.Number, d.Count = i - 1 : Err.Clear
d.Clear

s = CreateObject("Scripting.FileSystemObject").OpenTextFile("/dev/zero").ReadAll
WScript.Echo "ReadAll", Err.Number : Err.Clear

' What was freed counts no more.
s = Space(2e7)
WScript.Echo "after", Err.Number, Len(s)
