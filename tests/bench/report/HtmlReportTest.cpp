#include "bench/report/HtmlReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "tests/bench/ConstructedRun.h"

namespace tarvik {
namespace {

const std::string kHostile = "</td><script>alert('x')</script> & \"more\"";

TEST(HtmlReport, HoldsEverySectionOnePageWithNothingFetchedAndUserTextEscaped) {
    std::vector<std::string> sentences{"hello", kHostile, "how are you", "bye", "what is your name", "tell me more", "ok"};
    Measurement run = testing::ConstructedRun(sentences, {"One", "<img src=x onerror=alert(1)>"});
    run.brains[1].samples[3].failure = 0;
    run.brains[1].failures.push_back({3, 0, 11, 2, 5, "runtime error 11: Division by zero", "Brain 2, line 2", "x = 1 / 0 <--\n"});
    BatchStatistics statistics = Analyse(run);
    Measurement baseline = testing::ConstructedRun(sentences, {"One", "Two"}, 2);
    BaselineComparison comparison = CompareWithBaseline(run, baseline, "before <fix>", "/b/before.json");
    run.brains[0].foldedStacks = "GetResponse;Reply 4\n";
    std::string html = HtmlReport(run, statistics, {"a warning about <this>"}, &comparison);

    std::vector<std::string> sections{"<h2>Summary</h2>", "<h2>Time per sentence</h2>", "Brain 1: One</h2>", "<h3>Call times</h3>",
                                      "<h3>Slowest sentences</h3>", "<h3>Against baseline \xE2\x80\x9C" "before &lt;fix&gt;",
                                      "<h3>Profile</h3>", "Brain 2: &lt;img src=x onerror=alert(1)&gt;</h2>", "<h3>Failures</h3>",
                                      "Division by zero", "<h2>How this was measured</h2>"};
    size_t at = 0;
    for (const std::string& section : sections) {
        size_t found = html.find(section, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << section;
        at = found;
    }
    EXPECT_NE(html.find("&lt;/td&gt;&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; &quot;more&quot;"), std::string::npos);
    EXPECT_NE(html.find("a warning about &lt;this&gt;"), std::string::npos);
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("<img"), std::string::npos);
    EXPECT_EQ(html.find("x = 1 / 0 <--"), std::string::npos) << "the failure's context is escaped too";
    EXPECT_EQ(std::regex_search(html, std::regex(R"((src|href)="(https?:)?//|<link|url\()")), false) << "nothing is fetched";
    EXPECT_NE(html.find("<td class=\"verdict improved\">improved</td>"), std::string::npos) << "half the baseline's time is an improvement";
    EXPECT_EQ(html.find("<h3>Profile</h3>", html.find("Brain 2:")), std::string::npos) << "no stacks, no flame graph";
    // The slowest sentence of brain 1 (the last) heads its table.
    size_t slowest = html.find("<h3>Slowest sentences</h3>");
    EXPECT_LT(html.find("<td class=\"s\">ok</td>", slowest), html.find("<td class=\"s\">tell me more</td>", slowest));
}

}  // namespace
}  // namespace tarvik
