// frmImprove: the improvement advice of the last front-page analysis in a
// rich-text view (rtfInfo), closed with its OK button (cmdOk).
#pragma once

#include <QDialog>

#include "ranking/ProjectState.h"

namespace kestrova {

class ImprovementWindow final : public QDialog {
  Q_OBJECT

 public:
  ImprovementWindow(const PageAnalysisRecord& analysis, QWidget* parent);
};

// Shows the advice for `analysis`, closing the window of an earlier analysis first.
void ShowImprovementWindow(const PageAnalysisRecord& analysis, QWidget* parent);

}  // namespace kestrova
