#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/Files.h"
#include "base/Process.h"
#include "cli/CliTestSupport.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

namespace fs = std::filesystem;
using test::RunCliCommand;

// A person's configuration folder of its own, a project in it, and a stand-in
// systemctl that answers as `state` says and records every call.
struct ScheduleWorld {
  test::TempFolder home{"kestrova-schedule-"};
  std::string project = home / "My Sites/shop 1.rnk";
  std::string units = home / "config/systemd/user";
  std::string stem = "kestrova-rank@" + EscapedHome() + "-My\\x20Sites-shop\\x201.rnk";
  std::string systemctl = home / "systemctl";
  test::ScopedEnvironment config{"XDG_CONFIG_HOME", home / "config"};

  explicit ScheduleWorld(const std::string& state) {
    fs::create_directories(home / "My Sites");
    EXPECT_EQ(RunCliCommand({"new", project, "--domain", "www.example.com"}).code, 0);
    // offline: no systemd; none: systemd without a user manager; user: both.
    std::ofstream(systemctl) << "#!/bin/sh\necho \"$*\" >> '" << home / "calls"
                             << "'\n"
                             << "case \"$*\" in\n"
                             << "  is-system-running) [ " << state
                             << " = offline ] && echo offline || echo running;;\n"
                             << "  '--user show-environment') [ " << state << " = user ];;\n"
                             << "esac\n";
    fs::permissions(systemctl, fs::perms::owner_all);
  }
  std::string EscapedHome() const {
    std::string escaped;
    for (char c : home.path().substr(1)) {
      escaped += c == '/' ? std::string("-") : c == '-' ? std::string("\\x2d") : std::string(1, c);
    }
    return escaped;
  }
  test::CliResult Schedule(std::vector<std::string> args) {
    args.insert(args.begin(), "schedule");
    args.push_back("--systemctl");
    args.push_back(systemctl);
    return RunCliCommand(args);
  }
  std::string Read(const std::string& path) const {
    std::string text;
    ReadWholeFile(path, text);
    return text;
  }
  std::string Calls() const { return Read(home / "calls"); }
};

TEST(ScheduleCommand, WritesEnablesListsAndRemovesTheUnitsWithoutAManager) {
  ScheduleWorld world("none");
  const auto made = world.Schedule({world.project, "--weekly", "tuesday", "6:15"});
  ASSERT_EQ(made.code, 0) << made.err;
  EXPECT_NE(made.err.find("no user systemd manager runs now"), std::string::npos) << made.err;

  const std::string timer = world.units + "/" + world.stem + ".timer";
  EXPECT_EQ(world.Read(timer),
            "# Written by kestrova-cli schedule; kestrova-cli schedule FILE --off removes it.\n"
            "[Unit]\n"
            "Description=Kestrova rank check of " +
                world.project +
                ", weekly Tue 06:15\n"
                "Documentation=man:kestrova-cli(1)\n\n"
                "[Timer]\nOnCalendar=Tue *-*-* 06:15:00\nPersistent=true\n\n"
                "[Install]\nWantedBy=timers.target\n");
  EXPECT_EQ(world.Read(world.units + "/" + world.stem + ".service"),
            "# Written by kestrova-cli schedule; kestrova-cli schedule FILE --off removes it.\n"
            "[Unit]\n"
            "Description=Kestrova rank check of " +
                world.project +
                "\n"
                "Documentation=man:kestrova-cli(1)\n\n"
                "[Service]\nType=oneshot\n"
                "ExecStart=\"" +
                CurrentProgramPath() + "\" rank \"" + world.project +
                "\" --yes\n"
                "StandardOutput=journal\nStandardError=journal\nSyslogIdentifier=kestrova-rank\n");
  const std::string wants = world.units + "/timers.target.wants/" + world.stem + ".timer";
  EXPECT_EQ(fs::read_symlink(wants).string(), timer) << "enabled, so it survives a reboot";
  EXPECT_EQ(world.Calls().find("daemon-reload"), std::string::npos);

  // A second schedule replaces the first; --list reads it back with its next run.
  ASSERT_EQ(world.Schedule({world.project, "--daily", "21:00"}).code, 0);
  const auto listed = world.Schedule({"--list"});
  ASSERT_EQ(listed.code, 0);
  EXPECT_TRUE(listed.out.starts_with(world.project + "\tdaily 21:00\t")) << listed.out;
  EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 1);
  EXPECT_EQ(world.Schedule({world.home / "other.rnk", "--list"}).out, "");

  const auto off = world.Schedule({world.project, "--off"});
  ASSERT_EQ(off.code, 0) << off.err;
  EXPECT_FALSE(fs::exists(timer));
  EXPECT_FALSE(fs::exists(world.units + "/" + world.stem + ".service"));
  EXPECT_FALSE(fs::is_symlink(wants));
  const auto empty = world.Schedule({"--list"});
  EXPECT_EQ(empty.out, "");
  EXPECT_NE(empty.err.find("no project is scheduled"), std::string::npos);
  const auto again = world.Schedule({world.project, "--off"});
  EXPECT_EQ(again.code, 0);
  EXPECT_NE(again.err.find("is not scheduled"), std::string::npos);
}

