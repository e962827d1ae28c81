// Rnd and Randomize against sequences recorded on Windows.
#include "Call.h"

using namespace vbs;
using namespace vbs::test;

namespace {

float rnd(Context& ctx, std::initializer_list<Value> args = {}) {
    Value v = call(ctx, u"Rnd", args);
    EXPECT_EQ(v.type, Type::Single);
    return v.f32;
}

}  // namespace

TEST(Rnd, UnseededSequence) {
    Context ctx;
    const double expected[] = {0.7055475, 0.533424, 0.5795186, 0.2895625, 0.301948};
    for (double e : expected) EXPECT_NEAR(rnd(ctx), e, 5e-8);
}

TEST(Rnd, ZeroRepeatsTheLastNumber) {
    Context ctx;
    float first = rnd(ctx);
    EXPECT_EQ(rnd(ctx, {i16(0)}), first);
    EXPECT_EQ(rnd(ctx, {i16(0)}), first);
    EXPECT_NE(rnd(ctx), first);
}

TEST(Rnd, NegativeArgumentRestarts) {
    Context a, b;
    rnd(b);
    rnd(b);
    EXPECT_NEAR(rnd(a, {i16(-1)}), 0.224007, 5e-7);
    EXPECT_EQ(rnd(b, {i16(-1)}), rnd(a, {i16(-1)}));
    EXPECT_EQ(rnd(a), rnd(b));
    EXPECT_NE(rnd(a, {i16(-2)}), rnd(b, {i16(-1)}));
}

TEST(Randomize, ZeroOnAFreshEngine) {
    // Randomize 0 clears the middle bits; a fresh state has no others set.
    Context ctx;
    call(ctx, u"Randomize", {i16(0)});
    EXPECT_NEAR(rnd(ctx), 0.7641413, 5e-8);  // 12820163 / 2^24
    EXPECT_NEAR(rnd(ctx), 0.3576428, 5e-8);  // 6000250 / 2^24
}

TEST(Randomize, SameSeedSameSequence) {
    Context a, b;
    call(a, u"Randomize", {i16(42)});
    call(b, u"Randomize", {dbl(42)});
    for (int i = 0; i < 5; ++i) EXPECT_EQ(rnd(a), rnd(b));
    Context c;
    call(c, u"Randomize", {i16(43)});
    Context d;
    call(d, u"Randomize", {i16(42)});
    EXPECT_NE(rnd(c), rnd(d));
}

TEST(Randomize, KeepsTheLowByte) {
    Context ctx;
    ctx.rndSeed = 0xABCDEF;
    call(ctx, u"Randomize", {i16(0)});
    EXPECT_EQ(ctx.rndSeed, 0xEFu);
    call(ctx, u"Randomize", {});  // from the clock: only the middle 16 bits change
    EXPECT_EQ(ctx.rndSeed & 0xFF0000FFu, 0xEFu);
}
