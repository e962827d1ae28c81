#include "support/Failure.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(Failure, CarriesTheClassicDescriptionUnlessGivenOne) {
    EXPECT_STREQ(Failure(PathNotFound).what(), "Path not found");
    EXPECT_EQ(Failure(TypeMismatch, "Type mismatch: 'Split'").Description, "Type mismatch: 'Split'");
}

TEST(StandardFailureMessage, GivesNumberThenEmptyLineThenDescription) {
    EXPECT_EQ(StandardFailureMessage(Failure(Overflow)), "Run-time error '6':\n\nOverflow");
    EXPECT_EQ(StandardFailureMessage(Failure(70)), "Run-time error '70':\n\nPermission denied");
}

}  // namespace
}  // namespace tarvik
