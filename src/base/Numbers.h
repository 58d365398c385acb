// Number semantics shared by every folder: 16-bit Integers that never wrap,
// halves-to-even rounding, and the fixed-width digit formats.
#pragma once

#include <cstdint>
#include <string>

namespace kestrova {

using Integer = std::int16_t;  // the 16-bit signed Integer of the stored formats
using Long = std::int32_t;     // the 32-bit signed Long

constexpr Integer kIntegerMax = 32767;
constexpr Integer kIntegerMin = -32768;

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Rounds halves-to-even and clamps into the Integer range (NaN gives 0).
Integer ToIntegerSaturated(double value);
// Rounds halves-to-even; false when the result does not fit an Integer.
bool ToIntegerChecked(double value, Integer& out);
Long ToLongSaturated(double value);

// Integer arithmetic that saturates at the range ends instead of wrapping.
Integer AddSaturated(Integer a, Integer b);
Integer SubSaturated(Integer a, Integer b);
Integer MulSaturated(Integer a, Integer b);

// Decimal digits with leading zeros to at least `width` ("00", "000", "00000");
// a negative value keeps its "-" in front of the zero-padded digits.
std::string FormatDigits(long long value, int width);

}  // namespace kestrova
