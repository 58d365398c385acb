#include "qt/SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "qt/QtText.h"
#include "qt/WidgetSync.h"
#include "qt/WindowTexts.h"
#include "ranking/RunRanking.h"
#include "store/Settings.h"
#include "ui/MainFormModel.h"

namespace kestrova {
namespace {

QLineEdit* Field(const char* name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  return field;
}

// A note under a field that says why its value was replaced or cannot be used.
QLabel* Note(const char* name, QWidget* parent) {
  auto* note = new QLabel(parent);
  note->setObjectName(name);
  note->setWordWrap(true);
  note->setStyleSheet("color: palette(link);");
  note->hide();
  return note;
}

void ShowNote(QLabel& note, const std::string& text) {
  note.setText(ToQt(text));
  note.setVisible(!text.empty());
}

}  // namespace

SettingsDialog::SettingsDialog(MainFormModel& form, std::function<void()> edited, QWidget* parent)
    : QDialog(parent), form_(form), edited_(std::move(edited)) {
  setObjectName("frmSettings");
  setWindowTitle(texts::kSettingsTitle);
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(BuildProjectGroup());
  left->addWidget(BuildDisplayGroup());
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(BuildConnectionGroup());
  right->addWidget(BuildAgentGroup());
  right->addStretch();
  columns->addLayout(left);
  columns->addLayout(right);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(buttons);
  ShowFields();
}

QWidget* SettingsDialog::BuildProjectGroup() {
  auto* group = new QGroupBox(texts::kProjectGroup, this);
  auto* fields = new QFormLayout(group);
  txtTimeOut_ = Field("txtTimeOut", group);
  fields->addRow(texts::kTimeOutLabel, txtTimeOut_);
  lblTimeOutNote_ = Note("lblTimeOutNote", group);
  fields->addRow(lblTimeOutNote_);
  connect(txtTimeOut_, &QLineEdit::textEdited, this, [this](const QString& text) {
    Edit([&] {
      form_.txtTimeOut.text = FromQt(text);
      form_.txtTimeOut_Change();
    });
    // The replacement is selected, so the digits typed next take its place.
    if (!form_.lblTimeOutNote.caption.empty()) txtTimeOut_->selectAll();
  });
  txtKeywordDepth_ = Field("txtKeywordDepth", group);
  fields->addRow(texts::kDepthLabel, txtKeywordDepth_);
  connect(txtKeywordDepth_, &QLineEdit::textEdited, this, [this](const QString& text) {
    Edit([&] {
      form_.txtKeywordDepth.text = FromQt(text);
      form_.MarkModified();
    });
  });
  txtReportDirectory_ = Field("txtReportDirectory", group);
  auto* browse = new QPushButton(texts::kBrowse, group);
  browse->setObjectName("cmdReportBrowse");
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(txtReportDirectory_, 1);
  folderRow->addWidget(browse);
  auto* folderLabel = new QLabel(texts::kReportsLabel, group);
  folderLabel->setBuddy(txtReportDirectory_);
  txtReportDirectory_->setMinimumWidth(300);  // a folder path needs room to be read
  fields->addRow(folderLabel, folderRow);
  connect(txtReportDirectory_, &QLineEdit::textEdited, this, [this](const QString& text) {
    Edit([&] {
      form_.txtReportDirectory.text = FromQt(text);
      form_.MarkModified();
    });
  });
  connect(browse, &QPushButton::clicked, this,
          [this] { Edit([this] { form_.cmdReportBrowse_Click(); }); });
  cmbDatePreference_ = new QComboBox(group);
  cmbDatePreference_->setObjectName("cmbDatePreference");
  fields->addRow(texts::kDateFormatLabel, cmbDatePreference_);
  connect(cmbDatePreference_, &QComboBox::activated, this, [this](int index) {
    Edit([&] {
      form_.cmbDatePreference[kDateChoices].listIndex = index;
      form_.cmbDatePreference_Change(kDateChoices);
    });
  });
  chkHighlightKeywords_ = new QCheckBox(texts::kHighlight, group);
  chkHighlightKeywords_->setObjectName("chkHighlightKeywords");
  fields->addRow(chkHighlightKeywords_);
  connect(chkHighlightKeywords_, &QCheckBox::clicked, this, [this](bool on) {
    Edit([&] {
      form_.chkHighlightKeywords.value = on ? 1 : 0;
      form_.MarkModified();
    });
  });
  return group;
}

QWidget* SettingsDialog::BuildConnectionGroup() {
  auto* group = new QGroupBox(texts::kConnectionGroup, this);
  auto* fields = new QFormLayout(group);
  chkUseProxy_ = new QCheckBox(texts::kUseProxy, group);
  chkUseProxy_->setObjectName("chkUseProxy");
  fields->addRow(chkUseProxy_);
  txtHttpProxy_ = Field("txtHttpProxy", group);
  fields->addRow(texts::kProxyHostLabel, txtHttpProxy_);
  txtPortProxy_ = Field("txtPortProxy", group);
  txtPortProxy_->setMaximumWidth(90);
  fields->addRow(texts::kProxyPortLabel, txtPortProxy_);
  lblProxyNote_ = Note("lblProxyNote", group);
  fields->addRow(lblProxyNote_);
  connect(chkUseProxy_, &QCheckBox::clicked, this,
          [this](bool on) { Edit([&] { form_.chkUseProxy.value = on ? 1 : 0; }); });
  for (auto [widget, field] : {std::pair{txtHttpProxy_, &form_.txtHttpProxy},
                               std::pair{txtPortProxy_, &form_.txtPortProxy}}) {
    connect(widget, &QLineEdit::textEdited, this, [this, field = field](const QString& text) {
      Edit([&] { field->text = FromQt(text); });
    });
  }
  chkUseDirect_ = new QCheckBox(texts::kUseDirect, group);
  chkUseDirect_->setObjectName("chkUseDirect");
  fields->addRow(chkUseDirect_);
  connect(chkUseDirect_, &QCheckBox::clicked, this,
          [this](bool on) { Edit([&] { form_.chkUseDirect.value = on ? 1 : 0; }); });
  txtJobs_ = new QSpinBox(group);
  txtJobs_->setObjectName("txtJobs");
  txtJobs_->setRange(1, kMaxJobs);
  fields->addRow(texts::kJobsLabel, txtJobs_);
  connect(txtJobs_, &QSpinBox::valueChanged, this,
          [this](int jobs) { Edit([&] { form_.txtJobs.text = std::to_string(jobs); }); });
  return group;
}

QWidget* SettingsDialog::BuildAgentGroup() {
  auto* group = new QGroupBox(texts::kAgentGroup, this);
  auto* layout = new QVBoxLayout(group);
  auto* choices = new QHBoxLayout;
  for (int i = 0; i <= kOwnAgent; ++i) {
    optAgent_[static_cast<std::size_t>(i)] = new QRadioButton(texts::kAgentCaptions[i], group);
    optAgent_[static_cast<std::size_t>(i)]->setObjectName(QString("optAgent%1").arg(i));
    choices->addWidget(optAgent_[static_cast<std::size_t>(i)]);
    connect(optAgent_[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
            [this, i] { Edit([&] { form_.optAgent_Click(i); }); });
  }
  layout->addLayout(choices);
  layout->addWidget(new QLabel(texts::kAgentTextLabel, group));
  txtUserAgentToUse_ = Field("txtUserAgentToUse", group);
  layout->addWidget(txtUserAgentToUse_);
  connect(txtUserAgentToUse_, &QLineEdit::textEdited, this, [this](const QString& text) {
    Edit([&] {
      form_.txtUserAgentToUse.text = FromQt(text);
      form_.txtUserAgentToUse_Change();
    });
  });
  return group;
}

QWidget* SettingsDialog::BuildDisplayGroup() {
  auto* group = new QGroupBox(texts::kDisplayGroup, this);
  auto* layout = new QVBoxLayout(group);
  chkBoldRankingGrid_ = new QCheckBox(texts::kBoldGrid, group);
  chkBoldRankingGrid_->setObjectName("chkBoldRankingGrid");
  layout->addWidget(chkBoldRankingGrid_);
  connect(chkBoldRankingGrid_, &QCheckBox::clicked, this, [this](bool on) {
    Edit([&] {
      form_.chkBoldRankingGrid.value = on ? 1 : 0;
      form_.chkBoldRankingGrid_Click();
    });
  });
  return group;
}

void SettingsDialog::Edit(const std::function<void()>& change) {
  if (syncing_) return;
  change();
  ShowFields();
  if (edited_) edited_();
}

void SettingsDialog::ShowFields() {
  syncing_ = true;
  ShowText(*txtTimeOut_, form_.txtTimeOut.text);
  ShowNote(*lblTimeOutNote_, form_.lblTimeOutNote.caption);
  ShowText(*txtKeywordDepth_, form_.txtKeywordDepth.text);
  ShowText(*txtReportDirectory_, form_.txtReportDirectory.text);
  ShowItems(*cmbDatePreference_, form_.cmbDatePreference[kDateChoices].items.Items(),
            form_.cmbDatePreference[kDateFormats].listIndex);
  chkHighlightKeywords_->setChecked(form_.chkHighlightKeywords.value != 0);
  chkUseProxy_->setChecked(form_.chkUseProxy.value != 0);
  ShowText(*txtHttpProxy_, form_.txtHttpProxy.text);
  ShowText(*txtPortProxy_, form_.txtPortProxy.text);
  txtHttpProxy_->setEnabled(form_.chkUseProxy.value != 0);
  txtPortProxy_->setEnabled(form_.chkUseProxy.value != 0);
  ShowNote(*lblProxyNote_, form_.ProxyProblem());
  chkUseDirect_->setChecked(form_.chkUseDirect.value != 0);
  txtJobs_->setValue(JobsFromText(form_.txtJobs.text));
  for (int i = 0; i <= kOwnAgent; ++i) {
    optAgent_[static_cast<std::size_t>(i)]->setChecked(
        form_.optAgent[static_cast<std::size_t>(i)].value);
  }
  ShowText(*txtUserAgentToUse_, form_.txtUserAgentToUse.text);
  txtUserAgentToUse_->setReadOnly(form_.txtUserAgentToUse.locked);
  chkBoldRankingGrid_->setChecked(form_.chkBoldRankingGrid.value != 0);
  // During a run the settings are the run's: look, do not touch.
  for (QWidget* group : findChildren<QGroupBox*>()) group->setEnabled(!form_.running);
  syncing_ = false;
  MakeRoomForNotes();
}

void SettingsDialog::MakeRoomForNotes() {
  // A shown dialog grows only to its layout's minimum, which counts a wrapped
  // note as one line; the rest of it would be cut off under the next field.
  if (!isVisible() || !layout()) return;
  layout()->activate();
  const int needed = layout()->totalHeightForWidth(width());
  if (needed > height()) resize(width(), needed);
}

void SettingsDialog::FocusReportDirectory() {
  txtReportDirectory_->setFocus();
  txtReportDirectory_->selectAll();
}

}  // namespace kestrova
