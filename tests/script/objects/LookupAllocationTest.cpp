// Dictionary look-ups sit in brains' inner loops: a String key must be found without touching the
// heap. This file replaces the global operator new for the whole test program, only to count.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "Calls.h"

namespace {
std::atomic<size_t> allocations{0};
}

// GCC cannot tell these replace the global pair and warns about free() on new's pointers.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(size_t n) {
    ++allocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace vbs::test {
namespace {

TEST(LookupAllocation, StringKeysInBothModesAllocateNothing) {
    for (int mode = 0; mode < 2; ++mode) {
        Value d = createObject(u"Scripting.Dictionary");
        assign(d, u"CompareMode", {}, Value::lng(mode));
        for (int i = 0; i < 100; ++i) call(d, u"Add", {Value(utf8ToUtf16("Key" + std::to_string(i))), Value::lng(i)});
        Value key(mode ? u"KEY42" : u"Key42");
        Value args[1] = {key};
        int exists = d.obj->memberId(u"Exists");
        Value result;
        size_t before = allocations;
        for (int i = 0; i < 1000; ++i) {
            d.obj->invoke(exists, Invoke::Get, args, 1, result);
            d.obj->invoke(kDefaultMember, Invoke::Get, args, 1, result);
        }
        EXPECT_EQ(allocations - before, 0u) << "compare mode " << mode;
        EXPECT_EQ(toLong(result), 42);
    }
}

}  // namespace
}  // namespace vbs::test
