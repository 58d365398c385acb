// The client over real sockets against the scripted server: what goes on the
// wire, and servers that try to hold the client or flood it.
#include <gtest/gtest.h>

#include "FetchRig.h"
#include "support/ExternalServer.h"
#include "support/ScriptedServer.h"

namespace kestrova {
namespace {

using test::ScriptedServer;
using test::ServerScenario;
using Ending = ServerScenario::Ending;
using namespace std::chrono_literals;

const std::string kOk = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n";

struct SocketRig : test::FetchRig {
  explicit SocketRig(std::uint16_t port, double timeoutSeconds = 0.2)
      : FetchRig(port ? test::DialEverythingTo(port) : test::RealConnections()) {
    client.SetTimeout(TimeoutFromSeconds(timeoutSeconds));
  }
};

TEST(HttpClientOverSockets, SendsTheDirectRequestAndReadsAnAnswerInPieces) {
  ScriptedServer server({ServerScenario::Answer("page in pieces", kOk)
                             .Then("<html>first</html>", 30ms)
                             .Then(std::string(1000, 'b'), 30ms)});
  SocketRig rig(server.Port());
  rig.Get("www.example.com", "/search?q=a b");
  EXPECT_TRUE(rig.completed);
  EXPECT_EQ(rig.response, kOk + "<html>first</html>" + std::string(1000, 'b'));
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0],
            "GET /search?q=a b HTTP/1.0\r\nFrom: user@domain\r\nHost: www.example.com\r\n"
            "User-Agent: Agent/1.0\r\nAccept: */*\r\nAccept: text/html\r\n\r\n");
  EXPECT_GT(rig.dialogs.yields, 3);
  EXPECT_EQ(rig.state.busyDepth, 0);
}

TEST(HttpClientOverSockets, SilentAndTricklingServersEndInTwoTimeOuts) {
  for (auto scenario :
       {ServerScenario::Answer("silence", "").EndWith(Ending::Silence),
        ServerScenario::Answer("headers then silence", kOk).EndWith(Ending::Silence),
        ServerScenario::Answer("a byte now and then", kOk).EndWith(Ending::Trickle, 30ms),
        ServerScenario::Answer("a byte a second", kOk).EndWith(Ending::Trickle, 1000ms)}) {
    SCOPED_TRACE(scenario.name);
    ScriptedServer server({scenario});
    SocketRig rig(server.Port(), 0.1);
    rig.Get();
    EXPECT_FALSE(rig.completed);
    EXPECT_EQ(rig.response, "");
    EXPECT_TRUE(rig.state.TimedOut);
    EXPECT_EQ(rig.state.busyDepth, 0);
  }
}

TEST(HttpClientOverSockets, ADeadlineCutsADrippingAnswerWithoutASecondAttempt) {
  // A byte every 30 ms never lets a gap reach the time-out; only the whole
  // answer's limit would end an attempt, and then a second one would start.
  ScriptedServer server(
      {ServerScenario::Answer("a byte now and then", kOk).EndWith(Ending::Trickle, 30ms)});
  SocketRig rig(server.Port(), 0.1);
  FetchOptions options;
  options.silent = true;
  options.deadline = std::chrono::steady_clock::now() + 150ms;
  rig.Take(rig.client.HttpGetPage("www.example.com", "/", options));
  EXPECT_FALSE(rig.completed);
  EXPECT_EQ(rig.failure, FetchFailure::DeadlinePassed);
  EXPECT_EQ(rig.response, "");
  EXPECT_TRUE(rig.state.TimedOut);
  EXPECT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(rig.state.busyDepth, 0);
}

TEST(HttpClientOverSockets, AnEndlessBodyIsCutAtTheCapForGetAndHead) {
  ScriptedServer server({ServerScenario::Answer("endless body", kOk).EndWith(Ending::EndlessBody)});
  SocketRig rig(server.Port());
  rig.Get();
  EXPECT_TRUE(rig.completed);
  EXPECT_GT(rig.response.size(), 32000u);
  EXPECT_LE(rig.response.size(), 32256u);

  rig.Head();
  EXPECT_TRUE(rig.completed);
  EXPECT_LE(rig.response.size(), 32256u);
}

TEST(HttpClientOverSockets, StopEndsAWaitAtOnce) {
  ScriptedServer server(
      {ServerScenario::Answer("headers then silence", kOk).EndWith(Ending::Silence)});
  SocketRig rig(server.Port(), 30);
  int yieldsAfterAnswer = 0;
  rig.dialogs.onYield = [&] {
    if (!rig.state.StopRequested && ++yieldsAfterAnswer == 6) rig.client.Stop();
  };
  rig.Get();
  EXPECT_FALSE(rig.completed);
  EXPECT_TRUE(rig.state.StopRequested);
  EXPECT_FALSE(rig.state.TimedOut);
  EXPECT_EQ(server.Requests().size(), 1u);
}

TEST(HttpClientOverSockets, ResetsRefusalsAndUnknownHostsAreFailuresNotAnswers) {
  ScriptedServer server(
      {ServerScenario::Answer("half then reset", kOk + "half").EndWith(Ending::Reset)});
  SocketRig rig(server.Port());
  rig.Get();
  EXPECT_FALSE(rig.completed);
  EXPECT_TRUE(rig.state.SocketFailed);
  EXPECT_TRUE(rig.state.TransferAborted);

  SocketRig refused(test::FreeLoopbackPort());  // nobody listens there
  refused.Get();
  EXPECT_FALSE(refused.completed);
  EXPECT_EQ(refused.response, "");
  EXPECT_EQ(refused.client.ConnectionResets(), 2);
  EXPECT_TRUE(refused.dialogs.messages.empty());
  EXPECT_EQ(refused.state.busyDepth, 0);
  // The reset connections keep the time-out that was set.
  EXPECT_EQ(refused.client.Timeout(), TimeoutFromSeconds(0.2));

  SocketRig unresolved(0);
  // All digits counts as an address; this one does not fit in 32 bits.
  unresolved.Take(unresolved.client.HttpGetPage("99999999999", "/"));
  EXPECT_FALSE(unresolved.completed);
  ASSERT_EQ(unresolved.dialogs.messages.size(), 1u);
  EXPECT_EQ(unresolved.dialogs.messages[0].text, "The specified host is unknown");
  EXPECT_TRUE(unresolved.state.TransferAborted);
}

}  // namespace
}  // namespace kestrova
