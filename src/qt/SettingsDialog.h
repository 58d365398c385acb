// The settings: the project's run settings (time-out, depth, report folder,
// date format, keyword highlighting) and the choices kept for every project
// (proxy, direct connection, user agent, engines checked at once, bold grid).
// Every change goes at once into the form model's field through its handler;
// the window saves the kept choices when the dialog closes.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace kestrova {

class MainFormModel;

class SettingsDialog final : public QDialog {
  Q_OBJECT

 public:
  // `edited` runs after each change the person makes, for the window to redraw.
  SettingsDialog(MainFormModel& form, std::function<void()> edited, QWidget* parent);

  // The form model's fields into the widgets.
  void ShowFields();
  // The report folder field with the focus (a run refused for want of it).
  void FocusReportDirectory();

 private:
  QWidget* BuildProjectGroup();
  QWidget* BuildConnectionGroup();
  QWidget* BuildAgentGroup();
  QWidget* BuildDisplayGroup();
  // Runs `change` on the form model unless the widgets are being filled.
  void Edit(const std::function<void()>& change);
  // Grows the shown dialog until every note it shows has room for all its lines.
  void MakeRoomForNotes();

  MainFormModel& form_;
  std::function<void()> edited_;
  bool syncing_ = false;

  QLineEdit *txtTimeOut_ = nullptr, *txtKeywordDepth_ = nullptr, *txtReportDirectory_ = nullptr;
  QLabel* lblTimeOutNote_ = nullptr;
  QComboBox* cmbDatePreference_ = nullptr;
  QCheckBox *chkHighlightKeywords_ = nullptr, *chkUseProxy_ = nullptr, *chkUseDirect_ = nullptr,
            *chkBoldRankingGrid_ = nullptr;
  QLineEdit *txtHttpProxy_ = nullptr, *txtPortProxy_ = nullptr, *txtUserAgentToUse_ = nullptr;
  QLabel* lblProxyNote_ = nullptr;
  QSpinBox* txtJobs_ = nullptr;
  std::array<QRadioButton*, 4> optAgent_{};
};

}  // namespace kestrova
