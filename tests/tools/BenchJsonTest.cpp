// tarvik-bench's JSON read back as a later run's baseline reads it.
#include "tools/tarvik-bench/BenchJson.h"

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

namespace tarvik {
namespace {

using testing::TempFolder;

Measurement sampleRun() {
    Measurement run;
    run.info.version = "9.9";
    run.info.iniPath = "/x/Tarvik.ini";
    run.info.inputPath = "/x/in.txt";
    run.info.passes = 2;
    run.info.hostOverheadMs = 0.000131;
    run.sentences = {"hello", "boom \"quoted\""};
    BrainRun& brain = run.brains.emplace_back();
    brain.number = 2;
    brain.name = "Twö";
    brain.scriptPath = "/x/two.vbs";
    brain.failures.push_back({1, 0, 11, 2, 5, "runtime error 11: Division by zero", "Brain 2 (Twö, /x/two.vbs), line 2, column 5", ""});
    brain.warmupFailures = brain.failures;
    brain.samples = {{0, 0, 0.25, -1}, {1, 0, 0, 0}, {0, 1, 0.125, -1}, {1, 1, 0.5, -1}};
    return run;
}

TEST(BenchJson, ARunReadsBackWithEverySample) {
    TempFolder folder;
    Measurement run = sampleRun();
    BatchStatistics statistics = Analyse(run);
    std::string path = folder.write("run.json", MeasurementJson(run, statistics, {"a warning"}).dump());
    Measurement back = ReadMeasurementJson(path);
    EXPECT_EQ(back.sentences, run.sentences);
    EXPECT_EQ(back.info.version, "9.9");
    EXPECT_EQ(back.info.passes, 2);
    EXPECT_DOUBLE_EQ(back.info.hostOverheadMs, 0.000131);
    ASSERT_EQ(back.brains.size(), 1u);
    const BrainRun& brain = back.brains[0];
    EXPECT_EQ(brain.number, 2);
    EXPECT_EQ(brain.name, "Twö");
    ASSERT_EQ(brain.samples.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(brain.samples[i].sentence, run.brains[0].samples[i].sentence) << i;
        EXPECT_EQ(brain.samples[i].repeat, run.brains[0].samples[i].repeat) << i;
        EXPECT_EQ(brain.samples[i].failure, run.brains[0].samples[i].failure) << i;
        EXPECT_DOUBLE_EQ(brain.samples[i].milliseconds, run.brains[0].samples[i].milliseconds) << i;
    }
    ASSERT_EQ(brain.failures.size(), 1u);
    EXPECT_EQ(brain.failures[0].error, "runtime error 11: Division by zero");
    EXPECT_EQ(brain.failures[0].sentence, 1u);
    EXPECT_EQ(brain.warmupFailures.size(), 1u);
    EXPECT_DOUBLE_EQ(Analyse(back).brains[0].median, statistics.brains[0].median);
}

TEST(BenchJson, AFileThatIsNotARunSaysWhatItIs) {
    TempFolder folder;
    auto problem = [&](const std::string& text) {
        try {
            ReadMeasurementJson(folder.write("bad.json", text));
        } catch (const std::runtime_error& e) {
            return std::string(e.what());
        }
        return std::string("read");
    };
    std::string path = folder.path("bad.json");
    EXPECT_EQ(problem("{not json"), path + ": is not JSON");
    EXPECT_EQ(problem(R"({"schema": "tarvik-bench/1"})"), path + ": is not a tarvik-bench/2 file (its schema is \"tarvik-bench/1\")");
    EXPECT_NE(problem(R"({"schema": "tarvik-bench/2"})").find(path + ": does not hold what a tarvik-bench run writes"), std::string::npos);
    nlohmann::ordered_json json = MeasurementJson(sampleRun(), Analyse(sampleRun()), {});
    json["brains"][0]["samples"][0]["sentence"] = 3;
    EXPECT_EQ(problem(json.dump()), path + ": brain 2 has a sample of a sentence or failure it does not list");
    try {
        ReadMeasurementJson(folder.path("none.json"));
        ADD_FAILURE();
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), folder.path("none.json") + ": cannot be read");
    }
}

}  // namespace
}  // namespace tarvik
