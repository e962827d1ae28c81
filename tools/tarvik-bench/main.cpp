// tarvik-bench: the text-file batch without a window, with statistics per brain.
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <set>

#include "bench/Baseline.h"
#include "bench/BrainEngines.h"
#include "bench/Comparison.h"
#include "bench/Measurement.h"
#include "bench/Queries.h"
#include "bench/Statistics.h"
#include "bench/report/HtmlReport.h"
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
#include "tools/tarvik-bench/BenchJson.h"
#include "tools/tarvik-bench/Exports.h"
#include "tools/tarvik-bench/HostInfo.h"
#include "tools/tarvik-bench/HostOverhead.h"
#include "tools/tarvik-bench/Options.h"
#include "tools/tarvik-bench/Prepare.h"
#include "tools/tarvik-bench/Profiling.h"
#include "tools/tarvik-bench/Sha256.h"
#include "tools/tarvik-bench/Summary.h"
#include "tools/tarvik-bench/StopSignal.h"

namespace {

using namespace tarvik;

constexpr int kStartFailed = 1, kBadOptions = 2, kCallsFailed = 3, kSlower = 4;

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
    // Whether a redraw is due; the caller builds the text only then.
    bool Due() {
        if (!shown_) return false;
        auto now = std::chrono::steady_clock::now();
        if (now - last_ < std::chrono::milliseconds(100)) return false;
        last_ = now;
        return true;
    }
    void Show(const std::string& text) { std::cerr << "\r" << text << "\033[K" << std::flush; }
    void Clear() {
        if (shown_) std::cerr << "\r\033[K" << std::flush;
    }

private:
    bool shown_;
    std::chrono::steady_clock::time_point last_{};
};

// Whether another timed pass is due: the passes asked for, then more until each brain that answers
// at all has the minimum time of samples. `answered` is each brain's sum of answered milliseconds.
bool morePasses(const BenchOptions& options, const Measurement& run, const std::vector<double>& answered) {
    if (run.info.passes < options.repeat) return true;
    for (size_t b = 0; b < run.brains.size(); ++b) {
        if (run.brains[b].Answered() && answered[b] < options.minTime * 1000) return true;
    }
    return false;
}

// The records, and the exports asked for, must be writable before anything runs.
void checkOutputs(const BenchOptions& options, Measurement& run, bool allBrains) {
    if (allBrains) {
        std::string problem = RecordsProblem();
        if (!problem.empty()) throw StartFailure{problem};
        if (modGlobals::CreateCSV == vbTrue) run.info.resultTable = modGlobals::ResolvePath(modGlobals::CSVName);
        if (modGlobals::CreateLog == vbTrue) run.info.conversationLog = modGlobals::ResolvePath(modGlobals::LogName);
    }
    for (const std::string* path : {&options.exportJson, &options.exportCsv, &options.exportMarkdown, &options.report}) {
        if (path->empty()) continue;
        std::string problem = ExportProblem(*path);
        if (!problem.empty()) throw StartFailure{"cannot export: " + problem};
    }
}

// Read before anything runs: a baseline that is missing or broken stops the start, not the end.
Measurement readBaseline(const std::string& path) {
    if (!std::filesystem::exists(path)) throw StartFailure{"baseline not found: " + path + " (save one with --save-baseline)"};
    try {
        return ReadMeasurementJson(path);
    } catch (const std::runtime_error& problem) {
        throw StartFailure{std::string("baseline ") + problem.what()};
    }
}

void describeRun(Measurement& run, const BenchOptions& options) {
    RunInfo& info = run.info;
    info.version = TARVIK_VERSION;
    TakeHostInfo(info);
    info.inputSha256 = FileSha256(info.inputPath);
    info.warmup = options.warmup;
    info.repeat = options.repeat;
    info.minTimeSeconds = options.minTime;
    info.prepare = options.prepare;
    info.profiled = options.profile || !options.folded.empty();
    info.queryTimeoutMs = modGlobals::QueryTimeout;
    info.memoryLimitMb = modGlobals::MemoryLimit;
    for (BrainRun& brain : run.brains) brain.scriptSha256 = FileSha256(brain.scriptPath);
    ClockFacts clock = ExamineClock();
    info.clock = clock.name;
    info.clockResolutionNs = clock.resolutionNs;
    info.clockReadingNs = clock.readingNs;
    info.hostOverheadMs = HostOverhead(run.sentences.front());
}

