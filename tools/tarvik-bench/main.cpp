// tarvik-bench: the text-file batch without a window, with statistics per brain.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "bench/BrainEngines.h"
#include "bench/Measurement.h"
#include "bench/Queries.h"
#include "bench/Statistics.h"
#include "records/RecordFiles.h"
#include "records/TextFileBatch.h"
#include "settings/SettingsProblem.h"
#include "settings/modGlobals.h"
#include "support/Boolean16.h"
#include "support/Failure.h"
#include "support/FileTable.h"
#include "support/MessageBox.h"
#include "support/TextFileCheck.h"
#include "support/modFile.h"
#include "tools/tarvik-bench/Options.h"
#include "tools/tarvik-bench/StopSignal.h"

namespace {

using namespace tarvik;

constexpr int kStartFailed = 1, kBadOptions = 2, kCallsFailed = 3;

struct StartFailure {
    std::string message;
};

// The sentence a query reads in place of the input box.
class Sentence : public QueryWindow {
public:
    std::u16string text;
    std::u16string ReadText1() const override { return text; }
    void SetText2(const std::string&) override {}
    void SetTimeLabels(const std::string&, const std::string&, const std::string&) override {}
    bool StopRequested() const override { return StopSignal() != 0; }
    std::string DecimalSeparator() const override { return "."; }
};

// Tarvik.ini: the one named by --ini, else the current folder's, else the one beside the program.
std::string findSettings(const BenchOptions& options, std::string& chosenBy) {
    if (!options.ini.empty()) {
        chosenBy = "--ini";
        return std::filesystem::absolute(options.ini).string();
    }
    std::filesystem::path here = std::filesystem::current_path() / "Tarvik.ini";
    if (std::filesystem::is_regular_file(here)) {
        chosenBy = "current folder";
        return here.string();
    }
    chosenBy = "beside the program";
    return modGlobals::DefaultIniPath();
}

std::string loadSettings(const BenchOptions& options, std::string& chosenBy) {
    std::string ini = findSettings(options, chosenBy);
    if (!modFile::PathExists(ini)) throw StartFailure{"settings file not found: " + ini};
    modGlobals::IniPath = ini;
    try {
        modGlobals::ReadSettings(ini);
    } catch (const SettingsProblem& problem) {
        throw StartFailure{problem.Message};
    }
    if (options.timeout) modGlobals::QueryTimeout = *options.timeout;
    if (options.memoryLimit) modGlobals::MemoryLimit = *options.memoryLimit;
    return ini;
}

std::string inputPath(const BenchOptions& options) {
    std::string path = options.input.empty() ? modGlobals::ResolvePath(modGlobals::InputFile)
                                             : std::filesystem::absolute(options.input).string();
    if (path.empty()) throw StartFailure{"no input file: set InputFile in the settings or give --input"};
    return path;
}

// Every usable line of the input, read as the window's batch reads it.
std::vector<std::string> readSentences(const std::string& path) {
    if (!modFile::PathExists(path)) throw StartFailure{"input file not found: " + path};
    std::string problem = TextFileProblem(path, kMaxInputBytes);
    if (!problem.empty()) throw StartFailure{"the input file " + path + " " + problem};
    std::int16_t number = modFile::OpenFile(path, "I");
    if (number == 0) throw StartFailure{"input file cannot be read: " + path};
    std::vector<std::string> sentences;
    while (!AtEndOfFile(number)) {
        std::string line = LineInput(number);
        if (IsUsableLine(line)) sentences.push_back(line);
    }
    modFile::CloseFile(number);
    if (sentences.empty()) throw StartFailure{"no sentences in the input file: " + path};
    return sentences;
}

// The text cut or padded with blanks to `width` characters, never splitting a UTF-8 sequence.
std::string column(const std::string& text, size_t width) {
    std::string out;
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == width) break;
        out += text[i];
    }
    return out + std::string(width - std::min(characters, width), ' ');
}

std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    return buffer;
}

std::string jsonText(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') out += '\\', out += static_cast<char>(c);
        else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else out += static_cast<char>(c);
    }
    return out + "\"";
}

