#include "store/UserEngines.h"

#include "base/Files.h"

namespace kestrova {
namespace {

constexpr const char* kUserEnginesLeftOut =
    "Some engines of the engines file were left out; the built-in engines and the others are "
    "ready:";

}  // namespace

std::string UserEnginesPath(const ProgramPaths& paths) {
  return paths.configDirectory + "/" + kUserEnginesFileName;
}

CatalogueLoad LoadProgramCatalogue(const std::string& path, bool mustExist) {
  std::string bytes, error;
  if (!FileExists(path) || !ReadWholeFile(path, bytes, &error)) {
    CatalogueLoad load = CatalogueWithUserEngines("{\"engines\": []}");
    if (mustExist || FileExists(path))
      load.problems.push_back(path + ": cannot read the file" +
                              (error.empty() ? "" : ": " + error));
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
