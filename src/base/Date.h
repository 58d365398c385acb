// Dates as the stored formats hold them: a local date-time as a day count since
// 30 December 1899, with the time of day as the fraction.
#pragma once

#include <string>
#include <string_view>

namespace kestrova {

struct Date {
  double days = 0.0;
  friend bool operator==(const Date&, const Date&) = default;
};

// 1.0: 31 December 1899, midnight; a project with this last-run date was never run.
constexpr Date kNeverRun{1.0};

struct DateParts {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
  friend bool operator==(const DateParts&, const DateParts&) = default;
};

Date MakeDate(const DateParts& parts);
// Splits a day count; the time is rounded to the nearest second.
DateParts SplitDate(Date date);
int Weekday(Date date);  // 0 = Sunday

// The six display formats, index 0 to 5, in list order.
inline constexpr const char* kDateFormatNames[6] = {
    "mm/dd/yyyy hh:mm:ss AMPM",        "mm/dd/yyyy",
    "dddd, mmm d yyyy  hh:mm:ss AMPM", "dddd, mmm d yyyy",
    "mmm d yyyy  hh:mm:ss AMPM",       "mmm d yyyy"};
constexpr int kLastDateFormatIndex = 5;

// Formats with display format `preference`; an index outside 0..5 uses format 0.
std::string FormatDate(Date date, int preference);
// The fixed record form "mm/dd/yyyy hh:mm:ss AMPM" (display format 0).
std::string FormatRecordDate(Date date);

// Project-file form: "#yyyy-mm-dd hh:mm:ss#", "#yyyy-mm-dd#" at midnight,
// "#hh:mm:ss#" on 30 December 1899.
std::string FormatFileDate(Date date);
// Reads the three project-file forms; false on anything else.
bool ParseFileDate(std::string_view text, Date& out);

// Where the present time comes from; tests fix it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date Now() const = 0;
};

class SystemClock final : public Clock {
 public:
  Date Now() const override;  // local time
};

class FixedClock final : public Clock {
 public:
  explicit FixedClock(Date now) : now_(now) {}
  Date Now() const override { return now_; }
  void Set(Date now) { now_ = now; }

 private:
  Date now_;
};

inline std::string FormatNow(const Clock& clock, int preference) {
  return FormatDate(clock.Now(), preference);
}

}  // namespace kestrova
