#include "qt/QtSettingsBackend.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/Files.h"
#include "qt/IniEncodedValues.h"
#include "store/Settings.h"
#include "support/ScriptedMessenger.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

TEST(QtSettingsBackend, ValuesSurviveReopeningExactly) {
  test::TempFolder home;
  const std::string dir = home / "settings";  // the backend creates it on its first write
  const std::pair<const char*, const char*> values[] = {
      {"UseDirect", "0 "},       {"HttpProxy", "a, b; c \"q\""}, {"Empty", ""},
      {"Latin", "caf\xE9 \x80"}, {"At", "@Variant(x)"},          {"", "the default value"}};
  {
    auto backend = OpenQtSettingsBackend(dir);
    std::string error;
    for (auto [name, value] : values) {
      ASSERT_TRUE(backend->WriteValue(SettingsRoot::Machine, kUserSettingsKey, name, value, error))
          << error;
    }
    ASSERT_TRUE(backend->WriteValue(SettingsRoot::Classes, ".rnk", "", "kestrova", error));
  }
  auto backend = OpenQtSettingsBackend(dir);
  for (auto [name, value] : values) {
    EXPECT_EQ(backend->ReadValue(SettingsRoot::Machine, kUserSettingsKey, name), value) << name;
  }
  // Names match exactly, and each root is a file of its own.
  EXPECT_EQ(backend->ReadValue(SettingsRoot::Machine, kUserSettingsKey, "usedirect"), std::nullopt);
  EXPECT_EQ(backend->ReadValue(SettingsRoot::Machine, ".rnk", ""), std::nullopt);
  EXPECT_EQ(backend->ReadValue(SettingsRoot::Classes, ".rnk", ""), "kestrova");
  EXPECT_TRUE(FileExists(dir + "/classes.ini"));
  EXPECT_TRUE(backend->TakeProblems().empty());
}

// Loads the settings kept in `dir`: the defaults always load; returns what was told.
std::vector<std::string> LoadFrom(const std::string& dir) {
  auto backend = OpenQtSettingsBackend(dir);
  test::ScriptedMessenger dialogs;
  SettingsStore store(*backend, dialogs, "Kestrova");
  ProgramSettings settings;
  EXPECT_TRUE(LoadSettings(store, settings));
  EXPECT_EQ(settings.Domain, "www.example.com");
  std::vector<std::string> told;
  for (const test::RecordedMessage& message : dialogs.messages) told.push_back(message.text);
  return told;
}

TEST(QtSettingsBackend, ADamagedFileIsSetAsideAndTheDefaultsLoad) {
  test::TempFolder home;
  const std::string dir = home.path();
  ASSERT_TRUE(WriteFileAtomically(dir + "/machine.ini", std::string("\xff\xfe\x00\x01junk", 8)));
  const auto told = LoadFrom(dir);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("damaged"), std::string::npos);
  EXPECT_TRUE(FileExists(dir + "/machine.ini.damaged"));
  // The fresh file holds the defaults the load created.
  auto reopened = OpenQtSettingsBackend(dir);
  EXPECT_EQ(reopened->ReadValue(SettingsRoot::Machine, kRememberKey, "FirstTimeRun"), "True");
}

TEST(QtSettingsBackend, APipeOrADeviceIsSetAsideUnread) {
  test::TempFolder folder;
  // Read as settings, the pipe would block for ever and the device never end.
  ASSERT_EQ(::mkfifo((folder / "machine.ini").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", folder / "user.ini");
  const auto told = LoadFrom(folder.path());
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[0], "The settings file " + (folder / "machine.ini") +
                         " is not a regular file. It has been kept as " +
                         (folder / "machine.ini.damaged") + " and the default settings are used.");
  EXPECT_TRUE(std::filesystem::is_fifo(folder / "machine.ini.damaged"));
  EXPECT_TRUE(FileExists(folder / "machine.ini"));
}

// A value QSettings would decode as binary data trusts its counts: this one,
// found by fuzzing, made it reserve 30 GB before the file was set aside.
TEST(QtSettingsBackend, AnEncodedVariantValueSetsTheFileAsideUnparsed) {
  test::TempFolder folder;
  const std::string file = folder / "machine.ini";
  ASSERT_TRUE(WriteFileAtomically(
      file,
      "[SOFTWARE]\nTarnwell\\Kestrova\\1.0\\User\\Setting\\Domain=www.mine.example\n"
      "Tarnwell\\Kestrova\\1.0\\User\\Setting\\CustomAgent="
      "@Variant(\\0\\0\\0\\t7f\\0\\0\\0\\x6QPoint\\0\\0\\0\\0\\x1)\n"));
  EXPECT_EQ(
      LoadFrom(folder.path()),
      std::vector<std::string>{"The settings file " + file + " was damaged. It has been kept as " +
                               file + ".damaged and the default settings are used."});
  EXPECT_TRUE(FileExists(file + ".damaged"));
}

TEST(IniEncodedValues, FindsAVariantHoweverItIsSpelledAndOnlyThen) {
  const char* encoded[] = {"k=@Variant(\\0)",     "k= \"@Variant(\\0)\"", "k=a, @Variant(\\0)",
                           "k=\\x40Variant(\\0)", "k=\\0100Variant(x)",   "k=\\x10040Variant(x)",
                           "k=@\\126ariant(x)",   "k=@Var\\\niant(x)",    "k=@Var\\\r\niant(x)",
                           "k=\"\"@Variant(x)"};
  for (const char* text : encoded) EXPECT_TRUE(HoldsEncodedVariant(text)) << text;
  // What the program writes: "@" at the start of a text is doubled.
  const char* plain[] = {
      "k=@@Variant(x)",      "k=@@@Variant(x)", "k=\\x40\\x40Variant(x)", "k=@Point(1 2)",
      "k=\\\\x40Variant(x)", "k=@ Variant(x)",  "k=\\x40aVariant(x)",     "k=\\"};
  for (const char* text : plain) EXPECT_FALSE(HoldsEncodedVariant(text)) << text;
}

TEST(QtSettingsBackend, AnUnwritableDirectoryIsAnErrorNotACrash) {
  test::TempFolder home;
  const std::string dir = home / "blocked";
  // A file where the settings directory should be: nothing can be written under it.
  ASSERT_TRUE(WriteFileAtomically(dir, "not a directory"));
  auto backend = OpenQtSettingsBackend(dir);
  std::string error;
  EXPECT_FALSE(backend->WriteValue(SettingsRoot::Machine, "K", "V", "x", error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace kestrova
