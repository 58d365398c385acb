// The recent-files policy: where a path lands in the five slots, and the menu
// items the slots make.
#include "app/RecentFiles.h"

#include <gtest/gtest.h>

namespace kestrova {
namespace {

TEST(RecentFiles, APathMovesToTheTopOnceAndTheOldestDropsOut) {
  RecentFileSlots files{"a", "b", "c", "d", "e"};
  NewMenuFilenameToAdd(files, "a");
  EXPECT_EQ(files, (RecentFileSlots{"a", "b", "c", "d", "e"}));
  NewMenuFilenameToAdd(files, "d");
  EXPECT_EQ(files, (RecentFileSlots{"d", "a", "b", "c", "e"}));
  NewMenuFilenameToAdd(files, "f");
  EXPECT_EQ(files, (RecentFileSlots{"f", "d", "a", "b", "c"}));
  NewMenuFilenameToAdd(files, "c");  // the last slot
  EXPECT_EQ(files, (RecentFileSlots{"c", "f", "d", "a", "b"}));
  RecentFileSlots empty;
  NewMenuFilenameToAdd(empty, "x");
  EXPECT_EQ(empty, (RecentFileSlots{"x", "", "", "", ""}));
}

TEST(RecentFiles, TheMenuShowsFilledSlotsInOrderWithTheGapsClosed) {
  std::array<MenuItem, kRecentFileSlots> items;
  MenuItem separator;
  RecentFileSlots files{"a", "", "b", "c", "d"};
  FixnDisplayMenuFiles(files, items, separator);
  EXPECT_EQ(files, (RecentFileSlots{"a", "b", "c", "d", ""}));
  EXPECT_EQ(items[0].caption, "&0 a");
  EXPECT_EQ(items[3].caption, "&3 d");
  EXPECT_TRUE(items[3].visible);
  EXPECT_FALSE(items[4].visible);
  EXPECT_TRUE(separator.visible);

  // Several empty or blank slots in a row close up as one does.
  files = {"", "  ", " /p/x.rnk ", "", "y"};
  FixnDisplayMenuFiles(files, items, separator);
  EXPECT_EQ(files, (RecentFileSlots{"/p/x.rnk", "y", "", "", ""}));
  EXPECT_EQ(items[1].caption, "&1 y");
  EXPECT_FALSE(items[2].visible);

  files = {};
  FixnDisplayMenuFiles(files, items, separator);
  EXPECT_FALSE(separator.visible);
  EXPECT_FALSE(items[0].visible);
}

}  // namespace
}  // namespace kestrova
