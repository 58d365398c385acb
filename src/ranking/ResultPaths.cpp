#include "ranking/ResultPaths.h"

#include "base/Numbers.h"
#include "net/UrlCoding.h"

namespace kestrova {

std::string SafePathPart(std::string_view name) {
  std::string safe = MakeSafeFileName(name);
  for (char& c : safe) {
    if (c == '\0') c = '!';
  }
  // Only "." and ".." name another folder; with the separators gone, a part
  // that is all dots is the one way left to climb.
  if (safe.find_first_not_of('.') == std::string::npos) safe.clear();
  return safe;
}

std::string DomainFolderPath(std::string_view reportDirectory, std::string_view domain) {
  return std::string(reportDirectory) + "/domain_" + SafePathPart(domain);
}

std::string EngineFolderPath(std::string_view reportDirectory, std::string_view domain,
                             std::string_view engine) {
  return DomainFolderPath(reportDirectory, domain) + "/" + SafePathPart(engine);
}

std::string KeywordsFolderPath(std::string_view reportDirectory, std::string_view domain,
                               std::string_view engine) {
  return EngineFolderPath(reportDirectory, domain, engine) + "/keywords";
}

std::string SavedPageName(int pageIndex, std::string_view keyword) {
  return "kywd_" + FormatDigits(pageIndex, 2) + "_" + SafePathPart(keyword) + ".html";
}

std::string ResultPagePath(std::string_view reportDirectory, std::string_view domain,
                           std::string_view engine, std::string_view keyword) {
  return KeywordsFolderPath(reportDirectory, domain, engine) + "/" + SavedPageName(0, keyword);
}

}  // namespace kestrova
