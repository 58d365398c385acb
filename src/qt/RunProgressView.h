// The run's progress above the grids: the keyword lines done of all, and the
// engines of the line being checked, each as a bar with its caption in full
// beside it (a caption inside a narrow bar is cut or wraps over itself).
#pragma once

#include <QWidget>
#include <string_view>

class QLabel;
class QProgressBar;

namespace kestrova {

class RunProgressView final : public QWidget {
  Q_OBJECT

 public:
  explicit RunProgressView(QWidget* parent = nullptr);

  // Line `number` of `count` (from 1) begins.
  void LineStarted(int number, int count, std::string_view line);
  // The engines of the line: "50%   17 of 34 engines done"; an empty caption
  // clears both bars (the run's end).
  void EnginesDone(int percent, std::string_view caption);

  QString KeywordsCaption() const;
  QString EnginesCaption() const;

 private:
  void ShowOverall();

  QProgressBar *keywords_ = nullptr, *engines_ = nullptr;
  QLabel *keywordsCaption_ = nullptr, *enginesCaption_ = nullptr;
  int number_ = 0, count_ = 0, enginePercent_ = 0;
};

}  // namespace kestrova
