#include "app/NewProject.h"

namespace kestrova {

ProjectState NewProjectState(const std::string& domain, const std::string& reportDirectory) {
  ProjectState project;
  project.Domain = domain;
  project.TimeOutSecs = kNewTimeOutSecs;
  project.KeywordDepth = kNewKeywordDepth;
  project.ReportDirectory = reportDirectory;
  project.ProjectFileName = std::string(kNoProjectFile);
  return project;
}

}  // namespace kestrova
