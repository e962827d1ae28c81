' A Ctrl-Z, as DOS editors ended a file, ends the script's text, also inside a comment; a NUL
' ends a text too, as it ends the string Windows hands its engine.
Execute "WScript.Echo ""before a NUL""" & Chr(0) & "not code"
WScript.Echo "before the end mark" ' the mark ends this comment not code
WScript.Echo "not run"
