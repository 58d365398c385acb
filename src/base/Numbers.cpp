#include "base/Numbers.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace kestrova {

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  double floor = std::floor(value);
  double diff = value - floor;
  if (diff > 0.5) return floor + 1.0;
  if (diff < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

bool ToIntegerChecked(double value, Integer& out) {
  if (std::isnan(value)) return false;
  double rounded = RoundHalfEven(value);
  if (rounded < kIntegerMin || rounded > kIntegerMax) return false;
  out = static_cast<Integer>(rounded);
  return true;
}

Integer ToIntegerSaturated(double value) {
  if (std::isnan(value)) return 0;
  double rounded = RoundHalfEven(value);
  if (rounded <= kIntegerMin) return kIntegerMin;
  if (rounded >= kIntegerMax) return kIntegerMax;
  return static_cast<Integer>(rounded);
}

Long ToLongSaturated(double value) {
  if (std::isnan(value)) return 0;
  double rounded = RoundHalfEven(value);
  constexpr double kMin = std::numeric_limits<Long>::min();
  constexpr double kMax = std::numeric_limits<Long>::max();
  if (rounded <= kMin) return std::numeric_limits<Long>::min();
  if (rounded >= kMax) return std::numeric_limits<Long>::max();
  return static_cast<Long>(rounded);
}

namespace {
Integer Clamp(int value) {
  if (value < kIntegerMin) return kIntegerMin;
  if (value > kIntegerMax) return kIntegerMax;
  return static_cast<Integer>(value);
}
}  // namespace

Integer AddSaturated(Integer a, Integer b) {
  return Clamp(int{a} + int{b});
}
Integer SubSaturated(Integer a, Integer b) {
  return Clamp(int{a} - int{b});
}
Integer MulSaturated(Integer a, Integer b) {
  return Clamp(int{a} * int{b});
}

std::string FormatDigits(long long value, int width) {
  bool negative = value < 0;
  // Magnitude as unsigned so the most negative value has no overflow.
  unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                          : static_cast<unsigned long long>(value);
  std::string digits = std::to_string(magnitude);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

}  // namespace kestrova
