#pragma once
// What the built-in functions may reach of the engine that runs them. One per engine: engines
// share nothing.
#include <cstdint>
#include <string>
#include <string_view>

namespace vbs {

class Object;

// Implemented by the embedding program: the window shows dialogs, the runner uses the terminal.
class Host {
public:
    virtual ~Host() = default;
    // Returns the button pressed (vbOK = 1, vbCancel = 2, ... vbYes = 6, vbNo = 7).
    virtual int msgBox(std::u16string_view prompt, int buttons, std::u16string_view title) = 0;
    // False when the user cancelled (InputBox then answers "").
    virtual bool inputBox(std::u16string_view prompt, std::u16string_view title,
                          std::u16string_view defaultText, std::u16string& answer) = 0;
    // A new TextStream on stdin, stdout or stderr (0, 1, 2) for GetStandardStream; null where the
    // script has no console, as under wscript.exe.
    virtual Object* standardStream(int /*which*/) { return nullptr; }
};

struct Context {
    Host* host = nullptr;
    uint32_t rndSeed = 327680;  // VBScript's generator state before any Randomize
};

}  // namespace vbs
