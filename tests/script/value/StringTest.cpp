// Short string buffers are kept for reuse: the memory cap must count them the same way whether they
// come from malloc or from the spares, and AddressSanitizer must still see a use after free.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/values/string.h"

#if defined(__SANITIZE_ADDRESS__)
#define STRING_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define STRING_TEST_ASAN 1
#endif
#endif
#ifdef STRING_TEST_ASAN
#include <sanitizer/asan_interface.h>
#endif

namespace vbs {
namespace {

TEST(StringBuffers, ReusedBuffersAreChargedAndCreditedAlike) {
    const int64_t before = memoryUse.used;
    for (int round = 0; round < 3; ++round) {  // the first round fills the spares, the others reuse them
        std::vector<String> kept;
        for (size_t n = 1; n <= 140; ++n) kept.emplace_back(std::u16string(n, u'x'));
        for (size_t n = 1; n <= 140; ++n) EXPECT_EQ(kept[n - 1].view(), std::u16string(n, u'x'));
        EXPECT_GT(memoryUse.used, before);
    }
    EXPECT_EQ(memoryUse.used, before);
}

#ifdef STRING_TEST_ASAN
TEST(StringBuffers, SpareBufferIsPoisoned) {
    const char16_t* chars;
    {
        String s(u"spare");
        chars = s.data();
        EXPECT_FALSE(__asan_address_is_poisoned(chars));
    }
    EXPECT_TRUE(__asan_address_is_poisoned(chars));
    String again(u"again");  // the same size class: the spare comes back usable
    EXPECT_EQ(again.data(), chars);
    EXPECT_FALSE(__asan_address_is_poisoned(again.data()));
}
#endif

}  // namespace
}  // namespace vbs
