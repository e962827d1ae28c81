#pragma once
// The WScript object of the command-line runner, as cscript provides it.
#include <chrono>
#include <string>
#include <vector>

#include "script/runtime/context.h"
#include "script/values/object.h"
#include "script/objects/members.h"

namespace tarvik {

// WScript.Quit unwinds the script with this; the runner exits with the code.
struct QuitRequest {
    int code;
};

class WScript final : public vbs::TableObject {
public:
    // timeoutMs is the runner's limit (0 for none): Sleep does not outlast it.
    WScript(std::u16string_view scriptPath, std::vector<std::u16string> args, vbs::Host* host, int timeoutMs);
    std::u16string_view typeName() const override { return u"Object"; }

private:
    void call(int id, vbs::Invoke kind, vbs::Value* args, int argc, vbs::Value& result) override;
    void sleep(int32_t ms);

    std::u16string fullName_;
    vbs::Host* host_;
    std::chrono::steady_clock::time_point deadline_;
    bool limited_;
    int32_t timeout_ = 0;
    bool interactive_ = true;
    std::string timeoutMessage_;
    vbs::Ref<vbs::Object> arguments_, stdIn_, stdOut_, stdErr_;
};

// MsgBox and InputBox on the terminal: the prompt goes to stdout, InputBox reads a line.
class TerminalHost final : public vbs::Host {
public:
    // programs: WshShell.Run and Exec may start programs (a script's run; a brain's may not).
    explicit TerminalHost(bool programs = false) : programs_(programs) {}
    int msgBox(std::u16string_view prompt, int buttons, std::u16string_view title) override;
    bool inputBox(std::u16string_view prompt, std::u16string_view title, std::u16string_view defaultText,
                  std::u16string& answer) override;
    vbs::Object* standardStream(int which) override;
    bool startingProgram() override;

private:
    bool programs_;
};

}  // namespace tarvik
