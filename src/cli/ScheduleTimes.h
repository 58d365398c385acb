// When a scheduled rank check runs: every day, or one day a week, at a local
// hour and minute; in the forms the command line takes, systemd's calendar
// text, crontab's fields and the text --list shows.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace kestrova::cli {

struct Schedule {
  std::optional<int> weekday;  // 0 Sunday to 6 Saturday; none: every day
  int hour = 0;
  int minute = 0;
};

// "HH:MM" (or "H:MM"), 00:00 to 23:59.
std::optional<Schedule> ParseDailySchedule(const std::string& time);
// A day ("Mon", "monday", any case) and "HH:MM".
std::optional<Schedule> ParseWeeklySchedule(const std::string& day, const std::string& time);

// systemd's OnCalendar value: "*-*-* 07:30:00", "Mon *-*-* 07:30:00".
std::string CalendarText(const Schedule& schedule);
// Reads back what CalendarText writes; anything else is nullopt.
std::optional<Schedule> ScheduleFromCalendar(const std::string& text);

// "daily 07:30", "weekly Mon 07:30".
std::string ScheduleText(const Schedule& schedule);
// crontab's first five fields: "30 7 * * *", "30 7 * * 1".
std::string CrontabTimeFields(const Schedule& schedule);

// The first local time after `now` that the schedule names.
std::time_t NextRun(const Schedule& schedule, std::time_t now);
// "Mon 2025-05-26 07:30", local time.
std::string LocalTimeText(std::time_t when);

}  // namespace kestrova::cli
