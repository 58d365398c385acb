// Who sets and who clears the shared network flags: each owner's function
// touches exactly its flags and leaves the others as they were.
#include <gtest/gtest.h>

#include <functional>

#include "net/NetworkState.h"
#include "net/SocketErrors.h"

namespace kestrova {
namespace {

// The flags as letters, "-" where clear: TimedOut, StopRequested, TransferAborted,
// SocketFailed, FailedAfterTimeout.
std::string Flags(const NetworkState& s) {
  std::string text = "TSAFX";
  const bool set[] = {s.TimedOut, s.StopRequested, s.TransferAborted, s.SocketFailed,
                      s.FailedAfterTimeout};
  for (int i = 0; i < 5; ++i) {
    if (!set[i]) text[i] = '-';
  }
  return text;
}

NetworkState From(const std::string& flags) {
  NetworkState s;
  s.TimedOut = flags[0] != '-';
  s.StopRequested = flags[1] != '-';
  s.TransferAborted = flags[2] != '-';
  s.SocketFailed = flags[3] != '-';
  s.FailedAfterTimeout = flags[4] != '-';
  return s;
}

TEST(NetworkFlags, EachOwnerSetsAndClearsOnlyItsOwnFlags) {
  auto error = [](int code) { return [code](NetworkState& s) { NoteConnectionError(s, code); }; };
  const struct {
    const char* owner;
    std::function<void(NetworkState&)> act;
    const char *from, *to;
  } cases[] = {
      {"Stop", RequestStop, "-----", "-SA--"},
      {"run or front-page fetch starting", ClearStop, "TSAFX", "T--FX"},
      {"top of an attempt", ClearForAttempt, "TSAFX", "T----"},
      {"end of a run", ClearAfterRun, "TSAFX", "TS-F-"},
      {"time-out notification", NoteTimeout, "-----", "T----"},
      {"host not found", error(kErrorHostNotFound), "-----", "--A--"},
      {"address in use", error(kErrorAddressInUse), "-----", "---F-"},
      {"reset", error(kErrorConnectionReset), "-----", "--AF-"},
      {"reset after a time-out", error(kErrorConnectionReset), "T----", "T-A-X"},
      {"host not found after a time-out", error(kErrorHostNotFound), "T----", "T-A--"},
  };
  for (const auto& c : cases) {
    NetworkState state = From(c.from);
    state.UserAgent = "kept";
    c.act(state);
    EXPECT_EQ(Flags(state), c.to) << c.owner;
    EXPECT_EQ(state.UserAgent, "kept") << c.owner;
  }
  EXPECT_TRUE(StopOrAbort(From("--A--")));
  EXPECT_TRUE(StopOrAbort(From("-S---")));
  EXPECT_FALSE(StopOrAbort(From("T--FX")));
}

}  // namespace
}  // namespace kestrova
