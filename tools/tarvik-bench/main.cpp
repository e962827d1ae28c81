// tarvik-bench: the text-file batch without a window, with statistics per brain.
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "bench/BrainEngines.h"
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

struct BrainTally {
    std::vector<double> times;
    size_t failures = 0;
};

void loadSettings(const BenchOptions& options) {
    std::string ini = options.ini.empty() ? modGlobals::DefaultIniPath() : std::filesystem::absolute(options.ini).string();
    if (!modFile::PathExists(ini)) throw StartFailure{"settings file not found: " + ini};
    modGlobals::IniPath = ini;
    try {
        modGlobals::ReadSettings(ini);
    } catch (const SettingsProblem& problem) {
        throw StartFailure{problem.Message};
    }
    if (options.timeout) modGlobals::QueryTimeout = *options.timeout;
    if (options.memoryLimit) modGlobals::MemoryLimit = *options.memoryLimit;
}

// Every usable line of the input, read as the window's batch reads it.
std::vector<std::string> readSentences(const BenchOptions& options) {
    std::string path = options.input.empty() ? modGlobals::ResolvePath(modGlobals::InputFile)
                                             : std::filesystem::absolute(options.input).string();
    if (path.empty()) throw StartFailure{"no input file: set InputFile in the settings or give --input"};
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

void printSummary(const BenchOptions& options, const std::array<BrainTally, 3>& tallies, size_t sentences) {
    std::array<TimeSummary, 3> summaries;
    double fastest = 0;
    for (int b = 0; b < 3; ++b) {
        summaries[b] = Summarise(tallies[b].times);
        if (options.brains[b] && summaries[b].calls && (fastest == 0 || summaries[b].median < fastest)) fastest = summaries[b].median;
    }
    auto relative = [&](int b) { return fastest > 0 && summaries[b].calls ? summaries[b].median / fastest : 0.0; };
    std::ostringstream out;
    if (options.json) {
        out << "{\"sentences\": " << sentences << ", \"repeat\": " << options.repeat << ", \"warmup\": " << options.warmup
            << ", \"brains\": [";
        bool first = true;
        for (int b = 0; b < 3; ++b) {
            if (!options.brains[b]) continue;
            const TimeSummary& s = summaries[b];
            // A brain that answered nothing has no times: null, not zero.
            auto figure = [&](double value) { return s.calls ? number(value) : std::string("null"); };
            out << (first ? "" : ", ") << "{\"brain\": " << b + 1 << ", \"name\": " << jsonText(modGlobals::BrainName(b + 1))
                << ", \"calls\": " << s.calls << ", \"failures\": " << tallies[b].failures
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
        for (int b = 0; b < 3; ++b) {
            if (!options.brains[b]) continue;
            const TimeSummary& s = summaries[b];
            std::string relativeText = number(relative(b)).substr(0, 5) + "x";
            std::snprintf(line, sizeof line, "%-5d ", b + 1);
            out << line << column(modGlobals::BrainName(b + 1), 16);
            if (s.calls) {
                std::snprintf(line, sizeof line, " %7zu %8zu %10.4f %10.4f %10.4f %10.4f %10.4f %10.4f %8s\n", s.calls,
                              tallies[b].failures, s.minimum, s.median, s.mean, s.p95, s.maximum, s.deviation,
                              relativeText.c_str());
            } else {
                std::snprintf(line, sizeof line, " %7zu %8zu %10s %10s %10s %10s %10s %10s %8s\n", s.calls,
                              tallies[b].failures, "-", "-", "-", "-", "-", "-", "-");
            }
            out << line;
        }
    }
    std::cout << out.str() << std::flush;
}

int run(const BenchOptions& options) {
    loadSettings(options);
    std::vector<std::string> sentences = readSentences(options);

    BrainEngines engines;
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
    }
    bool allBrains = options.brains == std::array<bool, 3>{true, true, true};
    if (allBrains) {
        std::string problem = RecordsProblem();
        if (!problem.empty()) throw StartFailure{problem};
        StartRecords();
    }

    std::array<BrainTally, 3> tallies;
    bool progress = !options.quiet && ::isatty(STDERR_FILENO);
    size_t total = sentences.size() * static_cast<size_t>(options.warmup + options.repeat), done = 0;
    Sentence window;
    std::string recordFailure;
    try {
        for (int round = 0; round < options.warmup + options.repeat && !StopSignal(); ++round) {
            bool timed = round >= options.warmup;
            for (size_t i = 0; i < sentences.size() && !StopSignal(); ++i) {
                window.text = vbs::utf8ToUtf16(sentences[i]);
                // A stop asked for during the line abandons it: none of its calls counts or is recorded.
                AllBrainsResult result = AskBrains(engines, window, options.brains);
                if (!result.completed) break;
                if (timed && allBrains && !WriteRecords(sentences[i], result)) {
                    throw Failure(DeviceIOError, "cannot write the conversation log " + modGlobals::ResolvePath(modGlobals::LogName));
                }
                for (int brain = 3; brain >= 1; --brain) {
                    if (!options.brains[brain - 1] || !timed) continue;
                    const std::optional<BrainFailure>& failure = result.failures[brain - 1];
                    if (!failure) {
                        tallies[brain - 1].times.push_back(result.times[brain - 1]);
                        continue;
                    }
                    ++tallies[brain - 1].failures;
                    if (!options.quiet) {
                        std::cerr << (progress ? "\r\033[K" : "") << "tarvik-bench: " << failure->Where() << ": "
                                  << failure->Error() << " (sentence " << i + 1 << ": \"" << sentences[i] << "\")\n"
                                  << failure->Context();
                    }
                }
                ++done;
                if (progress) std::cerr << "\r" << (timed ? "timing " : "warm-up ") << done << "/" << total << std::flush;
            }
        }
    } catch (const Failure& failure) {
        // A record that stops taking lines (a full disk) ends the batch: what it already holds is whole.
        recordFailure = failure.Description;
    }
    if (progress) std::cerr << "\r\033[K" << std::flush;
    if (!recordFailure.empty()) {
        std::cerr << "tarvik-bench: " << recordFailure << "; stopped after " << done << " of " << total << " sentences\n";
    } else if (int signal = StopSignal()) {
        std::cerr << "tarvik-bench: stopped by " << (signal == SIGINT ? "SIGINT" : "SIGTERM") << " after " << done << " of "
                  << total << " sentences\n";
    }
    printSummary(options, tallies, sentences.size());
    if (!recordFailure.empty()) return kStartFailed;
    if (int signal = StopSignal()) return 128 + signal;
    for (const BrainTally& tally : tallies) {
        if (tally.failures) return kCallsFailed;
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