// A failure of a brain, told once per brain, sentence and error however many passes repeat it.
class FailureReports {
public:
    FailureReports(bool quiet, Progress& progress) : quiet_(quiet), progress_(progress) {}
    void Tell(const BrainFailure& failure, size_t sentence, const std::string& text) {
        if (quiet_ || !told_.insert(std::to_string(failure.Brain) + ":" + std::to_string(sentence) + ":" + failure.Error()).second)
            return;
        progress_.Clear();
        std::cerr << "tarvik-bench: " << failure.Where() << ": " << failure.Error() << " (sentence " << sentence + 1 << ": \""
                  << text << "\")\n" << failure.Context();
    }

private:
    bool quiet_;
    Progress& progress_;
    std::set<std::string> told_;
};

// One line's answers: a sample per brain for a timed pass (in the order asked, 3, 2, 1), or the
// warm-up's failures, which are told once with the summary and never counted.
void keepLine(Measurement& run, const AllBrainsResult& result, size_t line, int pass, bool timed,
              std::vector<double>& answered, FailureReports& reports) {
    for (size_t b = run.brains.size(); b-- > 0;) {
        BrainRun& brain = run.brains[b];
        const std::optional<BrainFailure>& failure = result.failures[brain.number - 1];
        if (!timed) {
            if (failure) brain.warmupFailures.push_back(describe(*failure, line, pass));
            continue;
        }
        Sample sample{static_cast<std::uint32_t>(line), static_cast<std::uint32_t>(pass), 0, -1};
        if (failure) {
            sample.failure = static_cast<std::int32_t>(brain.failures.size());
            brain.failures.push_back(describe(*failure, line, pass));
            reports.Tell(*failure, line, run.sentences[line]);
        } else {
            sample.milliseconds = result.times[brain.number - 1];
            answered[b] += sample.milliseconds;
        }
        brain.samples.push_back(sample);
    }
}

