// Where a run's files live under the report directory: the domain folder, one
// folder per engine and the saved result pages. Names taken from input pass
// through SafePathPart, so no domain, engine or keyword leads out of its folder.
#pragma once

#include <string>
#include <string_view>

namespace kestrova {

// A name made fit to be one path component: "/", "\", "?", "=" and "&" become
// "!" (MakeSafeFileName), a NUL byte becomes "!", and a part made only of dots
// ("." or "..") loses them.
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
