#include "qt/ImprovementWindow.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "analyzer/ImprovementReport.h"
#include "qt/QtText.h"
#include "qt/WindowTexts.h"

namespace kestrova {

ImprovementWindow::ImprovementWindow(const PageAnalysisRecord& analysis, QWidget* parent)
    : QDialog(parent) {
  setObjectName("frmImprove");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(texts::kImproveTitle);
  ImprovementReport report;
  report.Fill(analysis);
  auto* rtfInfo = new QTextEdit(this);
  rtfInfo->setObjectName("rtfInfo");
  rtfInfo->setReadOnly(true);
  rtfInfo->setHtml(ToQt(report.Html()));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* cmdOk = buttons->addButton(texts::kImproveOk, QDialogButtonBox::AcceptRole);
  cmdOk->setObjectName("cmdOk");
  cmdOk->setDefault(true);
  connect(cmdOk, &QPushButton::clicked, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(rtfInfo);
  layout->addWidget(buttons);
  resize(720, 600);
}

void ShowImprovementWindow(const PageAnalysisRecord& analysis, QWidget* parent) {
  // One improvement window at a time: a new analysis replaces the old one.
  for (auto* old : parent->findChildren<ImprovementWindow*>()) old->close();
  (new ImprovementWindow(analysis, parent))->show();
}

}  // namespace kestrova
