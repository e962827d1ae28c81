#include "support/Failure.h"

#include <gtest/gtest.h>

#include "tests/support/MessageRecorder.h"

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

TEST(StandardFailureMessage, IsShownInABoxTitledWithTheProgram) {
    testing::MessageRecorder recorder;
    ShowFailure(Failure(DivisionByZero));
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].title, "Tarvik");
    EXPECT_EQ(recorder.shown[0].text, "Run-time error '11':\n\nDivision by zero");
}

}  // namespace
}  // namespace tarvik
