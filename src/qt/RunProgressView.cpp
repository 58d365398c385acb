#include "qt/RunProgressView.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>

#include "qt/QtText.h"
#include "qt/WindowTexts.h"

namespace kestrova {
namespace {

QProgressBar* Bar(QWidget* parent) {
  auto* bar = new QProgressBar(parent);
  bar->setRange(0, 100);
  bar->setTextVisible(false);  // the caption beside it says it all
  bar->setMinimumWidth(160);
  return bar;
}

}  // namespace

RunProgressView::RunProgressView(QWidget* parent) : QWidget(parent) {
  setObjectName("runProgress");
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  keywords_ = Bar(this);
  keywords_->setObjectName("prgKeywords");
  engines_ = Bar(this);
  engines_->setObjectName("prgEngines");
  keywordsCaption_ = new QLabel(this);
  enginesCaption_ = new QLabel(this);
  enginesCaption_->setObjectName("lblEnginesProgress");
  // Room for the widest caption, so it is never cut.
  enginesCaption_->setMinimumWidth(
      QFontMetrics(font()).horizontalAdvance(texts::kWidestEnginesCaption) + 8);
  layout->addWidget(new QLabel(texts::kKeywordsProgress, this), 0, 0);
  layout->addWidget(keywords_, 0, 1);
  layout->addWidget(keywordsCaption_, 0, 2);
  layout->addWidget(new QLabel(texts::kEnginesProgress, this), 1, 0);
  layout->addWidget(engines_, 1, 1);
  layout->addWidget(enginesCaption_, 1, 2);
  layout->setColumnStretch(1, 1);
  layout->setColumnStretch(2, 1);
}

void RunProgressView::LineStarted(int number, int count, std::string_view line) {
  number_ = number;
  count_ = count;
  enginePercent_ = 0;
  const QString caption = QString(texts::kKeywordOf) + QString::number(number) + texts::kOf +
                          QString::number(count) + ": " + ToQt(line);
  // A long keyword is shortened at its end; the whole of it shows as a tip.
  keywordsCaption_->setToolTip(caption);
  keywordsCaption_->setText(
      QFontMetrics(keywordsCaption_->font())
          .elidedText(caption, Qt::ElideRight, std::max(keywordsCaption_->width(), 320)));
  ShowOverall();
}

void RunProgressView::EnginesDone(int percent, std::string_view caption) {
  if (caption.empty()) {
    number_ = count_ = enginePercent_ = 0;
    engines_->setValue(0);
    keywords_->setValue(0);
    enginesCaption_->clear();
    keywordsCaption_->clear();
    keywordsCaption_->setToolTip({});
    return;
  }
  enginePercent_ = percent;
  engines_->setValue(percent);
  enginesCaption_->setText(ToQt(caption));
  ShowOverall();
}

void RunProgressView::ShowOverall() {
  if (count_ <= 0) return;
  // The lines before this one are done; this one is as far as its engines.
  keywords_->setValue(((number_ - 1) * 100 + enginePercent_) / count_);
}

QString RunProgressView::KeywordsCaption() const {
  return keywordsCaption_->toolTip();
}

QString RunProgressView::EnginesCaption() const {
  return enginesCaption_->text();
}

}  // namespace kestrova
