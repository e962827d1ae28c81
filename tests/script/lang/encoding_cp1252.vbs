' Saved as Windows-1252: the bytes are not UTF-8.
WScript.Echo "café €", Len("café")
