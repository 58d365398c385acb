// kestrova-cli keywords FILE [--add K | --delete K | --clear]: the window's
// keyword box and its Add, Delete and Clear All buttons. Without an option the
// project's keywords are printed: the keyword lines a run checks, then those
// that have only results left.
#include <memory>
#include <ostream>

#include "base/Text.h"
#include "cli/CliProject.h"
#include "cli/Command.h"
#include "ranking/RunRanking.h"
#include "ranking/RunTexts.h"

namespace kestrova::cli {
namespace {

struct KeywordsOptions {
  std::string file;
  std::vector<std::string> add, remove;
  bool clear = false;
};

// The box as the command shows it: every keyword line (what the window's
// keyword lines hold), then the keywords of the records.
void FillKeywordBox(MainFormModel& form) {
  ItemList& items = form.cmbKeyWords[kKeywordBox].items;
  items.Clear();
  for (const std::string& line : KeywordLines(form.txtKeywords.text)) {
    if (!line.empty()) items.AddUnlessListed(line);
  }
  form.AddRecordKeywords();
}

int RunKeywords(const KeywordsOptions& options, CliIo& io) {
  for (const std::string& keyword : options.add) {
    // One line of the keyword text is one keyword.
    if (ArgText(keyword).find_first_of("\r\n") != std::string::npos) {
      throw UsageError("a keyword is one line; add each line with its own --add");
    }
  }
  SystemClock clock;
  SilentRunObserver quiet;
  // The command line names what to delete or clear: that is its Yes.
  CliProject opened(io, "keywords", true, clock, quiet);
  opened.dialogs.AnswerQuestionsYesQuietly();
  const bool lists = options.add.empty() && options.remove.empty() && !options.clear;
  if (!(lists ? opened.Open(options.file).ok() : opened.OpenToChange(options.file)))
    return kExitFailed;
  MainFormModel& form = opened.app.form;
  ComboBox& box = form.cmbKeyWords[kKeywordBox];
  FillKeywordBox(form);

  if (lists) {
    for (const std::string& keyword : box.items) io.out << TerminalLine(keyword) << "\n";
    return kExitOk;
  }
  if (options.clear) {
    form.cmdClearAllKeywords_Click();
    form.txtKeywords.text.clear();
    if (!opened.app.project.Modified) return kExitOk;  // nothing there to clear
  }
  for (const std::string& added : options.add) {
    box.text = ArgText(added);
    const std::size_t before = box.items.size();
    form.cmdAddKeyword_Click();
    if (box.items.size() == before) return kExitFailed;  // the refusal was told
  }
  for (const std::string& deleted : options.remove) {
    const std::string keyword = ArgText(deleted);
    const int place = box.items.Find(keyword);
    if (place < 0) {
      io.err << "kestrova-cli keywords: the project has no keyword \"" << TerminalLine(keyword)
             << "\"; nothing was changed\n";
      return kExitFailed;
    }
    form.cmbKeyWords_Click(place);
    form.cmdDelKeyword_Click();
  }
  return opened.SaveTo(options.file) ? kExitOk : kExitFailed;
}

CommandRegistration registration{
    "keywords", "List, add or delete a project's keywords, or clear them all",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<KeywordsOptions>();
      sub.add_option("file", options->file, "The project file (.rnk)")->required();
      auto* add = sub.add_option("--add", options->add,
                                 "Add a keyword for the next run to check (repeatable)");
      auto* remove =
          sub.add_option("--delete", options->remove,
                         "Delete a keyword: its results become free records (repeatable)");
      auto* clear = sub.add_flag("--clear", options->clear,
                                 "Delete every keyword and all rankings; the project then has "
                                 "no results");
      add->excludes(remove)->excludes(clear);
      remove->excludes(clear);
      return [options, &io] { return RunKeywords(*options, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
