#include "tools/tarvik-vbs/try_brain.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

#include "bench/BrainEngines.h"
#include "bench/clsTimer.h"
#include "settings/modGlobals.h"
#include "script/values/string.h"
#include "tools/tarvik-vbs/console.h"
#include "tools/tarvik-vbs/prompt.h"
#include "tools/tarvik-vbs/wscript.h"

namespace tarvik {

namespace {

void say(console::Stream s, const std::string& text) { console::write(s, vbs::utf8ToUtf16(text)); }

// The next sentence: from the prompt on a terminal, else a plain line.
bool nextSentence(Prompt* prompt, std::string& sentence) {
    console::flush();
    if (prompt) return prompt->read(sentence);
    std::u16string line;
    if (!console::input().readLine(line)) return false;
    sentence = vbs::utf16ToUtf8(line);
    return true;
}

// A whole number from least to most, or false.
bool whole(const std::string& text, long long least, long long most, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return !text.empty() && !*end && value >= least && value <= most;
}

// The by-reference values a call may change, as "Name: value" for the report of a change.
struct Held {
    std::string userName, computerName, level, workingDir;
    static Held now() {
        return {modGlobals::UserName, modGlobals::ComputerName, std::to_string(modGlobals::LearningLevel),
                modGlobals::Brain1WorkingDir};
    }
};

void showChange(const char* name, const std::string& before, const std::string& after) {
    if (before != after) say(console::Out, std::string("  ") + name + " is now \"" + after + "\"\n");
}

bool option(const std::vector<std::string>& args, size_t& i, const char* name, std::string& value) {
    if (args[i] != name || i + 1 >= args.size()) return false;
    value = args[++i];
    return true;
}

}  // namespace

int tryBrain(const std::vector<std::string>& args, int timeoutMs, long long memoryMb) {
    namespace fs = std::filesystem;
    if (args.empty()) {
        std::fputs("tarvik-vbs --brain: which brain script?\n", stderr);
        return 2;
    }
    std::string script = args[0];
    const char* user = std::getenv("USER");
    char computer[256] = "";
    ::gethostname(computer, sizeof computer - 1);
    std::string level = "0", timeout, memory;
    modGlobals::UserName = user ? user : "User";
    modGlobals::ComputerName = computer;
    modGlobals::Brain1WorkingDir = fs::absolute(script).parent_path().string();
    for (size_t i = 1; i < args.size(); ++i) {
        if (option(args, i, "--user", modGlobals::UserName) || option(args, i, "--computer", modGlobals::ComputerName) ||
            option(args, i, "--level", level) || option(args, i, "--workdir", modGlobals::Brain1WorkingDir) ||
            option(args, i, "--timeout", timeout) || option(args, i, "--memory-limit", memory))
            continue;
        std::fprintf(stderr, "tarvik-vbs --brain: unknown option or missing value: %s\n", args[i].c_str());
        return 2;
    }
    long long n = 0;
    if (!whole(level, -32768, 32767, n)) {
        std::fprintf(stderr, "tarvik-vbs --brain: --level needs a whole number from -32768 to 32767, not %s\n",
                     level.c_str());
        return 2;
    }
    modGlobals::LearningLevel = static_cast<std::int16_t>(n);
    if (!timeout.empty()) {
        if (!whole(timeout, 1, INT32_MAX, n)) {
            std::fprintf(stderr, "tarvik-vbs --brain: --timeout needs a number of milliseconds from 1, not %s\n",
                         timeout.c_str());
            return 2;
        }
        timeoutMs = static_cast<int>(n);
    }
    if (!memory.empty() && !whole(memory, 0, INT32_MAX, memoryMb)) {
        std::fprintf(stderr, "tarvik-vbs --brain: --memory-limit needs a whole number of megabytes (0 for no cap), not %s\n",
                     memory.c_str());
        return 2;
    }
    if (!fs::is_regular_file(script)) {
        std::fprintf(stderr, "%s: cannot open the brain\n", script.c_str());
        return 2;
    }
    modGlobals::Brain1Script = fs::absolute(script).string();
    modGlobals::Brain1WorkingDir = fs::absolute(modGlobals::Brain1WorkingDir).string();
    modGlobals::Brain1Name = fs::path(script).stem().string();
    if (timeoutMs > 0) modGlobals::QueryTimeout = timeoutMs;
    if (memoryMb >= 0) modGlobals::MemoryLimit = static_cast<int>(std::min<long long>(memoryMb, INT32_MAX));

    std::u16string file = vbs::utf8ToUtf16(script);
    console::flushOnSignals();
    TerminalHost host;  // MsgBox and InputBox on the terminal, as for scripts
    BrainEngines engines;
    engines.SetHost(&host);
    engines.TakeSettings();
    try {
        engines.LoadScript(1);
    } catch (const BrainFailure& failure) {
        console::write(console::Err, vbs::formatError(failure.Cause, file));
        return 1;
    }
    try {
        engines.RequireGetResponse(1);
    } catch (const BrainFailure& failure) {
        say(console::Err, script + ": " + vbs::utf16ToUtf8(failure.Cause.description) + "\n");
        return 1;
    }

    std::optional<Prompt> prompt;
    if (::isatty(STDIN_FILENO)) prompt.emplace();
    int status = 0;
    std::string sentence;
    while (nextSentence(prompt ? &*prompt : nullptr, sentence)) {
        Held before = Held::now();
        clsTimer timer;
        try {
            timer.ResetTimer();
            vbs::Value response = engines.QueryCall(1, vbs::utf8ToUtf16(sentence));
            timer.StopTimer();
            std::string reply = BrainReply(1, response);
            char time[64];
            std::snprintf(time, sizeof time, "  (%.3f ms)\n", timer.Elapsed());
            say(console::Out, reply + "\n" + time);
        } catch (const BrainFailure& failure) {
            console::write(console::Err, vbs::formatError(failure.Cause, file));
            status = 1;
            continue;  // a failed call changes none of them
        }
        Held after = Held::now();
        showChange("UserName", before.userName, after.userName);
        showChange("ComputerName", before.computerName, after.computerName);
        showChange("LearningLevel", before.level, after.level);
        showChange("WorkingDir", before.workingDir, after.workingDir);
    }
    console::flush();
    return status;
}

}  // namespace tarvik
