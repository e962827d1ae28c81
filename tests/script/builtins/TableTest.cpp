// Every name resolves, in any case: a mis-sorted table would lose some.
#include "Call.h"
#include "script/values/text.h"

using namespace vbs;
using namespace vbs::test;

TEST(Table, EveryFunctionResolves) {
    const char16_t* names[] = {
        u"Abs", u"Array", u"Asc", u"AscB", u"AscW", u"Atn", u"CBool", u"CByte", u"CCur", u"CDate",
        u"CDbl", u"Chr", u"ChrB", u"ChrW", u"CInt", u"CLng", u"Cos", u"CreateObject", u"CSng",
        u"CStr", u"Date", u"DateAdd", u"DateDiff", u"DatePart", u"DateSerial", u"DateValue", u"Day",
        u"Escape", u"Exp", u"Filter", u"Fix", u"FormatCurrency", u"FormatDateTime", u"FormatNumber",
        u"FormatPercent", u"GetLocale", u"GetObject", u"Hex", u"Hour", u"InputBox", u"InStr",
        u"InStrB", u"InStrRev", u"Int", u"IsArray", u"IsDate", u"IsEmpty", u"IsNull", u"IsNumeric",
        u"IsObject", u"Join", u"LBound", u"LCase", u"Left", u"LeftB", u"Len", u"LenB", u"Log",
        u"LTrim", u"Mid", u"MidB", u"Minute", u"Month", u"MonthName", u"MsgBox", u"Now", u"Oct",
        u"Randomize", u"Replace", u"RGB", u"Right", u"RightB", u"Rnd", u"Round", u"RTrim",
        u"ScriptEngine", u"ScriptEngineBuildVersion", u"ScriptEngineMajorVersion",
        u"ScriptEngineMinorVersion", u"Second", u"SetLocale", u"Sgn", u"Sin", u"Space", u"Split",
        u"Sqr", u"StrComp", u"String", u"StrReverse", u"Tan", u"Time", u"Timer", u"TimeSerial",
        u"TimeValue", u"Trim", u"TypeName", u"UBound", u"UCase", u"Unescape", u"VarType", u"Weekday",
        u"WeekdayName", u"Year",
    };
    for (const char16_t* n : names) {
        const Builtin* b = findBuiltin(n);
        ASSERT_NE(b, nullptr) << String(n).toUtf8();
        EXPECT_EQ(b->name, std::u16string_view(n));
        EXPECT_EQ(findBuiltin(upper(n).view()), b);
    }
    EXPECT_EQ(findBuiltin(u"Eval"), nullptr);
    EXPECT_EQ(findBuiltin(u"Lenn"), nullptr);
    EXPECT_EQ(findBuiltin(u""), nullptr);
    EXPECT_EQ(findBuiltin(u"array")->maxArgs, -1);
    EXPECT_EQ(findBuiltin(u"mid")->minArgs, 2);
    EXPECT_EQ(findBuiltin(u"mid")->maxArgs, 3);
}

TEST(Table, EveryConstantResolves) {
    const char16_t* names[] = {
        u"vbCrLf", u"vbCr", u"vbLf", u"vbNewLine", u"vbTab", u"vbNullString", u"vbNullChar",
        u"vbFormFeed", u"vbVerticalTab", u"vbBinaryCompare", u"vbTextCompare", u"vbDatabaseCompare",
        u"vbObjectError", u"vbUseDefault", u"vbTrue", u"vbFalse", u"vbEmpty", u"vbNull", u"vbInteger",
        u"vbLong", u"vbSingle", u"vbDouble", u"vbCurrency", u"vbDate", u"vbString", u"vbObject",
        u"vbError", u"vbBoolean", u"vbVariant", u"vbDataObject", u"vbDecimal", u"vbByte", u"vbArray",
        u"vbSunday", u"vbMonday", u"vbTuesday", u"vbWednesday", u"vbThursday", u"vbFriday",
        u"vbSaturday", u"vbFirstJan1", u"vbFirstFourDays", u"vbFirstFullWeek", u"vbUseSystem",
        u"vbUseSystemDayOfWeek", u"vbGeneralDate", u"vbLongDate", u"vbShortDate", u"vbLongTime",
        u"vbShortTime", u"vbOKOnly", u"vbOKCancel", u"vbAbortRetryIgnore", u"vbYesNoCancel",
        u"vbYesNo", u"vbRetryCancel", u"vbCritical", u"vbQuestion", u"vbExclamation",
        u"vbInformation", u"vbDefaultButton1", u"vbDefaultButton2", u"vbDefaultButton3",
        u"vbDefaultButton4", u"vbApplicationModal", u"vbSystemModal", u"vbOK", u"vbCancel",
        u"vbAbort", u"vbRetry", u"vbIgnore", u"vbYes", u"vbNo", u"vbBlack", u"vbRed", u"vbGreen",
        u"vbYellow", u"vbBlue", u"vbMagenta", u"vbCyan", u"vbWhite",
    };
    for (const char16_t* n : names) {
        Value v;
        EXPECT_TRUE(findConstant(n, v)) << String(n).toUtf8();
        EXPECT_TRUE(findConstant(lower(n).view(), v)) << String(n).toUtf8();
    }
    Value v;
    EXPECT_FALSE(findConstant(u"vbNothing", v));
    EXPECT_FALSE(findConstant(u"Len", v));
}

TEST(Table, ConstantValuesAndSubtypes) {
    Value v;
    findConstant(u"vbCrLf", v);
    EXPECT_EQ(v.strView(), u"\r\n");
    findConstant(u"vbNullChar", v);
    EXPECT_EQ(v.strView(), std::u16string_view(u"\0", 1));
    findConstant(u"vbTextCompare", v);
    EXPECT_EQ(v.type, Type::Integer);
    EXPECT_EQ(v.i16, 1);
    findConstant(u"vbObjectError", v);
    EXPECT_EQ(v.type, Type::Long);
    EXPECT_EQ(v.i32, -2147221504);
    findConstant(u"vbRed", v);
    EXPECT_EQ(v.i32, 255);
    findConstant(u"vbBlue", v);
    EXPECT_EQ(v.i32, 0xFF0000);
    findConstant(u"vbArray", v);
    EXPECT_EQ(v.i16, 8192);
    findConstant(u"vbUseDefault", v);
    EXPECT_EQ(v.i16, -2);
    findConstant(u"vbDefaultButton3", v);
    EXPECT_EQ(v.i16, 512);
}
