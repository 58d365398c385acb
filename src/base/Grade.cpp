#include "base/Grade.h"

namespace kestrova {

std::string GetGradeRanking(Integer position) {
  if (position < 1 || position > 40) return "BAD";  // 0 means not listed
  if (position <= 10) return "SUPER";
  if (position <= 20) return "GOOD";
  if (position <= 30) return "FAIR";
  return "POOR";
}

}  // namespace kestrova
