' TypeName, VarType, the Is* functions and the intrinsic constants.
Set nothingAtAll = Nothing
Set dict = CreateObject("Scripting.Dictionary")
WScript.Echo "TypeName: " & TypeName(Empty) & " " & TypeName(Null) & " " & TypeName(1) & " " & TypeName(100000) & " " & TypeName(1.5) & " " & TypeName(CSng(1)) & " " & TypeName(CCur(1)) & " " & TypeName(#1/1/2000#) & " " & TypeName("") & " " & TypeName(True) & " " & TypeName(CByte(1))
WScript.Echo "TypeName objects: " & TypeName(nothingAtAll) & " " & TypeName(dict) & " " & TypeName(Array()) & " " & TypeName(Split("a"))
WScript.Echo "VarType: " & VarType(Empty) & " " & VarType(Null) & " " & VarType(1) & " " & VarType(100000) & " " & VarType(1.5) & " " & VarType(CSng(1)) & " " & VarType(CCur(1)) & " " & VarType(#1/1/2000#) & " " & VarType("") & " " & VarType(nothingAtAll) & " " & VarType(True) & " " & VarType(CByte(1)) & " " & VarType(Array()) & " " & VarType(Split("a"))
Set re = New RegExp
re.Pattern = "b+"
Set found = re.Execute("abbc")
' An object answers its default property's VarType: a Match's Value is a String.
WScript.Echo "VarType of objects: " & VarType(found(0)) & " " & VarType(dict) & " " & VarType(found)
WScript.Echo "VarType constants: " & (VarType(1) = vbInteger) & " " & (VarType("") = vbString) & " " & (VarType(Array()) = vbArray + vbVariant)
WScript.Echo "IsEmpty: " & IsEmpty(Empty) & " " & IsEmpty("") & " " & IsEmpty(undeclaredYet)
WScript.Echo "IsNull: " & IsNull(Null) & " " & IsNull(Empty)
WScript.Echo "IsArray: " & IsArray(Array()) & " " & IsArray("a")
WScript.Echo "IsObject: " & IsObject(dict) & " " & IsObject(nothingAtAll) & " " & IsObject(1)
WScript.Echo "IsNumeric: " & IsNumeric(" 12 ") & " " & IsNumeric("1,000.5") & " " & IsNumeric("&H10") & " " & IsNumeric("-1e3") & " " & IsNumeric("abc") & " " & IsNumeric("") & " " & IsNumeric(Empty) & " " & IsNumeric(Null) & " " & IsNumeric(#1/1/2000#) & " " & IsNumeric(True) & " " & IsNumeric(Array(1))
WScript.Echo "IsDate: " & IsDate("12/8/2026") & " " & IsDate(#1/1/2000#) & " " & IsDate("hello") & " " & IsDate(Null)

WScript.Echo "Line constants: " & Len(vbCrLf) & " " & Asc(vbCr) & " " & Asc(vbLf) & " " & (vbNewLine = vbCrLf) & " " & Asc(vbTab) & " " & Len(vbNullString) & " " & Asc(vbNullChar) & " " & Asc(vbFormFeed) & " " & Asc(vbVerticalTab)
WScript.Echo "Compare constants: " & vbBinaryCompare & " " & vbTextCompare & " " & vbDatabaseCompare
WScript.Echo "Tristate: " & vbUseDefault & " " & vbTrue & " " & vbFalse
WScript.Echo "vbObjectError: " & vbObjectError & " " & TypeName(vbObjectError)
WScript.Echo "VarType names: " & vbEmpty & " " & vbNull & " " & vbInteger & " " & vbLong & " " & vbSingle & " " & vbDouble & " " & vbCurrency & " " & vbDate & " " & vbString & " " & vbObject & " " & vbError & " " & vbBoolean & " " & vbVariant & " " & vbDataObject & " " & vbDecimal & " " & vbByte & " " & vbArray
WScript.Echo "Days: " & vbSunday & vbMonday & vbTuesday & vbWednesday & vbThursday & vbFriday & vbSaturday & " " & vbUseSystemDayOfWeek & " " & vbUseSystem & vbFirstJan1 & vbFirstFourDays & vbFirstFullWeek
WScript.Echo "Date formats: " & vbGeneralDate & vbLongDate & vbShortDate & vbLongTime & vbShortTime
WScript.Echo "MsgBox buttons: " & vbOKOnly & " " & vbOKCancel & " " & vbAbortRetryIgnore & " " & vbYesNoCancel & " " & vbYesNo & " " & vbRetryCancel & " " & vbCritical & " " & vbQuestion & " " & vbExclamation & " " & vbInformation
WScript.Echo "MsgBox defaults: " & vbDefaultButton1 & " " & vbDefaultButton2 & " " & vbDefaultButton3 & " " & vbDefaultButton4 & " " & vbApplicationModal & " " & vbSystemModal
WScript.Echo "MsgBox answers: " & vbOK & vbCancel & vbAbort & vbRetry & vbIgnore & vbYes & vbNo
WScript.Echo "Colours: " & vbBlack & " " & vbRed & " " & vbGreen & " " & vbYellow & " " & vbBlue & " " & vbMagenta & " " & vbCyan & " " & vbWhite
