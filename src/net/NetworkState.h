// The network flags and the user agent that the HTTP client, the Stop action and
// the engine check share. The application owns one of these and hands it to the
// client; everything runs on the window thread, so no locking is needed.
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

}  // namespace kestrova
