#include "instrument/display_digits.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <vector>

namespace {

using Digits5 = std::array<DigitCode, 5>;
constexpr DigitCode B = digit_blank;
constexpr DigitCode M = digit_minus;
constexpr DigitCode G = digit_three_bars;

// Digits are stored ones first; these tables read them as the window shows
// them, left to right.
Digits5 window_order(const DigitCode (&digits)[5])
{
    return {digits[4], digits[3], digits[2], digits[1], digits[0]};
}

struct RoundingCase {
    double altitude;
    std::int32_t step;
    std::int32_t expected;
};

TEST(AltitudeRounding, RoundsToTheStepWithExactHalvesDown)
{
    const std::vector<RoundingCase> cases = {
        // clang-format off
        {102.5, 5, 100},   {102.6, 5, 105},   {102.4, 5, 100},   {0.0, 5, 0},
        {2.5, 5, 0},       {2.51, 5, 5},      {-1.0, 5, 0},      {-2.6, 5, 5},
        {-102.6, 5, 105},  {999.9, 5, 1000},  {12345.0, 5, 12345},
        {107.6, 15, 105},  {112.6, 15, 120},  {112.5, 15, 105},  {-112.6, 15, 120},
        {7.5, 15, 0},      {7.51, 15, 15},
        // clang-format on
    };
    for (const RoundingCase& c : cases)
        EXPECT_EQ(round_altitude_magnitude(c.altitude, c.step), c.expected) << c.altitude << " step " << c.step;
}

TEST(AltitudeRounding, SurvivesValuesBeyondTheIntegerRange)
{
    // The runtime's conversion gives its "integer indefinite" value; the
    // window must still get valid digits and nothing may trap.
    const std::int32_t n = round_altitude_magnitude(1e12, 5);
    DigitCode digits[5];
    altitude_window_digits(n, false, digits);
    for (DigitCode d : digits)
        EXPECT_TRUE(d == B || (d >= 0 && d <= 11));
}

TEST(AltitudeRounding, StaysWithinTheLargestStepBelowTwoToThe31)
{
    // 2147483645 and 2147483640 are the largest multiples of 5 and 15 that
    // a 32-bit display value holds; rounding up from just below 2^31 must not
    // wrap round to a negative value.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<RoundingCase> cases = {
        // clang-format off
        {2147483644.0, 5, 2147483645},  {2147483647.0, 5, 2147483645},  {2147483647.9, 5, 2147483645},
        {-2147483647.9, 5, 2147483645}, {2147483648.0, 5, 2147483645},  {1e12, 5, 2147483645},
        {-1e12, 5, 2147483645},         {nan, 5, 2147483645},           {inf, 5, 2147483645},
        {-inf, 5, 2147483645},
        // clang-format on

        {2147483632.6, 15, 2147483640},
        {2147483647.0, 15, 2147483640},
        {2147483647.6, 15, 2147483640},
        {-2147483647.6, 15, 2147483640},
        {1e300, 15, 2147483640},
        {nan, 15, 2147483640},
        {-inf, 15, 2147483640},
    };
    for (const RoundingCase& c : cases)
        EXPECT_EQ(round_altitude_magnitude(c.altitude, c.step), c.expected) << c.altitude << " step " << c.step;
}

struct WindowCase {
    std::int32_t n;
    bool negative;
    Digits5 shown;
};

