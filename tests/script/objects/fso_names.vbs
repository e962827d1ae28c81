' FileSystemObject's name functions work on the text alone, Windows paths included.
Option Explicit
Dim fso, t
Set fso = CreateObject("Scripting.FileSystemObject")
WScript.Echo TypeName(fso)
WScript.Echo fso.BuildPath("C:\brains", "memory.txt")
WScript.Echo fso.BuildPath("C:\brains\", "memory.txt")
WScript.Echo fso.GetFileName("C:\brains\memory.txt")
WScript.Echo fso.GetFileName("C:\brains\sub\")
WScript.Echo "[" & fso.GetFileName("C:\") & "]"
WScript.Echo fso.GetBaseName("C:\brains\memory.old.txt")
WScript.Echo fso.GetExtensionName("C:\brains\memory.old.txt")
WScript.Echo "[" & fso.GetExtensionName("C:\brains\README") & "]"
WScript.Echo fso.GetParentFolderName("C:\brains\memory.txt")
WScript.Echo fso.GetParentFolderName("C:\brains")
WScript.Echo "[" & fso.GetParentFolderName("memory.txt") & "]"
WScript.Echo fso.GetFileName("logs/today.log") & " " & fso.GetParentFolderName("logs/today.log")
WScript.Echo fso.GetDriveName("C:\brains\memory.txt") & " " & fso.GetDriveName("d:") & " [" & fso.GetDriveName("brains\memory.txt") & "] [" & fso.GetDriveName("\brains") & "]"
WScript.Echo fso.GetDriveName("\\server\share\brains\memory.txt")
t = fso.GetTempName
WScript.Echo Len(t) & " " & Left(t, 3) & " " & Right(t, 4)
WScript.Echo fso.GetAbsolutePathName("x\y\..\z.txt") = fso.BuildPath(fso.GetAbsolutePathName("x"), "z.txt")
On Error Resume Next
t = fso.GetFileName()
WScript.Echo "argument count: " & Err.Number
Err.Clear
t = fso.GetSpecialFolder(9)
WScript.Echo "special folder 9: " & Err.Number
Err.Clear
' The Windows and System folders are /usr and /usr/bin, the system's own programs' home.
WScript.Echo "special folders: " & fso.GetSpecialFolder(0).Path & " " & fso.GetSpecialFolder(1).Path & " " & fso.GetSpecialFolder(1).ParentFolder.Path & " " & Err.Number
Err.Clear
Set t = CreateObject("Scripting.NoSuchThing")
WScript.Echo "unknown class: " & Err.Number
