' WScript.Shell, WScript.Network and Scriptlet.TypeLib, the WSH objects scripts use most.
Option Explicit
Dim sh, env, x, found, fso, here, tl, g, re, net
Set sh = WScript.CreateObject("WScript.Shell")
Set env = sh.Environment("PROCESS")
env("TARVIK_CHECK") = "value 1"
WScript.Echo sh.ExpandEnvironmentStrings("[%tarvik_check%] [%TARVIK_NO_SUCH_VAR%] [50%] [%%]")
WScript.Echo env("Tarvik_Check") & "|" & env.Item("TARVIK_NO_SUCH_VAR") & "|" & sh.Environment("Process")("TARVIK_CHECK")
found = False
For Each x In env
    If x = "TARVIK_CHECK=value 1" Then found = True
Next
WScript.Echo found & " " & (env.Count > 1)
env.Remove "TARVIK_CHECK"
WScript.Echo "[" & env("TARVIK_CHECK") & "]"

Set fso = CreateObject("Scripting.FileSystemObject")
here = sh.CurrentDirectory
WScript.Echo here = fso.GetAbsolutePathName(".")
sh.CurrentDirectory = fso.GetSpecialFolder(2).Path
WScript.Echo sh.CurrentDirectory = fso.GetSpecialFolder(2).Path, fso.GetAbsolutePathName("x") = fso.BuildPath(fso.GetSpecialFolder(2).Path, "x")
sh.CurrentDirectory = here
WScript.Echo fso.FileExists("wsh_objects.vbs") & " " & (sh.SpecialFolders("NoSuchFolder") = "") & " " & (sh.SpecialFolders("Desktop") <> "")

On Error Resume Next
x = sh.RegRead("HKCU\Software\Tarvik\NoSuchValue")
WScript.Echo "RegRead: " & Err.Number & " " & Err.Description
Err.Clear
' A script may start programs (wsh_programs.vbs has more); there is no Notepad here.
sh.Run "notepad.exe"
WScript.Echo "Run: " & Err.Number
Err.Clear
Set x = sh.Exec("cmd /c dir")
WScript.Echo "Exec: " & Err.Number
Err.Clear
' No other program's window is here to activate or type into: AppActivate finds none, and the
' keys SendKeys sends go nowhere.
WScript.Echo "AppActivate: " & sh.AppActivate("Notepad") & " " & Err.Number
sh.SendKeys "hello~"
WScript.Echo "SendKeys: " & Err.Number
' A shortcut is saved as text and read back; only .lnk and .url are shortcuts.
Dim link, again
Set link = sh.CreateShortcut(fso.GetSpecialFolder(2).Path & "	arvik-" & fso.GetBaseName(fso.GetTempName) & ".lnk")
WScript.Echo TypeName(link) & " " & link.WindowStyle & " [" & link.TargetPath & "] [" & link.IconLocation & "] " & fso.FileExists(link.FullName)
link.TargetPath = "C:\Tools\brain.exe"
link.Arguments = "/quiet ""my file"""
link.WindowStyle = 7
link.Save
Set again = sh.CreateShortcut(link.FullName)
WScript.Echo again.TargetPath & " | " & again.Arguments & " | " & again.WindowStyle & " " & fso.FileExists(link.FullName)
fso.DeleteFile link.FullName
Set link = sh.CreateShortcut(fso.GetSpecialFolder(2).Path & "	arvik-" & fso.GetBaseName(fso.GetTempName) & ".URL")
link.TargetPath = "http://example.com/"
link.Save
WScript.Echo TypeName(link) & " " & sh.CreateShortcut(link.FullName).TargetPath
fso.DeleteFile link.FullName
link.Arguments = "x"
WScript.Echo "URL shortcut Arguments: " & Err.Number
Err.Clear
Set link = sh.CreateShortcut("brain.txt")
WScript.Echo "CreateShortcut brain.txt: " & Err.Number & " " & Err.Description
Err.Clear
On Error GoTo 0
WScript.Echo "Popup answered " & sh.Popup("Shown like Echo", 0, "Title", 64)

Set net = CreateObject("WScript.Network")
WScript.Echo (Len(net.UserName) > 0) & " " & (net.ComputerName = UCase(net.ComputerName)) & " " & (net.UserDomain = net.ComputerName)
' The standard Windows variables this environment lacks name this system's places and names.
On Error Resume Next
env.Remove "TEMP"
env.Remove "OS"
On Error GoTo 0
WScript.Echo (sh.ExpandEnvironmentStrings("%TEMP%") = fso.GetSpecialFolder(2).Path) & " " & (env("USERNAME") = net.UserName) & " " & _
    (sh.ExpandEnvironmentStrings("%ComputerName%") = net.ComputerName) & " " & sh.ExpandEnvironmentStrings("%OS% %windir% %HOMEDRIVE%")