// Every change in the number of digits shown is seen on both sides of its
// power of ten, so that an edge moved by one shows.
TEST(AltitudeWindow, LeadingGlyphBlanksAndMinusSign)
{
    const std::vector<WindowCase> cases = {
        // clang-format off
        {9,      false, {G, B, B, B, 9}},
        {9,      true,  {G, B, B, M, 9}},
        {10,     true,  {G, B, M, 1, 0}},
        {99,     false, {G, B, B, 9, 9}},
        {99,     true,  {G, B, M, 9, 9}},
        {100,    false, {G, B, 1, 0, 0}},
        {100,    true,  {G, M, 1, 0, 0}},
        {999,    true,  {G, M, 9, 9, 9}},
        {1000,   true,  {M, 1, 0, 0, 0}},
        {9999,   false, {B, 9, 9, 9, 9}},
        {10000,  true,  {1, 0, 0, 0, 0}},
        {99999,  false, {9, 9, 9, 9, 9}},
        {100000, false, {0, 0, 0, 0, 0}},
        {0,      false, {G, B, B, B, 0}},
        {0,      true,  {G, B, B, M, 0}},
        {5,      true,  {G, B, B, M, 5}},
        {10,     false, {G, B, B, 1, 0}},
        {95,     true,  {G, B, M, 9, 5}},
        {510,    false, {G, B, 5, 1, 0}},
        {510,    true,  {G, M, 5, 1, 0}},
        {999,    false, {G, B, 9, 9, 9}},
        {1000,   false, {B, 1, 0, 0, 0}},
        {5120,   false, {B, 5, 1, 2, 0}},
        {5120,   true,  {M, 5, 1, 2, 0}},
        {9995,   true,  {M, 9, 9, 9, 5}},
        {10000,  false, {1, 0, 0, 0, 0}},
        {12345,  true,  {1, 2, 3, 4, 5}},     // no room for the sign
        {100005, false, {0, 0, 0, 0, 5}},     // shown modulo 100000
        {123450, true,  {2, 3, 4, 5, 0}},
        {-5,     true,  {0, 0, 0, 0, 5}},     // never a display value: its digits, no frame below 0
        // clang-format on
    };
    for (const WindowCase& c : cases) {
        DigitCode digits[5];
        altitude_window_digits(c.n, c.negative, digits);
        EXPECT_EQ(window_order(digits), c.shown) << c.n << (c.negative ? " below zero" : "");
    }
}

TEST(PressureWindow, ThousandsBlankBelowOneThousand)
{
    struct Case {
        std::int32_t setting;
        std::array<DigitCode, 4> shown;
    };
    const std::vector<Case> cases = {
        // clang-format off
        {999,  {B, 9, 9, 9}},
        {1000, {1, 0, 0, 0}},
        {1013, {1, 0, 1, 3}},
        {700,  {B, 7, 0, 0}},
        {1080, {1, 0, 8, 0}},
        // clang-format on
    };
    for (const Case& c : cases) {
        DigitCode digits[4];
        pressure_window_digits(c.setting, digits);
        EXPECT_EQ((std::array<DigitCode, 4>{digits[3], digits[2], digits[1], digits[0]}), c.shown) << c.setting;
    }
}

TEST(SelectedWindow, RoundsToHundredsOrThousandsAndKeepsTensShown)
{
    EXPECT_EQ(round_selected_altitude(0.0, 100), 0);
    EXPECT_EQ(round_selected_altitude(150.0, 100), 100); // exact half rounds down
    EXPECT_EQ(round_selected_altitude(150.5, 100), 200);
    EXPECT_EQ(round_selected_altitude(12000.0, 100), 12000);
    EXPECT_EQ(round_selected_altitude(41000.00000000001, 1000), 41000);
    EXPECT_EQ(round_selected_altitude(1500.0, 1000), 1000);
    EXPECT_EQ(round_selected_altitude(1500.1, 1000), 2000);

    const std::vector<std::pair<std::int32_t, Digits5>> cases = {
        // clang-format off
        {0,     {B, B, B, 0, 0}},
        {99,    {B, B, B, 9, 9}},
        {100,   {B, B, 1, 0, 0}},
        {999,   {B, B, 9, 9, 9}},
        {1000,  {B, 1, 0, 0, 0}},
        {9999,  {B, 9, 9, 9, 9}},
        {10000, {1, 0, 0, 0, 0}},
        {41000, {4, 1, 0, 0, 0}},
        // clang-format on
    };
    for (const auto& [r, shown] : cases) {
        DigitCode digits[5];
        selected_window_digits(r, digits);
        EXPECT_EQ(window_order(digits), shown) << r;
    }
}

} // namespace
