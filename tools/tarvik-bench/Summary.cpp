#include "tools/tarvik-bench/Summary.h"

#include <algorithm>
#include <cstdio>

#include "bench/DurationText.h"

namespace tarvik {

namespace {

// Characters, not bytes: names and units are UTF-8.
size_t width(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(),
                                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string padded(const std::string& text, size_t to, bool left) {
    std::string fill(to - std::min(to, width(text)), ' ');
    return left ? text + fill : fill + text;
}

std::string fixed(double value, int decimals) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string percent(double fraction) { return fixed(fraction * 100, fraction < 0.0995 ? 1 : 0) + "%"; }

std::string plural(size_t n, const std::string& one, const std::string& many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "1.95–2.10 µs": both ends in the unit of the higher.
std::string range(const Interval& interval) {
    std::string high = DurationText(interval.high);
    std::string unit = high.substr(high.find(' '));
    std::string low = DurationText(interval.low);
    if (low.substr(low.find(' ')) != unit) return low + "–" + high;
    return low.substr(0, low.find(' ')) + "–" + high;
}

std::string lineOf(const std::string& sentence) {
    constexpr size_t kShown = 60;
    if (width(sentence) <= kShown) return sentence;
    std::string cut;
    size_t characters = 0;
    for (char c : sentence) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && characters++ == kShown - 1) break;
        cut += c;
    }
    return cut + "…";
}

std::string drawn(const Table& table) {
    std::vector<size_t> widths;
    for (const std::string& cell : table.header) widths.push_back(width(cell));
    for (const auto& row : table.rows) {
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], width(row[c]));
    }
    auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (size_t c = 0; c < cells.size(); ++c) {
            bool last = c + 1 == cells.size();
            text += padded(cells[c], last && table.leftAligned[c] ? 0 : widths[c], table.leftAligned[c]);
            if (!last) text += "  ";
        }
        return text + "\n";
    };
    std::string text = line(table.header);
    for (const auto& row : table.rows) text += line(row);
    return text;
}

std::string markdown(const Table& table) {
    auto line = [](const std::vector<std::string>& cells) {
        std::string text = "|";
        for (const std::string& cell : cells) {
            std::string escaped;
            for (char c : cell) escaped += c == '|' ? std::string("\\|") : std::string(1, c);
            text += " " + escaped + " |";
        }
        return text + "\n";
    };
    std::string text = line(table.header) + "|";
    for (bool left : table.leftAligned) text += left ? " --- |" : " ---: |";
    text += "\n";
    for (const auto& row : table.rows) text += line(row);
    return text;
}

std::string passesText(const RunInfo& info) {
    std::string text;
    if (info.warmup) text += plural(static_cast<size_t>(info.warmup), "warm-up pass", "warm-up passes") + " (untimed), then ";
    text += plural(static_cast<size_t>(info.repeat), "timed pass", "timed passes") + " over the whole file in order";
    if (info.repeat > 1) text += " (a b a b)";
    if (info.minTimeSeconds > 0) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%g", info.minTimeSeconds);
        text += ", more until each brain has " + std::string(seconds) + " s of answered calls";
    }
    return text;
}

std::string chosenBy(const std::string& how) {
    if (how == "--ini") return "given by --ini";
    if (how == "current folder") return "found in the current folder";
    return "found beside the program";
}

}  // namespace

std::string StartText(const Measurement& run) {
    const RunInfo& info = run.info;
    std::string records;
    if (!info.resultTable.empty()) records += "result table " + info.resultTable;
    if (!info.conversationLog.empty()) records += (records.empty() ? "" : ", ") + ("conversation log " + info.conversationLog);
    if (records.empty()) records = run.brains.size() == 3 ? "none (switched off in the settings)" : "none (only with all three brains)";
    std::string text = info.tool + " " + info.version + "\n";
    text += "settings  " + info.iniPath + " (" + chosenBy(info.iniChosenBy) + ")\n";
    text += "input     " + info.inputPath + ", " + plural(run.sentences.size(), "sentence", "sentences") + "\n";
    text += "records   " + records + "\n";
    text += "passes    " + passesText(info) + "\n";
    if (!info.prepare.empty()) text += "prepare   " + info.prepare + " (before each pass)\n";
    text += "measured  the wall-clock time of each call, from before the sentence is read to after GetResponse returns\n";
    text += "clock     " + info.clock + ": resolution " + DurationText(info.clockResolutionNs / 1e6) + ", one reading " +
            DurationText(info.clockReadingNs / 1e6) + "\n";
    text += "host      " + DurationText(info.hostOverheadMs) + " per call (an empty GetResponse), part of every time\n";
    return text;
}

