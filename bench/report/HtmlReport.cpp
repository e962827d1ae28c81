#include "bench/report/HtmlReport.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "bench/DurationText.h"
#include "bench/report/FlameGraph.h"
#include "bench/report/Markup.h"
#include "bench/report/SvgCharts.h"

namespace tarvik {

namespace {

constexpr size_t kFailuresShown = 5;

const char* kStyle = R"(
body { font: 14px/1.45 system-ui, -apple-system, "Segoe UI", sans-serif; color: #1f2328; margin: 0 auto;
       max-width: 1040px; padding: 16px 24px 48px; background: #fff; }
h1 { font-size: 24px; margin: 8px 0 2px; }
h2 { font-size: 19px; margin: 28px 0 8px; padding-top: 12px; border-top: 1px solid #d0d7de; }
h3 { font-size: 15px; margin: 18px 0 6px; }
.lead { color: #57606a; margin: 0 0 12px; }
table { border-collapse: collapse; margin: 6px 0; }
th, td { padding: 3px 10px; border-bottom: 1px solid #e4e8eb; text-align: left; vertical-align: top; }
th { background: #f6f8fa; font-weight: 600; }
td.n { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
td.s { max-width: 560px; overflow-wrap: anywhere; }
.swatch { display: inline-block; width: 11px; height: 11px; border-radius: 2px; margin-right: 6px; vertical-align: -1px; }
.warnings { background: #fff8c5; border: 1px solid #d4a72c; border-radius: 6px; padding: 8px 12px 8px 30px; }
.figures span { margin-right: 14px; white-space: nowrap; }
td.brain, td.verdict { white-space: nowrap; }
.improved { color: #1a7f37; font-weight: 600; }
.regressed { color: #cf222e; font-weight: 600; }
pre { background: #f6f8fa; padding: 6px 10px; border-radius: 4px; overflow-x: auto; font-size: 12px; margin: 4px 0 10px; }
svg { max-width: 100%; height: auto; display: block; }
.meta td:first-child { color: #57606a; white-space: nowrap; }
.meta td { overflow-wrap: anywhere; }
)";

std::string colourOf(int brain) {
    static const char* kColours[] = {"#4c78a8", "#f58518", "#54a24b"};
    return kColours[(brain - 1 + 3) % 3];
}

std::string cell(const std::string& text, const char* kind = nullptr) {
    return std::string("<td") + (kind ? std::string(" class=\"") + kind + "\"" : "") + ">" + Escape(text) + "</td>";
}

std::string percentText(double fraction, int decimals = 1) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f%%", decimals, 100 * fraction);
    return text;
}

std::string medianText(const BrainStatistics& s) {
    if (!s.calls) return "-";
    std::string text = DurationText(s.median);
    if (s.hasInterval) text += " [" + DurationText(s.medianInterval.low) + ", " + DurationText(s.medianInterval.high) + "]";
    return text;
}

std::string ratioText(const BrainStatistics& s) {
    if (!s.calls) return "-";
    char text[64];
    double spread = std::max(s.ratio - s.ratioInterval.low, s.ratioInterval.high - s.ratio);
    if (s.hasInterval && spread > 0) std::snprintf(text, sizeof text, "%.2fx \xC2\xB1 %.2f", s.ratio, spread);
    else std::snprintf(text, sizeof text, "%.2fx", s.ratio);
    return text;
}

std::string verdictClass(Verdict verdict) {
    return verdict == Verdict::Improved ? "improved" : verdict == Verdict::Regressed ? "regressed" : "";
}

// Two cells: the change with its interval, and the verdict.
std::string changeCells(const Change& change) {
    return cell(ChangeFigures(change), "n") + "<td class=\"verdict " + verdictClass(change.verdict) + "\">" +
           Escape(VerdictText(change.verdict)) + "</td>";
}

// Long sentences are cut in the table; the whole sentence is the cell's tooltip.
std::string sentenceCell(const std::string& sentence) {
    size_t characters = 0;
    for (size_t i = 0; i < sentence.size(); ++i) {
        if ((static_cast<unsigned char>(sentence[i]) & 0xC0) != 0x80 && characters++ == 140) {
            return "<td class=\"s\" title=\"" + Escape(sentence) + "\">" + Escape(sentence.substr(0, i)) + "\xE2\x80\xA6</td>";
        }
    }
    return cell(sentence, "s");
}

std::string summaryTable(const Measurement& run, const BatchStatistics& statistics, const BaselineComparison* baseline) {
    std::string out = "<table><tr><th>Brain</th><th>Calls</th><th>Failed</th><th>Median [95%]</th><th>vs fastest</th>"
                      "<th>Noise (MAD)</th><th>Outliers</th>";
    if (baseline) out += "<th>Change [95%]</th><th>Verdict</th>";
    out += "</tr>\n";
    for (size_t b = 0; b < run.brains.size(); ++b) {
        const BrainRun& brain = run.brains[b];
        const BrainStatistics& s = statistics.brains[b];
        out += "<tr><td class=\"brain\"><span class=\"swatch\" style=\"background:" + colourOf(brain.number) + "\"></span><a href=\"#brain-" +
               std::to_string(brain.number) + "\">" + Escape(std::to_string(brain.number) + " " + brain.name) + "</a></td>";
        out += cell(std::to_string(s.calls), "n") + cell(std::to_string(s.failures), "n") + cell(medianText(s), "n") +
               cell(ratioText(s), "n") + cell(s.noiseMad >= 0 ? percentText(s.noiseMad) : "-", "n") +
               cell(s.classified ? std::to_string(s.outliers) + " of " + std::to_string(s.classified) : "-", "n");
        if (baseline) {
            const std::optional<BrainComparison>& c = baseline->brains[b];
            out += c ? changeCells(c->median) : "<td></td>" + cell("not compared");
        }
        out += "</tr>\n";
    }
    return out + "</table>\n";
}

std::string comparisonSection(const Measurement& run, const BaselineComparison& baseline, size_t b) {
    std::string out = "<h3>Against baseline \xE2\x80\x9C" + Escape(baseline.name) + "\xE2\x80\x9D</h3>\n";
    const std::optional<BrainComparison>& c = baseline.brains[b];
    if (!c) return out + "<p>Not compared: the baseline has no answers of this brain, or this run has none.</p>\n";
    out += "<p>Median " + Escape(DurationText(c->median.before)) + " \xE2\x86\x92 " + Escape(DurationText(c->median.after)) +
           ": <span class=\"" + verdictClass(c->median.verdict) + "\">" + Escape(ChangeText(c->median)) + "</span></p>\n";
    if (c->mostChanged.empty()) return out;
    out += "<table><tr><th>#</th><th>Sentence that moved most</th><th>Baseline</th><th>Now</th><th>Change [95%]</th><th></th></tr>\n";
    for (const SentenceChange& s : c->mostChanged) {
        out += "<tr>" + cell(std::to_string(s.sentence + 1), "n") + sentenceCell(run.sentences[s.sentence]) +
               cell(DurationText(s.change.before), "n") + cell(DurationText(s.change.after), "n") + changeCells(s.change) + "</tr>\n";
    }
    return out + "</table>\n";
}

std::string failuresSection(const BrainRun& brain) {
    if (brain.failures.empty() && brain.warmupFailures.empty()) return "";
    std::string out = "<h3>Failures</h3>\n";
    auto list = [&](const std::vector<CallFailure>& failures, const std::string& what) {
        if (failures.empty()) return;
        out += "<p>" + std::to_string(failures.size()) + " " + what + (failures.size() == 1 ? " call" : " calls") + " failed" +
               (failures.size() > kFailuresShown ? ", the first " + std::to_string(kFailuresShown) + ":" : ":") + "</p>\n";
        for (size_t k = 0; k < std::min(failures.size(), kFailuresShown); ++k) {
            const CallFailure& f = failures[k];
            out += "<pre>" + Escape("sentence " + std::to_string(f.sentence + 1) + ", pass " + std::to_string(f.repeat + 1) + ": " +
                                    f.where + ": " + f.error + "\n" + f.context) + "</pre>\n";
        }
    };
    list(brain.failures, "timed");
    list(brain.warmupFailures, "warm-up");
    return out;
}

std::string brainSection(const Measurement& run, const BrainStatistics& s, size_t b, const BaselineComparison* baseline) {
    const BrainRun& brain = run.brains[b];
    std::string out = "<section id=\"brain-" + std::to_string(brain.number) + "\">\n<h2><span class=\"swatch\" style=\"background:" +
                      colourOf(brain.number) + "\"></span>Brain " + std::to_string(brain.number) + ": " + Escape(brain.name) + "</h2>\n";
    out += "<p class=\"figures\"><span>median " + Escape(medianText(s)) + "</span> <span>" + Escape(ratioText(s)) +
           " the fastest</span> <span>" + std::to_string(s.calls) + " answered, " + std::to_string(s.failures) +
           " failed</span>";
    if (s.calls) {
        out += " <span>sentence medians " + Escape(DurationText(s.sentenceMedians.minimum)) + " to " +
               Escape(DurationText(s.sentenceMedians.maximum)) + "</span>";
    }
    if (s.noiseMad >= 0) out += " <span>noise " + percentText(s.noiseMad) + " (MAD), " + percentText(s.noiseCv) + " (CV)</span>";
    out += "</p>\n";
    if (s.calls) {
        out += "<h3>Call times</h3>\n<p class=\"lead\">Every answered call; the dashed line is the brain's median, the "
               "median of its sentences' medians.</p>\n" + HistogramSvg(brain.Times(), colourOf(brain.number), s.median);
        out += "<h3>Slowest sentences</h3>\n<table><tr><th>#</th><th>Sentence</th><th>Median</th><th>Calls</th></tr>\n";
        SentenceTimes times = brain.TimesBySentence(run.sentences.size());
        for (const SentenceMedian& m : s.slowest) {
            out += "<tr>" + cell(std::to_string(m.sentence + 1), "n") + sentenceCell(run.sentences[m.sentence]) +
                   cell(DurationText(m.milliseconds), "n") + cell(std::to_string(times[m.sentence].size()), "n") + "</tr>\n";
        }
        out += "</table>\n";
    }
    if (baseline) out += comparisonSection(run, *baseline, b);
    out += failuresSection(brain);
    if (!brain.foldedStacks.empty()) {
        out += "<h3>Profile</h3>\n<p class=\"lead\">Where the timed calls spent their time: each frame is as wide as its "
               "share, its callers below it; point at a frame for its microseconds.</p>\n" + FlameGraphSvg(brain.foldedStacks, "\xC2\xB5s");
    }
    return out + "</section>\n";
}

std::string metadataTable(const Measurement& run, const BaselineComparison* baseline) {
    const RunInfo& i = run.info;
    std::string out = "<table class=\"meta\">\n";
    auto row = [&](const std::string& name, const std::string& value) {
        if (!value.empty()) out += "<tr>" + cell(name) + cell(value) + "</tr>\n";
    };
    auto hashed = [](const std::string& path, const std::string& sha) { return path + (sha.empty() ? "" : "  (SHA-256 " + sha + ")"); };
    row("Tool", i.tool + " " + i.version + (i.buildType.empty() ? "" : ", " + i.buildType + " build"));
    row("Started", i.startedAt);
    row("Machine", i.host + (i.cpu.empty() ? "" : ", " + i.cpu) + (i.cores ? ", " + std::to_string(i.cores) + " cores" : "") +
                       (i.kernel.empty() ? "" : ", " + i.kernel));
    row("Settings", i.iniPath + (i.iniChosenBy.empty() ? "" : " (" + i.iniChosenBy + ")"));
    row("Input", hashed(i.inputPath, i.inputSha256) + ", " + std::to_string(run.sentences.size()) + " sentences");
    for (const BrainRun& brain : run.brains) row("Brain " + std::to_string(brain.number) + " script", hashed(brain.scriptPath, brain.scriptSha256));
    row("Passes", std::to_string(i.passes) + " timed (asked " + std::to_string(i.repeat) +
                      (i.minTimeSeconds > 0 ? ", at least " + DurationText(i.minTimeSeconds * 1000) + " per brain" : "") + "), " +
                      std::to_string(i.warmup) + " warm-up; each pass asks every sentence in order");
    row("Prepare", i.prepare);
    row("Stopped by", i.stoppedBy);
    row("Measured", "wall-clock time of each call, from before the sentence is read to after GetResponse returns");
    row("Clock", i.clock + (i.clockResolutionNs > 0 ? ", resolution " + DurationText(i.clockResolutionNs * 1e-6) : "") +
                     (i.clockReadingNs > 0 ? ", " + DurationText(i.clockReadingNs * 1e-6) + " between readings" : ""));
    if (i.hostOverheadMs > 0) row("Host overhead", DurationText(i.hostOverheadMs) + " per call (an empty GetResponse)");
    row("Figures", "a brain's median is the median over sentences of each sentence's median; intervals are 95% bootstrap "
                   "intervals with a fixed seed");
    if (baseline) {
        row("Baseline", baseline->name + ": " + baseline->path + ", started " + baseline->baseline.startedAt + " on " +
                            baseline->baseline.host + (baseline->sameInput ? "" : "; its input differs from this run's"));
    }
    return out + "</table>\n";
}

}  // namespace

std::string HtmlReport(const Measurement& run, const BatchStatistics& statistics, const std::vector<std::string>& warnings,
                       const BaselineComparison* baseline) {
    std::string input = std::filesystem::path(run.info.inputPath).filename().string();
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
                      Escape("tarvik-bench: " + input + ", " + run.info.startedAt) + "</title>\n<style>" + kStyle +
                      "</style>\n</head>\n<body>\n<h1>tarvik-bench report</h1>\n";
    out += "<p class=\"lead\">" + Escape(input + ": " + std::to_string(run.sentences.size()) + " sentences, " +
                                         std::to_string(run.info.passes) + (run.info.passes == 1 ? " pass" : " passes") +
                                         ", " + run.info.startedAt + " on " + run.info.host) + "</p>\n";
    if (!warnings.empty()) {
        out += "<ul class=\"warnings\">\n";
        for (const std::string& w : warnings) out += "<li>" + Escape(w) + "</li>\n";
        out += "</ul>\n";
    }
    out += "<h2>Summary</h2>\n" + summaryTable(run, statistics, baseline);
    if (baseline) {
        for (const std::string& note : baseline->notes) out += "<p class=\"lead\">Note: " + Escape(note) + ".</p>\n";
    }
    out += "<h2>Time per sentence</h2>\n";
    std::vector<ChartSeries> series;
    for (const BrainRun& brain : run.brains) {
        ChartSeries line{brain.name, colourOf(brain.number), {}};
        for (const std::vector<double>& times : brain.TimesBySentence(run.sentences.size())) {
            line.values.push_back(times.empty() ? NAN : Median(times));
        }
        series.push_back(std::move(line));
    }
    out += SentenceLinesSvg(series);
    for (size_t b = 0; b < run.brains.size(); ++b) {
        out += brainSection(run, statistics.brains[b], b, baseline);
    }
    out += "<h2>How this was measured</h2>\n" + metadataTable(run, baseline);
    return out + "</body>\n</html>\n";
}

}  // namespace tarvik
