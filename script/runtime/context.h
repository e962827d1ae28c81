#pragma once
// What the built-in functions may reach of the engine that runs them. One per engine: engines
// share nothing.
#include <cstdint>
#include <string>
#include <string_view>

namespace vbs {

class Object;
struct Locale;

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
    // WshShell.Run or Exec is about to start a program: the host writes out what the script has
    // printed so far, and answers whether its scripts may start programs (a brain may not).
    virtual bool startingProgram() { return false; }
};

// The button a dialog answers with when no one chooses: the default one of the set (vbOK = 1,
// vbCancel, vbAbort, vbRetry, vbIgnore, vbYes, vbNo = 7), as pressing Enter gives it.
inline int defaultButton(int32_t buttons) {
    static constexpr int kSets[6][3] = {
        {1, 1, 1}, {1, 2, 2}, {3, 4, 5}, {6, 7, 2}, {6, 7, 7}, {4, 2, 2},
    };
    int set = buttons & 7;
    int which = (buttons >> 8) & 3;
    return set < 6 ? kSets[set][which > 2 ? 2 : which] : 1;
}

struct Context {
    Host* host = nullptr;
    uint32_t rndSeed = 327680;  // VBScript's generator state before any Randomize
    // SetLocale's choice: the ID GetLocale answers and the forms it stands for (null: the default).
    int32_t lcid = 1033;
    const Locale* locale = nullptr;
};

}  // namespace vbs
