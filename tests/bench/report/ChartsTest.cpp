#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "bench/report/FlameGraph.h"
#include "bench/report/Markup.h"
#include "bench/report/SvgCharts.h"

namespace tarvik {
namespace {

size_t occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(Markup, EscapesMarkupQuotesAndBrokenUtf8) {
    EXPECT_EQ(Escape("<script>alert(\"x\" & 'y')</script>"),
              "&lt;script&gt;alert(&quot;x&quot; &amp; &#39;y&#39;)&lt;/script&gt;");
    EXPECT_EQ(Escape("caf\xC3\xA9 \xE9t\xC3"), "caf\xC3\xA9 \xEF\xBF\xBDt\xEF\xBF\xBD") << "Latin-1 bytes and a cut sequence";
}

TEST(FlameGraph, MergesStacksIntoFramesAsWideAsTheirShare) {
    std::string svg = FlameGraphSvg("main;parse 3\nmain;run;<lambda> 2\nmain;parse 1\nnot a stack line\n\nmain;run 2\n", "us");
    EXPECT_NE(svg.find("<title>all: 8 us (100.0%)</title>"), std::string::npos);
    EXPECT_NE(svg.find("<title>parse: 4 us (50.0%)</title>"), std::string::npos) << "two lines of one path merge";
    EXPECT_NE(svg.find("<title>run: 4 us (50.0%)</title>"), std::string::npos);
    EXPECT_NE(svg.find("<title>&lt;lambda&gt;: 2 us (25.0%)</title>"), std::string::npos);
    EXPECT_EQ(occurrences(svg, "<rect"), 5u);
    // Widths follow the counts: parse and run share main's width, <lambda> half of run's.
    std::regex widthOf("<title>([^<]*):[^<]*</title><rect [^>]*width=\"([0-9.]+)\"");
    std::map<std::string, double> widths;
    for (std::sregex_iterator it(svg.begin(), svg.end(), widthOf), end; it != end; ++it) widths[(*it)[1]] = std::stod((*it)[2]);
    EXPECT_NEAR(widths["parse"], widths["main"] / 2, 1);
    EXPECT_NEAR(widths["&lt;lambda&gt;"], widths["run"] / 2, 1);
    EXPECT_NE(FlameGraphSvg("", "us").find("no stacks"), std::string::npos);
}

TEST(Charts, HistogramCountsEveryCallAndGoesLogarithmicForSlowOutliers) {
    std::vector<double> times(97, 0.5);
    times.insert(times.end(), {0.52, 40, 400});
    std::string svg = HistogramSvg(times, "#123456", 0.5);
    std::regex barCount(": ([0-9]+) calls</title>");
    size_t counted = 0;
    for (std::sregex_iterator it(svg.begin(), svg.end(), barCount), end; it != end; ++it) counted += std::stoul((*it)[1]);
    EXPECT_EQ(counted, times.size());
    EXPECT_NE(svg.find("(log scale)"), std::string::npos);
    EXPECT_NE(svg.find("median 500 \xC2\xB5s"), std::string::npos);
    EXPECT_EQ(HistogramSvg({1, 1.2, 1.1}, "red", 1.1).find("(log scale)"), std::string::npos);
}

TEST(Charts, SentenceLinesBreakWhereASentenceFailedAndEscapeNames) {
    std::string svg = SentenceLinesSvg({{"<b>Learner</b>", "#f58518", {1, 2, NAN, 3, 4}}, {"Echo", "#4c78a8", {0.001, 0.002, 0.003, 0.002, 0.001}}});
    EXPECT_EQ(occurrences(svg, "<polyline"), 3u);
    EXPECT_EQ(svg.find("<b>"), std::string::npos);
    EXPECT_NE(svg.find("&lt;b&gt;Learner&lt;/b&gt;, sentence 4: 3.00 ms"), std::string::npos);
    EXPECT_NE(svg.find(">1.00 \xC2\xB5s<"), std::string::npos) << "a time axis over six decades labels small times in µs";
}

}  // namespace
}  // namespace tarvik
