// The busy pointer as a nesting counter: every long operation turns it on at the
// start and off on each way out; the hourglass shows while the depth is above 0.
#pragma once

#include "base/Messenger.h"
#include "net/NetworkState.h"

namespace kestrova {

// `reset` first sets the depth to 0; then `on` adds one and off takes one away.
void SetBusyPointer(NetworkState& state, Messenger& messenger, bool on, bool reset = false);

}  // namespace kestrova
