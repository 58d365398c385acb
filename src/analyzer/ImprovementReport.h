// The improvement advice shown after a front-page analysis: a formatted template
// whose placeholders are filled from the analysis record (found keywords, present
// META tags, and ready-made tags for the missing ones).
#pragma once

#include <string>

#include "analyzer/RichText.h"
#include "ranking/ProjectState.h"

namespace kestrova {

// Placeholders are looked for only this far into the plain text.
constexpr size_t kPlaceholderSearchEnd = 9000;

class ImprovementReport {
 public:
  ImprovementReport();

  // Loads the template afresh and fills every placeholder from `record`.
  void Fill(const PageAnalysisRecord& record);
  // Empties the view and reloads the template with its placeholders unreplaced.
  void Reset();

  const RichText& View() const { return view_; }
  std::string PlainText() const { return view_.PlainText(); }
  std::string Html() const;

  // The template as loaded (placeholders and all).
  static RichText Template();

 private:
  void Replace(const char* placeholder, const std::string& text);

  RichText view_;
};

}  // namespace kestrova
