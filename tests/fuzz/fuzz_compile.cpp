// Fuzz target: source text -> syntax tree -> compiled code, nothing run. Any input may fail to
// compile; only a crash, a sanitizer finding or a hang is a fault.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "script/values/codepage.h"
#include "script/compile/compiler.h"
#include "script/syntax/parser.h"
#include "script/runtime/vm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto text = std::make_shared<vbs::SourceText>();
    text->text = vbs::decodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        vbs::VM vm(0);
        vbs::ast::Program program = vbs::parse(text->text);
        vbs::compile(vm, program, text, vbs::UnitMode::Global, nullptr);
    } catch (const vbs::ScriptError&) {
    }
    return 0;
}
