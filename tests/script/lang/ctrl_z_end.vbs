' A Ctrl-Z, as DOS editors ended a file, ends the script's text; a NUL ends a text too, as it
' ends the string Windows hands its engine.
Execute "WScript.Echo ""before a NUL""" & Chr(0) & "not code"
WScript.Echo "before the end mark"
not code