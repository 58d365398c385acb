// The report files' names, titles and the fixed pieces of their pages.
#pragma once

#include "base/ProductInfo.h"

namespace kestrova::reports {

inline constexpr const char* kLogFile = "Log.html";
inline constexpr const char* kMasterFile = "Master.html";
inline constexpr const char* kRankingFile = "Ranking.html";
inline constexpr const char* kTopUrlsFile = "TopUrls.html";

inline constexpr const char* kLogTitle = "Log Report";
inline constexpr const char* kMasterTitle = "Master Report";
inline constexpr const char* kRankingTitle = "Ranking Report";
inline constexpr const char* kTopUrlsTitlePrefix = "TopUrls Report for '";

inline constexpr const char* kHeadingColor = "0080FF";
inline constexpr const char* kTableHeaderColor = "FFFFFF";

// The footer's links: the program's web page and its maker's.
using ::kestrova::kMakerWebAddress;
using ::kestrova::kProductName;
using ::kestrova::kProductWebPage;

inline constexpr const char* kNoKeywordFields = "(none)";

}  // namespace kestrova::reports
