' UTF-8 with a byte order mark.
WScript.Echo "über", AscW("ü")
