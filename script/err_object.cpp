#include "script/err_object.h"

#include "script/convert.h"
#include "script/text.h"

namespace vbs {

const char ErrObject::kKey = 0;

namespace {

enum Member { Number, Description, Source, Raise, Clear, HelpFile, HelpContext };
constexpr std::u16string_view kNames[] = {u"number", u"description", u"source", u"raise",
                                          u"clear", u"helpfile", u"helpcontext"};

}  // namespace

void ErrObject::set(const ScriptError& e) {
    number = e.number;
    description = e.description;
    source = e.source;
}

void ErrObject::clear() {
    number = 0;
    description.clear();
    source.clear();
    helpFile.clear();
    helpContext = 0;
}

int ErrObject::memberId(std::u16string_view name) const {
    for (int i = 0; i < static_cast<int>(std::size(kNames)); ++i)
        if (equalsIgnoreCase(name, kNames[i])) return i;
    return kNoMember;
}

void ErrObject::invoke(int id, Invoke kind, Value* args, int argc, Value& result) {
    bool assign = kind == Invoke::Let;
    if (kind == Invoke::Set) raise(errNoSuchMember);
    auto text = [&](std::u16string& field) {
        if (assign) field = std::u16string(toString(args[argc - 1]).view());
        else result = Value(String(field));
    };
    switch (id) {
        case Number:
            if (assign) number = toLong(args[argc - 1]);
            else result = Value::lng(number);
            return;
        case Description: text(description); return;
        case Source: text(source); return;
        case HelpFile: text(helpFile); return;
        case HelpContext:
            if (assign) helpContext = toLong(args[argc - 1]);
            else result = Value::lng(helpContext);
            return;
        case Clear:
            clear();
            return;
        case Raise: {
            if (argc < 1 || assign) raise(errWrongArgCount);
            auto given = [&](int i) { return argc > i && args[i].type != Type::Error && !args[i].isEmpty(); };
            // An argument left out keeps what the Err object holds until it is cleared, as
            // Windows documents; only an empty property gets the standard text.
            ScriptError e;
            e.number = toLong(args[0]);
            e.source = given(1)         ? std::u16string(toString(args[1]).view())
                       : source.empty() ? std::u16string(u"Microsoft VBScript runtime error")
                                        : source;
            e.description = given(2)              ? std::u16string(toString(args[2]).view())
                            : description.empty() ? std::u16string(errorDescription(e.number))
                                                  : description;
            if (given(3)) helpFile = std::u16string(toString(args[3]).view());
            if (given(4)) helpContext = toLong(args[4]);
            throw e;
        }
        default: raise(errNoSuchMember);
    }
}

}  // namespace vbs
