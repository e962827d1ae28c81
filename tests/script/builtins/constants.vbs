' Every intrinsic constant: its value and subtype, and that a script cannot assign to it.
Dim names, name
names = Array( _
    "vbBlack", "vbRed", "vbGreen", "vbYellow", "vbBlue", "vbMagenta", "vbCyan", "vbWhite", _
    "vbBinaryCompare", "vbTextCompare", "vbDatabaseCompare", _
    "vbSunday", "vbMonday", "vbTuesday", "vbWednesday", "vbThursday", "vbFriday", "vbSaturday", _
    "vbUseSystem", "vbUseSystemDayOfWeek", "vbFirstJan1", "vbFirstFourDays", "vbFirstFullWeek", _
    "vbGeneralDate", "vbLongDate", "vbShortDate", "vbLongTime", "vbShortTime", _
    "vbObjectError", _
    "vbOKOnly", "vbOKCancel", "vbAbortRetryIgnore", "vbYesNoCancel", "vbYesNo", "vbRetryCancel", _
    "vbCritical", "vbQuestion", "vbExclamation", "vbInformation", _
    "vbDefaultButton1", "vbDefaultButton2", "vbDefaultButton3", "vbDefaultButton4", _
    "vbApplicationModal", "vbSystemModal", "vbMsgBoxHelpButton", "vbMsgBoxSetForeground", _
    "vbMsgBoxRight", "vbMsgBoxRtlReading", _
    "vbOK", "vbCancel", "vbAbort", "vbRetry", "vbIgnore", "vbYes", "vbNo", _
    "vbUseDefault", "vbTrue", "vbFalse", _
    "vbEmpty", "vbNull", "vbInteger", "vbLong", "vbSingle", "vbDouble", "vbCurrency", "vbDate", _
    "vbString", "vbObject", "vbError", "vbBoolean", "vbVariant", "vbDataObject", "vbDecimal", _
    "vbByte", "vbArray")
For Each name In names
    WScript.Echo name & " = " & Eval(name) & " " & TypeName(Eval(name))
Next

' The string constants, by their character codes.
names = Array("vbCr", "vbLf", "vbCrLf", "vbNewLine", "vbTab", "vbVerticalTab", "vbFormFeed", _
              "vbNullChar", "vbNullString")
Dim s, i, codes
For Each name In names
    s = Eval(name)
    codes = ""
    For i = 1 To Len(s)
        codes = codes & " " & AscW(Mid(s, i, 1))
    Next
    WScript.Echo name & " (" & TypeName(s) & ", " & Len(s) & "):" & codes
Next

' Names are case-insensitive.
WScript.Echo VBMSGBOXRIGHT & " " & vbmsgboxsetforeground

On Error Resume Next
For Each name In Array("vbTab", "vbRed", "vbMsgBoxRight", "vbObjectError")
    Execute name & " = 1"
    WScript.Echo name & " = 1: error " & Err.Number & ", still " & Eval(name)
    Err.Clear
Next
