#include "averager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

namespace {

constexpr float inf = std::numeric_limits<float>::infinity();
constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr float largest = std::numeric_limits<float>::max();
constexpr float smallest = std::numeric_limits<float>::denorm_min();

std::uint32_t bits(float value)
{
    std::uint32_t result = 0;
    std::memcpy(&result, &value, sizeof result);
    return result;
}

float from_bits(std::uint32_t pattern)
{
    float result = 0;
    std::memcpy(&result, &pattern, sizeof result);
    return result;
}

struct Case {
    float first, second, third, mean;
};

// Compares bit patterns, so that a result one unit in the last place off, or
// a zero of the wrong sign, fails.
void expect_means(const Case* begin, const Case* end)
{
    const Averager averager;
    for (const Case* c = begin; c != end; ++c) {
        const float mean = averager.average(c->first, c->second, c->third);
        EXPECT_EQ(bits(mean), bits(c->mean))
            << std::hexfloat << "average(" << c->first << ", " << c->second << ", " << c->third
            << ") = " << mean << ", expected " << c->mean;
    }
}

static_assert(std::is_empty_v<Averager> && std::is_trivial_v<Averager>, "Averager holds no state");

TEST(Averager, Means)
{
    const Case cases[] = {
        {1, 2, 3, 2},
        {1, 2, 4, 7.0f / 3.0f},
        {-1, -2, -4, -7.0f / 3.0f},
        // Single-precision sums would drop both ones and give 5592405.5.
        {0x1p24f, 1, 1, 5592406.0f},
        {1, 1, 0x1p24f, 5592406.0f},
        // The sum exceeds the float range; the mean does not.
        {3e38f, 3e38f, 3e38f, 3e38f},
        {-3e38f, -3e38f, -3e38f, -3e38f},
        {largest, largest, largest, largest},
        {-largest, largest, -largest, -largest / 3},
        {smallest, smallest, smallest, smallest},
        // A third of the smallest subnormal rounds to zero, two thirds to it.
        {smallest, 0, 0, 0},
        {smallest, smallest, 0, smallest},
        {0, 0, 0, 0},
        {-0.0f, -0.0f, -0.0f, -0.0f},
        {-0.0f, 0, -0.0f, 0},
        {1, -1, 0, 0},
        // The binary64 sum drops 0x1p-100, and the quotient ties to even:
        // the exact mean would round to 0x1.000002p+0.
        {3, 0x3p-24f, 0x1p-100f, 1},
        // Adding right to left gives 0x1.19969ap+25 here; multiplying the sum
        // by 1.0 / 3.0 instead of dividing it by 3 gives 0x1.1a1a0cp+28.
        {0x1.e8846p-27f, 0x1.00768ep+27f, -0x1.6a2cdap+24f, 0x1.199698p+25f},
        {0x1.6db0bep+27f, 0x1.4bbae4p+29f, 0x1.1170f2p-24f, 0x1.1a1a0ep+28f},
    };
    expect_means(std::begin(cases), std::end(cases));
}

// With x87 arithmetic the sum and quotient keep 64-bit significands, and
// rounding that to float differs from rounding the binary64 quotient.
TEST(Averager, RoundsOnlyBinary64Results)
{
    const Case cases[] = {
        {-0x1.f22806p+4f, 0x1.820a9ap+2f, -0x1.6cbcc8p-53f, -0x1.0bc394p+3f},
        {0x1.d81792p-24f, 0x1.6a2a7cp+27f, 0x1.9e064ep+30f, 0x1.323268p+29f},
        {0x1.f0631p+25f, 0x1.a49b8ap+30f, -0x1.bd669cp-25f, 0x1.22bf18p+29f},
        {0x1.9972fp+25f, 0x1.401a78p-27f, 0x1.c2b88ap+30f, 0x1.3502cp+29f},
        {-0x1.391c84p+28f, 0x1.4b40b8p-29f, 0x1.abaeacp+24f, -0x1.7dd778p+26f},
        {0x1.c11646p+24f, -0x1.68500cp+27f, 0x1.80e8d4p-27f, -0x1.9591bp+25f},
        {-0x1.c1dacp-26f, -0x1.ae6a7ep+30f, -0x1.ca82eep+28f, -0x1.6b5cdp+29f},
    };
    expect_means(std::begin(cases), std::end(cases));
}

TEST(Averager, NonFiniteArguments)
{
    const Averager averager;
    EXPECT_EQ(averager.average(inf, 1, 2), inf);
    EXPECT_EQ(averager.average(1, inf, inf), inf);
    EXPECT_EQ(averager.average(-inf, -3e38f, 0), -inf);
    EXPECT_EQ(averager.average(-inf, -inf, -inf), -inf);
    EXPECT_TRUE(std::isnan(averager.average(inf, -inf, 0)));
    EXPECT_TRUE(std::isnan(averager.average(nan, 1, 2)));
    EXPECT_TRUE(std::isnan(averager.average(1, 2, nan)));
    EXPECT_TRUE(std::isnan(averager.average(inf, nan, inf)));
}

// Every float, all 2^32 bit patterns: three equal values average to that
// value exactly, and non-finite ones stay what they are.
TEST(AveragerExhaustive, ThreeEqualValuesGiveThatValue)
{
    const Averager averager;
    std::uint64_t wrong = 0;
    for (std::uint64_t pattern = 0; pattern <= 0xffffffffu; ++pattern) {
        const float x = from_bits(static_cast<std::uint32_t>(pattern));
        const float mean = averager.average(x, x, x);
        const bool right = std::isnan(x) ? std::isnan(mean) : bits(mean) == bits(x);
        if (!right && ++wrong <= 5) {
            ADD_FAILURE() << std::hexfloat << "average(x, x, x) = " << mean << " for x = " << x;
        }
    }
    EXPECT_EQ(wrong, 0u);
}

} // namespace
