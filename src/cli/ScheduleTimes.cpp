#include "cli/ScheduleTimes.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace kestrova::cli {
namespace {

constexpr std::array<std::string_view, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return lower;
}

std::string ShortDay(int weekday) {
  return std::string(kDayNames[static_cast<size_t>(weekday)].substr(0, 3));
}

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

std::string ClockText(const Schedule& schedule) {
  return TwoDigits(schedule.hour) + ":" + TwoDigits(schedule.minute);
}

}  // namespace

std::optional<Schedule> ParseDailySchedule(const std::string& time) {
  const size_t colon = time.find(':');
  if (colon == std::string::npos) return std::nullopt;
  const std::string_view hour = std::string_view(time).substr(0, colon);
  const std::string_view minute = std::string_view(time).substr(colon + 1);
  if (hour.size() > 2 || minute.size() != 2 || !IsDigits(hour) || !IsDigits(minute)) {
    return std::nullopt;
  }
  Schedule schedule;
  schedule.hour = std::stoi(std::string(hour));
  schedule.minute = std::stoi(std::string(minute));
  if (schedule.hour > 23 || schedule.minute > 59) return std::nullopt;
  return schedule;
}

std::optional<Schedule> ParseWeeklySchedule(const std::string& day, const std::string& time) {
  std::optional<Schedule> schedule = ParseDailySchedule(time);
  if (!schedule) return std::nullopt;
  const std::string wanted = Lower(day);
  for (size_t i = 0; i < kDayNames.size(); ++i) {
    const std::string name = Lower(kDayNames[i]);
    if (wanted == name || wanted == name.substr(0, 3)) {
      schedule->weekday = static_cast<int>(i);
      return schedule;
    }
  }
  return std::nullopt;
}

std::string CalendarText(const Schedule& schedule) {
  const std::string day = schedule.weekday ? ShortDay(*schedule.weekday) + " " : "";
  return day + "*-*-* " + ClockText(schedule) + ":00";
}

std::optional<Schedule> ScheduleFromCalendar(const std::string& text) {
  std::string_view rest = text;
  std::string day;
  if (rest.size() > 4 && rest[3] == ' ' && rest.substr(0, 3) != "*-*") {
    day = std::string(rest.substr(0, 3));
    rest.remove_prefix(4);
  }
  if (!rest.starts_with("*-*-* ") || !rest.ends_with(":00")) return std::nullopt;
  const std::string time(rest.substr(6, rest.size() - 9));
  if (time.size() != 5) return std::nullopt;
  return day.empty() ? ParseDailySchedule(time) : ParseWeeklySchedule(day, time);
}

std::string ScheduleText(const Schedule& schedule) {
  if (!schedule.weekday) return "daily " + ClockText(schedule);
  return "weekly " + ShortDay(*schedule.weekday) + " " + ClockText(schedule);
}

std::string CrontabTimeFields(const Schedule& schedule) {
  const std::string day = schedule.weekday ? std::to_string(*schedule.weekday) : "*";
  return std::to_string(schedule.minute) + " " + std::to_string(schedule.hour) + " * * " + day;
}

std::time_t NextRun(const Schedule& schedule, std::time_t now) {
  std::tm day{};
  localtime_r(&now, &day);
  // Walk day by day from today; mktime settles month ends and daylight saving.
  for (int ahead = 0; ahead <= 8; ++ahead) {
    std::tm candidate = day;
    candidate.tm_mday += ahead;
    candidate.tm_hour = schedule.hour;
    candidate.tm_min = schedule.minute;
    candidate.tm_sec = 0;
    candidate.tm_isdst = -1;
    const std::time_t when = std::mktime(&candidate);
    if (when <= now) continue;
    if (schedule.weekday && candidate.tm_wday != *schedule.weekday) continue;
    return when;
  }
  return now;
}

std::string LocalTimeText(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char text[32];
  std::strftime(text, sizeof text, "%a %Y-%m-%d %H:%M", &local);
  return text;
}

}  // namespace kestrova::cli
