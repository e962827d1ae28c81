' WshShell's registry: there is none here, so the script's writes go to a registry of the user's own
' ($XDG_CONFIG_HOME/tarvik/registry, pointed at a scratch folder for this test) and read back with
' WSH's types and errors. First Microsoft's own example for RegWrite, RegRead and RegDelete.
Option Explicit
Dim sh, fso, store, x, v
Set sh = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")
store = fso.BuildPath(fso.GetSpecialFolder(2), "tarvik-" & fso.GetBaseName(fso.GetTempName))
fso.CreateFolder store
sh.Environment("PROCESS")("XDG_CONFIG_HOME") = store

sh.RegWrite "HKCU\Software\ACME\FortuneTeller\", 1, "REG_BINARY"
sh.RegWrite "HKCU\Software\ACME\FortuneTeller\MindReader", "Goocher!", "REG_SZ"
x = sh.RegRead("HKCU\Software\ACME\FortuneTeller\")
WScript.Echo TypeName(x) & " " & UBound(x) & " " & TypeName(x(0)) & " " & x(0) & x(1) & x(2) & x(3)
WScript.Echo sh.RegRead("HKCU\Software\ACME\FortuneTeller\MindReader")
sh.RegDelete "HKCU\Software\ACME\FortuneTeller\MindReader"
sh.RegDelete "HKCU\Software\ACME\FortuneTeller\"
sh.RegDelete "HKCU\Software\ACME\"

' Roots in full or abbreviated, names in any case; REG_SZ when no type is given; a DWORD reads
' as a Long; text keeps tabs, line ends and backslashes; a new value replaces the old.
sh.RegWrite "HKEY_LOCAL_MACHINE\Software\Tarvik\Count", "42", "REG_DWORD"
sh.RegWrite "HKLM\Software\Tarvik\Text", "a" & vbTab & "b\c" & vbCrLf & "%TEMP%", "REG_EXPAND_SZ"
sh.RegWrite "HKCR\.tarvik\", 7
sh.RegWrite "HKCR\.tarvik\", "replaced"
x = sh.RegRead("hklm\SOFTWARE\tarvik\count")
v = sh.RegRead("HKLM\Software\Tarvik\Text")
WScript.Echo TypeName(x) & " " & x & " " & (v = "a" & vbTab & "b\c" & vbCrLf & "%TEMP%") & " " & sh.RegRead("HKEY_CLASSES_ROOT\.TARVIK\")

On Error Resume Next
x = sh.RegRead("HKCU\Software\ACME\")
WScript.Echo "read a deleted key: " & Hex(Err.Number) & " " & Err.Source & " " & Err.Description
Err.Clear
x = sh.RegRead("HKLM\Software\Tarvik\Missing")
WScript.Echo "read a missing value: " & Hex(Err.Number) & " " & Err.Description
Err.Clear
sh.RegWrite "HKU\Software\x", 1
WScript.Echo "unknown root: " & Hex(Err.Number) & " " & Err.Source & " " & Err.Description
Err.Clear
sh.RegWrite "HKCU\Software\x", "a", "REG_MULTI_SZ"
WScript.Echo "REG_MULTI_SZ: " & Hex(Err.Number)
Err.Clear
sh.RegWrite "HKCU\Software\x", "not a number", "REG_DWORD"
WScript.Echo "DWORD of text: " & Err.Number
Err.Clear
' A key with keys below it stays, as does a root.
sh.RegDelete "HKLM\Software\"
WScript.Echo "delete a key with subkeys: " & Hex(Err.Number) & " " & Err.Source & " " & Err.Description
Err.Clear
sh.RegDelete "HKLM\Software\Tarvik\Missing"
WScript.Echo "delete a missing value: " & Hex(Err.Number)
Err.Clear
On Error GoTo 0
sh.RegDelete "HKLM\Software\Tarvik\Count"
sh.RegDelete "HKLM\Software\Tarvik\"
WScript.Echo fso.FileExists(fso.BuildPath(store, "tarvik\registry"))
fso.DeleteFolder store
