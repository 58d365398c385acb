#include "base/Date.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace kestrova {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

// Day 0 of the stored day count, as days since 1970-01-01.
constexpr long kDayZero = -25569;

constexpr const char* kWeekdays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};
constexpr const char* kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The day part counts towards zero and the time is the unsigned fraction, so
// -1.25 is 29 December 1899, 06:00.
void SplitDayAndSeconds(Date date, long& day, long& seconds) {
  double whole = std::trunc(date.days);
  double fraction = std::fabs(date.days - whole);
  day = static_cast<long>(whole);
  seconds = std::lround(fraction * 86400.0);
  if (seconds >= 86400) {
    seconds -= 86400;
    day += date.days < 0 ? -1 : 1;
  }
}

std::string Printf(const char* format, auto... args) {
  char buffer[96];
  int n = std::snprintf(buffer, sizeof buffer, format, args...);
  return std::string(buffer, n < 0 ? 0 : std::min<int>(n, sizeof buffer - 1));
}

bool ReadNumber(std::string_view text, size_t at, size_t width, int& out) {
  if (at + width > text.size()) return false;
  out = 0;
  for (size_t i = at; i < at + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    out = out * 10 + (text[i] - '0');
  }
  return true;
}

bool ValidDay(int y, int m, int d) {
  using namespace std::chrono;
  return year_month_day{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}}
      .ok();
}

}  // namespace

Date MakeDate(const DateParts& parts) {
  using namespace std::chrono;
  year_month_day ymd{year{parts.year}, month{static_cast<unsigned>(parts.month)},
                     day{static_cast<unsigned>(parts.day)}};
  long dayCount = static_cast<long>(sys_days{ymd}.time_since_epoch().count()) - kDayZero;
  double fraction = (parts.hour * 3600.0 + parts.minute * 60.0 + parts.second) / 86400.0;
  return Date{dayCount >= 0 ? dayCount + fraction : dayCount - fraction};
}

DateParts SplitDate(Date date) {
  using namespace std::chrono;
  long day = 0, seconds = 0;
  SplitDayAndSeconds(date, day, seconds);
  year_month_day ymd{sys_days{days{day + kDayZero}}};
  DateParts parts;
  parts.year = static_cast<int>(ymd.year());
  parts.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  parts.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  parts.hour = static_cast<int>(seconds / 3600);
  parts.minute = static_cast<int>(seconds / 60 % 60);
  parts.second = static_cast<int>(seconds % 60);
  return parts;
}

int Weekday(Date date) {
  long day = 0, seconds = 0;
  SplitDayAndSeconds(date, day, seconds);
  // Day 0, 30 December 1899, was a Saturday.
  long weekday = (day + 6) % 7;
  return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

std::string FormatDate(Date date, int preference) {
  DateParts p = SplitDate(date);
  int hour12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
  const char* ampm = p.hour < 12 ? "AM" : "PM";
  const char* weekday = kWeekdays[Weekday(date)];
  const char* month = kMonths[p.month - 1];
  switch (preference) {
    case 1:
      return Printf("%02d/%02d/%04d", p.month, p.day, p.year);
    case 2:
      return Printf("%s, %s %d %04d  %02d:%02d:%02d %s", weekday, month, p.day, p.year, hour12,
                    p.minute, p.second, ampm);
    case 3:
      return Printf("%s, %s %d %04d", weekday, month, p.day, p.year);
    case 4:
      return Printf("%s %d %04d  %02d:%02d:%02d %s", month, p.day, p.year, hour12, p.minute,
                    p.second, ampm);
    case 5:
      return Printf("%s %d %04d", month, p.day, p.year);
    default:
      return Printf("%02d/%02d/%04d %02d:%02d:%02d %s", p.month, p.day, p.year, hour12, p.minute,
                    p.second, ampm);
  }
}

std::string FormatRecordDate(Date date) {
  return FormatDate(date, 0);
}

std::string FormatFileDate(Date date) {
  DateParts p = SplitDate(date);
  bool dayZero = p.year == 1899 && p.month == 12 && p.day == 30;
  bool midnight = p.hour == 0 && p.minute == 0 && p.second == 0;
  if (dayZero) return Printf("#%02d:%02d:%02d#", p.hour, p.minute, p.second);
  if (midnight) return Printf("#%04d-%02d-%02d#", p.year, p.month, p.day);
  return Printf("#%04d-%02d-%02d %02d:%02d:%02d#", p.year, p.month, p.day, p.hour, p.minute,
                p.second);
}

bool ParseFileDate(std::string_view text, Date& out) {
  if (text.size() < 2 || text.front() != '#' || text.back() != '#') return false;
  std::string_view body = text.substr(1, text.size() - 2);
  DateParts parts;
  auto readTime = [&](size_t at) {
    return body.size() == at + 8 && ReadNumber(body, at, 2, parts.hour) && body[at + 2] == ':' &&
           ReadNumber(body, at + 3, 2, parts.minute) && body[at + 5] == ':' &&
           ReadNumber(body, at + 6, 2, parts.second) && parts.hour < 24 && parts.minute < 60 &&
           parts.second < 60;
  };
  if (body.size() == 8) {
    if (!readTime(0)) return false;
  } else {
    if (body.size() < 10 || !ReadNumber(body, 0, 4, parts.year) || body[4] != '-' ||
        !ReadNumber(body, 5, 2, parts.month) || body[7] != '-' ||
        !ReadNumber(body, 8, 2, parts.day) || !ValidDay(parts.year, parts.month, parts.day))
      return false;
    if (body.size() != 10 && !(body.size() > 11 && body[10] == ' ' && readTime(11))) return false;
  }
  out = MakeDate(parts);
  return true;
}

Date SystemClock::Now() const {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return MakeDate({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                   local.tm_min, local.tm_sec});
}

}  // namespace kestrova
