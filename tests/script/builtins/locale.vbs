' SetLocale and what follows the locale on Windows: the decimal point of CStr and CDbl, date order
' and forms, Format*, month and day names, the first day and week. Date literals stay US English.
WScript.Echo "Ids: " & GetLocale & " " & SetLocale(2057) & " " & SetLocale("de-DE") & " " & SetLocale("fr") & " " & GetLocale & " " & SetLocale("es-mx") & " " & SetLocale() & " " & GetLocale & " " & SetLocale("ru-ru") & " " & SetLocale(0) & " " & TypeName(SetLocale(1033))

d = #12/9/2026 13:04:05#
For Each id In Array("en-us", "en-gb", "de-de", "fr-fr", "nl-nl")
    SetLocale id
    WScript.Echo id & ": " & 1234.5 & " " & CSng(0.5) & " " & CCur(2.25) & " | " & d & " | " & DateValue(d) & " | " & FormatDateTime(d, vbLongDate) & " | " & FormatDateTime(d, vbLongTime)
    WScript.Echo id & ": " & FormatNumber(-1234567.891) & " | " & FormatCurrency(-1234.5) & " | " & FormatCurrency(1234.5, 0) & " | " & FormatPercent(-0.256, 1) & " | " & FormatCurrency(-1, 2, , vbTrue)
    WScript.Echo id & ": " & MonthName(3) & " " & MonthName(3, True) & " " & WeekdayName(4) & " " & WeekdayName(4, True) & " " & WeekdayName(1, False, vbUseSystemDayOfWeek) & " " & Weekday(d, vbUseSystemDayOfWeek) & " " & DatePart("ww", #1/1/2021#, vbUseSystemDayOfWeek, vbUseSystem)
    ' What the locale writes, it reads back.
    WScript.Echo id & ": " & (CDate(CStr(d)) = d) & " " & (CDate(FormatDateTime(d, vbLongDate)) = DateValue(d)) & " " & (CDbl(CStr(-1234.5)) = -1234.5) & " " & CDbl(FormatNumber(1234.5)) & " " & CDbl(FormatCurrency(1234.5)) & " " & IsNumeric(FormatNumber(-2.5))
Next

' A month after a day number takes the form the language gives it there ("9 декабря", "Декабрь").
For Each id In Array("es-es", "pt-br", "sv-se", "da-dk", "nb-no", "ru-ru")
    SetLocale id
    WScript.Echo id & ": " & FormatDateTime(d, vbLongDate) & " | " & (CDate(FormatDateTime(d, vbLongDate)) = DateValue(d)) & " " & (CDate(CStr(d)) = d) & " " & CDbl(FormatCurrency(-1234.5)) & " " & DateValue(d) & " " & FormatCurrency(-1234.5) & " " & MonthName(12)
Next

' Text is read the locale's way at run time, even where it is written as a literal.
SetLocale 1031
WScript.Echo "de read: " & CDbl("1,5") & " " & CDbl("1.234,5") & " " & CDbl("1.5") & " " & ("1,5" + 1) & " " & IsNumeric("2,5") & " " & CCur("12,3456") & " " & CDbl("3 €")
WScript.Echo "de dates: " & CDate("09.12.2026") & " | " & CDate("9.12.26 13:04") & " | " & CDate("1/2/2026") & " | " & CDate("3. März 2026") & " | " & CDate("Dezember 2026") & " | " & #1/2/2026# & " | " & IsDate("31.12.2026")
SetLocale "sv-se"
WScript.Echo "sv dates: " & CDate("26-12-09") & " " & CDate("12-09") & " " & CDate("9/12/2026")
SetLocale "en-us"
WScript.Echo "us read: " & CDbl("1,5") & " " & CDate("1/2/2026") & " " & IsDate("31.12.2026") & " " & ("1.5" + 1)

On Error Resume Next
x = SetLocale(12345) : WScript.Echo "unknown id: " & Err.Number & " " & GetLocale : Err.Clear
x = SetLocale("xx-yy") : WScript.Echo "unknown name: " & Err.Number & " " & GetLocale : Err.Clear