env("OS") = "Set here"
WScript.Echo sh.ExpandEnvironmentStrings("%OS%")
WScript.Echo "LogEvent: " & sh.LogEvent(4, "tarvik test: an information event")

' Guid: a new GUID per object, 38 characters and two NULs, upper-case hex.
Set tl = CreateObject("Scriptlet.TypeLib")
g = tl.Guid
Set re = New RegExp
re.Pattern = "^\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\}$"
WScript.Echo Len(g) & " " & re.Test(Left(g, 38)) & " " & AscW(Mid(g, 39, 1)) & AscW(Mid(g, 40, 1)) & " " & (tl.Guid = g) & " " & (CreateObject("Scriptlet.TypeLib").Guid = g)

' More of the variables every Windows session has, and SpecialFolders as the collection it is:
' Count, an index, For Each over the paths, any case of a name.
Dim n
WScript.Echo (CLng(env("NUMBER_OF_PROCESSORS")) >= 1) & " " & (env("PROCESSOR_ARCHITECTURE") <> "") & " " & _
    (InStr(env("PATHEXT"), ".VBS") > 0) & " " & (LCase(fso.GetFileName(env("ComSpec"))) = "cmd.exe")
n = 0
For Each x In sh.SpecialFolders
    If x = sh.SpecialFolders(n) Then n = n + 1
Next
WScript.Echo (n = sh.SpecialFolders.Count) & " " & (sh.SpecialFolders("mydocuments") = sh.SpecialFolders.Item("MyDocuments")) & " " & _
    (sh.SpecialFolders("Startup") <> "") & " " & (sh.SpecialFolders("AllUsersPrograms") <> "")
On Error Resume Next
x = sh.SpecialFolders(sh.SpecialFolders.Count)
WScript.Echo "SpecialFolders past the end: " & Err.Number
On Error GoTo 0

' A shortcut Windows wrote, in its binary form ([MS-SHLLINK]: header, LinkInfo with the local
' path, then the Unicode strings): CreateShortcut reads its settings as WSH shows them.
Function Le(ByVal n, size)
    Dim k
    Le = ""
    For k = 1 To size
        Le = Le & Chr(n And 255)
        n = n \ 256
    Next
End Function
Function Counted(text)
    Dim k
    Counted = Le(Len(text), 2)
    For k = 1 To Len(text) : Counted = Counted & Le(AscW(Mid(text, k, 1)), 2) : Next
End Function
Dim lnk, bytes
bytes = Le(&H4C, 4) & Chr(1) & Chr(&H14) & Chr(2) & String(5, Chr(0)) & Chr(&HC0) & String(6, Chr(0)) & Chr(&H46) & _
    Le(&HF6, 4) & Le(&H20, 4) & String(28, Chr(0)) & Le(2, 4) & Le(3, 4) & String(12, Chr(0)) & _
    Le(65, 4) & Le(28, 4) & Le(1, 4) & Le(28, 4) & Le(45, 4) & Le(0, 4) & Le(64, 4) & _
    Le(17, 4) & Le(3, 4) & Le(0, 4) & Le(16, 4) & Chr(0) & "C:\Tools\brain.exe" & Chr(0) & Chr(0) & _
    Counted("Brain launcher") & Counted("C:\Tools") & Counted("/quiet ""my file""") & Counted("C:\Tools\brain.ico") & Le(0, 4)
lnk = fso.BuildPath(fso.GetSpecialFolder(2), "tarvik-" & fso.GetBaseName(fso.GetTempName) & ".lnk")
With fso.CreateTextFile(lnk)
    .Write bytes
    .Close
End With
Set link = sh.CreateShortcut(lnk)
WScript.Echo link.TargetPath & " | " & link.Arguments & " | " & link.Description & " | " & link.WorkingDirectory & " | " & _
    link.IconLocation & " | " & link.WindowStyle & " " & (fso.GetFile(lnk).Size = Len(bytes))
fso.DeleteFile lnk

' Every special folder names a folder that is there (the home folder when this desktop lacks it),
' and the all-users ones are the user's own.
n = 0
For Each x In sh.SpecialFolders
    If fso.FolderExists(x) Then n = n + 1
Next
WScript.Echo (n = sh.SpecialFolders.Count) & " " & (sh.SpecialFolders("AllUsersDesktop") = sh.SpecialFolders("Desktop"))
' No drives are mapped and no printers connected here; connecting one fails as Windows fails for a
' share or printer it cannot find.
n = 0
For Each x In net.EnumNetworkDrives : n = n + 1 : Next
WScript.Echo n & " " & net.EnumNetworkDrives.Count & " " & net.EnumPrinterConnections.length
On Error Resume Next
net.MapNetworkDrive "Z:", "\\server\share"
WScript.Echo Hex(Err.Number) & " " & Err.Source & " " & Err.Description
Err.Clear
net.AddWindowsPrinterConnection "\\server\printer"
WScript.Echo Hex(Err.Number) & " " & Err.Source
Err.Clear
On Error GoTo 0
