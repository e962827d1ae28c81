#include "tools/tarvik-bench/Options.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "bench/Baseline.h"

namespace tarvik {

namespace {

int count(std::string_view option, std::string_view text, int least) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < least) {
        throw std::invalid_argument(std::string(option) + " needs a whole number of at least " + std::to_string(least) +
                                    ", not '" + std::string(text) + "'");
    }
    return value;
}

double seconds(std::string_view option, std::string_view text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value >= 0) || value > 86400) {
        throw std::invalid_argument(std::string(option) + " needs a number of seconds from 0 to 86400, not '" +
                                    std::string(text) + "'");
    }
    return value;
}

std::string nonEmpty(std::string_view option, std::string_view text, const char* what) {
    if (text.empty()) throw std::invalid_argument(std::string(option) + " needs " + what);
    return std::string(text);
}

std::string baselineName(std::string_view option, std::string_view text) {
    std::string problem = BaselineNameProblem(std::string(text));
    if (!problem.empty()) throw std::invalid_argument(std::string(option) + ": " + problem);
    return std::string(text);
}

double percent(std::string_view option, std::string_view text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value >= 0) || !std::isfinite(value)) {
        throw std::invalid_argument(std::string(option) + " needs a number of per cent, 0 or more, not '" + std::string(text) + "'");
    }
    return value;
}

std::array<bool, 3> brainList(std::string_view text) {
    std::array<bool, 3> chosen{};
    bool any = false;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        std::string_view item = text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (item != "1" && item != "2" && item != "3") {
            throw std::invalid_argument("--brains takes brain numbers 1 to 3 separated by commas, not '" +
                                        std::string(text) + "'");
        }
        chosen[item[0] - '1'] = any = true;
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (!any) throw std::invalid_argument("--brains needs at least one brain");
    return chosen;
}

}  // namespace

BenchOptions ParseOptions(int argc, const char* const* argv) {
    BenchOptions options;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::string_view value;
        bool inlineValue = false;
        if (arg.starts_with("--") && arg.find('=') != std::string_view::npos) {
            value = arg.substr(arg.find('=') + 1);
            arg = arg.substr(0, arg.find('='));
            inlineValue = true;
        }
        auto next = [&]() -> std::string_view {
            if (inlineValue) return value;
            if (i + 1 >= argc) throw std::invalid_argument(std::string(arg) + " needs a value");
            return argv[++i];
        };
        if (arg == "--ini") options.ini = next();
        else if (arg == "--input") options.input = next();
        else if (arg == "--repeat") options.repeat = count(arg, next(), 1);
        else if (arg == "--warmup") options.warmup = count(arg, next(), 0);
        else if (arg == "--min-time") options.minTime = seconds(arg, next());
        else if (arg == "--timeout") options.timeout = count(arg, next(), 0);
        else if (arg == "--memory-limit") options.memoryLimit = count(arg, next(), 0);
        else if (arg == "--brains") options.brains = brainList(next());
        else if (arg == "--quiet" || arg == "-q") options.quiet = true;
        else if (arg == "--json") options.json = true;
        else if (arg == "--export-json") options.exportJson = nonEmpty(arg, next(), "a file name");
        else if (arg == "--export-csv") options.exportCsv = nonEmpty(arg, next(), "a file name");
        else if (arg == "--export-markdown") options.exportMarkdown = nonEmpty(arg, next(), "a file name");
        else if (arg == "--prepare") options.prepare = nonEmpty(arg, next(), "a command");
        else if (arg == "--profile") options.profile = true;
        else if (arg == "--folded") options.folded = nonEmpty(arg, next(), "a file name");
        else if (arg == "--report") options.report = nonEmpty(arg, next(), "a file name");
        else if (arg == "--save-baseline") options.saveBaseline = baselineName(arg, next());
        else if (arg == "--baseline") options.baseline = baselineName(arg, next());
        else if (arg == "--fail-if-slower") options.failIfSlower = percent(arg, next());
        else if (arg == "--help" || arg == "-h") options.help = true;
        else if (arg == "--version") options.version = true;
        else throw std::invalid_argument("unknown option '" + std::string(argv[i]) + "'");
    }
    if (options.failIfSlower && options.baseline.empty()) throw std::invalid_argument("--fail-if-slower needs --baseline NAME");
    const std::string* exports[] = {&options.exportJson, &options.exportCsv, &options.exportMarkdown, &options.report};
    for (const std::string* a : exports) {
        for (const std::string* b : exports) {
            if (a < b && !a->empty() && *a == *b) throw std::invalid_argument("two exports name the same file '" + *a + "'");
        }
    }
    return options;
}

