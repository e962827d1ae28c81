#include "script/engine.h"

#include "script/compile/bytecode.h"
#include "script/values/text.h"
#include "script/runtime/vm.h"

namespace vbs {

namespace {

[[noreturn]] void hostError(int number, std::u16string description) {
    ScriptError e;
    e.number = number;
    e.description = std::move(description);
    e.source = u"Microsoft VBScript runtime error";
    throw e;
}

}  // namespace

Engine::Engine(std::u16string_view language, int timeoutMs) {
    if (!equalsIgnoreCase(language, u"VBScript"))
        hostError(0, u"unsupported script language '" + std::u16string(language) + u"': only VBScript is available");
    vm_ = std::make_unique<VM>(timeoutMs);
}

Engine::~Engine() = default;

void Engine::setHost(Host* host) { vm_->ctx.host = host; }

void Engine::setTimeout(int ms) { vm_->setTimeout(ms); }

void Engine::setMemoryLimit(std::size_t bytes) { vm_->memoryLimit = bytes; }

void Engine::addCode(std::u16string_view source) {
    VM::Entry entry(*vm_);
    vm_->addCode(source);
    vm_->throwPending();
}

void Engine::addObject(std::u16string_view name, Object* object) {
    auto it = vm_->globalIndex.find(foldName(name));
    int slot = it != vm_->globalIndex.end() ? it->second : vm_->addGlobal(name);
    vm_->globals[slot] = Value::object(object);
    vm_->hostGlobals.insert(slot);
}

void Engine::startProfile() { vm_->startProfile(); }

const Profile* Engine::profile() const { return vm_->profile(); }

int Engine::Procedure::paramCount() const { return proc_ ? proc_->nparams : 0; }

Engine::Procedure Engine::find(std::u16string_view name) const {
    auto it = vm_->procs.find(foldName(name));
    return Procedure(it == vm_->procs.end() ? nullptr : it->second);
}

Value Engine::call(Procedure procedure, Value* const* args, int argc) {
    if (!procedure.proc_) hostError(errSubNotDefined, std::u16string(errorDescription(errSubNotDefined)));
    Value result = vm_->callFromHost(procedure.proc_, args, argc);
    vm_->throwPending();
    return result;
}

Value Engine::run(std::u16string_view procedure, Value* const* args, int argc) {
    Procedure p = find(procedure);
    if (!p) hostError(errSubNotDefined, std::u16string(errorDescription(errSubNotDefined)) + u": '" +
                                            std::u16string(procedure) + u"'");
    return call(p, args, argc);
}

}  // namespace vbs
