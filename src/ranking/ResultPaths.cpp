#include "ranking/ResultPaths.h"

#include <cstdint>
#include <cstdio>

#include "base/Numbers.h"
#include "net/UrlCoding.h"

namespace kestrova {

namespace {

// 32-bit FNV-1a: the same bytes give the same digits on every machine and in
// every version, so the names of saved pages never move.
std::string NameHash(std::string_view name) {
  std::uint32_t hash = 2166136261u;
  for (unsigned char c : name) {
    hash ^= c;
    hash *= 16777619u;
  }
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08x", hash);
  return digits;
}

}  // namespace

std::string SafePathPart(std::string_view name) {
  std::string safe = MakeSafeFileName(name);
  for (char& c : safe) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = '!';
  }
  // Only "." and ".." name another folder; with the separators gone, a part
  // that is all dots is the one way left to climb.
  if (safe.find_first_not_of('.') == std::string::npos) safe.clear();
  if (safe == name && safe.size() <= kLongestNamePart) return safe;
  // Changed or cut, the name could equal another's: its hash keeps it apart.
  if (safe.size() > kLongestNamePart) safe.resize(kLongestNamePart);
  return safe + "_" + NameHash(name);
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
