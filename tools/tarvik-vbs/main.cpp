// tarvik-vbs [--timeout MS] [--memory-limit MB] [--profile] [--folded FILE] script.vbs [args...]: runs
// a script as cscript would (or, with --brain, asks a brain sentences). A failure is reported as
// "script.vbs(line, column) runtime error N: description" ("compile error" for a script that does not
// compile) on stderr with a non-zero exit status.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "script/values/codepage.h"
#include "script/engine.h"
#include "script/values/string.h"
#include "support/FileBytes.h"
#include "tools/tarvik-vbs/console.h"
#include "tools/tarvik-vbs/profile_output.h"
#include "tools/tarvik-vbs/try_brain.h"
#include "tools/tarvik-vbs/wscript.h"

namespace {

constexpr const char* kUsage =
    "usage: tarvik-vbs [--timeout MS] [--memory-limit MB] [--profile] [--folded FILE] script.vbs [arguments...]\n"
    "       tarvik-vbs --brain brain.vbs [--user NAME] [--computer NAME] [--level N] [--workdir DIR]\n"
    "                  [--timeout MS] [--memory-limit MB]\n"
    "Runs a VBScript file with a WScript object, as cscript does. --timeout ends the script after MS\n"
    "milliseconds. --memory-limit caps the script's strings, arrays and Dictionaries at MB megabytes\n"
    "(default 1024, 0 for none): past it the script gets error 7, Out of memory.\n"
    "--profile times every call and prints, after the run, the 20 functions with the most exclusive\n"
    "time and the busiest lines of the first five procedures (runs counted, time sampled); --folded\n"
    "writes each call path's exclusive time in microseconds (folded stacks).\n"
    "A failure prints script.vbs(line, column) runtime error N: description.\n"
    "--brain loads a brain as tarvik-bench does and asks it each line of standard input, printing the\n"
    "reply and the time of the call (a brain call has 10000 ms and 1024 MB unless --timeout and\n"
    "--memory-limit say otherwise). On a terminal the prompt keeps its history in\n"
    "$XDG_STATE_HOME/tarvik/brain-history (~/.local/state/tarvik/brain-history).\n";

int usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

void report(const std::string& script, const vbs::ScriptError& e) {
    tarvik::console::write(tarvik::console::Err, vbs::formatError(e, vbs::utf8ToUtf16(script)));
}

}  // namespace

int main(int argc, char** argv) {
    int timeoutMs = 0;  // a terminal run has no limit unless asked
    int first = 1;
    if (first < argc && (std::strcmp(argv[first], "--help") == 0 || std::strcmp(argv[first], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    long long memoryMb = -1;  // the engine's default
    bool profile = false;
    std::string folded;
    while (first + 1 < argc && std::strncmp(argv[first], "--", 2) == 0 && std::strcmp(argv[first], "--brain") != 0) {
        const char* option = argv[first++];
        if (std::strcmp(option, "--profile") == 0) {
            profile = true;
            continue;
        }
        const char* value = argv[first++];
        if (std::strcmp(option, "--folded") == 0) {
            folded = value;
            continue;
        }
        char* end = nullptr;
        long long n = std::strtoll(value, &end, 10);
        if (*end || end == value) return usage();
        if (std::strcmp(option, "--timeout") == 0 && n > 0 && n <= INT32_MAX) timeoutMs = static_cast<int>(n);
        else if (std::strcmp(option, "--memory-limit") == 0 && n >= 0 && n <= (1LL << 40)) memoryMb = n;
        else return usage();
    }
    if (first >= argc) return usage();
    if (std::strcmp(argv[first], "--brain") == 0 && (profile || !folded.empty())) {
        std::fputs("tarvik-vbs: --profile and --folded are for scripts; tarvik-bench --profile profiles brains\n", stderr);
        return 2;
    }
    if (std::strcmp(argv[first], "--brain") == 0) return tarvik::tryBrain({argv + first + 1, argv + argc}, timeoutMs, memoryMb);
    std::string script = argv[first];
    std::string bytes;
    try {
        bytes = tarvik::ReadFileBytes(script);  // refuses a folder, and a device that never ends
    } catch (const tarvik::Failure&) {
        std::fprintf(stderr, "%s: cannot open the script\n", script.c_str());
        return 2;
    }

    std::vector<std::u16string> args;
    for (int i = first + 1; i < argc; ++i) args.push_back(vbs::utf8ToUtf16(argv[i]));

    tarvik::console::flushOnSignals();
    int status = 0;
    try {
        tarvik::TerminalHost host(true);  // a script may start programs, as under cscript
        vbs::Engine engine(u"VBScript", timeoutMs);
        if (memoryMb >= 0) engine.setMemoryLimit(static_cast<size_t>(memoryMb) << 20);
        engine.setHost(&host);
        vbs::Ref<tarvik::WScript> wscript(new tarvik::WScript(vbs::utf8ToUtf16(script), std::move(args), &host, timeoutMs));
        engine.addObject(u"WScript", wscript.get());
        if (profile || !folded.empty()) engine.startProfile();
        auto start = std::chrono::steady_clock::now();
        try {
            engine.addCode(vbs::decodeFileText(bytes));
        } catch (const tarvik::QuitRequest& q) {
            status = q.code;
        } catch (const vbs::ScriptError& e) {
            report(script, e);
            status = 1;
        }
        if (const vbs::Profile* p = engine.profile())
            if (!tarvik::writeProfile(*p, profile, folded, std::chrono::steady_clock::now() - start) && status == 0)
                status = 2;
    } catch (const vbs::ScriptError& e) {
        report(script, e);
        status = 1;
    } catch (const tarvik::QuitRequest& q) {
        status = q.code;  // Quit from a Class_Terminate at the end
    }
    tarvik::console::flush();
    return status;
}
