// Dates as the history keeps them: ISO 8601 local time, "2024-03-09T14:05:06",
// which sorts as text in date order and reads the same in any tool.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/Date.h"

namespace kestrova {

std::string IsoDateText(const DateParts& parts);
inline std::string IsoDateText(Date date) {
  return IsoDateText(SplitDate(date));
}

// Reads a record's CheckedAt, "mm/dd/yyyy hh:mm:ss AMPM"; nothing for any other text.
std::optional<DateParts> ParseRecordDate(std::string_view text);

// Reads "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS" or "YYYY-MM-DDTHH:MM:SS" (a day
// means its midnight); nothing for any other text or an impossible date.
std::optional<DateParts> ParseIsoDate(std::string_view text);

}  // namespace kestrova
