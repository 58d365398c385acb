// The network flags and the user agent that the HTTP client, the Stop action and
// the engine check share. Each engine check in flight has its own NetworkState
// (and its own client); one state is only ever touched by one thread.
//
// Who sets and who clears the flags is written here once, one function per
// owner, so the rules cannot drift apart between the client, the run and Stop.
#pragma once

#include <string>

#include "base/Numbers.h"

namespace kestrova {

// Sent when nobody has chosen a user agent yet.
inline constexpr const char* kDefaultUserAgent = "Mozilla/4.0 (compatible; MSIE 4.01; Windows 95)";

struct NetworkState {
  std::string UserAgent;            // the User-Agent header; filled with the default when empty
  bool TimedOut = false;            // an operation of the current attempt ran past the time-out
  bool StopRequested = false;       // the user pressed Stop
  bool TransferAborted = false;     // the current transfer is to be given up
  bool SocketFailed = false;        // the connection reported an error outside a time-out
  bool FailedAfterTimeout = false;  // the connection reported an error after a time-out
  std::string TlsError;             // why the attempt's TLS connection failed; empty: it did not
  Integer busyDepth = 0;            // nesting depth of the busy pointer
};

// The Stop action: StopRequested and TransferAborted set.
void RequestStop(NetworkState& state);
// A run or a front-page fetch about to start: a Stop of an earlier one no
// longer counts (StopRequested and TransferAborted cleared).
void ClearStop(NetworkState& state);
// The client at the top of every attempt: StopRequested, TransferAborted,
// SocketFailed and FailedAfterTimeout cleared. TimedOut is cleared apart, only
// when the attempt really runs, so a fetch that ran out of attempts keeps it.
void ClearForAttempt(NetworkState& state);
// The end of a run: TransferAborted and FailedAfterTimeout cleared.
void ClearAfterRun(NetworkState& state);
// The connection's time-out notification: TimedOut set.
void NoteTimeout(NetworkState& state);
// The connection's error notification: host not found aborts the transfer; an
// error after a time-out sets FailedAfterTimeout and aborts; any other error
// sets SocketFailed and aborts, except "address in use".
void NoteConnectionError(NetworkState& state, int code);
// What the engine check tests after each step: Stop, or the transfer given up.
bool StopOrAbort(const NetworkState& state);

}  // namespace kestrova
