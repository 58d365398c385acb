#include <gtest/gtest.h>

#include <filesystem>

#include "base/Codepage.h"
#include "base/Files.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

TEST(Codepage, Utf8ArgumentsBecomeSingleByteText) {
  EXPECT_EQ(Utf8ToCp1252("caf\xC3\xA9"), "caf\xE9");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC"), "\x80") << "the euro sign has its own byte";
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?") << "characters the code page lacks";
  EXPECT_EQ(Utf8ToCp1252("caf\xE9"), "caf\xE9") << "invalid UTF-8 is taken as it is";
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "\xC3") << "a truncated sequence too";
  EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "\xC0\xAF") << "overlong forms are not decoded";
}

TEST(Codepage, EveryByteSurvivesTheTripThroughUtf8) {
  std::string all;
  for (int i = 1; i < 256; ++i) all += static_cast<char>(i);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Files, ExistenceTestsTrimAndTellFilesFromFolders) {
  test::TempFolder folder;
  const std::string dir = folder / "made";
  ASSERT_TRUE(MakeDirectory(dir));
  EXPECT_TRUE(MakeDirectory(dir)) << "an existing folder is fine";
  std::string file = dir + "/a.txt";
  EXPECT_FALSE(FileExists(file));
  ASSERT_TRUE(WriteFileAtomically(file, "one"));
  EXPECT_TRUE(FileExists("  " + file + " "));
  EXPECT_FALSE(FileExists(dir));
  EXPECT_TRUE(DirExists(dir));
  EXPECT_FALSE(DirExists(file));
  EXPECT_FALSE(FileExists("   "));
  EXPECT_FALSE(MakeDirectory(file)) << "a file is in the way";
}

TEST(Files, AtomicWriteReplacesWholeOrNotAtAll) {
  test::TempFolder dir;
  std::string file = dir / "p.rnk";
  ASSERT_TRUE(WriteFileAtomically(file, "first"));
  ASSERT_TRUE(WriteFileAtomically(file, std::string("sec\0nd", 6)));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(file, bytes));
  EXPECT_EQ(bytes, std::string("sec\0nd", 6));
  // A target in a folder that does not exist fails and reports why.
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir / "missing/x", "x", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(ReadWholeFile(dir / "none", bytes, &error));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
      << "no temporary file is left behind";
}

}  // namespace
}  // namespace kestrova
