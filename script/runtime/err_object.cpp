#include "script/runtime/err_object.h"

#include <cstdint>

#include "script/values/convert.h"
#include "script/values/text.h"

namespace vbs {

const char ErrObject::kKey = 0;

namespace {

enum Member { Number, Description, Source, Raise, Clear, HelpFile, HelpContext };
constexpr std::u16string_view kNames[] = {u"number", u"description", u"source", u"raise",
                                          u"clear", u"helpfile", u"helpcontext"};

}  // namespace

void ErrObject::set(const ScriptError& e) {
    number = e.number;
    description = e.named ? std::u16string(errorDescription(e.number)) : e.description;
    source = e.source;
    helpFile = e.helpFile;
    helpContext = e.helpContext;
}

namespace {

// The number Err.Raise really raises: VBScript's own HRESULTs and the common COM ones become the
// classic numbers, as Windows reports them; 0 and numbers past 16 bits are an invalid call.
int raisedNumber(int32_t n) {
    struct Mapped { uint32_t hresult; int number; };
    static constexpr Mapped kMapped[] = {
        {0x80004001u, 445}, {0x80004002u, 430}, {0x80020003u, 438}, {0x80020004u, 448},
        {0x80020005u, 13},  {0x80020006u, 438}, {0x80020007u, 446}, {0x80020008u, 458},
        {0x8002000Au, 6},   {0x8002000Bu, 9},   {0x8002000Du, 10},  {0x8002000Eu, 450},
        {0x8002000Fu, 449}, {0x80020011u, 451}, {0x80020012u, 11},  {0x80030002u, 53},
        {0x80030003u, 76},  {0x80030005u, 70},  {0x80040154u, 429}, {0x800401F3u, 429},
        {0x80070002u, 53},  {0x80070003u, 76},  {0x80070005u, 70},  {0x8007000Eu, 7},
        {0x80070057u, 5},
    };
    if (n > 0) return n <= 0xFFFF ? n : errInvalidCall;
    if (n == 0) return errInvalidCall;
    auto h = static_cast<uint32_t>(n);
    if ((h & 0xFFFF0000u) == 0x800A0000u && (h & 0xFFFFu) != 0) return static_cast<int>(h & 0xFFFFu);
    for (const Mapped& m : kMapped)
        if (m.hresult == h) return m.number;
    return n;
}

}  // namespace

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
            e.number = raisedNumber(toLong(args[0]));
            e.source = given(1)         ? std::u16string(toString(args[1]).view())
                       : source.empty() ? std::u16string(u"Microsoft VBScript runtime error")
                                        : source;
            e.description = given(2)              ? std::u16string(toString(args[2]).view())
                            : description.empty() ? std::u16string(errorDescription(e.number))
                                                  : description;
            e.helpFile = given(3) ? std::u16string(toString(args[3]).view()) : helpFile;
            e.helpContext = given(4) ? toLong(args[4]) : helpContext;
            throw e;
        }
        default: raise(errNoSuchMember);
    }
}

}  // namespace vbs