void printSummary(const BenchOptions& options, const Measurement& run) {
    std::array<TimeSummary, 3> summaries;
    std::array<size_t, 3> failures{};
    double fastest = 0;
    for (const BrainRun& brain : run.brains) {
        int b = brain.number - 1;
        summaries[b] = Summarise(brain.Times());
        failures[b] = brain.failures.size();
        if (summaries[b].calls && (fastest == 0 || summaries[b].median < fastest)) fastest = summaries[b].median;
    }
    auto relative = [&](int b) { return fastest > 0 && summaries[b].calls ? summaries[b].median / fastest : 0.0; };
    std::ostringstream out;
    if (options.json) {
        out << "{\"sentences\": " << run.sentences.size() << ", \"repeat\": " << options.repeat << ", \"warmup\": " << options.warmup
            << ", \"brains\": [";
        bool first = true;
        for (const BrainRun& brain : run.brains) {
            int b = brain.number - 1;
            const TimeSummary& s = summaries[b];
            // A brain that answered nothing has no times: null, not zero.
            auto figure = [&](double value) { return s.calls ? number(value) : std::string("null"); };
            out << (first ? "" : ", ") << "{\"brain\": " << b + 1 << ", \"name\": " << jsonText(brain.name)
                << ", \"calls\": " << s.calls << ", \"failures\": " << failures[b]
                << ", \"min_ms\": " << figure(s.minimum) << ", \"median_ms\": " << figure(s.median)
                << ", \"mean_ms\": " << figure(s.mean) << ", \"p95_ms\": " << figure(s.p95)
                << ", \"max_ms\": " << figure(s.maximum) << ", \"stddev_ms\": " << figure(s.deviation)
                << ", \"median_vs_fastest\": " << figure(relative(b)) << "}";
            first = false;
        }
        out << "]}\n";
    } else {
        char line[256];
        std::snprintf(line, sizeof line, "%-5s %-16s %7s %8s %10s %10s %10s %10s %10s %10s %8s\n", "brain", "name", "calls",
                      "failures", "min ms", "median ms", "mean ms", "p95 ms", "max ms", "stddev ms", "median");
        out << line;
        for (const BrainRun& brain : run.brains) {
            int b = brain.number - 1;
            const TimeSummary& s = summaries[b];
            std::string relativeText = number(relative(b)).substr(0, 5) + "x";
            std::snprintf(line, sizeof line, "%-5d ", b + 1);
            out << line << column(brain.name, 16);
            if (s.calls) {
                std::snprintf(line, sizeof line, " %7zu %8zu %10.4f %10.4f %10.4f %10.4f %10.4f %10.4f %8s\n", s.calls,
                              failures[b], s.minimum, s.median, s.mean, s.p95, s.maximum, s.deviation,
                              relativeText.c_str());
            } else {
                std::snprintf(line, sizeof line, " %7zu %8zu %10s %10s %10s %10s %10s %10s %8s\n", s.calls,
                              failures[b], "-", "-", "-", "-", "-", "-", "-");
            }
            out << line;
        }
    }
    std::cout << out.str() << std::flush;
}

CallFailure describe(const BrainFailure& failure, size_t sentence, int pass) {
    return {static_cast<std::uint32_t>(sentence), static_cast<std::uint32_t>(pass), failure.Cause.number,
            failure.Cause.line, failure.Cause.column, failure.Error(), failure.Where(), failure.Context()};
}

void loadBrains(BrainEngines& engines, const BenchOptions& options, Measurement& run) {
    engines.TakeSettings();
    for (int brain = 1; brain <= 3; ++brain) {
        if (!options.brains[brain - 1]) continue;
        // The window loads a missing script as empty source; here that would only fail every call.
        std::string script = modGlobals::ResolvePath(modGlobals::BrainScript(brain));
        if (script.empty() || !std::filesystem::is_regular_file(script)) {
            throw StartFailure{"Brain " + std::to_string(brain) + " (" + modGlobals::BrainName(brain) +
                               "): script file not found: " + (script.empty() ? "no Brain" + std::to_string(brain) + "Script setting" : script)};
        }
        try {
            engines.LoadScript(brain);
        } catch (const BrainFailure& failure) {
            std::string context = failure.Context();
            if (!context.empty()) context.pop_back();  // the message gets its own line end
            throw StartFailure{failure.Where() + ": " + failure.Error() + (context.empty() ? "" : "\n") + context};
        }
        try {
            engines.RequireGetResponse(brain);
        } catch (const BrainFailure& failure) {
            throw StartFailure{failure.Where() + ": " + vbs::utf16ToUtf8(failure.Cause.description)};
        }
        BrainRun& entry = run.brains.emplace_back();
        entry.number = brain;
        entry.name = modGlobals::BrainName(brain);
        entry.scriptPath = script;
    }
}

// The progress line on a terminal, redrawn at most ten times a second and only between calls.
class Progress {
public:
    explicit Progress(bool shown) : shown_(shown) {}
    bool Shown() const { return shown_; }
    void Show(const std::string& text) {
        auto now = std::chrono::steady_clock::now();
        if (!shown_ || now - last_ < std::chrono::milliseconds(100)) return;
        last_ = now;
        std::cerr << "\r" << text << "\033[K" << std::flush;
    }
    void Clear() {
        if (shown_) std::cerr << "\r\033[K" << std::flush;
    }

private:
    bool shown_;
    std::chrono::steady_clock::time_point last_{};
};

// Whether another timed pass is due: the passes asked for, then more until each brain that answers
// at all has the minimum time of samples.
bool morePasses(const BenchOptions& options, const Measurement& run) {
    if (run.info.passes < options.repeat) return true;
    for (const BrainRun& brain : run.brains) {
        if (brain.Answered() && brain.TimedMilliseconds() < options.minTime * 1000) return true;
    }
    return false;
}

