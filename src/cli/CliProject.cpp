#include "cli/CliProject.h"

#include <ostream>

#include "cli/ProjectOpen.h"
#include "net/UrlSplit.h"
#include "store/ProjectFile.h"
#include "store/SettingsPaths.h"

namespace kestrova::cli {

CliProject::CliProject(CliIo& io, const char* command, bool answerYes, const Clock& clock,
                       RunObserver& observer)
    : io(io),
      command(command),
      dialogs(io.err, command, answerYes),
      app(dialogs, clock, ProgramPathsFromEnvironment(), observer, io.Catalogue()) {}

Status CliProject::Open(const std::string& file) {
  Status read = app.OpenForCommand(file);
  if (!read) {
    io.err << kReadErrorText << "\n" << TerminalLine(ProjectProblemText(file, read)) << "\n";
  }
  return read;
}

bool CliProject::OpenToChange(const std::string& file) {
  return lock.Take(file, command, io.err) && Open(file) &&
         KeepsItsEngines(app.project, io, command);
}

void CliProject::ChooseKeyword(const std::optional<std::string>& keyword) {
  const ItemList& keywords = app.form.cmbKeyWords[kKeywordBox].items;
  if (keyword) {
    app.form.cmbKeyWords_Click(keywords.Find(*keyword));
  } else if (!keywords.empty()) {
    app.form.cmbKeyWords_Click(0);
  }
}

bool CliProject::ChooseTypedKeyword(const std::optional<std::string>& typed) {
  if (typed && !app.form.HasKeyword(ArgText(*typed))) {
    io.err << "kestrova-cli " << command << ": the project has no results for \"" << *typed
           << "\"\n";
    return false;
  }
  ChooseKeyword(typed ? std::optional(ArgText(*typed)) : std::nullopt);
  return true;
}

bool CliProject::SaveTo(const std::string& file) {
  app.form.openPath = file;
  std::string path = file, name;
  SplitFileName(path, name);
  app.project.ProjectFileName = name;
  return app.mnuFileSave_Click();
}

std::unique_ptr<Clock> ClockFromOption(const std::string& option) {
  if (option.empty()) return std::make_unique<SystemClock>();
  Date date;
  if (!ParseFileDate("#" + option + "#", date)) {
    throw UsageError("--clock must be \"YYYY-MM-DD HH:MM:SS\"");
  }
  return std::make_unique<FixedClock>(date);
}

}  // namespace kestrova::cli
