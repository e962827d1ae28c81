// Dialogs, objects, locale and the engine's identity.
#include "script/builtins/args.h"
#include "script/builtins/library.h"
#include "script/objects/factory.h"
#include "script/values/locale.h"
#include "script/values/text.h"

namespace vbs::builtin {

namespace {

constexpr std::u16string_view kDefaultTitle = u"VBScript";

String textArg(const Value* args, int argc, int i, std::u16string_view fallback) {
    return given(args, argc, i) ? toString(args[i]) : String(fallback);
}

}  // namespace

// MsgBox(prompt[, buttons[, title[, helpfile, context]]]). Without a host (a script run with no
// user to ask) nothing is shown and the default button is the answer.
VBS_BUILTIN(MsgBox) {
    String prompt = toString(args[0]);
    int32_t buttons = longArg(args, argc, 1, 0);
    String title = textArg(args, argc, 2, kDefaultTitle);
    int answer = ctx.host ? ctx.host->msgBox(prompt.view(), buttons, title.view()) : defaultButton(buttons);
    result = Value::integer(static_cast<int16_t>(answer));
}

// InputBox(prompt[, title[, default[, xpos, ypos[, helpfile, context]]]]). Without a host the
// default text is the answer, as if OK were pressed at once; a cancelled dialog answers "".
VBS_BUILTIN(InputBox) {
    String prompt = toString(args[0]);
    String title = textArg(args, argc, 1, kDefaultTitle);
    String fallback = textArg(args, argc, 2, u"");
    if (!ctx.host) { result = Value(fallback); return; }
    std::u16string answer;
    result = ctx.host->inputBox(prompt.view(), title.view(), fallback.view(), answer) ? Value(String(answer))
                                                                                    : Value(String());
}

VBS_BUILTIN(CreateObject) { result = createObject(toString(args[0]).view(), ctx.host); }

// GetObject("", class) starts a new object of the class, as CreateObject does; GetObject(, class)
// asks for a running one.
VBS_BUILTIN(GetObject) {
    bool hasPath = given(args, argc, 0);
    String path = hasPath ? toString(args[0]) : String();
    String progId = given(args, argc, 1) ? toString(args[1]) : String();
    if (hasPath && path.empty() && !progId.empty()) result = createObject(progId.view(), ctx.host);
    else result = getObject(path.view(), progId.view());
}

// Scripts here have no pictures to load: the name is checked as on Windows, then refused the way
// Windows refuses a file that holds no picture.
VBS_BUILTIN(LoadPicture) {
    toString(args[0]);
    raise(481, u"Invalid picture: LoadPicture is not supported here");
}

VBS_BUILTIN(GetLocale) { result = Value::lng(ctx.lcid); }

// SetLocale([lcid]): a locale ID or name ("en-gb", 2057); 0 or none is the default. Answers the
// one it replaces.
VBS_BUILTIN(SetLocale) {
    LocaleId id{kDefaultLcid, &usEnglish()};
    if (given(args, argc, 0)) {
        const Value& v = args[0].deref();
        double number;
        if (v.isString() && !parseNumber(v.strView(), number)) id = findLocale(v.strView());
        else id = findLocale(toLong(v));
        if (!id.locale) raise(errInvalidCall);
    }
    result = Value::lng(ctx.lcid);
    ctx.lcid = id.lcid;
    ctx.locale = currentLocale = id.locale == &usEnglish() ? nullptr : id.locale;
}

VBS_BUILTIN(ScriptEngine) { result = Value(u"VBScript"); }
VBS_BUILTIN(ScriptEngineMajorVersion) { result = Value::lng(5); }
VBS_BUILTIN(ScriptEngineMinorVersion) { result = Value::lng(8); }
// The build of VBScript 5.8 in Windows 10 (vbscript.dll 5.812.10240.16384).
VBS_BUILTIN(ScriptEngineBuildVersion) { result = Value::lng(16384); }

// RGB(red, green, blue): each 0-255, larger values count as 255.
VBS_BUILTIN(RGB) {
    int32_t c[3];
    for (int i = 0; i < 3; ++i) {
        c[i] = toLong(args[i]);
        if (c[i] < 0) raise(errInvalidCall);
        if (c[i] > 255) c[i] = 255;
    }
    result = Value::lng(c[0] | (c[1] << 8) | (c[2] << 16));
}

}  // namespace vbs::builtin
