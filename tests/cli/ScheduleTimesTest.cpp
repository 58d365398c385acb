#include <gtest/gtest.h>

#include <cstdlib>

#include "base/Process.h"
#include "cli/ScheduleTimes.h"
#include "cli/SystemdUnits.h"

namespace kestrova::cli {
namespace {

TEST(ScheduleTimes, OnlyRealClockTimesAndDaysAreTaken) {
  for (const char* bad :
       {"24:00", "07:60", "0730", "7:5", "-1:30", "07:30:00", ":30", "ab:cd", ""}) {
    EXPECT_FALSE(ParseDailySchedule(bad)) << bad;
  }
  const auto early = ParseDailySchedule("7:05");
  ASSERT_TRUE(early);
  EXPECT_EQ(ScheduleText(*early), "daily 07:05");
  EXPECT_EQ(CrontabTimeFields(*early), "5 7 * * *");

  const auto sunday = ParseWeeklySchedule("SUNDAY", "23:59");
  ASSERT_TRUE(sunday);
  EXPECT_EQ(ScheduleText(*sunday), "weekly Sun 23:59");
  EXPECT_EQ(CrontabTimeFields(*sunday), "59 23 * * 0");
  EXPECT_TRUE(ParseWeeklySchedule("sat", "00:00"));
  EXPECT_FALSE(ParseWeeklySchedule("Funday", "07:30"));
  EXPECT_FALSE(ParseWeeklySchedule("Mo", "07:30"));
  EXPECT_FALSE(ParseWeeklySchedule("Mon", "7h30"));
}

TEST(ScheduleTimes, CalendarTextsReadBackAndForeignOnesAreNotGuessed) {
  for (const auto& schedule :
       {*ParseDailySchedule("00:00"), *ParseWeeklySchedule("Wed", "18:45")}) {
    const std::string calendar = CalendarText(schedule);
    const auto back = ScheduleFromCalendar(calendar);
    ASSERT_TRUE(back) << calendar;
    EXPECT_EQ(ScheduleText(*back), ScheduleText(schedule));
  }
  EXPECT_EQ(CalendarText(*ParseWeeklySchedule("Wed", "18:45")), "Wed *-*-* 18:45:00");
  for (const char* foreign :
       {"daily", "*-*-* 07:30:15", "Mon..Fri *-*-* 07:30:00", "", "Xyz *-*-* 07:30:00"}) {
    EXPECT_FALSE(ScheduleFromCalendar(foreign)) << foreign;
  }
}

TEST(ScheduleTimes, TheNextRunIsStrictlyAfterNowOnTheRightDay) {
  const char* oldZone = std::getenv("TZ");
  const std::string saved = oldZone ? oldZone : "";
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  const std::time_t sundayEvening = 1796596800;  // Sun 2026-12-06 22:40 UTC
  auto next = [&](const Schedule& schedule) {
    return LocalTimeText(NextRun(schedule, sundayEvening));
  };
  EXPECT_EQ(next(*ParseDailySchedule("07:30")), "Mon 2026-12-07 07:30");
  EXPECT_EQ(next(*ParseDailySchedule("23:00")), "Sun 2026-12-06 23:00");
  EXPECT_EQ(next(*ParseDailySchedule("22:40")), "Mon 2026-12-07 22:40") << "now itself is past";
  EXPECT_EQ(next(*ParseWeeklySchedule("Sun", "22:00")), "Sun 2026-12-13 22:00");
  EXPECT_EQ(next(*ParseWeeklySchedule("Sat", "09:00")), "Sat 2026-12-12 09:00");
  EXPECT_EQ(next(*ParseWeeklySchedule("Thu", "09:00")), "Thu 2026-12-10 09:00");
  const std::time_t newYearsEve = 1798759800;  // Thu 2026-12-31 23:30 UTC
  EXPECT_EQ(LocalTimeText(NextRun(*ParseDailySchedule("07:30"), newYearsEve)),
            "Fri 2027-01-01 07:30");
  if (oldZone) {
    ::setenv("TZ", saved.c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();
}

TEST(SystemdUnits, PathsAreEscapedAsSystemdEscapeDoesAndReadBack) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/ann/site.rnk", "home-ann-site.rnk"},
      {"/home/ann/My Projects/site-1.rnk", "home-ann-My\\x20Projects-site\\x2d1.rnk"},
      {"/tmp/.hidden/\xC3\xA4_:%.rnk", "tmp-.hidden-\\xc3\\xa4_:\\x25.rnk"},
      {"/.rnk", "\\x2ernk"},
      {"/a//b/./c.rnk/", "a-b-c.rnk"},
      {"/", "-"},
  };
  for (const auto& [path, escaped] : cases) {
    EXPECT_EQ(EscapeUnitPath(path), escaped) << path;
  }
  for (const char* path : {"/home/ann/My Projects/site-1.rnk", "/tmp/\\x41 \"q\" $HOME.rnk",
                           "/tmp/.hidden/\xC3\xA4.rnk", "/"}) {
    EXPECT_EQ(UnescapeUnitPath(EscapeUnitPath(path)), path);
    if (!ProgramOnPath("systemd-escape")) continue;
    const ProcessResult reference = RunProcess({"systemd-escape", "--path", path});
    EXPECT_EQ(EscapeUnitPath(path) + "\n", reference.out) << path;
  }
  EXPECT_FALSE(UnescapeUnitPath("home-a\\x2"));
  EXPECT_FALSE(UnescapeUnitPath("home-a\\zz1"));
  EXPECT_FALSE(UnescapeUnitPath("home a"));
  EXPECT_EQ(ProjectOfUnitFile("kestrova-rank@home-ann-site.rnk.timer"), "/home/ann/site.rnk");
  EXPECT_FALSE(ProjectOfUnitFile("kestrova-rank@home-ann-site.rnk.service"));
  EXPECT_FALSE(ProjectOfUnitFile("other@home-ann-site.rnk.timer"));
  EXPECT_FALSE(ProjectOfUnitFile("kestrova-rank@.timer"));
}

TEST(SystemdUnits, QuotesPercentsAndDollarsStayLiteralInEveryForm) {
  const std::string path = "/home/ann/50% \"best\" $sites's.rnk";
  const std::string service = ServiceUnitText("/opt/k/kestrova-cli", path);
  EXPECT_NE(service.find("ExecStart=\"/opt/k/kestrova-cli\" rank "
                         "\"/home/ann/50%% \\\"best\\\" $$sites's.rnk\" --yes\n"),
            std::string::npos)
      << service;
  EXPECT_NE(
      service.find("Description=Kestrova rank check of /home/ann/50%% \"best\" $sites's.rnk\n"),
      std::string::npos);
  EXPECT_EQ(
      CrontabLine("/opt/k/kestrova-cli", path, *ParseDailySchedule("06:00")),
      "0 6 * * * '/opt/k/kestrova-cli' rank '/home/ann/50\\% \"best\" $sites'\\''s.rnk' --yes");
  EXPECT_EQ(CalendarOfTimer(TimerUnitText(path, *ParseWeeklySchedule("Fri", "06:00"))),
            "Fri *-*-* 06:00:00");
  EXPECT_EQ(CalendarOfTimer("[Timer]\nPersistent=true\n"), "");
}

}  // namespace
}  // namespace kestrova::cli
