#include "store/UserEngines.h"

#include "base/Files.h"

namespace kestrova {
namespace {

constexpr const char* kUserEnginesLeftOut =
    "Some engines of the engines file were left out; the built-in engines and the others are "
    "ready:";

// Two hundred engines with long rules fit in a small fraction of this.
constexpr std::size_t kLargestEnginesFile = 4 * 1024 * 1024;

}  // namespace

std::string UserEnginesPath(const ProgramPaths& paths) {
  return paths.configDirectory + "/" + kUserEnginesFileName;
}

CatalogueLoad LoadProgramCatalogue(const std::string& path, bool mustExist) {
  std::string bytes;
  const bool exists = FileExists(path);
  const Status read = exists ? ReadWholeFile(path, bytes, kLargestEnginesFile) : Status::Ok();
  if (!exists || !read) {
    CatalogueLoad load = CatalogueWithUserEngines("{\"engines\": []}");
    if (mustExist || exists)
      load.problems.push_back(path + ": cannot read the file" +
                              (read ? std::string() : ": " + read.message()));
    return load;
  }
  CatalogueLoad load = CatalogueWithUserEngines(bytes);
  for (std::string& problem : load.problems) problem = path + ": " + problem;
  return load;
}

std::string UserEnginesMessage(const std::vector<std::string>& problems) {
  if (problems.empty()) return {};
  std::string message = kUserEnginesLeftOut;
  for (const std::string& problem : problems) message += "\n" + problem;
  return message;
}

}  // namespace kestrova
