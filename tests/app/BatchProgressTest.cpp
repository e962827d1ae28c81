#include "app/BatchProgress.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(BatchProgress, CountsLinesAndFailuresAndSaysHowTheBatchEnded) {
    BatchProgress progress;
    progress.Start(3);
    EXPECT_EQ(progress.Status(4.2), "Line 1 of 3 \u2014 0:04 \u2014 no failures");
    progress.LineDone("hi", {1.5, std::nullopt, 2.5}, {"Brain 2 (Two, b.vbs): runtime error 5"});
    EXPECT_EQ(progress.Status(65), "Line 2 of 3 \u2014 1:05 \u2014 1 failure");
    EXPECT_EQ(progress.Failures(), std::vector<std::string>{"Line 1 (\"hi\"): Brain 2 (Two, b.vbs): runtime error 5"});
    EXPECT_TRUE(progress.Times(2).empty());
    ASSERT_EQ(progress.Times(3).size(), 1u);
    EXPECT_EQ(progress.Times(3)[0].line, 1);
    progress.Finish(true);
    EXPECT_FALSE(progress.Running());
    EXPECT_EQ(progress.Status(3725), "Stopped after 1 of 3 lines \u2014 1:02:05 \u2014 1 failure");
    progress.Start(1);
    EXPECT_TRUE(progress.Failures().empty());
    progress.LineDone("x", {1, 1, 1}, {});
    progress.Finish(true);  // a stop during the last line leaves nothing unread
    EXPECT_EQ(progress.Status(0), "Read 1 line \u2014 0:00 \u2014 no failures");
}

}  // namespace
}  // namespace tarvik
