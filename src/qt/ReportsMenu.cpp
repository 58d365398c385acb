#include "qt/ReportsMenu.h"

#include <QAction>
#include <QMenu>

#include "app/ReportViews.h"

namespace kestrova {

void AddReportActions(QMenu& view, MainFormModel& form, std::function<void()> showStatus) {
  struct Item {
    const char* name;
    const char* caption;
    ReportChoice choice;
  };
  view.addSeparator();
  for (const Item& item :
       {Item{"mnuViewLogReport", "&Log Report", ReportChoice::Log},
        Item{"mnuViewMasterReport", "&Master Report", ReportChoice::Master},
        Item{"mnuViewRankingReport", "R&anking Report", ReportChoice::Ranking},
        Item{"mnuViewTopUrlsReport", "Top &URLs Report", ReportChoice::TopUrls}}) {
    QAction* action = view.addAction(item.caption, &view, [&form, showStatus, item] {
      ViewReportFromMenu(form, item.choice);
      if (showStatus) showStatus();
    });
    action->setObjectName(item.name);
  }
}

}  // namespace kestrova
