#include "store/XdgFileAssociation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/Files.h"
#include "store/SettingsMemoryBackend.h"
#include "store/SettingsStore.h"
#include "support/ScriptedMessenger.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

namespace fs = std::filesystem;

const std::string kEntrySource =
    std::string(KESTROVA_TEST_DATA) + "/../../desktop/kestrova.desktop";

void WriteText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path) << text;
}

// A desktop of its own: data, configuration and system folders in a temporary
// folder, the desktop's own variables cleared (so xdg-mime takes the
// freedesktop way), and stand-in programs for the entries' Exec lines, which
// xdg-mime requires to exist.
struct TemporaryDesktop {
  test::TempFolder home{"kestrova-xdg-"};
  std::vector<EnvironmentChange> environment;

  TemporaryDesktop() {
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin";
    environment = {{"HOME", home.path()},
                   {"XDG_DATA_HOME", home / "data"},
                   {"XDG_CONFIG_HOME", home / "config"},
                   {"XDG_DATA_DIRS", home / "system"},
                   {"XDG_CONFIG_DIRS", home / "etc"},
                   {"PATH", home / "bin" + ":" + path}};
    for (const char* name :
         {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "KDE_SESSION_VERSION",
          "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID", "XDG_MENU_PREFIX", "DISPLAY",
          "DBUS_SESSION_BUS_ADDRESS"}) {
      environment.push_back({name, std::nullopt});
    }
    fs::create_directories(home / "system");
    fs::create_directories(home / "data/applications");
    fs::copy_file(kEntrySource, home / "data/applications/kestrova.desktop");
    AddProgram("kestrova");
  }
  void AddProgram(const std::string& name) {
    WriteText(home / ("bin/" + name), "#!/bin/sh\n");
    fs::permissions(home / ("bin/" + name), fs::perms::owner_all);
  }
  void AddEntry(const std::string& name) {
    AddProgram(name);
    WriteText(home / ("data/applications/" + name + ".desktop"),
              "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + name +
                  " %f\nMimeType=application/x-kestrova-project;text/plain;\n");
  }
  std::string MimeApps() const {
    std::string text;
    ReadWholeFile(home / "config/mimeapps.list", text);
    return text;
  }
  XdgFileAssociation Association() const { return XdgFileAssociation(environment); }
};

class XdgFileAssociationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ProgramOnPath("xdg-mime")) GTEST_SKIP() << "xdg-mime is not installed here";
  }
  TemporaryDesktop desktop;
  XdgFileAssociation association = desktop.Association();
};

TEST_F(XdgFileAssociationTest, AFreshDesktopGivesProjectFilesAndNoOtherTypeToKestrova) {
  EXPECT_EQ(association.GetFileTypeOwner("kestrova", "txt"), "");
  EXPECT_FALSE(association.AssociateFileType("kestrova", ".txt", ""));
  EXPECT_FALSE(association.AssociateFileType("", "rnk", ""));
  XdgFileAssociation missing(desktop.environment, desktop.home / "no-such-xdg-mime");
  EXPECT_EQ(missing.GetFileTypeOwner("kestrova", "rnk"), "");
  EXPECT_FALSE(missing.AssociateFileType("kestrova", "rnk", ""));
  EXPECT_EQ(desktop.MimeApps(), "");

  EXPECT_EQ(association.GetFileTypeOwner("kestrova", "rnk"), "kestrova");
  ASSERT_TRUE(association.AssociateFileType("kestrova", ".rnk", "unused %1"));
  EXPECT_NE(desktop.MimeApps().find("application/x-kestrova-project=kestrova.desktop"),
            std::string::npos);
  EXPECT_EQ(association.GetFileTypeOwner("kestrova", ".RNK"), "kestrova");
}

TEST_F(XdgFileAssociationTest, ATypeNobodyOpensIsGivenToKestrovaOnTheWay) {
  // Not even Kestrova's own entry claims the type here, so xdg-mime knows no owner.
  fs::remove(desktop.home / "data/applications/kestrova.desktop");
  EXPECT_EQ(association.GetFileTypeOwner("kestrova", "rnk"), "kestrova");
  EXPECT_NE(desktop.MimeApps().find("application/x-kestrova-project=kestrova.desktop"),
            std::string::npos);
}

TEST_F(XdgFileAssociationTest, AnotherOwnerIsReportedUntilKestrovaIsMadeTheDefault) {
  desktop.AddEntry("otherapp");
  WriteText(desktop.home / "config/mimeapps.list",
            "[Default Applications]\ntext/plain=otherapp.desktop\n"
            "application/x-kestrova-project=otherapp.desktop\n");
  EXPECT_EQ(association.GetFileTypeOwner("kestrova", "rnk"), "otherapp");
  EXPECT_EQ(desktop.MimeApps().find("kestrova.desktop"), std::string::npos)
      << "reading an owned type must not change it";

  ASSERT_TRUE(association.AssociateFileType("kestrova", "rnk", ""));
  EXPECT_EQ(association.GetFileTypeOwner("kestrova", "rnk"), "kestrova");
  EXPECT_NE(desktop.MimeApps().find("text/plain=otherapp.desktop"), std::string::npos)
      << "other types keep their programs";
}

TEST_F(XdgFileAssociationTest, AnInstalledProgramUsesTheDesktopAndABuildTreeTheStore) {
  test::TempFolder prefix;
  SettingsMemoryBackend backend;
  test::ScriptedMessenger messenger;
  SettingsStore store(backend, messenger, "Kestrova");
  const std::string program = prefix / "usr/bin/kestrova";
  auto isDesktop = [](const std::unique_ptr<FileAssociation>& chosen) {
    return dynamic_cast<XdgFileAssociation*>(chosen.get()) != nullptr;
  };
  EXPECT_FALSE(isDesktop(ChooseFileAssociation(store, program)));
  EXPECT_FALSE(isDesktop(ChooseFileAssociation(store, "")));
  fs::create_directories(prefix / "usr/share/applications");
  fs::copy_file(kEntrySource, prefix / "usr/share/applications/kestrova.desktop");
  EXPECT_TRUE(isDesktop(ChooseFileAssociation(store, program)));
}

}  // namespace
}  // namespace kestrova
