' ADODB.Stream, as scripts use it for UTF-8 files and raw bytes: text in a character set with its
' byte-order mark, lines by LineSeparator, binary data as byte strings, ADO's errors.
Option Explicit
Dim fso, path, s, t, u, b
Set fso = CreateObject("Scripting.FileSystemObject")
path = fso.BuildPath(fso.GetSpecialFolder(2), "tarvik-" & fso.GetTempName)

Set s = CreateObject("ADODB.Stream")
WScript.Echo TypeName(s) & " " & s.State & " " & s.Type & " " & s.Charset & " " & s.LineSeparator
s.Type = 2
s.Charset = "utf-8"
s.Open
s.WriteText "héllo", 1
s.WriteText "wörld"
WScript.Echo s.State & " " & s.Size & " " & s.Position & " " & s.EOS
s.SaveToFile path, 2
s.Close
' Read back: the mark is skipped, lines come apart at the separator, counts are in characters.
s.Open
s.Charset = "UTF-8"
s.LoadFromFile path
WScript.Echo s.Size & " [" & s.ReadText(-2) & "] [" & s.ReadText(2) & "] [" & s.ReadText & "] " & s.EOS
s.Position = 0
s.SkipLine
WScript.Echo "[" & s.ReadText(-1) & "]"
s.Close

' Unicode by default: UTF-16LE with its mark; another separator.
Set u = CreateObject("ADODB.Stream")
u.Open
u.LineSeparator = 10
u.WriteText "a", 1
u.WriteText "b"
WScript.Echo u.Size
u.Position = 0
WScript.Echo "[" & u.ReadText(-2) & "] [" & u.ReadText(-2) & "]"
u.Close

' Binary: the file starts with UTF-8's mark; the bytes as LenB, MidB and AscB see them; Null at the end; Write puts them back.
s.Type = 1
s.Open
s.LoadFromFile path
b = s.Read(3)
WScript.Echo LenB(b) & " " & Hex(AscB(MidB(b, 1, 1))) & Hex(AscB(MidB(b, 2, 1))) & Hex(AscB(MidB(b, 3, 1))) & " " & s.Position
b = s.Read
WScript.Echo LenB(b) & " " & IsNull(s.Read) & " " & s.EOS
Set t = CreateObject("ADODB.Stream")
t.Type = 1
t.Open
t.Write b
t.Position = 0
t.Type = 2
t.Charset = "utf-8"
WScript.Echo "[" & Replace(t.ReadText, vbCrLf, "|") & "] " & t.Size
' CopyTo and SetEOS: the rest of one stream into another, a stream cut at its position.
s.Position = 3
t.Position = 0
t.Type = 1
t.SetEOS
s.CopyTo t, 6
WScript.Echo t.Size & " " & s.Position
t.Close

' Any character set Windows knows by name: one byte a letter in windows-1251, '?' for what it lacks.
Set u = CreateObject("ADODB.Stream")
u.Charset = "windows-1251"
u.Open
u.WriteText "Привет €" & ChrW(&H4E2D)
u.Position = 0
WScript.Echo u.Size & " " & u.ReadText(6) & " [" & u.ReadText & "]"
u.Position = 0
u.Type = 1
WScript.Echo Hex(AscB(MidB(u.Read(1), 1, 1)))
u.Close

On Error Resume Next
s.ReadText
WScript.Echo "text from a binary stream: " & Err.Number & " " & Err.Source & " " & Err.Description
Err.Clear
s.Type = 2
WScript.Echo "type away from the start: " & Err.Number
Err.Clear
s.Open
WScript.Echo "open twice: " & Err.Number & " " & Err.Description
Err.Clear
s.Close
s.Read
WScript.Echo "read when closed: " & Err.Number & " " & Err.Description
Err.Clear
s.Open
s.SaveToFile path
WScript.Echo "save over a file without leave: " & Err.Number & " " & Err.Description
Err.Clear
s.LoadFromFile path & ".missing"
WScript.Echo "load a missing file: " & Err.Number & " " & Err.Description
Err.Clear
s.Charset = "klingon"
WScript.Echo "unknown charset: " & Err.Number
Err.Clear
s.Position = 99
WScript.Echo "position past the end: " & Err.Number
Err.Clear
On Error GoTo 0
fso.DeleteFile path
