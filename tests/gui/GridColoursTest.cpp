// The grids' text colours as drawn: every meaning reads at 4.5:1 or more on
// every background a cell can have, keeps its hue, and a colour that already
// reads stays as it is.
#include <gtest/gtest.h>

#include "qt/GridColours.h"
#include "ui/Grid.h"

namespace kestrova {
namespace {

QColor Of(const ui::Rgb& rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

TEST(GridColours, ContrastFollowsTheGuidelinesFormula) {
  EXPECT_DOUBLE_EQ(ContrastRatio(Qt::black, Qt::white), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(Qt::white, Qt::white), 1.0);
  EXPECT_NEAR(ContrastRatio(QColor(255, 255, 0), Qt::white), 1.07, 0.01);  // the old FAIR
  EXPECT_NEAR(ContrastRatio(QColor(0, 0, 255), Qt::white), 8.59, 0.01);
}

TEST(GridColours, EveryMeaningReadsOnEveryCellBackgroundInItsOwnHue) {
  // White and a dark theme's base, and the top-URLs grid's two highlights.
  const QColor backgrounds[] = {Qt::white, QColor(35, 38, 41), Of(ui::kYellow), Of(ui::kGreen)};
  for (const ui::Rgb& meaning : {ui::kRed, ui::kOrange, ui::kYellow, ui::kGreen, ui::kBlue}) {
    const QColor colour = Of(meaning);
    for (const QColor& background : backgrounds) {
      const QColor shade = ReadableShade(colour, background);
      const std::string name =
          colour.name().toStdString() + " on " + background.name().toStdString();
      EXPECT_GE(ContrastRatio(shade, background), kLeastTextContrast) << name;
      EXPECT_NEAR(shade.hsvHueF(), colour.hsvHueF(), 2.0 / 360) << name;
      // The nearest readable shade: one step less would not read.
      if (shade != colour) {
        const QColor lighter =
            shade.lightness() < colour.lightness() ? shade.lighter(102) : shade.darker(102);
        EXPECT_LT(ContrastRatio(lighter, background), kLeastTextContrast + 0.2) << name;
      }
    }
  }
  EXPECT_EQ(ReadableShade(Of(ui::kBlue), Qt::white), Of(ui::kBlue));  // already reads
  const QColor fair = ReadableShade(Of(ui::kYellow), Qt::white);
  EXPECT_EQ(fair.red(), fair.green());  // a dark yellow, not a brown
  EXPECT_EQ(fair.blue(), 0);
}

}  // namespace
}  // namespace kestrova
