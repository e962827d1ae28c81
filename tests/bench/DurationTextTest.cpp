#include "bench/DurationText.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(DurationText, ThreeDigitsInTheUnitThatKeepsThemWhole) {
    EXPECT_EQ(DurationText(0.000000523), "0.52 ns");
    EXPECT_EQ(DurationText(0.000523), "523 ns");
    EXPECT_EQ(DurationText(0.00201), "2.01 µs");
    EXPECT_EQ(DurationText(0.0009996), "1.00 µs");  // not "1000 ns"
    EXPECT_EQ(DurationText(0.0456), "45.6 µs");
    EXPECT_EQ(DurationText(12.34), "12.3 ms");
    EXPECT_EQ(DurationText(1500), "1.50 s");
    EXPECT_EQ(DurationText(7200000), "7200 s");
}

}  // namespace
}  // namespace tarvik
