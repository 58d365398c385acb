// Busy nesting counter.
#include "net/BusyPointer.h"

namespace kestrova {

void SetBusyPointer(NetworkState& state, Messenger& messenger, bool on, bool reset) {
  if (reset) state.busyDepth = 0;
  state.busyDepth = on ? AddSaturated(state.busyDepth, 1) : SubSaturated(state.busyDepth, 1);
  messenger.SetBusy(state.busyDepth > 0);
}

}  // namespace kestrova
