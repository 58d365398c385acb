// Busy nesting counter.
#include "net/BusyPointer.h"

namespace kestrova {

void SetBusyPointer(NetworkState& state, Dialogs& dialogs, bool on, bool reset) {
  if (reset) state.busyDepth = 0;
  state.busyDepth = on ? AddSaturated(state.busyDepth, 1) : SubSaturated(state.busyDepth, 1);
  dialogs.SetBusy(state.busyDepth > 0);
}

}  // namespace kestrova