int run(const BenchOptions& options) {
    Measurement run;
    run.info.version = TARVIK_VERSION;
    run.info.iniPath = loadSettings(options, run.info.iniChosenBy);
    run.info.inputPath = inputPath(options);
    run.sentences = readSentences(run.info.inputPath);
    run.info.warmup = options.warmup;
    run.info.repeat = options.repeat;
    run.info.minTimeSeconds = options.minTime;

    BrainEngines engines;
    loadBrains(engines, options, run);
    bool allBrains = options.brains == std::array<bool, 3>{true, true, true};
    if (allBrains) {
        std::string problem = RecordsProblem();
        if (!problem.empty()) throw StartFailure{problem};
        StartRecords();
    }

    Progress progress(!options.quiet && ::isatty(STDERR_FILENO));
    const size_t lines = run.sentences.size();
    Sentence window;
    std::string recordFailure;
    size_t done = 0;  // timed lines answered by every brain asked
    try {
        for (int pass = 0; !StopSignal() && (pass < options.warmup || morePasses(options, run)); ++pass) {
            bool timed = pass >= options.warmup;
            int timedPass = pass - options.warmup;
            for (size_t i = 0; i < lines && !StopSignal(); ++i) {
                window.text = vbs::utf8ToUtf16(run.sentences[i]);
                // A stop asked for during the line abandons it: none of its calls counts or is recorded.
                AllBrainsResult result = AskBrains(engines, window, options.brains);
                if (!result.completed) break;
                if (timed && allBrains && !WriteRecords(run.sentences[i], result)) {
                    throw Failure(DeviceIOError, "cannot write the conversation log " + modGlobals::ResolvePath(modGlobals::LogName));
                }
                if (timed && i == 0) run.info.passes = timedPass + 1;
                for (auto brain = run.brains.rbegin(); brain != run.brains.rend(); ++brain) {
                    const std::optional<BrainFailure>& failure = result.failures[brain->number - 1];
                    if (failure) {
                        if (!timed) {
                            brain->warmupFailures.push_back(describe(*failure, i, pass));
                            continue;
                        }
                        brain->failures.push_back(describe(*failure, i, timedPass));
                    }
                    if (!timed) continue;
                    Sample sample{static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(timedPass), 0, -1};
                    if (failure) sample.failure = static_cast<std::int32_t>(brain->failures.size() - 1);
                    else sample.milliseconds = result.times[brain->number - 1];
                    brain->samples.push_back(sample);
                    if (failure && !options.quiet) {
                        progress.Clear();
                        std::cerr << "tarvik-bench: " << failure->Where() << ": " << failure->Error() << " (sentence " << i + 1
                                  << ": \"" << run.sentences[i] << "\")\n" << failure->Context();
                    }
                }
                if (timed) ++done;
                progress.Show(timed ? "timing pass " + std::to_string(timedPass + 1) + ", line " + std::to_string(i + 1) + "/" +
                                          std::to_string(lines)
                                    : "warm-up pass " + std::to_string(pass + 1) + ", line " + std::to_string(i + 1) + "/" +
                                          std::to_string(lines));
            }
        }
    } catch (const Failure& failure) {
        // A record that stops taking lines (a full disk) ends the batch: what it already holds is whole.
        recordFailure = failure.Description;
    }
    progress.Clear();
    // With --min-time the number of passes is open.
    auto doneText = [&] {
        return std::to_string(done) + (options.minTime > 0 ? "" : " of " + std::to_string(lines * options.repeat)) + " sentences";
    };
    if (!recordFailure.empty()) {
        run.info.stoppedBy = recordFailure;
        std::cerr << "tarvik-bench: " << recordFailure << "; stopped after " << doneText() << "\n";
    } else if (int signal = StopSignal()) {
        run.info.stoppedBy = signal == SIGINT ? "SIGINT" : "SIGTERM";
        std::cerr << "tarvik-bench: stopped by " << run.info.stoppedBy << " after " << doneText() << "\n";
    }
    printSummary(options, run);
    if (!recordFailure.empty()) return kStartFailed;
    if (int signal = StopSignal()) return 128 + signal;
    for (const BrainRun& brain : run.brains) {
        if (!brain.failures.empty()) return kCallsFailed;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    SetMessageBoxSink([](const std::string& text, const std::string&) { std::cerr << "tarvik-bench: " << text << "\n"; });
    BenchOptions options;
    try {
        options = ParseOptions(argc, argv);
    } catch (const std::invalid_argument& bad) {
        std::cerr << "tarvik-bench: " << bad.what() << "\nTry 'tarvik-bench --help'.\n";
        return kBadOptions;
    }
    if (options.help) {
        std::cout << UsageText();
        return 0;
    }
    if (options.version) {
        std::cout << "tarvik-bench " TARVIK_VERSION "\n";
        return 0;
    }
    CatchStopSignals();
    try {
        return run(options);
    } catch (const StartFailure& failure) {
        std::cerr << "tarvik-bench: " << failure.message << "\n";
    } catch (const Failure& failure) {
        std::cerr << "tarvik-bench: error " << failure.Number << ": " << failure.Description << "\n";
    }
    return kStartFailed;
}
