#include <gtest/gtest.h>

#include "base/Date.h"

namespace kestrova {
namespace {

TEST(Date, DayCountsStartOnThirtiethDecember1899AndSplitToTheNearestSecond) {
  EXPECT_EQ(MakeDate({1899, 12, 30, 0, 0, 0}).days, 0.0);
  EXPECT_EQ(MakeDate({1899, 12, 31, 0, 0, 0}), kNeverRun);
  EXPECT_EQ(MakeDate({2000, 1, 1, 0, 0, 0}).days, 36526.0);
  EXPECT_EQ(MakeDate({1899, 12, 29, 6, 0, 0}).days, -1.25) << "the time counts away from day 0";
  DateParts back = SplitDate(Date{-1.25});
  EXPECT_EQ(back, (DateParts{1899, 12, 29, 6, 0, 0}));
  EXPECT_EQ(Weekday(Date{0}), 6) << "30 December 1899 was a Saturday";
  EXPECT_EQ(Weekday(MakeDate({2026, 12, 6, 0, 0, 0})), 0);
  // Splitting rounds to the nearest second, across midnight too.
  Date almostMidnight{MakeDate({2000, 5, 13, 0, 0, 0}).days - 0.1 / 86400};
  EXPECT_EQ(SplitDate(almostMidnight), (DateParts{2000, 5, 13, 0, 0, 0}));
  Date leapDay = MakeDate({2000, 2, 29, 23, 59, 59});
  EXPECT_EQ(SplitDate(leapDay), (DateParts{2000, 2, 29, 23, 59, 59}));
}

TEST(Date, SixDisplayFormatsAroundMidnightAndNoon) {
  Date midnight = MakeDate({2000, 5, 3, 0, 0, 0});
  Date noon = MakeDate({2000, 5, 3, 12, 0, 0});
  Date evening = MakeDate({2000, 5, 13, 14, 5, 9});
  EXPECT_EQ(FormatDate(midnight, 0), "05/03/2000 12:00:00 AM");
  EXPECT_EQ(FormatDate(noon, 0), "05/03/2000 12:00:00 PM");
  EXPECT_EQ(FormatDate(MakeDate({2000, 5, 3, 0, 59, 1}), 0), "05/03/2000 12:59:01 AM");
  EXPECT_EQ(FormatDate(MakeDate({2000, 5, 3, 11, 59, 59}), 0), "05/03/2000 11:59:59 AM");
  EXPECT_EQ(FormatDate(evening, 1), "05/13/2000");
  EXPECT_EQ(FormatDate(evening, 2), "Saturday, May 13 2000  02:05:09 PM");
  EXPECT_EQ(FormatDate(midnight, 3), "Wednesday, May 3 2000");
  EXPECT_EQ(FormatDate(noon, 4), "May 3 2000  12:00:00 PM");
  EXPECT_EQ(FormatDate(evening, 5), "May 13 2000");
  EXPECT_EQ(FormatDate(evening, 9), FormatRecordDate(evening)) << "unknown index: format 0";
  FixedClock clock(evening);
  EXPECT_EQ(FormatNow(clock, 0), "05/13/2000 02:05:09 PM");
}

TEST(Date, ProjectFileFormRoundTripsAndRefusesJunk) {
  EXPECT_EQ(FormatFileDate(MakeDate({2000, 5, 13, 14, 5, 9})), "#2000-05-13 14:05:09#");
  EXPECT_EQ(FormatFileDate(kNeverRun), "#1899-12-31#");
  EXPECT_EQ(FormatFileDate(Date{0.5}), "#12:00:00#");
  for (const char* text : {"#2000-05-13 14:05:09#", "#1899-12-31#", "#12:00:00#", "#2024-02-29#"}) {
    Date parsed;
    ASSERT_TRUE(ParseFileDate(text, parsed)) << text;
    EXPECT_EQ(FormatFileDate(parsed), text);
  }
  Date untouched{42};
  for (const char* text :
       {"", "#", "##", "2000-05-13", "#2000-13-01#", "#2001-02-29#", "#2000-05-13 25:00:00#",
        "#2000-05-13 14:05#", "#ab:cd:ef#", "#2000-05-13x14:05:09#"}) {
    EXPECT_FALSE(ParseFileDate(text, untouched)) << text;
  }
  EXPECT_EQ(untouched.days, 42);
}

}  // namespace
}  // namespace kestrova
