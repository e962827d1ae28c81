' A Ctrl-Z, as DOS editors ended a file, ends the script's text.
WScript.Echo "before the end mark"
