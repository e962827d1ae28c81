// Fuzz target: compile and run the input as a script, as the runner does, with a short time-out and
// a WScript that has only Echo. Script errors are expected; a crash, a sanitizer finding or a hang
// is a fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "script/values/codepage.h"
#include "script/values/convert.h"
#include "script/engine.h"
#include "script/values/errors.h"
#include "script/objects/factory.h"
#include "script/objects/members.h"
#include "script/values/text.h"

namespace {

// Echo converts its arguments as the runner does and drops the text.
class Echo final : public vbs::TableObject {
public:
    Echo() : TableObject(kTable) {}
    std::u16string_view typeName() const override { return u"Object"; }

private:
    void call(int, vbs::Invoke, vbs::Value* args, int argc, vbs::Value&) override {
        for (int i = 0; i < argc; ++i) {
            vbs::Value v = vbs::defaultValue(args[i]);
            if (v.type != vbs::Type::Null && v.type != vbs::Type::Error) vbs::toString(v);
        }
    }
    static constexpr vbs::Member kMembers[] = {{}, {u"Echo", 0, 127}};
    static constexpr vbs::MemberTable kTable{kMembers};
};

}  // namespace

// Random scripts must not reach the machine (files, processes, the environment): the link routes
// CreateObject through here (-Wl,--wrap) and only objects that keep to memory are made.
vbs::Value realCreateObject(std::u16string_view progId, vbs::Host* host) asm(
    "__real__ZN3vbs12createObjectESt17basic_string_viewIDsSt11char_traitsIDsEEPNS_4HostE");
vbs::Value guardedCreateObject(std::u16string_view progId, vbs::Host* host) asm(
    "__wrap__ZN3vbs12createObjectESt17basic_string_viewIDsSt11char_traitsIDsEEPNS_4HostE");
vbs::Value guardedCreateObject(std::u16string_view progId, vbs::Host* host) {
    for (std::u16string_view safe : {u"Scripting.Dictionary", u"VBScript.RegExp", u"System.Collections.ArrayList",
                                     u"Scriptlet.TypeLib"})
        if (vbs::equalsIgnoreCase(progId, safe)) return realCreateObject(progId, host);
    vbs::raise(vbs::errCantCreateObject);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string source = vbs::decodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        vbs::Engine engine(u"VBScript", 200);
        engine.setMemoryLimit(256u << 20);  // under libFuzzer's rss limit: a huge string is error 7, not an oom report
        vbs::Ref<Echo> wscript(new Echo);
        engine.addObject(u"WScript", wscript.get());
        engine.addCode(source);
    } catch (const vbs::ScriptError&) {
    }
    return 0;
}
