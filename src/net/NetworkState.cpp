#include "net/NetworkState.h"

#include "net/SocketErrors.h"

namespace kestrova {

void RequestStop(NetworkState& state) {
  state.StopRequested = true;
  state.TransferAborted = true;
}

void ClearStop(NetworkState& state) {
  state.StopRequested = false;
  state.TransferAborted = false;
}

void ClearForAttempt(NetworkState& state) {
  state.FailedAfterTimeout = false;
  state.TransferAborted = false;
  state.StopRequested = false;
  state.SocketFailed = false;
}

void ClearAfterRun(NetworkState& state) {
  state.TransferAborted = false;
  state.FailedAfterTimeout = false;
}

void NoteTimeout(NetworkState& state) {
  state.TimedOut = true;
}

void NoteConnectionError(NetworkState& state, int code) {
  if (code == kErrorHostNotFound) {
    state.TransferAborted = true;
  } else if (state.TimedOut) {
    state.FailedAfterTimeout = true;
    state.TransferAborted = true;
  } else {
    state.SocketFailed = true;
    if (code != kErrorAddressInUse) state.TransferAborted = true;
  }
}

bool StopOrAbort(const NetworkState& state) {
  return state.StopRequested || state.TransferAborted;
}

}  // namespace kestrova
