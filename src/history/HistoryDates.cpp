#include "history/HistoryDates.h"

#include <chrono>
#include <cstdio>

namespace kestrova {
namespace {

bool ReadDigits(std::string_view text, std::size_t at, std::size_t count, int& value) {
  if (at + count > text.size()) return false;
  value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

bool Valid(const DateParts& p) {
  using namespace std::chrono;
  const year_month_day ymd{year{p.year}, month{static_cast<unsigned>(p.month)},
                           day{static_cast<unsigned>(p.day)}};
  return p.year >= 100 && ymd.ok() && p.hour < 24 && p.minute < 60 && p.second < 60;
}

bool ReadTime(std::string_view text, std::size_t at, DateParts& p) {
  return ReadDigits(text, at, 2, p.hour) && text[at + 2] == ':' &&
         ReadDigits(text, at + 3, 2, p.minute) && text[at + 5] == ':' &&
         ReadDigits(text, at + 6, 2, p.second);
}

}  // namespace

std::string IsoDateText(const DateParts& p) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                p.minute, p.second);
  return text;
}

std::optional<DateParts> ParseRecordDate(std::string_view text) {
  // "03/09/2024 02:05:06 PM"
  DateParts p;
  if (text.size() != 22 || text[2] != '/' || text[5] != '/' || text[10] != ' ' || text[19] != ' ' ||
      text[21] != 'M') {
    return std::nullopt;
  }
  if (!ReadDigits(text, 0, 2, p.month) || !ReadDigits(text, 3, 2, p.day) ||
      !ReadDigits(text, 6, 4, p.year) || !ReadTime(text, 11, p)) {
    return std::nullopt;
  }
  if (p.hour < 1 || p.hour > 12 || (text[20] != 'A' && text[20] != 'P')) return std::nullopt;
  p.hour = p.hour % 12 + (text[20] == 'P' ? 12 : 0);
  if (!Valid(p)) return std::nullopt;
  return p;
}

std::optional<DateParts> ParseIsoDate(std::string_view text) {
  DateParts p;
  if (text.size() != 10 && text.size() != 19) return std::nullopt;
  if (!ReadDigits(text, 0, 4, p.year) || text[4] != '-' || !ReadDigits(text, 5, 2, p.month) ||
      text[7] != '-' || !ReadDigits(text, 8, 2, p.day)) {
    return std::nullopt;
  }
  p.hour = p.minute = p.second = 0;
  if (text.size() == 19 && ((text[10] != 'T' && text[10] != ' ') || !ReadTime(text, 11, p))) {
    return std::nullopt;
  }
  if (!Valid(p)) return std::nullopt;
  return p;
}

}  // namespace kestrova
