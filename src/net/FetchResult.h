// What one fetch of the HTTP client is asked to do and what it brings back.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace kestrova {

// Why a fetch did not complete.
enum class FetchFailure {
  None,              // reading ended normally
  NoHost,            // the host was empty; nothing was tried
  HostUnknown,       // the host does not resolve or cannot be used
  CannotConnect,     // the connect failed (also: reset on both attempts)
  TlsRefused,        // the TLS handshake failed or the certificate was not accepted
  CannotQuery,       // the request could not be sent
  CannotSave,        // the answer file could not be created
  Stopped,           // Stop was requested
  TimedOut,          // both attempts ran past the time-out
  ConnectionBroken,  // the connection broke (a reset) while the answer came
  DeadlinePassed,    // the caller's deadline came before the answer was complete
};

// The moment by which a whole fetch (both attempts) must be over.
using Deadline = std::chrono::steady_clock::time_point;

struct FetchOptions {
  bool silent = false;               // no message box; every fetch of a run is silent
  bool post = false;                 // GET only: the POST form when the path has a query
  std::string saveFile;              // GET only: the answer goes to this file line by line
  std::optional<Deadline> deadline;  // past it the fetch ends as timed out
};

struct FetchResult {
  // As received; with a save file only the part not written. After Stop or a
  // broken connection what came so far; after a time-out or a passed deadline
  // nothing.
  std::string answer;
  // True when the server closed, a second status line began or the cap was reached.
  bool completed = false;
  FetchFailure failure = FetchFailure::None;
};

}  // namespace kestrova