std::string UsageText() {
    return "Usage: tarvik-bench [options]\n"
           "Times the brains of Tarvik.ini on every usable line of the input file, without a window, writing\n"
           "the same result table and conversation log as the window when the settings ask for them. Each\n"
           "time is the wall-clock time of one call, from before the sentence is read to after GetResponse\n"
           "returns. A brain's figure is the median over sentences of each sentence's median, with a 95%\n"
           "bootstrap interval; noise is the spread of one sentence across its repeats.\n"
           "\n"
           "  --ini PATH      settings file (default: Tarvik.ini in the current folder, else beside the program)\n"
           "  --input FILE    sentences, one per line (default: the InputFile setting)\n"
           "  --warmup N      untimed passes over the whole file first (default 1)\n"
           "  --repeat N      time the whole file N times, in order (a b a b, not a a b b; default 1);\n"
           "                  3 or more let noise and outliers be told from the work\n"
           "  --min-time S    more passes over the file until each brain has S seconds of answered calls\n"
           "  --prepare CMD   run the shell command CMD before each pass (to reset a brain's memory files);\n"
           "                  its failure stops the run\n"
           "  --brains LIST   only these brains, e.g. 1,3 (records need all three)\n"
           "  --timeout MS    a brain call running longer fails (default: the QueryTimeout setting,\n"
           "                  10000 when unset; 0 for no limit)\n"
           "  --memory-limit MB  a brain holding more script data fails with error 7 (default: the\n"
           "                  MemoryLimit setting, 1024 when unset; 0 for no cap)\n"
           "  --quiet         no progress line and no per-sentence failure reports\n"
           "  --json          the whole result as JSON on standard output instead of the summary\n"
           "  --export-json FILE      the same JSON to FILE (schema: docs/bench-json.md)\n"
           "  --export-csv FILE       one row per call: sentence, text, repeat, brain, name, ms, result\n"
           "  --export-markdown FILE  the summary tables in Markdown, for a README or an issue\n"
           "  --profile       after the run, where each brain spent the timed calls' time: calls and\n"
           "                  inclusive and exclusive time of its procedures, built-ins and object\n"
           "                  members, and its busiest lines\n"
           "  --folded FILE   each brain's call paths as folded stacks for a flame graph, brain n's in\n"
           "                  FILE with n before the extension (out.folded: out.1.folded ...)\n"
           "  --report FILE   one self-contained HTML page: per brain a histogram of its call times, its\n"
           "                  slowest sentences and failures (with --profile a flame graph), the time per\n"
           "                  sentence of every brain, the comparison with --baseline, how the run was made\n"
           "  --save-baseline NAME    keep this run as baseline NAME (baselines/NAME.json beside the settings)\n"
           "  --baseline NAME         compare each brain with baseline NAME: the change of its median with a\n"
           "                  95% interval, improved, regressed or no change beyond noise, and the\n"
           "                  sentences that changed most\n"
           "  --fail-if-slower PCT    exit with 4 when a brain regressed by more than PCT per cent\n"
           "  --help          this text\n"
           "  --version       the program's version\n"
           "\n"
           "Exit status: 0 all calls answered, 1 the run could not start (settings, an input without\n"
           "sentences, a brain script missing or not compiling, a record or export that cannot be written,\n"
           "a --prepare command that failed) or a record stopped taking lines, 2 bad options, 3 some calls\n"
           "failed, 4 a brain regressed by more than --fail-if-slower, 130 or 143 stopped by SIGINT or\n"
           "SIGTERM (the line in progress is dropped; every line before it is recorded whole and summed up).\n";
}

}  // namespace tarvik
