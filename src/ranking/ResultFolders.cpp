#include "ranking/ResultFolders.h"

#include "base/Files.h"
#include "ranking/ResultPaths.h"
#include "ranking/RunTexts.h"

namespace kestrova {
namespace {

void ReportFolderFailure(Dialogs& dialogs, const char* which) {
  dialogs.ShowMessage(
      std::string(texts::kErrorCreatingDirectory) + texts::kCrLf + texts::kCrLf + which,
      kMessageTitle, MessageButtons::Ok, MessageIcon::Exclamation);
}

bool EnsureDirectory(const std::string& path) {
  return DirExists(path) || MakeDirectory(path);
}

}  // namespace

bool CreateFolderWithParents(const std::string& path) {
  if (path.empty() || DirExists(path)) return !path.empty();
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0) {
    if (!CreateFolderWithParents(path.substr(0, slash))) return false;
  }
  return EnsureDirectory(path);
}

bool CreateDomainFolder(RunServices& services) {
  const ProjectState& project = services.project;
  const bool made = CreateFolderWithParents(project.ReportDirectory) &&
                    EnsureDirectory(DomainFolderPath(project.ReportDirectory, project.Domain));
  if (!made) ReportFolderFailure(services.dialogs, texts::kErrorReportDirectories);
  return made;
}

bool CreateResultFolders(RunServices& services, std::string_view engine,
                         std::string& keywordsFolder) {
  const ProjectState& project = services.project;
  const std::string engineFolder =
      EngineFolderPath(project.ReportDirectory, project.Domain, engine);
  keywordsFolder = KeywordsFolderPath(project.ReportDirectory, project.Domain, engine);
  bool made = CreateFolderWithParents(engineFolder);
  for (const char* sub : {"/keywords", "/searchurl", "/submit"}) {
    made = EnsureDirectory(engineFolder + sub) && made;
  }
  if (!made) ReportFolderFailure(services.dialogs, texts::kErrorReportSeDirectories);
  return made;
}

}  // namespace kestrova
