#include "ranking/ResultFolders.h"

#include "base/Files.h"
#include "ranking/ResultPaths.h"
#include "ranking/RunTexts.h"

namespace kestrova {
namespace {

void ReportFolderFailure(Messenger& messenger, const char* which) {
  messenger.ShowMessage(
      std::string(texts::kErrorCreatingDirectory) + texts::kCrLf + texts::kCrLf + which,
      kMessageTitle, MessageButtons::Ok, MessageIcon::Exclamation);
}

bool EnsureDirectory(const std::string& path) {
  return DirExists(path) || MakeDirectory(path);
}

}  // namespace

bool CreateDomainFolder(RunServices& services) {
  const ProjectState& project = services.project;
  const bool made = MakeDirectories(project.ReportDirectory) &&
                    EnsureDirectory(DomainFolderPath(project.ReportDirectory, project.Domain));
  if (!made) ReportFolderFailure(services.messenger, texts::kErrorReportDirectories);
  return made;
}

bool CreateResultFolders(RunServices& services, std::string_view engine,
                         std::string& keywordsFolder) {
  const ProjectState& project = services.project;
  const std::string engineFolder =
      EngineFolderPath(project.ReportDirectory, project.Domain, engine);
  keywordsFolder = KeywordsFolderPath(project.ReportDirectory, project.Domain, engine);
  bool made = MakeDirectories(engineFolder);
  for (const char* sub : {"/keywords", "/searchurl", "/submit"}) {
    made = EnsureDirectory(engineFolder + sub) && made;
  }
  if (!made) ReportFolderFailure(services.messenger, texts::kErrorReportSeDirectories);
  return made;
}

}  // namespace kestrova
