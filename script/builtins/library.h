#pragma once
// Every built-in function, grouped by the file that implements it; table.cpp maps names to them.
#include "script/builtins/builtins.h"

namespace vbs::builtin {

// Used for the definitions too; not every function needs every parameter.
#define VBS_BUILTIN(name)                                                                   \
    void name([[maybe_unused]] Context& ctx, [[maybe_unused]] Value* args,                \
              [[maybe_unused]] int argc, [[maybe_unused]] Value& result)

// strings.cpp
VBS_BUILTIN(Len); VBS_BUILTIN(Left); VBS_BUILTIN(Right); VBS_BUILTIN(Mid);
VBS_BUILTIN(LCase); VBS_BUILTIN(UCase); VBS_BUILTIN(LTrim); VBS_BUILTIN(RTrim); VBS_BUILTIN(Trim);
VBS_BUILTIN(Space); VBS_BUILTIN(StringFn); VBS_BUILTIN(StrReverse);
// search.cpp
VBS_BUILTIN(InStr); VBS_BUILTIN(InStrRev); VBS_BUILTIN(StrComp); VBS_BUILTIN(Replace);
// characters.cpp
VBS_BUILTIN(Asc); VBS_BUILTIN(AscW); VBS_BUILTIN(Chr); VBS_BUILTIN(ChrW);
// bytes.cpp
VBS_BUILTIN(AscB); VBS_BUILTIN(ChrB); VBS_BUILTIN(LenB); VBS_BUILTIN(LeftB); VBS_BUILTIN(RightB);
VBS_BUILTIN(MidB); VBS_BUILTIN(InStrB);
// arrays.cpp
VBS_BUILTIN(Array); VBS_BUILTIN(Split); VBS_BUILTIN(Join); VBS_BUILTIN(Filter);
VBS_BUILTIN(LBound); VBS_BUILTIN(UBound);
// conversions.cpp
VBS_BUILTIN(CBool); VBS_BUILTIN(CByte); VBS_BUILTIN(CCur); VBS_BUILTIN(CDate); VBS_BUILTIN(CDbl);
VBS_BUILTIN(CInt); VBS_BUILTIN(CLng); VBS_BUILTIN(CSng); VBS_BUILTIN(CStr); VBS_BUILTIN(Hex);
VBS_BUILTIN(Oct);
// math.cpp
VBS_BUILTIN(Abs); VBS_BUILTIN(Sgn); VBS_BUILTIN(Int); VBS_BUILTIN(Fix); VBS_BUILTIN(Round);
VBS_BUILTIN(Atn); VBS_BUILTIN(Cos); VBS_BUILTIN(Sin); VBS_BUILTIN(Tan); VBS_BUILTIN(Exp);
VBS_BUILTIN(Log); VBS_BUILTIN(Sqr);
// random.cpp
VBS_BUILTIN(Rnd); VBS_BUILTIN(Randomize);
// dates.cpp
VBS_BUILTIN(Date); VBS_BUILTIN(Time); VBS_BUILTIN(Now); VBS_BUILTIN(Timer);
VBS_BUILTIN(Year); VBS_BUILTIN(Month); VBS_BUILTIN(Day); VBS_BUILTIN(Hour); VBS_BUILTIN(Minute);
VBS_BUILTIN(Second); VBS_BUILTIN(Weekday); VBS_BUILTIN(DateSerial); VBS_BUILTIN(TimeSerial);
VBS_BUILTIN(DateValue); VBS_BUILTIN(TimeValue); VBS_BUILTIN(MonthName); VBS_BUILTIN(WeekdayName);
// intervals.cpp
VBS_BUILTIN(DateAdd); VBS_BUILTIN(DateDiff); VBS_BUILTIN(DatePart);
// format.cpp
VBS_BUILTIN(FormatNumber); VBS_BUILTIN(FormatCurrency); VBS_BUILTIN(FormatPercent);
VBS_BUILTIN(FormatDateTime);
// inspect.cpp
VBS_BUILTIN(IsArray); VBS_BUILTIN(IsDate); VBS_BUILTIN(IsEmpty); VBS_BUILTIN(IsNull);
VBS_BUILTIN(IsNumeric); VBS_BUILTIN(IsObject); VBS_BUILTIN(TypeName); VBS_BUILTIN(VarType);
// escape.cpp
VBS_BUILTIN(Escape); VBS_BUILTIN(Unescape);
// interaction.cpp
VBS_BUILTIN(MsgBox); VBS_BUILTIN(InputBox); VBS_BUILTIN(CreateObject); VBS_BUILTIN(GetObject);
VBS_BUILTIN(LoadPicture);
VBS_BUILTIN(GetLocale); VBS_BUILTIN(SetLocale); VBS_BUILTIN(ScriptEngine);
VBS_BUILTIN(ScriptEngineMajorVersion); VBS_BUILTIN(ScriptEngineMinorVersion);
VBS_BUILTIN(ScriptEngineBuildVersion); VBS_BUILTIN(RGB);

}  // namespace vbs::builtin
