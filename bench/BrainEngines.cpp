#include "bench/BrainEngines.h"

#include "script/values/convert.h"
#include "settings/modGlobals.h"
#include "support/modFile.h"

namespace tarvik {

namespace {

vbs::Value text(const std::string& utf8) { return vbs::Value(vbs::String::fromUtf8(utf8)); }

// Writes a by-reference argument back into its setting when the brain assigned to it. The setting
// is a string, so whatever was assigned comes back as text on the next query.
void writeBack(vbs::Value& arg, vbs::Value& held, std::string& setting) {
    if (arg.type == held.type && arg.cy == held.cy) return;  // same bits: untouched
    vbs::String assigned = vbs::toString(arg);
    setting = assigned.toUtf8();
    held = vbs::Value(std::move(assigned));
}

}  // namespace

BrainFailure::BrainFailure(int brain, vbs::ScriptError error)
    : Brain(brain), Name(modGlobals::BrainName(brain)),
      ScriptPath(modGlobals::ResolvePath(modGlobals::BrainScript(brain))), Cause(std::move(error)) {}

std::string BrainFailure::Where() const {
    std::string where = "Brain " + std::to_string(Brain) + " (" + (Name.empty() ? "unnamed" : Name) + ", " +
                        (ScriptPath.empty() ? "no script" : ScriptPath) + ")";
    if (Cause.line > 0) where += ", line " + std::to_string(Cause.line) + ", column " + std::to_string(Cause.column);
    return where;
}

std::string BrainFailure::Error() const {
    bool compile = Cause.source.find(u"compilation") != std::u16string::npos;
    return std::string(compile ? "compile error " : "runtime error ") + std::to_string(Cause.number) + ": " +
           vbs::utf16ToUtf8(Cause.description);
}

std::string BrainFailure::Message() const { return Where() + ":\r\n\r\n" + Error(); }

std::string BrainFailure::Context() const { return vbs::utf16ToUtf8(vbs::errorContext(Cause)); }

BrainEngines::BrainEngines() : zero_(vbs::Value(u"0")) {
    for (auto& engine : engines_) engine = std::make_unique<vbs::Engine>(u"VBScript", modGlobals::kDefaultQueryTimeout);
}

void BrainEngines::SetHost(vbs::Host* host) {
    for (auto& engine : engines_) engine->setHost(host);
}

void BrainEngines::TakeSettings() {
    for (auto& engine : engines_) {
        engine->setTimeout(modGlobals::QueryTimeout);
        engine->setMemoryLimit(static_cast<std::size_t>(modGlobals::MemoryLimit) << 20);
    }
    userName_ = text(modGlobals::UserName);
    computerName_ = text(modGlobals::ComputerName);
    learningLevel_ = vbs::Value::integer(modGlobals::LearningLevel);
    // A relative working directory means the settings file's folder, whatever the current one is.
    for (int n = 1; n <= 3; ++n) workingDir_[n - 1] = text(modGlobals::ResolvePath(modGlobals::BrainWorkingDir(n)));
}

void BrainEngines::LoadScripts() {
    TakeSettings();
    for (int n = 1; n <= 3; ++n) LoadScript(n);
}

void BrainEngines::LoadScript(int brain) {
    LoadSource(brain, vbs::utf8ToUtf16(modFile::ReadTextFile(modGlobals::ResolvePath(modGlobals::BrainScript(brain)))));
}

void BrainEngines::LoadSource(int brain, std::u16string_view source) {
    try {
        SC(brain).addCode(source);
        getResponse_[brain - 1] = SC(brain).find(u"GetResponse");
    } catch (vbs::ScriptError& e) {
        loadError_[brain - 1] = e;
        throw BrainFailure(brain, std::move(e));
    }
}

void BrainEngines::RequireGetResponse(int brain) {
    const vbs::Engine::Procedure& procedure = getResponse_[brain - 1];
    if (procedure && procedure.paramCount() == 15) return;
    vbs::ScriptError e;
    e.source = u"Microsoft VBScript runtime error";
    if (!procedure) {
        e.number = vbs::errSubNotDefined;
        e.description = u"defines no GetResponse";
    } else {
        e.number = vbs::errWrongArgCount;
        e.description = u"GetResponse has " + vbs::utf8ToUtf16(std::to_string(procedure.paramCount())) +
                        (procedure.paramCount() == 1 ? u" parameter" : u" parameters") + u", a brain needs 15";
    }
    throw BrainFailure(brain, std::move(e));
}

vbs::Value BrainEngines::QueryCall(int brain, std::u16string_view sentence) {
    if (loadError_[brain - 1]) throw BrainFailure(brain, *loadError_[brain - 1]);
    // Copies of the held values: the engine writes through these, and writeBack compares.
    vbs::Value args[15] = {vbs::Value(sentence), userName_, computerName_, learningLevel_,
                           workingDir_[brain - 1], zero_, zero_, zero_, zero_, zero_, zero_, zero_, zero_,
                           zero_, zero_};
    vbs::Value* pointers[15];
    for (int i = 0; i < 15; ++i) pointers[i] = &args[i];
    try {
        // A brain without GetResponse gets the engine's own error from a call by name.
        const vbs::Engine::Procedure& procedure = getResponse_[brain - 1];
        vbs::Value response =
            procedure ? SC(brain).call(procedure, pointers, 15) : SC(brain).run(u"GetResponse", pointers, 15);
        // A value the settings cannot hold (Null, an object, an array, a level out of range) fails
        // like a run-time error of the brain.
        writeBack(args[1], userName_, modGlobals::UserName);
        writeBack(args[2], computerName_, modGlobals::ComputerName);
        if (args[3].type != learningLevel_.type || args[3].cy != learningLevel_.cy) {
            modGlobals::LearningLevel = vbs::toInteger(args[3]);
            learningLevel_ = vbs::Value::integer(modGlobals::LearningLevel);
        }
        writeBack(args[4], workingDir_[brain - 1], modGlobals::BrainWorkingDir(brain));
        return response;
    } catch (vbs::ScriptError& e) {
        throw BrainFailure(brain, std::move(e));
    }
}

std::string ReplyReduction(const vbs::Value& response) {
    if (response.isEmpty() || response.isNull()) return "";
    vbs::String whole = response.isString() ? response.string() : vbs::toString(response);
    std::u16string_view text = whole.view();
    size_t marker = text.find(u"<STO");
    if (marker == std::u16string_view::npos) return "";
    std::u16string_view reply = text.substr(0, marker);
    while (!reply.empty() && reply.front() == u' ') reply.remove_prefix(1);
    while (!reply.empty() && reply.back() == u' ') reply.remove_suffix(1);
    return vbs::utf16ToUtf8(reply);
}

std::string BrainReply(int brain, const vbs::Value& response) {
    try {
        return ReplyReduction(response);
    } catch (vbs::ScriptError& e) {
        throw BrainFailure(brain, std::move(e));
    }
}

}  // namespace tarvik
