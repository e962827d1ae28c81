// Rnd and Randomize: VBScript's 24-bit linear congruential generator, bit for bit, so a script
// seeded with Rnd(-1) / Randomize n draws the same numbers as on Windows.
#include <cstring>

#include "script/builtins/args.h"
#include "script/builtins/library.h"

namespace vbs::builtin {

namespace {

constexpr uint32_t kMask = 0xFFFFFF;

uint32_t next(uint32_t seed) { return (seed * 0x43FD43FDu + 0xC39EC3u) & kMask; }

// Randomize replaces the upper 16 bits of the 24-bit state with the two halves of `bits` folded
// together; the low byte stays.
void mixSeed(Context& ctx, uint32_t bits) {
    uint32_t folded = ((bits & 0xFFFF) << 8) ^ ((bits >> 8) & 0xFFFF00);
    ctx.rndSeed = folded | (ctx.rndSeed & 0xFF0000FFu);
}

}  // namespace

// Rnd([x]): x > 0 or omitted draws the next number, 0 repeats the last, x < 0 restarts from a
// state made of x's Single bits (so Rnd(-1) always starts the same sequence).
VBS_BUILTIN(Rnd) {
    float x = given(args, argc, 0) ? static_cast<float>(toDouble(args[0])) : 1.0f;
    uint32_t seed = ctx.rndSeed;
    if (x != 0.0f) {
        if (x < 0.0f) {
            uint32_t bits;
            std::memcpy(&bits, &x, sizeof bits);
            seed = (bits + (bits >> 24)) & kMask;
        }
        seed = next(seed);
    }
    ctx.rndSeed = seed;
    result = Value::single(static_cast<float>(seed) / 16777216.0f);
}

// Randomize [n]: n's Double high word seeds; without n, the Timer's Single bits.
VBS_BUILTIN(Randomize) {
    if (given(args, argc, 0)) {
        double d = toDouble(args[0]);
        uint64_t bits;
        std::memcpy(&bits, &d, sizeof bits);
        mixSeed(ctx, static_cast<uint32_t>(bits >> 32));
    } else {
        Value timer;
        Timer(ctx, nullptr, 0, timer);
        uint32_t bits;
        std::memcpy(&bits, &timer.f32, sizeof bits);
        mixSeed(ctx, bits);
    }
    result = Value();
}

}  // namespace vbs::builtin