int run(const BenchOptions& options) {
    Measurement run;
    run.info.iniPath = loadSettings(options, run.info.iniChosenBy);
    run.info.inputPath = inputPath(options);
    run.sentences = readSentences(run.info.inputPath);

    BrainEngines engines;
    BrainProfiles profiles(options.profile, options.folded, engines, options.brains);
    if (std::string problem = profiles.Start(); !problem.empty()) throw StartFailure{problem};
    loadBrains(engines, options, run);
    bool allBrains = options.brains == std::array<bool, 3>{true, true, true};
    checkOutputs(options, run, allBrains);
    std::string baselinePath = options.baseline.empty() ? "" : BaselinePath(run.info.iniPath, options.baseline).string();
    std::optional<Measurement> baseline;
    if (!baselinePath.empty()) baseline = readBaseline(baselinePath);
    describeRun(run, options);
    if (!options.json) std::cout << StartText(run) << std::flush;
    if (allBrains) StartRecords();

    Progress progress(!options.quiet && ::isatty(STDERR_FILENO));
    FailureReports reports(options.quiet, progress);
    const size_t lines = run.sentences.size();
    Sentence window;
    std::string stopped;  // why the run ended early, when not by a signal
    size_t done = 0;      // timed lines answered by every brain asked
    std::vector<double> answered(run.brains.size());  // milliseconds, for --min-time
    // Room for the passes asked for up front: growing the list page by page costs a cheap brain's
    // batch several per cent (perf/samples_bench.cpp).
    for (BrainRun& brain : run.brains) brain.samples.reserve(lines * static_cast<size_t>(options.repeat));
    try {
        for (int pass = 0; !StopSignal() && (pass < options.warmup || morePasses(options, run, answered)); ++pass) {
            bool timed = pass >= options.warmup;
            int timedPass = pass - options.warmup;
            if (!options.prepare.empty()) {
                progress.Clear();
                std::string problem = RunPrepare(options.prepare);
                if (StopSignal()) break;  // the signal reached the command too: a stop, not its failure
                if (!problem.empty()) {
                    stopped = "the --prepare command '" + options.prepare + "' failed before " +
                              (timed ? "timed pass " + std::to_string(timedPass + 1) : "warm-up pass " + std::to_string(pass + 1)) +
                              ": " + problem;
                    break;
                }
            }
            if (pass == options.warmup) profiles.TimingStarts();
            for (size_t i = 0; i < lines && !StopSignal(); ++i) {
                window.text = vbs::utf8ToUtf16(run.sentences[i]);
                // A stop asked for during the line abandons it: none of its calls counts or is recorded.
                AllBrainsResult result = AskBrains(engines, window, options.brains);
                if (!result.completed) break;
                if (timed && allBrains && !WriteRecords(run.sentences[i], result)) {
                    throw Failure(DeviceIOError, "cannot write the conversation log " + modGlobals::ResolvePath(modGlobals::LogName));
                }
                if (timed && i == 0) run.info.passes = timedPass + 1;
                keepLine(run, result, i, timed ? timedPass : pass, timed, answered, reports);
                if (timed) ++done;
                if (progress.Due())
                    progress.Show((timed ? "timing pass " + std::to_string(timedPass + 1) : "warm-up pass " + std::to_string(pass + 1)) +
                              ", line " + std::to_string(i + 1) + "/" + std::to_string(lines));
            }
        }
    } catch (const Failure& failure) {
        // A record that stops taking lines (a full disk) ends the batch: what it already holds is whole.
        stopped = failure.Description;
    }
    progress.Clear();
    profiles.Collect(run);
    // With --min-time the number of passes is open.
    std::string doneText = std::to_string(done) + (options.minTime > 0 ? "" : " of " + std::to_string(lines * options.repeat)) +
                           " sentences";
    if (!stopped.empty()) {
        run.info.stoppedBy = stopped;
        std::cerr << "tarvik-bench: " << stopped << "; stopped after " << doneText << "\n";
    } else if (int signal = StopSignal()) {
        run.info.stoppedBy = signal == SIGINT ? "SIGINT" : "SIGTERM";
        std::cerr << "tarvik-bench: stopped by " << run.info.stoppedBy << " after " << doneText << "\n";
    }

    BatchStatistics statistics = Analyse(run);
    std::vector<std::string> warnings = Warnings(run, statistics);
    std::optional<BaselineComparison> comparison;
    if (baseline) comparison = CompareWithBaseline(run, *baseline, options.baseline, baselinePath);
    const BaselineComparison* compared = comparison ? &*comparison : nullptr;
    std::string json;
    if (options.json || !options.exportJson.empty()) json = MeasurementJson(run, statistics, warnings, compared).dump() + "\n";
    std::cout << (options.json ? json : TerminalSummary(run, statistics, warnings)) << std::flush;
    // After JSON, on stderr: standard output stays one document.
    bool profiled = profiles.Report(run, options.json ? std::cerr : std::cout);
    if (comparison) (options.json ? std::cerr : std::cout) << "\n" << ComparisonText(run, *comparison) << std::flush;
    bool exported = true;
    auto write = [&](const std::string& path, auto text) {
        if (path.empty()) return;
        try {
            WriteExport(path, text());
        } catch (const std::runtime_error& problem) {
            std::cerr << "tarvik-bench: " << problem.what() << "\n";
            exported = false;
        }
    };
    write(options.exportJson, [&] { return json; });
    write(options.exportCsv, [&] { return CallsCsv(run); });
    write(options.exportMarkdown, [&] { return MarkdownSummary(run, statistics, warnings, compared); });
    write(options.report, [&] { return HtmlReport(run, statistics, warnings, compared); });
    if (!options.saveBaseline.empty()) {
        // A stopped run is not the brain's time: it would make every later run look slower or faster.
        try {
            if (!run.info.stoppedBy.empty()) throw BaselineProblem("the run was stopped");
            std::filesystem::path path = BaselinePath(run.info.iniPath, options.saveBaseline);
            SaveBaseline(path, json.empty() ? MeasurementJson(run, statistics, warnings, compared).dump() + "\n" : json);
            if (!options.quiet) std::cerr << "tarvik-bench: saved baseline '" << options.saveBaseline << "' as " << path.string() << "\n";
        } catch (const BaselineProblem& problem) {
            std::cerr << "tarvik-bench: baseline '" << options.saveBaseline << "' not saved: " << problem.what() << "\n";
            exported = false;
        }
    }
    std::vector<std::string> slower;
    if (comparison && options.failIfSlower) slower = RegressionsBeyond(run, *comparison, *options.failIfSlower);
    for (const std::string& regression : slower) std::cerr << "tarvik-bench: " << regression << " (--fail-if-slower)\n";

    if (!stopped.empty() || !exported || !profiled) return kStartFailed;
    if (int signal = StopSignal()) return 128 + signal;
    for (const BrainRun& brain : run.brains) {
        if (!brain.failures.empty()) return kCallsFailed;
    }
    return slower.empty() ? 0 : kSlower;
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
