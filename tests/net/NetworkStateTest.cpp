// Who sets and who clears the shared network flags: each owner's function
// touches exactly its flags and leaves the others as they were.
#include <gtest/gtest.h>

#include <functional>

#include "net/NetworkState.h"
#include "net/SocketErrors.h"

namespace kestrova {
namespace {

// The five flags as one comparable value, in declaration order.
struct Flags {
  bool timedOut, stop, aborted, socketFailed, afterTimeout;
  bool operator==(const Flags&) const = default;
};

Flags Read(const NetworkState& s) {
  return {s.TimedOut, s.StopRequested, s.TransferAborted, s.SocketFailed, s.FailedAfterTimeout};
}

NetworkState With(Flags f) {
  NetworkState s;
  s.TimedOut = f.timedOut;
  s.StopRequested = f.stop;
  s.TransferAborted = f.aborted;
  s.SocketFailed = f.socketFailed;
  s.FailedAfterTimeout = f.afterTimeout;
  return s;
}

TEST(NetworkFlags, EachOwnerSetsAndClearsOnlyItsOwnFlags) {
  const Flags none{false, false, false, false, false};
  const Flags all{true, true, true, true, true};
  struct Case {
    const char* owner;
    std::function<void(NetworkState&)> act;
    Flags from, to;
  };
  const Case cases[] = {
      {"Stop", RequestStop, none, {false, true, true, false, false}},
      {"run or front-page fetch starting", ClearStop, all, {true, false, false, true, true}},
      {"top of an attempt", ClearForAttempt, all, {true, false, false, false, false}},
      {"end of a run", ClearAfterRun, all, {true, true, false, true, false}},
      {"time-out notification", NoteTimeout, none, {true, false, false, false, false}},
      {"host not found",
       [](NetworkState& s) { NoteConnectionError(s, kErrorHostNotFound); },
       none,
       {false, false, true, false, false}},
      {"address in use",
       [](NetworkState& s) { NoteConnectionError(s, kErrorAddressInUse); },
       none,
       {false, false, false, true, false}},
      {"reset",
       [](NetworkState& s) { NoteConnectionError(s, kErrorConnectionReset); },
       none,
       {false, false, true, true, false}},
      {"reset after a time-out",
       [](NetworkState& s) { NoteConnectionError(s, kErrorConnectionReset); },
       {true, false, false, false, false},
       {true, false, true, false, true}},
      {"host not found after a time-out",
       [](NetworkState& s) { NoteConnectionError(s, kErrorHostNotFound); },
       {true, false, false, false, false},
       {true, false, true, false, false}},
  };
  for (const Case& c : cases) {
    NetworkState state = With(c.from);
    state.UserAgent = "kept";
    c.act(state);
    EXPECT_EQ(Read(state), c.to) << c.owner;
    EXPECT_EQ(state.UserAgent, "kept") << c.owner;
  }
  EXPECT_TRUE(StopOrAbort(With({false, false, true, false, false})));
  EXPECT_TRUE(StopOrAbort(With({false, true, false, false, false})));
  EXPECT_FALSE(StopOrAbort(With({true, false, false, true, true})));
}

}  // namespace
}  // namespace kestrova
