// The placeholders of the engines' query templates, in the order they are
// expanded. Recognised without regard to letter case; the closing "%" must
// follow the name directly, so a shorter name never matches inside a longer one.
#pragma once

#include <array>
#include <string_view>

namespace kestrova::placeholders {

inline constexpr std::string_view kSearchString = "%SEARCH_STRING%";
inline constexpr std::string_view kIncrement = "%INCREMENT_INTEGER%";
inline constexpr std::string_view kIncrementLessOne = "%INCREMENT_INTEGER_LESS_ONE%";
inline constexpr std::string_view kLastIncrement = "%LAST_INCREMENT_INTEGER%";
inline constexpr std::string_view kNumTimes = "%NUMTIMES_INTEGER%";
inline constexpr std::string_view kNumTimesPlusOne = "%NUMTIMES_INTEGER_PLUS_ONE%";

inline constexpr std::array<std::string_view, 6> kAll{kSearchString,  kIncrement, kIncrementLessOne,
                                                      kLastIncrement, kNumTimes,  kNumTimesPlusOne};

}  // namespace kestrova::placeholders
