#include "app/GridRedo.h"

namespace kestrova {

bool RedoFailedEngines(Application& app) {
  RankController& controller = app.rank.Controller();
  if (controller.State().RunInProgress || app.rank.FailedEngines().empty()) return false;
  controller.ReRank(kReRankFailed);
  // Only the last-run label follows the run: the fields were not read for it,
  // so writing them all back would undo edits not yet taken into the project.
  if (!(app.project.LastRunDate == kNeverRun)) {
    app.form.lblLastRun.caption = FormatDate(app.project.LastRunDate, app.project.DatePreference);
  }
  return true;
}

}  // namespace kestrova
