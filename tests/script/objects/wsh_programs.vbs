' WshShell.Run and Exec start programs, as under cscript. "cmd /c" (also through %ComSpec%) runs
' its command with this system's shell; cscript, wscript and .vbs files run this runner again;
' the command line splits into arguments as Windows splits it.
Option Explicit
Dim sh, fso, child, e, x, i
Set sh = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")
child = fso.BuildPath(fso.GetSpecialFolder(2), "tarvik-" & fso.GetTempName & ".vbs")
With fso.CreateTextFile(child)
    .WriteLine "Dim a, s : s = WScript.Arguments.Count"
    .WriteLine "For Each a In WScript.Arguments : s = s & ""|"" & a : Next"
    .WriteLine "If s = ""1|sleep"" Then WScript.Sleep 60000"
    .WriteLine "WScript.Echo s : If WScript.Arguments.Count = 2 Then WScript.StdErr.WriteLine ""to stderr""" : .WriteLine "WScript.Quit WScript.Arguments.Count + 40"
    .Close
End With

' Run: the exit code when waiting, 0 at once when not; the script's own output stays before the program's.
WScript.Echo "before"
WScript.Echo "Run waits: " & sh.Run("cmd /c exit 3", 0, True) & " " & sh.Run("%ComSpec% /C ""exit 4""", 1, True)
WScript.Echo "Run without waiting: " & sh.Run("cmd /c exit 5", 0, False) & " " & sh.Run("cmd.exe /c exit 6")
x = sh.Run("cmd /c echo from the program", 1, True)
WScript.Echo "after " & x
' cmd's nul device swallows output; no file named nul appears.
x = sh.Run("cmd /c echo hidden > nul&& echo hidden too 2>NUL 1>>nul", 0, True)
WScript.Echo "nul: " & x & " " & fso.FileExists("nul") & " " & fso.FileExists("NUL")
x = sh.Run("cscript //nologo """ & child & """ ""a b"" c\""d e\\f", 0, True)
WScript.Echo "cscript: " & x

' Exec: Status 0 then 1, ExitCode, and the program's output read line by line or whole.
Set e = sh.Exec("cscript //nologo """ & child & """ one ""two three""")
WScript.Echo TypeName(e) & " " & (e.ProcessID > 0) & " [" & e.StdOut.ReadLine & "] " & e.StdOut.AtEndOfStream & " [" & e.StdErr.ReadLine & "]"
Do While e.Status = 0 : WScript.Sleep 10 : Loop
WScript.Echo e.Status & " " & e.ExitCode & " " & e.StdErr.AtEndOfStream
Set e = sh.Exec("cmd /c echo one&& echo two&& exit 7")
WScript.Echo "[" & e.StdOut.ReadLine & "] [" & e.StdOut.ReadLine & "] " & e.StdOut.AtEndOfStream
Do Until e.Status = 1 : WScript.Sleep 10 : Loop
WScript.Echo "exit " & e.ExitCode
' StdIn reaches the program; closing it ends the program's input.
Set e = sh.Exec("sort")
e.StdIn.WriteLine "pear"
e.StdIn.WriteLine "apple"
e.StdIn.Close
WScript.Echo e.StdOut.ReadLine & " " & e.StdOut.ReadLine & " " & e.StdOut.AtEndOfStream
On Error Resume Next
x = e.StdOut.ReadLine
WScript.Echo "past the output: " & Err.Number
Err.Clear
e.StdOut.Write "x"
WScript.Echo "writing StdOut: " & Err.Number
Err.Clear
' Terminate ends a program that is still running.
Set e = sh.Exec("cscript //nologo """ & child & """ sleep")
WScript.Echo "running: " & e.Status
e.Terminate
Do Until e.Status = 1 : WScript.Sleep 10 : Loop
WScript.Echo "terminated: " & e.Status
' A program that is not there: "The system cannot find the file specified."
x = sh.Run("tarvik-no-such-program /x", 1, True)
WScript.Echo "Run missing: " & Hex(Err.Number) & " " & Err.Source & " " & Err.Description
Err.Clear
Set e = sh.Exec("""C:\No Such Folder\tool.exe""")
WScript.Echo "Exec missing: " & Hex(Err.Number) & " " & Err.Source
Err.Clear
On Error GoTo 0
fso.DeleteFile child