TEST(ScheduleCommand, ARunningUserManagerReloadsAndRestartsTheTimer) {
  ScheduleWorld world("user");
  ASSERT_EQ(world.Schedule({world.project, "--daily", "07:30"}).code, 0);
  const std::string timer = world.stem + ".timer";
  EXPECT_NE(world.Calls().find("--user daemon-reload\n--user restart " + timer + "\n"),
            std::string::npos)
      << world.Calls();
  ASSERT_EQ(world.Schedule({world.project, "--off"}).code, 0);
  EXPECT_NE(world.Calls().find("--user stop " + timer + "\n--user daemon-reload\n"),
            std::string::npos)
      << world.Calls();
}

TEST(ScheduleCommand, WithoutSystemdItPrintsTheCrontabLineAndWritesNothing) {
  ScheduleWorld world("offline");
  const auto made = world.Schedule({world.project, "--weekly", "Sun", "23:05"});
  EXPECT_EQ(made.code, 1);
  EXPECT_NE(made.err.find("systemd is not available here"), std::string::npos);
  EXPECT_EQ(made.out,
            "5 23 * * 0 '" + CurrentProgramPath() + "' rank '" + world.project + "' --yes\n");
  EXPECT_FALSE(fs::exists(world.units));
}

TEST(ScheduleCommand, BadRequestsAreRefusedBeforeAnythingIsWritten) {
  ScheduleWorld world("none");
  const std::string junk = world.home / "junk.rnk";
  std::ofstream(junk) << "not a project\n";
  const std::pair<std::vector<std::string>, int> cases[] = {
      {{world.project}, 2},
      {{world.project, "--daily", "07:30", "--off"}, 2},
      {{"--daily", "07:30"}, 2},
      {{world.project, "--daily", "7.30"}, 2},
      {{world.project, "--weekly", "Someday", "07:30"}, 2},
      {{world.home / "missing.rnk", "--daily", "07:30"}, 1},
      {{junk, "--daily", "07:30"}, 1},
      {{world.home / ("line\nbreak.rnk"), "--daily", "07:30"}, 2},
      {{world.home / (std::string(300, 'x') + ".rnk"), "--daily", "07:30"}, 2},
  };
  for (const auto& [args, code] : cases) {
    const auto result = world.Schedule(args);
    EXPECT_EQ(result.code, code) << args.front() << "\n" << result.err;
  }
  EXPECT_FALSE(fs::exists(world.units + "/timers.target.wants"));
}

TEST(ScheduleCommand, TheTimerStartsUnderARealUserManager) {
  if (!RunProcess({"systemctl", "--user", "show-environment"}).Succeeded()) {
    GTEST_SKIP() << "no user systemd manager runs here: starting the timer was not tried";
  }
  // The person's own manager reads only its own unit folder.
  test::TempFolder folder;
  const std::string project = folder / "scheduled.rnk";
  ASSERT_EQ(RunCliCommand({"new", project, "--domain", "www.example.com"}).code, 0);
  const auto made = RunCliCommand({"schedule", project, "--daily", "03:00"});
  ASSERT_EQ(made.code, 0) << made.err;
  const std::string timer =
      "kestrova-rank@" + RunProcess({"systemd-escape", "--path", project}).out;
  const ProcessResult active = RunProcess(
      {"systemctl", "--user", "is-active", timer.substr(0, timer.size() - 1) + ".timer"});
  EXPECT_EQ(RunCliCommand({"schedule", project, "--off"}).code, 0);
  EXPECT_EQ(active.out, "active\n");
}

}  // namespace
}  // namespace kestrova
