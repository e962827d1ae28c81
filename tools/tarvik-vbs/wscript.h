#pragma once
// The WScript object of the command-line runner: Echo, Quit, Arguments, StdIn/StdOut/StdErr,
// ScriptName, Sleep.
#include <string>
#include <vector>

#include "script/context.h"
#include "script/object.h"

namespace tarvik {

// WScript.Quit unwinds the script with this; the runner exits with the code.
struct QuitRequest {
    int code;
};

class WScript final : public vbs::Object {
public:
    WScript(std::u16string scriptPath, std::vector<std::u16string> args);

    std::u16string_view typeName() const override { return u"Object"; }
    const void* typeKey() const override { return &kKey; }
    int memberId(std::u16string_view name) const override;
    void invoke(int id, vbs::Invoke kind, vbs::Value* args, int argc, vbs::Value& result) override;

private:
    static const char kKey;
    std::u16string path_;
    vbs::Ref<vbs::Object> arguments_, stdIn_, stdOut_, stdErr_;
};

// MsgBox and InputBox on the terminal: the prompt goes to stdout, InputBox reads a line.
class TerminalHost final : public vbs::Host {
public:
    int msgBox(std::u16string_view prompt, int buttons, std::u16string_view title) override;
    bool inputBox(std::u16string_view prompt, std::u16string_view title, std::u16string_view defaultText,
                  std::u16string& answer) override;
};

}  // namespace tarvik
