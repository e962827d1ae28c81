// What a query costs beyond the brain's own work: the host call into GetResponse, the stopwatch
// around it, and compiling a large brain.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/BrainEngines.h"
#include "bench/clsTimer.h"
#include "script/engine.h"
#include "settings/modGlobals.h"

namespace {

constexpr const char16_t* kConstantBrain =
    u"Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, "
    u"A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)\n"
    u"    GetResponse = \"Hello. <STOP>\"\n"
    u"End Function\n";

// The engine call alone: fifteen arguments, all passed as pointers (four are the settings).
void HostCall(benchmark::State& state) {
    vbs::Engine engine;
    engine.addCode(kConstantBrain);
    vbs::Engine::Procedure procedure = engine.find(u"GetResponse");
    vbs::Value values[15] = {vbs::Value(u"How are you?"), vbs::Value(u"Ada"), vbs::Value(u"Box"), vbs::Value::integer(2),
                             vbs::Value(u"/tmp")};
    for (int i = 5; i < 15; ++i) values[i] = vbs::Value(u"0");
    vbs::Value* args[15];
    for (int i = 0; i < 15; ++i) args[i] = &values[i];
    for (auto _ : state) benchmark::DoNotOptimize(engine.call(procedure, args, 15));
}
BENCHMARK(HostCall);

// The query as the window makes it: the sentence copied in, the settings by reference and written
// back, inside the stopwatch's two clock reads.
void TimedQueryCall(benchmark::State& state) {
    tarvik::BrainEngines engines;
    engines.TakeSettings();
    for (int brain = 1; brain <= 3; ++brain) engines.SC(brain).addCode(kConstantBrain);
    std::u16string sentence = u"How are you?";
    clsTimer timer;
    for (auto _ : state) {
        timer.ResetTimer();
        benchmark::DoNotOptimize(engines.QueryCall(1, sentence));
        timer.StopTimer();
        benchmark::DoNotOptimize(timer.Elapsed());
    }
}
BENCHMARK(TimedQueryCall);

// About 1 MB of brain-like source: rules, string work and a class per block, with distinct names.
std::u16string largeBrain() {
    std::u16string source;
    for (int block = 0; source.size() < 1'000'000; ++block) {
        std::string n = std::to_string(block);
        std::string text =
            "' rules block " + n + "\n"
            "Function Rule" + n + "(Sentence, Memory)\n"
            "    Dim Text, Words, i, Reply\n"
            "    Text = \" \" & UCase(Trim(Sentence)) & \" \"\n"
            "    Words = Split(Text, \" \")\n"
            "    For i = 0 To UBound(Words)\n"
            "        Select Case Words(i)\n"
            "            Case \"HELLO\", \"HI\": Reply = \"Hello to you too, number " + n + ".\"\n"
            "            Case \"NAME\": If i < UBound(Words) Then Memory(\"name\") = Words(i + 1)\n"
            "            Case Else: If InStr(Text, \"WHY\") > 0 Then Reply = Replace(\"Why * ?\", \"*\", Words(i))\n"
            "        End Select\n"
            "    Next\n"
            "    If Reply = \"\" Then Reply = \"Tell me more about \" & LCase(Words(UBound(Words) - 1)) & \".\"\n"
            "    Rule" + n + " = Reply & \" <STOP>\"\n"
            "End Function\n"
            "Class Topic" + n + "\n"
            "    Private mName, mCount\n"
            "    Public Property Get Name : Name = mName : End Property\n"
            "    Public Property Let Name(Value) : mName = Value : mCount = mCount + 1 : End Property\n"
            "    Public Function Describe() : Describe = mName & \" (\" & mCount & \")\" : End Function\n"
            "End Class\n";
        source.append(text.begin(), text.end());
    }
    return source;
}

void CompileOneMegabyte(benchmark::State& state) {
    std::u16string source = largeBrain();
    for (auto _ : state) {
        vbs::Engine engine;
        engine.addCode(source);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}
BENCHMARK(CompileOneMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