std::string RatioText(const BrainStatistics& s) {
    if (!s.calls) return "-";
    std::string text = fixed(s.ratio, 2) + "x";
    double half = (s.ratioInterval.high - s.ratioInterval.low) / 2;
    if (s.hasInterval && half > 0) text += " ± " + fixed(half, 2);
    return text;
}

Table FiguresTable(const Measurement& run, const BatchStatistics& statistics) {
    Table table;
    table.header = {"brain", "name", "calls", "failed", "median", "95% interval", "noise (MAD)", "outliers", "vs fastest"};
    table.leftAligned = {true, true, false, false, false, false, false, false, true};
    for (size_t b = 0; b < run.brains.size(); ++b) {
        const BrainStatistics& s = statistics.brains[b];
        std::vector<std::string> row{std::to_string(s.brain), run.brains[b].name, std::to_string(s.calls),
                                     std::to_string(s.failures)};
        if (!s.calls) {
            row.insert(row.end(), {"-", "-", "-", "-", "-"});
        } else {
            row.push_back(DurationText(s.median));
            row.push_back(s.hasInterval ? range(s.medianInterval) : "-");
            row.push_back(s.noiseMad < 0 ? "-" : percent(s.noiseMad));
            row.push_back(s.classified ? std::to_string(s.outliers) + " (" + percent(static_cast<double>(s.outliers) /
                                                                                 static_cast<double>(s.classified)) + ")"
                                       : "-");
            row.push_back(RatioText(s));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

Table SentencesTable(const Measurement& run, const BatchStatistics& statistics) {
    Table table;
    table.header = {"brain", "name", "fastest", "25%", "median", "75%", "slowest", "fastest call", "slowest call"};
    table.leftAligned = {true, true, false, false, false, false, false, false, false};
    for (size_t b = 0; b < run.brains.size(); ++b) {
        const BrainStatistics& s = statistics.brains[b];
        std::vector<std::string> row{std::to_string(s.brain), run.brains[b].name};
        if (!s.calls) {
            row.insert(row.end(), 7, "-");
        } else {
            const TimeSummary& m = s.sentenceMedians;
            for (double t : {m.minimum, m.lowerQuartile, m.median, m.upperQuartile, m.maximum, s.all.minimum, s.all.maximum})
                row.push_back(DurationText(t));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

namespace {

std::string slowestText(const Measurement& run, const BatchStatistics& statistics, const std::string& indent) {
    std::string text;
    size_t nameWidth = 0;
    for (const BrainRun& brain : run.brains) nameWidth = std::max(nameWidth, width(brain.name));
    for (size_t b = 0; b < run.brains.size(); ++b) {
        const BrainStatistics& s = statistics.brains[b];
        for (size_t i = 0; i < s.slowest.size(); ++i) {
            const SentenceMedian& m = s.slowest[i];
            text += indent + padded(i == 0 ? run.brains[b].name : "", nameWidth, true) + "  " +
                    padded(DurationText(m.milliseconds), 9, false) + "  " + padded(std::to_string(m.sentence + 1), 4, false) +
                    "  " + lineOf(run.sentences[m.sentence]) + "\n";
        }
    }
    return text;
}

std::vector<std::string> warmupNotes(const Measurement& run) {
    std::vector<std::string> notes;
    for (const BrainRun& brain : run.brains) {
        if (brain.warmupFailures.empty()) continue;
        const CallFailure& first = brain.warmupFailures.front();
        notes.push_back(brain.name + ": " + plural(brain.warmupFailures.size(), "call", "calls") +
                        " failed in the warm-up (not counted), the first: " + first.where + ": " + first.error +
                        " (sentence " + std::to_string(first.sentence + 1) + ")");
    }
    return notes;
}

// The comparison with a baseline as Markdown: a row per brain, then the sentences that moved most.
std::string comparisonMarkdown(const Measurement& run, const BaselineComparison& comparison) {
    Table table;
    table.header = {"brain", "name", "baseline", "now", "change [95%]", "verdict"};
    table.leftAligned = {true, true, false, false, false, true};
    std::string moved;
    for (size_t b = 0; b < run.brains.size(); ++b) {
        const BrainRun& brain = run.brains[b];
        const std::optional<BrainComparison>& c = comparison.brains[b];
        if (!c) {
            table.rows.push_back({std::to_string(brain.number), brain.name, "-", "-", "-", "not compared"});
            continue;
        }
        table.rows.push_back({std::to_string(brain.number), brain.name, DurationText(c->median.before),
                              DurationText(c->median.after), ChangeFigures(c->median), VerdictText(c->median.verdict)});
        for (const SentenceChange& s : c->mostChanged) {
            // Indented: a code block shows the sentence as it is, markup and all.
            moved += "    " + brain.name + ", sentence " + std::to_string(s.sentence + 1) + " \"" + lineOf(run.sentences[s.sentence]) +
                     "\": " + DurationText(s.change.before) + " -> " + DurationText(s.change.after) + "  " +
                     ChangeText(s.change) + "\n";
        }
    }
    std::string text = "\nCompared with baseline '" + comparison.name + "' (" + comparison.path + ", " +
                       comparison.baseline.startedAt + "):\n\n" + markdown(table);
    if (!moved.empty()) text += "\nSentences that moved most:\n\n" + moved;
    std::vector<std::string> notes = comparison.notes;
    if (!comparison.sameInput) notes.insert(notes.begin(), "the input differs from the baseline's: each brain's median is compared over different sentences");
    if (!notes.empty()) {
        text += "\n";
        for (const std::string& note : notes) text += "- note: " + note + "\n";
    }
    return text;
}

}  // namespace

std::string TerminalSummary(const Measurement& run, const BatchStatistics& statistics,
                            const std::vector<std::string>& warnings) {
    std::string text = "\n" + drawn(FiguresTable(run, statistics));
    text += "\nmedians of the sentences (the work), and the single calls:\n" + drawn(SentencesTable(run, statistics));
    std::string slowest = slowestText(run, statistics, "  ");
    if (!slowest.empty()) text += "\nslowest sentences (median, number, sentence):\n" + slowest;
    std::vector<std::string> notes = warmupNotes(run);
    notes.insert(notes.end(), warnings.begin(), warnings.end());
    if (!notes.empty()) {
        text += "\n";
        for (const std::string& note : notes) text += "warning: " + note + "\n";
    }
    return text;
}

std::string MarkdownSummary(const Measurement& run, const BatchStatistics& statistics,
                            const std::vector<std::string>& warnings, const BaselineComparison* comparison) {
    const RunInfo& info = run.info;
    std::string text = "### " + info.tool + " " + info.version + ": " + plural(run.sentences.size(), "sentence", "sentences") +
                       ", " + passesText(info) + "\n\n";
    text += markdown(FiguresTable(run, statistics));
    text += "\nMedians of the sentences and the single calls:\n\n" + markdown(SentencesTable(run, statistics));
    std::string slowest = slowestText(run, statistics, "    ");
    if (!slowest.empty()) text += "\nSlowest sentences (median, number, sentence):\n\n" + slowest;
    std::vector<std::string> notes = warmupNotes(run);
    notes.insert(notes.end(), warnings.begin(), warnings.end());
    if (!notes.empty()) {
        text += "\n";
        for (const std::string& note : notes) text += "- " + note + "\n";
    }
    if (comparison) text += comparisonMarkdown(run, *comparison);
    text += "\n" + info.startedAt + " on " + info.host + " (" + info.cpu + ", " + std::to_string(info.cores) + " cores, " +
            info.kernel + "), " + info.buildType + " build. Wall-clock time of each call, from before the sentence is read "
            "to after GetResponse returns; the host's own part is " + DurationText(info.hostOverheadMs) + " per call.\n";
    return text;
}

}  // namespace tarvik
