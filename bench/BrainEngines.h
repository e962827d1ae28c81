#pragma once
// The three brains, each in its own script engine (SC1-SC3), and the query call that asks one of
// them for a response.
#include <array>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "script/engine.h"
#include "script/values/errors.h"
#include "script/values/value.h"

namespace tarvik {

// A brain that failed to load or to answer: which brain, which script, and the engine's error.
struct BrainFailure : std::exception {
    int Brain;
    std::string Name;
    std::string ScriptPath;
    vbs::ScriptError Cause;  // the engine's error, with its line and column

    BrainFailure(int brain, vbs::ScriptError error);
    // "Brain 2 (Eliza, /path/eliza.vbs), line 12, column 5"
    std::string Where() const;
    // "runtime error 13: Type mismatch"
    std::string Error() const;
    // Where, an empty line, then the error: the text of the failure message box.
    std::string Message() const;
    // For a terminal: the source line with a caret under the column and the procedures the error
    // happened in, one line each; "" when the error has neither.
    std::string Context() const;
    const char* what() const noexcept override { return "brain failure"; }
};

class BrainEngines {
public:
    BrainEngines();

    vbs::Engine& SC(int brain) { return *engines_[brain - 1]; }

    // Where the brains' MsgBox and InputBox go (the window's dialogs); without one they show nothing.
    void SetHost(vbs::Host* host);

    // Loads brain 1, 2, 3 in turn: the whole script file into its engine. A missing file loads as
    // empty source. A script that does not compile raises BrainFailure.
    void LoadScripts();
    // Loads one brain (the settings must have been taken: LoadScripts does, a tool may load a subset).
    // A brain whose script did not compile answers every query with that compile error.
    void LoadScript(int brain);
    // Loads the given source as brain n's script, as LoadScript does its file.
    void LoadSource(int brain, std::u16string_view source);
    // Refuses a loaded brain whose GetResponse is missing or does not take the fifteen arguments
    // (BrainFailure, without a position, saying what the script defines).
    void RequireGetResponse(int brain);
    // The by-reference settings as the engines will see them, the time-out and the memory cap, from
    // modGlobals.
    void TakeSettings();

    // Runs GetResponse with the fifteen arguments; the by-reference ones are the settings, so a
    // brain's assignment changes them for later queries. Raises BrainFailure.
    vbs::Value QueryCall(int brain, std::u16string_view sentence);

private:
    std::array<std::unique_ptr<vbs::Engine>, 3> engines_;
    // GetResponse looked up once per brain, so a query does no name look-up.
    std::array<vbs::Engine::Procedure, 3> getResponse_;
    std::array<std::optional<vbs::ScriptError>, 3> loadError_;
    // The four by-reference settings as the engines see them, kept in step with modGlobals.
    vbs::Value userName_, computerName_, learningLevel_;
    std::array<vbs::Value, 3> workingDir_;
    vbs::Value zero_;
};

// The reply in a response: the text before the first "<STO", trimmed of blanks; "" without the marker.
std::string ReplyReduction(const vbs::Value& response);
// The reply reduction of brain n's response. A response that cannot be read as text (an object
// without a default property, Nothing) raises BrainFailure naming that brain.
std::string BrainReply(int brain, const vbs::Value& response);

}  // namespace tarvik
