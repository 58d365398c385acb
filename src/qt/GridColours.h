// The grids' colours as the window draws them: each keeps its meaning (red,
// orange, yellow, green, blue) but is shaded, darker on a light background and
// lighter on a dark one, until its text reaches a contrast ratio of 4.5:1
// against the cell's background. The grid data and the reports keep the
// colours as they are.
#pragma once

#include <QColor>

namespace kestrova {

inline constexpr double kLeastTextContrast = 4.5;

// The relative luminance and contrast ratio of the web's accessibility
// guidelines: 1 for equal colours, 21 for black on white.
double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);

// `colour` itself when it is readable on `background`; otherwise the nearest
// shade of its hue that is: toward black on a light background, toward white
// on a dark one.
QColor ReadableShade(const QColor& colour, const QColor& background,
                     double least = kLeastTextContrast);

}  // namespace kestrova
