#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(Files, AtomicWriteReplacesWholeOrNotAtAll) {
  test::TempFolder dir;
  const std::string made = dir / "made";
  ASSERT_TRUE(MakeDirectory(made));
  EXPECT_TRUE(MakeDirectory(made)) << "an existing folder is fine";
  const std::string file = made + "/p.rnk";
  EXPECT_FALSE(FileExists(file));
  ASSERT_TRUE(WriteFileAtomically(file, "first"));
  ASSERT_TRUE(WriteFileAtomically(file, std::string("sec\0nd", 6)));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(file, bytes));
  EXPECT_EQ(bytes, std::string("sec\0nd", 6));
  EXPECT_TRUE(FileExists("  " + file + " "));
  EXPECT_FALSE(FileExists(made));
  EXPECT_TRUE(DirExists(made));
  EXPECT_FALSE(DirExists(file));
  EXPECT_FALSE(MakeDirectory(file)) << "a file is in the way";
  // A target in a folder that does not exist fails and reports why.
  const Status missingFolder = WriteFileAtomically(dir / "missing/x", "x");
  EXPECT_EQ(missingFolder.code(), StatusCode::WriteFailed);
  EXPECT_NE(missingFolder.message().find("missing"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(dir / "none", bytes).code(), StatusCode::NotFound);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(made), {}), 1)
      << "no temporary file is left behind";
}

TEST(Files, AtomicSavesKeepTheTargetsModeOwnerAndLinks) {
  namespace fs = std::filesystem;
  test::TempFolder folder;
  const std::string target = folder / "private.rnk";
  ASSERT_TRUE(WriteFileAtomically(target, "first"));
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  const bool mayChown = ::geteuid() == 0;
  if (mayChown) {
    ASSERT_EQ(::chown(target.c_str(), 4242, 4343), 0);
  }
  ASSERT_TRUE(WriteFileAtomically(target, "second"));
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u) << "a private project stays private";
  if (mayChown) {
    EXPECT_EQ(info.st_uid, 4242u);
    EXPECT_EQ(info.st_gid, 4343u);
  }

  // A chain of relative links is followed to its end; the links stay links.
  fs::create_directory(folder / "real");
  fs::create_symlink("b.rnk", folder / "a.rnk");
  fs::create_symlink("real/c.rnk", folder / "b.rnk");
  ASSERT_TRUE(WriteFileAtomically(folder / "real/c.rnk", "old"));
  ASSERT_TRUE(WriteFileAtomically(folder / "a.rnk", "through the links"));
  EXPECT_TRUE(fs::is_symlink(folder / "a.rnk"));
  EXPECT_TRUE(fs::is_symlink(folder / "b.rnk"));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(folder / "real/c.rnk", bytes));
  EXPECT_EQ(bytes, "through the links");
  // A dangling link gets its target made, with the mode a new file gets.
  fs::create_symlink("made.rnk", folder / "dangling.rnk");
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(WriteFileAtomically(folder / "dangling.rnk", "new"));
  ::umask(mask);
  EXPECT_TRUE(fs::is_symlink(folder / "dangling.rnk"));
  ASSERT_EQ(::stat((folder / "made.rnk").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);
  // Links in a circle are no file to save to.
  fs::create_symlink("loop2", folder / "loop1");
  fs::create_symlink("loop1", folder / "loop2");
  EXPECT_EQ(WriteFileAtomically(folder / "loop1", "x").code(), StatusCode::WriteFailed);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 8)
      << "no temporary file is left behind";
}

TEST(Files, OnlyRegularFilesWithinTheLimitAreRead) {
  test::TempFolder folder;
  const std::string pipe = folder / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::string bytes = "stale";
  // None of these is opened for reading: a pipe would wait for a writer for
  // ever, a device would never end.
  for (const std::string& path :
       {pipe, std::string("/dev/zero"), std::string("/dev/null"), folder.path()}) {
    const Status refused = ReadWholeFile(path, bytes);
    EXPECT_EQ(refused.code(), StatusCode::NotRegularFile) << path;
    EXPECT_EQ(refused.message(), path + " is not a regular file");
    EXPECT_TRUE(bytes.empty());
  }
  // The limit is the largest size read; one byte more is refused, and so is a
  // link to a device.
  const std::string file = folder / "page.html";
  ASSERT_TRUE(WriteFileAtomically(file, std::string(1000, 'x')));
  EXPECT_TRUE(ReadWholeFile(file, bytes, 1000));
  EXPECT_EQ(bytes.size(), 1000u);
  const Status tooLarge = ReadWholeFile(file, bytes, 999);
  EXPECT_EQ(tooLarge.code(), StatusCode::TooLarge);
  EXPECT_EQ(tooLarge.message(), file + " is larger than 999 bytes, more than it can hold");
  EXPECT_TRUE(bytes.empty());
  std::filesystem::create_symlink("/dev/zero", folder / "zero.rnk");
  EXPECT_EQ(ReadWholeFile(folder / "zero.rnk", bytes).code(), StatusCode::NotRegularFile);
  // A sparse file is sized by what it claims, not by what it stores.
  const std::string sparse = folder / "sparse";
  ASSERT_TRUE(WriteFileAtomically(sparse, ""));
  std::filesystem::resize_file(sparse, kDefaultReadLimit + 1);
  EXPECT_NE(ReadWholeFile(sparse, bytes).message().find("larger than 64 MB"), std::string::npos);
}

}  // namespace
}  // namespace kestrova
