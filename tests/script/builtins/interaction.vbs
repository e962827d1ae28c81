' Escape/Unescape, the engine's identity, locale, RGB and object creation.
Sub Try(label)
    If Err.Number <> 0 Then
        WScript.Echo label & ": error " & Err.Number
        Err.Clear
    Else
        WScript.Echo label & ": no error"
    End If
End Sub

WScript.Echo "Escape: " & Escape("a b+c/@*_-.") & " " & Escape(ChrW(228) & ChrW(8364) & vbLf) & " " & Escape("100%")
WScript.Echo "Unescape: " & Unescape("a%20b") & " " & AscW(Unescape("%u20AC")) & " " & Unescape("%u0041%42%zz%4") & " " & Unescape("100%")
WScript.Echo "Escape Null: " & TypeName(Escape(Null)) & " " & TypeName(Unescape(Null))
WScript.Echo "Round trip: " & (Unescape(Escape("x=1&y=" & ChrW(9786))) = "x=1&y=" & ChrW(9786))
WScript.Echo "Engine: " & ScriptEngine & " " & ScriptEngineMajorVersion & "." & ScriptEngineMinorVersion & " " & TypeName(ScriptEngineBuildVersion)
WScript.Echo "Locale: " & GetLocale & " " & SetLocale(1033) & " " & SetLocale("en-us") & " " & SetLocale(0) & " " & GetLocale
WScript.Echo "RGB: " & RGB(255, 0, 0) & " " & RGB(0, 255, 0) & " " & RGB(1, 2, 3) & " " & RGB(300, 0, 0) & " " & (RGB(0, 0, 255) = vbBlue)
Set d = CreateObject("Scripting.Dictionary")
WScript.Echo "CreateObject: " & TypeName(d) & " " & TypeName(CreateObject("scripting.dictionary"))
WScript.Echo "GetObject new: " & TypeName(GetObject("", "Scripting.Dictionary"))

On Error Resume Next
Set x = CreateObject("No.Such.Thing") : Try "CreateObject unknown"
Set x = GetObject("winmgmts:") : Try "GetObject"
Set x = GetObject(, "Scripting.Dictionary") : Try "GetObject running"
x = SetLocale(1031) : Try "SetLocale German"
x = SetLocale("fr-fr") : Try "SetLocale French"
x = SetLocale(&H7FFF) : Try "SetLocale unknown"
x = RGB(-1, 0, 0) : Try "RGB negative"
Set x = LoadPicture("none.bmp") : Try "LoadPicture"
