// The few texts every result parser writes: the Point marker, the bold computed
// number in front of it, and the length of a needle as a 1-based position offset.
#pragma once

#include <string>
#include <string_view>

#include "base/Text.h"
#include "engines/EntryScan.h"
#include "engines/ResultPage.h"

namespace kestrova::parsers {

inline const std::string kPoint(kPointMarker);

// The length of `text`, for stepping over it in 1-based positions.
constexpr Pos Len(std::string_view text) {
  return static_cast<Pos>(text.size());
}

// "<b>" + 10 x page index + k + ". </b>" + the Point marker.
inline std::string BoldNumber(const EntryScan& s) {
  return "<b>" + s.Number() + ". </b>" + kPoint;
}

}  // namespace kestrova::parsers
