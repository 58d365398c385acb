// The top URLs a keyword check keeps from an engine's first result page.
#pragma once

#include <array>
#include <string>

#include "base/Numbers.h"

namespace kestrova {

// Every ranking record holds exactly this many top-URL slots.
constexpr int kTopUrlSlots = 10;

// The first ten result URLs of a keyword check's first page. Slots are numbered
// 1 to 10 (Url(n)); TopUrlCount is the number of the last slot written.
struct ResultList {
  std::array<std::string, kTopUrlSlots> Urls;
  Integer TopUrlCount = 0;

  const std::string& Url(int slot) const { return Urls.at(static_cast<size_t>(slot - 1)); }
  void Clear() { *this = ResultList{}; }
};

}  // namespace kestrova
