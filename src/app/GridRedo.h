// The ranking grid menu's "Redo": the engines whose Result reads "Failed" in
// the grid as shown are checked again, for every keyword line, through the
// run's wiring, so the front end shows the run as it shows a Rank.
#pragma once

#include "app/Application.h"

namespace kestrova {

// False when nothing ran: a run is in progress already, or no row reads "Failed".
bool RedoFailedEngines(Application& app);

}  // namespace kestrova
