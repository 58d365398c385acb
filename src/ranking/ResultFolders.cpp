#include "ranking/ResultFolders.h"

#include "base/Files.h"
#include "ranking/ResultPaths.h"
#include "ranking/RunTexts.h"

namespace kestrova {
namespace {

bool EnsureDirectory(const std::string& path) {
  return DirExists(path) || MakeDirectory(path);
}

}  // namespace

std::string FolderErrorText(const char* which) {
  return std::string(texts::kErrorCreatingDirectory) + texts::kCrLf + texts::kCrLf + which;
}

bool CreateDomainFolder(RunServices& services) {
  const ProjectState& project = services.project;
  const bool made = MakeDirectories(project.ReportDirectory) &&
                    EnsureDirectory(DomainFolderPath(project.ReportDirectory, project.Domain));
  if (!made) {
    services.messenger.ShowMessage(FolderErrorText(texts::kErrorReportDirectories), kMessageTitle,
                                   MessageButtons::Ok, MessageIcon::Exclamation);
  }
  return made;
}

bool CreateResultFolders(std::string_view reportDirectory, std::string_view domain,
                         std::string_view engine, std::string& keywordsFolder) {
  const std::string engineFolder = EngineFolderPath(reportDirectory, domain, engine);
  keywordsFolder = KeywordsFolderPath(reportDirectory, domain, engine);
  // Parents that another check makes at the same moment count as made.
  bool made = MakeDirectories(engineFolder);
  for (const char* sub : {"/keywords", "/searchurl", "/submit"}) {
    made = EnsureDirectory(engineFolder + sub) && made;
  }
  return made;
}

}  // namespace kestrova
