' Date parts, DateSerial/TimeSerial, names, and DateAdd/DateDiff/DatePart over every interval.
Sub Try(label)
    If Err.Number <> 0 Then
        WScript.Echo label & ": error " & Err.Number
        Err.Clear
    Else
        WScript.Echo label & ": no error"
    End If
End Sub

d = #12/8/2026 1:05:09 PM#
WScript.Echo "Parts: " & Year(d) & " " & Month(d) & " " & Day(d) & " " & Hour(d) & " " & Minute(d) & " " & Second(d) & " " & Weekday(d) & " " & Weekday(d, vbMonday)
WScript.Echo "Parts of text: " & Year("3/4/1999") & " " & Month("3/4/1999") & " " & TypeName(Year(Null))
WScript.Echo "DateValue/TimeValue: " & DateValue(d) & " / " & TimeValue(d)
WScript.Echo "From text: " & DateValue("31-Jan-10") & " / " & DateValue("February 12, 1969") & " / " & DateValue("12/30/1991 10:00") & " / " & TimeValue("4:35:17 PM")
WScript.Echo "DateSerial: " & DateSerial(2000, 13, 1) & " " & DateSerial(2000, 3, 0) & " " & DateSerial(99, 1, 1) & " " & DateSerial(29, 1, 1) & " " & DateSerial(2000, 1, -1) & " " & CDbl(DateSerial(1899, 12, 29))
WScript.Echo "TimeSerial: " & TimeSerial(13, 5, 9) & " " & TimeSerial(0, 90, 0) & " " & TimeSerial(12, 0, 0)
WScript.Echo "MonthName: " & MonthName(2) & " " & MonthName(9, True) & " " & MonthName(12, False)
WScript.Echo "WeekdayName: " & WeekdayName(1) & " " & WeekdayName(1, True, vbMonday) & " " & WeekdayName(7, False, vbMonday)

WScript.Echo "DateAdd m: " & DateAdd("m", 1, #1/31/2000#) & " " & DateAdd("m", -13, #1/15/2000 10:00:00 AM#)
WScript.Echo "DateAdd yyyy/q: " & DateAdd("yyyy", 1, #2/29/2000#) & " " & DateAdd("q", 1, #11/30/2000#)
WScript.Echo "DateAdd d/y/w/ww: " & DateAdd("d", -1, #1/1/2000#) & " " & DateAdd("y", 1, #1/1/2000#) & " " & DateAdd("w", 1, #1/1/2000#) & " " & DateAdd("ww", 2, #1/1/2000#)
WScript.Echo "DateAdd rounds the number: " & DateAdd("d", 1.6, #1/1/2000#) & " / " & DateAdd("h", 0.4, #1/1/2000 5:00:00 AM#) & " / " & DateAdd("m", 1, "31-Jan-96")
WScript.Echo "DateAdd h/n/s: " & DateAdd("h", 25, #1/1/2000#) & " / " & DateAdd("n", -1, #1/1/2000#) & " / " & DateAdd("s", 90, #1/1/2000#)
WScript.Echo "DateAdd before 1900: " & DateAdd("m", 1, #1/31/1850#) & " / " & DateAdd("d", 1, #12/29/1899 6:00:00 AM#) & " / " & CDbl(DateAdd("h", 6, #12/29/1899#))

WScript.Echo "DateDiff yyyy/q/m: " & DateDiff("yyyy", #12/31/2000#, #1/1/2001#) & " " & DateDiff("q", #3/31/2000#, #4/1/2000#) & " " & DateDiff("m", #1/31/2000#, #2/1/2000#) & " " & DateDiff("m", #3/1/2000#, #3/31/1999#)
WScript.Echo "DateDiff d/y: " & DateDiff("d", #1/1/2000 11:00:00 PM#, #1/2/2000 1:00:00 AM#) & " " & DateDiff("y", #1/2/2000#, #1/1/2000#) & " " & DateDiff("d", #1/1/1900#, #1/1/2000#)
WScript.Echo "DateDiff w/ww: " & DateDiff("w", #1/1/2000#, #1/7/2000#) & " " & DateDiff("w", #1/1/2000#, #1/8/2000#) & " " & DateDiff("ww", #1/1/2000#, #1/2/2000#) & " " & DateDiff("ww", #1/1/2000#, #1/2/2000#, vbMonday)
WScript.Echo "DateDiff h/n/s: " & DateDiff("h", #1:59:00 AM#, #2:00:00 AM#) & " " & DateDiff("n", #1:00:59 AM#, #1:01:00 AM#) & " " & DateDiff("s", #1/1/2000#, #1/2/2000#)
WScript.Echo "DateDiff before 1900: " & DateDiff("h", #12/29/1899 11:00:00 PM#, #12/30/1899 1:00:00 AM#) & " " & DateDiff("d", #7/4/1776#, #1/1/1800#)
WScript.Echo "DateDiff Null: " & TypeName(DateDiff("d", Null, #1/1/2000#))

p = #5/1/2000 1:05:09 PM#
WScript.Echo "DatePart: " & DatePart("yyyy", p) & " " & DatePart("q", p) & " " & DatePart("m", p) & " " & DatePart("y", p) & " " & DatePart("d", p) & " " & DatePart("w", p) & " " & DatePart("w", p, vbMonday) & " " & DatePart("h", p) & " " & DatePart("n", p) & " " & DatePart("s", p)
WScript.Echo "DatePart y: " & DatePart("y", #12/31/2000#) & " " & DatePart("y", #12/31/1999#)
WScript.Echo "DatePart ww: " & DatePart("ww", #1/1/2000#) & " " & DatePart("ww", #1/2/2000#) & " " & DatePart("ww", #12/31/2000#)
WScript.Echo "DatePart ww four days: " & DatePart("ww", #1/2/2000#, vbMonday, vbFirstFourDays) & " " & DatePart("ww", #1/3/2000#, vbMonday, vbFirstFourDays)
WScript.Echo "DatePart ww four days, year end: " & DatePart("ww", #12/29/2003#, vbMonday, vbFirstFourDays) & " " & DatePart("ww", #12/30/2003#, vbMonday, vbFirstFourDays) & " " & DatePart("ww", #12/31/2002#, vbMonday, vbFirstFourDays) & " " & DatePart("ww", #12/31/2007#, vbMonday, vbFirstFourDays) & " " & DatePart("ww", #12/31/2020#, vbMonday, vbFirstFourDays)
WScript.Echo "DatePart ww full week: " & DatePart("ww", #1/1/2000#, vbSunday, vbFirstFullWeek) & " " & DatePart("ww", #1/8/2000#, vbSunday, vbFirstFullWeek) & " " & DatePart("ww", #1/9/2000#, vbSunday, vbFirstFullWeek)

On Error Resume Next
x = DateAdd("x", 1, #1/1/2000#) : Try "DateAdd bad interval"
x = DateAdd("yyyy", 9000, #1/1/2000#) : Try "DateAdd past 9999"
x = DateAdd("d", Null, #1/1/2000#) : Try "DateAdd Null number"
x = DateDiff("dd", #1/1/2000#, #1/1/2000#) : Try "DateDiff bad interval"
x = DatePart("ww", #1/1/2000#, 1, 4) : Try "DatePart bad first week"
x = Weekday(#1/1/2000#, 8) : Try "Weekday bad first day"
x = MonthName(13) : Try "MonthName 13"
x = WeekdayName(0) : Try "WeekdayName 0"
x = Month("not a date") : Try "Month of text"
x = DateSerial(Null, 1, 1) : Try "DateSerial Null"
