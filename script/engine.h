#pragma once
// The host's view of the VBScript engine: add code and objects, then call procedures. Every
// failure comes out as vbs::ScriptError. Engines share nothing; each may live on its own thread.
#include <cstddef>
#include <memory>
#include <string_view>

#include "script/runtime/context.h"
#include "script/values/errors.h"
#include "script/values/object.h"
#include "script/values/value.h"

namespace vbs {

class Profile;
class VM;
struct Proc;

class Engine {
public:
    // Only "VBScript" is spoken; any other language raises a ScriptError saying so.
    explicit Engine(std::u16string_view language = u"VBScript", int timeoutMs = 10000);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void setHost(Host* host);
    // Each call from the host may run at most this long (0: no limit).
    void setTimeout(int ms);
    // Script data (strings, arrays, Dictionaries, files read) past this many bytes raises error 7,
    // Out of memory (0: no cap; the default is 1 GiB).
    void setMemoryLimit(std::size_t bytes);
    // Compiles the whole text, then runs its top-level code. Later texts share the globals.
    void addCode(std::u16string_view source);
    // A global object the script reaches by name (the runner's WScript).
    void addObject(std::u16string_view name, Object* object);

    // Profiling is off (and costs nothing) until started; from then on every call of a procedure
    // and object member is timed, and of built-in functions in code added afterwards (start it
    // before addCode). Started again between calls, it forgets the figures so far (a warm-up's).
    // profile() is nullptr while off.
    void startProfile();
    const Profile* profile() const;

    // A procedure found once and called many times.
    class Procedure {
    public:
        Procedure() = default;
        explicit operator bool() const { return proc_ != nullptr; }
        int paramCount() const;

    private:
        friend class Engine;
        explicit Procedure(Proc* p) : proc_(p) {}
        Proc* proc_ = nullptr;
    };
    Procedure find(std::u16string_view name) const;  // empty when the script has no such one

    // Each args[i] points at the host's variable: a ByRef parameter writes through it.
    Value call(Procedure procedure, Value* const* args, int argc);
    Value run(std::u16string_view procedure, Value* const* args, int argc);

private:
    std::unique_ptr<VM> vm_;
};

}  // namespace vbs
