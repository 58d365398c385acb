// The run's folders under the report directory: the domain folder at run start,
// and each engine's folder with its "keywords", "searchurl" and "submit" folders
// before a page is saved. A folder that cannot be made is reported and the run
// goes on.
#pragma once

#include <string>
#include <string_view>

#include "ranking/RunServices.h"

namespace kestrova {

// Makes the report folder and the domain folder when missing; false (after the
// message) when either is still missing.
bool CreateDomainFolder(RunServices& services);

// Makes the engine's folders when missing; false when any is still missing (the
// caller shows FolderErrorText(kErrorReportSeDirectories)). `keywordsFolder`
// receives the folder for saved pages.
bool CreateResultFolders(std::string_view reportDirectory, std::string_view domain,
                         std::string_view engine, std::string& keywordsFolder);

// "Error Detected in creating Directory", two line breaks and `which`.
std::string FolderErrorText(const char* which);

}  // namespace kestrova
