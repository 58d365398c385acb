// The grade word of a position: how good a listing is for the site owner.
#pragma once

#include <string>

#include "base/Numbers.h"

namespace kestrova {

// 1-10 "SUPER", 11-20 "GOOD", 21-30 "FAIR", 31-40 "POOR", 0, negative or above 40 "BAD".
std::string GetGradeRanking(Integer position);

}  // namespace kestrova
