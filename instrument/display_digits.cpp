#include "instrument/display_digits.h"

#include "instrument/host_numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

std::int32_t round_altitude_magnitude(double altitude, std::int32_t step)
{
    // In 64 bits: the magnitude of the runtime's "integer indefinite" value
    // (NaN, infinities, anything beyond the 32-bit range) is 2^31, and
    // rounding up may pass 2^31 - 1 as well.
    std::int64_t n = truncate_toward_zero(altitude);
    if (n < 0)
        n = -n;
    n -= n % step;
    if (std::fabs(altitude) - static_cast<double>(n) > step / 2.0)
        n += step;
    // The needle and the digits rely on a value that is never negative: what
    // lies beyond shows as the largest step that fits.
    const std::int64_t largest = std::numeric_limits<std::int32_t>::max() / step * step;
    return static_cast<std::int32_t>(std::min(n, largest));
}

std::int32_t round_selected_altitude(double selected, std::int32_t step)
{
    std::int32_t r = truncate_toward_zero(selected);
    r -= r % step;
    if (selected - r > step / 2)
        r += step;
    return r;
}

void split_five_digits(std::int64_t n, DigitCode digits[5])
{
    std::int64_t divisor = 1;
    for (int i = 0; i < 5; ++i) {
        digits[i] = static_cast<DigitCode>((n % (divisor * 10) - n % divisor) / divisor);
        divisor *= 10;
    }
}

void altitude_window_digits(std::int32_t n, bool negative, DigitCode digits[altitude_digit_count])
{
    // The display value is a magnitude; should a negative one ever come, it
    // still shows digits rather than negative frame numbers.
    split_five_digits(n < 0 ? -static_cast<std::int64_t>(n) : n, digits);
    const DigitCode sign = negative ? digit_minus : digit_blank;
    if (n >= 0 && n < 10) {
        digits[4] = digit_three_bars;
        digits[3] = digit_blank;
        digits[2] = digit_blank;
        digits[1] = sign;
    } else if (n >= 10 && n < 100) {
        digits[4] = digit_three_bars;
        digits[3] = digit_blank;
        digits[2] = sign;
    } else if (n >= 100 && n < 1000) {
        digits[4] = digit_three_bars;
        digits[3] = sign;
    } else if (n >= 1000 && n < 10000) {
        digits[4] = sign;
    }
}

void pressure_window_digits(std::int32_t setting_mb, DigitCode digits[pressure_digit_count])
{
    const std::int32_t b = setting_mb;
    digits[0] = static_cast<DigitCode>(b % 10);
    digits[1] = static_cast<DigitCode>((b % 100 - b % 10) / 10);
    digits[2] = static_cast<DigitCode>((b % 1000 - b % 100) / 100);
    digits[3] = static_cast<DigitCode>((b % 10000 - b % 1000) / 1000);
    if (digits[3] == 0)
        digits[3] = digit_blank;
}

void selected_window_digits(std::int32_t r, DigitCode digits[selected_digit_count])
{
    split_five_digits(r, digits);
    if (r < 100) {
        digits[4] = digits[3] = digits[2] = digit_blank;
    } else if (r < 1000) {
        digits[4] = digits[3] = digit_blank;
    } else if (r < 10000) {
        digits[4] = digit_blank;
    }
}
