// Where a run's files live under the report directory: the domain folder, one
// folder per engine and the saved result pages. Names taken from input pass
// through SafePathPart, so no domain, engine or keyword leads out of its folder,
// and two different ones never share a file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrova {

// Name parts longer than this are cut; with the page prefix and the hash a saved
// page's name stays far below the file systems' 255-byte limit.
inline constexpr std::size_t kLongestNamePart = 100;

// A name made fit to be one path component: "/", "\", "?", "=" and "&" become
// "!" (MakeSafeFileName), so do NUL and the other control characters, and a part
// made only of dots ("." or "..") loses them. A name that had to change this way,
// or is longer than kLongestNamePart (and is cut to it), gets "_" and the eight
// hex digits of a hash of the name as given, so "a/b" and "a?b" stay apart; any
// other name is kept as it is.
std::string SafePathPart(std::string_view name);

// reportDirectory + "/domain_" + the safe domain.
std::string DomainFolderPath(std::string_view reportDirectory, std::string_view domain);
// The domain folder + "/" + the safe engine name.
std::string EngineFolderPath(std::string_view reportDirectory, std::string_view domain,
                             std::string_view engine);
// The engine folder + "/keywords": the saved result pages.
std::string KeywordsFolderPath(std::string_view reportDirectory, std::string_view domain,
                               std::string_view engine);
// "kywd_" + 0-based page index as "00" + "_" + the safe keyword + ".html".
std::string SavedPageName(int pageIndex, std::string_view keyword);
// The saved first result page of a keyword on an engine (the grids' "Result" link).
std::string ResultPagePath(std::string_view reportDirectory, std::string_view domain,
                           std::string_view engine, std::string_view keyword);

}  // namespace kestrova
