#include "tools/tarvik-bench/BenchJson.h"

#include <cmath>
#include <fstream>
#include <stdexcept>

namespace tarvik {

namespace {

using Json = nlohmann::ordered_json;

// A brain that answered nothing has no times: null, not zero.
Json figure(bool known, double value) { return known ? Json(value) : Json(nullptr); }

// Milliseconds to a tenth of a nanosecond, finer than the clock: 0.000131, not 0.00013099999999999999.
double ms(double value) { return std::round(value * 1e7) / 1e7; }
Json time(bool known, double value) { return figure(known, ms(value)); }

Json interval(bool known, const Interval& i, double scale(double)) {
    return known ? Json::array({scale(i.low), scale(i.high)}) : Json(nullptr);
}

double same(double value) { return value; }

Json text(const std::string& value) { return value.empty() ? Json(nullptr) : Json(value); }

Json summary(const TimeSummary& s) {
    bool known = s.calls > 0;
    return {{"min", time(known, s.minimum)}, {"p25", time(known, s.lowerQuartile)}, {"median", time(known, s.median)},
            {"p75", time(known, s.upperQuartile)}, {"p95", time(known, s.p95)},     {"max", time(known, s.maximum)},
            {"mean", time(known, s.mean)},         {"stddev", time(known, s.deviation)}};
}

Json failures(const std::vector<CallFailure>& list) {
    Json out = Json::array();
    for (const CallFailure& f : list) {
        out.push_back({{"sentence", f.sentence + 1}, {"repeat", f.repeat + 1}, {"number", f.number}, {"line", f.line},
                       {"column", f.column}, {"error", f.error}, {"where", f.where}, {"context", f.context}});
    }
    return out;
}

Json brainJson(const BrainRun& brain, const BrainStatistics& s) {
    bool known = s.calls > 0;
    Json slowest = Json::array();
    for (const SentenceMedian& m : s.slowest) slowest.push_back({{"sentence", m.sentence + 1}, {"median_ms", ms(m.milliseconds)}});
    Json samples = Json::array();
    for (const Sample& sample : brain.samples) {
        Json entry = {{"sentence", sample.sentence + 1}, {"repeat", sample.repeat + 1},
                      {"ms", time(sample.Answered(), sample.milliseconds)}};
        if (!sample.Answered()) entry["failure"] = sample.failure;
        samples.push_back(std::move(entry));
    }
    return {{"brain", brain.number},
            {"name", brain.name},
            {"script", {{"path", brain.scriptPath}, {"sha256", text(brain.scriptSha256)}}},
            {"calls", s.calls},
            {"failed", s.failures},
            {"median_ms", time(known, s.median)},
            {"median_ci95_ms", interval(known && s.hasInterval, s.medianInterval, ms)},
            {"vs_fastest", figure(known, s.ratio)},
            {"vs_fastest_ci95", interval(known && s.hasInterval, s.ratioInterval, same)},
            {"sentence_medians_ms", summary(s.sentenceMedians)},
            {"calls_ms", summary(s.all)},
            {"noise", {{"mad", figure(s.noiseMad >= 0, s.noiseMad)}, {"cv", figure(s.noiseCv >= 0, s.noiseCv)}}},
            {"outliers", {{"count", s.outliers}, {"classified", s.classified}}},
            {"first_call_ms", time(known && s.firstCall > 0, s.firstCall)},
            {"first_call_reference_ms", time(s.firstReference > 0, s.firstReference)},
            {"slowest", slowest},
            {"failures", failures(brain.failures)},
            {"warmup_failures", failures(brain.warmupFailures)},
            {"samples", samples}};
}

const char* verdictName(Verdict verdict) {
    switch (verdict) {
    case Verdict::Improved: return "improved";
    case Verdict::Regressed: return "regressed";
    case Verdict::NoChange: return "no_change";
    case Verdict::Unknown: break;
    }
    return "unknown";
}

Json changeJson(const Change& c) {
    bool known = c.verdict != Verdict::Unknown;
    return {{"before_ms", ms(c.before)},
            {"after_ms", ms(c.after)},
            {"change", c.estimate},
            {"change_ci95", interval(known, {c.low, c.high}, same)},
            {"verdict", verdictName(c.verdict)}};
}

Json comparisonJson(const Measurement& run, const BaselineComparison& comparison) {
    Json brains = Json::array();
    for (size_t b = 0; b < run.brains.size(); ++b) {
        const std::optional<BrainComparison>& c = comparison.brains[b];
        Json brain = {{"brain", run.brains[b].number}, {"median", c ? changeJson(c->median) : Json(nullptr)}};
        Json moved = Json::array();
        if (c) {
            for (const SentenceChange& s : c->mostChanged) {
                Json entry = {{"sentence", s.sentence + 1}};
                entry.update(changeJson(s.change));
                moved.push_back(std::move(entry));
            }
        }
        brain["most_changed"] = std::move(moved);
        brains.push_back(std::move(brain));
    }
    const RunInfo& then = comparison.baseline;
    return {{"baseline", {{"name", comparison.name}, {"path", comparison.path}, {"started_at", then.startedAt},
                          {"host", then.host}, {"profiled", then.profiled}}},
            {"same_input", comparison.sameInput},
            {"brains", brains},
            {"notes", comparison.notes}};
}

}  // namespace

nlohmann::ordered_json MeasurementJson(const Measurement& run, const BatchStatistics& statistics,
                                       const std::vector<std::string>& warnings, const BaselineComparison* comparison) {
    const RunInfo& info = run.info;
    Json brains = Json::array();
    for (size_t b = 0; b < run.brains.size(); ++b) brains.push_back(brainJson(run.brains[b], statistics.brains[b]));
    return {
        {"schema", kBenchSchema},
        {"units", {{"time", "ms"}, {"ratio", "times the fastest brain's median"}, {"noise", "fraction of the median"}}},
        {"tool", {{"name", info.tool}, {"version", info.version}, {"build_type", info.buildType}}},
        {"machine", {{"host", info.host}, {"cpu", info.cpu}, {"cores", info.cores}, {"kernel", info.kernel}}},
        {"started_at", info.startedAt},
        {"settings", {{"path", info.iniPath}, {"chosen_by", info.iniChosenBy}}},
        {"input", {{"path", info.inputPath}, {"sha256", text(info.inputSha256)}}},
        {"records", {{"result_table", text(info.resultTable)}, {"conversation_log", text(info.conversationLog)}}},
        {"run",
         {{"warmup", info.warmup},
          {"repeat", info.repeat},
          {"min_time_s", info.minTimeSeconds},
          {"prepare", text(info.prepare)},
          {"profiled", info.profiled},
          {"timeout_ms", info.queryTimeoutMs},
          {"memory_limit_mb", info.memoryLimitMb},
          {"passes", info.passes},
          {"stopped_by", text(info.stoppedBy)}}},
        {"method",
         {{"measured", "wall-clock time of each call, from before the sentence is read to after GetResponse returns"},
          {"clock", info.clock},
          {"clock_resolution_ns", info.clockResolutionNs},
          {"clock_reading_ns", info.clockReadingNs},
          {"host_overhead_ms", ms(info.hostOverheadMs)},
          {"figure", "median over sentences of each sentence's median"},
          {"interval", "95% percentile bootstrap of the repeats within each sentence, " +
                           std::to_string(kBootstrapResamples) + " resamples, seed " + std::to_string(kBootstrapSeed)},
          {"outliers", "beyond Tukey's outer fences (3 IQR, IQR at least 0.05) of log(time / sentence median), sentences with " +
                           std::to_string(kOutlierRepeats) + " answers or more"}}},
        {"fastest", statistics.fastest < 0 ? Json(nullptr) : Json(run.brains[static_cast<size_t>(statistics.fastest)].number)},
        {"sentences", run.sentences},
        {"brains", brains},
        {"comparison", comparison ? comparisonJson(run, *comparison) : Json(nullptr)},
        {"warnings", warnings}};
}

namespace {

[[noreturn]] void bad(const std::string& path, const std::string& what) {
    throw std::runtime_error(path + ": " + what);
}

std::string textOr(const Json& value) { return value.is_string() ? value.get<std::string>() : ""; }

std::vector<CallFailure> failuresOf(const Json& list) {
    std::vector<CallFailure> out;
    for (const Json& f : list) {
        out.push_back({f.at("sentence").get<std::uint32_t>() - 1, f.at("repeat").get<std::uint32_t>() - 1,
                       f.at("number").get<int>(), f.at("line").get<int>(), f.at("column").get<int>(),
                       f.at("error").get<std::string>(), f.at("where").get<std::string>(), f.at("context").get<std::string>()});
    }
    return out;
}

}  // namespace

Measurement ReadMeasurementJson(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) bad(path, "cannot be read");
    Json json = Json::parse(in, nullptr, false);
    if (json.is_discarded()) bad(path, "is not JSON");
    if (!json.is_object() || json.value("schema", "") != kBenchSchema) {
        bad(path, "is not a " + std::string(kBenchSchema) + " file (its schema is " +
                      (json.is_object() && json.contains("schema") ? json["schema"].dump() : "missing") + ")");
    }
    Measurement run;
    try {
        RunInfo& info = run.info;
        info.version = json.at("tool").at("version").get<std::string>();
        info.buildType = json.at("tool").at("build_type").get<std::string>();
        const Json& machine = json.at("machine");
        info.host = machine.at("host").get<std::string>();
        info.cpu = machine.at("cpu").get<std::string>();
        info.cores = machine.at("cores").get<int>();
        info.kernel = machine.at("kernel").get<std::string>();
        info.startedAt = json.at("started_at").get<std::string>();
        info.iniPath = json.at("settings").at("path").get<std::string>();
        info.iniChosenBy = json.at("settings").at("chosen_by").get<std::string>();
        info.inputPath = json.at("input").at("path").get<std::string>();
        info.inputSha256 = textOr(json.at("input").at("sha256"));
        info.resultTable = textOr(json.at("records").at("result_table"));
        info.conversationLog = textOr(json.at("records").at("conversation_log"));
        const Json& settings = json.at("run");
        info.warmup = settings.at("warmup").get<int>();
        info.repeat = settings.at("repeat").get<int>();
        info.minTimeSeconds = settings.at("min_time_s").get<double>();
        info.prepare = textOr(settings.at("prepare"));
        info.profiled = settings.value("profiled", false);  // not written before the comparison told profiled runs apart
        info.queryTimeoutMs = settings.at("timeout_ms").get<int>();
        info.memoryLimitMb = settings.at("memory_limit_mb").get<int>();
        info.passes = settings.at("passes").get<int>();
        info.stoppedBy = textOr(settings.at("stopped_by"));
        const Json& method = json.at("method");
        info.clock = method.at("clock").get<std::string>();
        info.clockResolutionNs = method.at("clock_resolution_ns").get<double>();
        info.clockReadingNs = method.at("clock_reading_ns").get<double>();
        info.hostOverheadMs = method.at("host_overhead_ms").get<double>();
        run.sentences = json.at("sentences").get<std::vector<std::string>>();
        for (const Json& b : json.at("brains")) {
            BrainRun& brain = run.brains.emplace_back();
            brain.number = b.at("brain").get<int>();
            brain.name = b.at("name").get<std::string>();
            brain.scriptPath = b.at("script").at("path").get<std::string>();
            brain.scriptSha256 = textOr(b.at("script").at("sha256"));
            brain.failures = failuresOf(b.at("failures"));
            brain.warmupFailures = failuresOf(b.at("warmup_failures"));
            for (const Json& s : b.at("samples")) {
                Sample sample{s.at("sentence").get<std::uint32_t>() - 1, s.at("repeat").get<std::uint32_t>() - 1, 0, -1};
                if (s.contains("failure")) sample.failure = s["failure"].get<std::int32_t>();
                else sample.milliseconds = s.at("ms").get<double>();
                if (sample.sentence >= run.sentences.size() ||
                    (!sample.Answered() && static_cast<size_t>(sample.failure) >= brain.failures.size())) {
                    bad(path, "brain " + std::to_string(brain.number) + " has a sample of a sentence or failure it does not list");
                }
                brain.samples.push_back(sample);
            }
        }
    } catch (const nlohmann::json::exception& e) {
        bad(path, std::string("does not hold what a tarvik-bench run writes: ") + e.what());
    }
    return run;
}

}  // namespace tarvik
