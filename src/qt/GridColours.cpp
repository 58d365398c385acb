#include "qt/GridColours.h"

#include <algorithm>
#include <cmath>

namespace kestrova {
namespace {

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// `colour` moved a fraction `t` (0 to 1) of the way to `target`, which is
// black or white: the hue stays, only lightness changes.
QColor Toward(const QColor& colour, const QColor& target, double t) {
  auto mix = [t](int from, int to) {
    return static_cast<int>(std::lround(from + (to - from) * t));
  };
  return QColor(mix(colour.red(), target.red()), mix(colour.green(), target.green()),
                mix(colour.blue(), target.blue()));
}

}  // namespace

double RelativeLuminance(const QColor& colour) {
  return 0.2126 * Linear(colour.red()) + 0.7152 * Linear(colour.green()) +
         0.0722 * Linear(colour.blue());
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableShade(const QColor& colour, const QColor& background, double least) {
  if (ContrastRatio(colour, background) >= least) return colour;
  // Whichever end reads better on this background is the way to go.
  const QColor black(0, 0, 0), white(255, 255, 255);
  const QColor target =
      ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
  // Contrast grows steadily on the way to the target: find the smallest step
  // that reads, in whole 1/256ths so the answer is the same everywhere.
  int low = 0, high = 256;
  while (low < high) {
    const int mid = (low + high) / 2;
    if (ContrastRatio(Toward(colour, target, mid / 256.0), background) >= least) {
      high = mid;
    } else {
      low = mid + 1;
    }
  }
  return Toward(colour, target, low / 256.0);
}

}  // namespace kestrova
