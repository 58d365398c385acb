// The fetch steps against a scripted connection: request bytes, attempts,
// flags, exits of the receive loop and the answer file.
#include <gtest/gtest.h>

#include <thread>

#include "FetchRig.h"
#include "base/Files.h"
#include "net/SocketErrors.h"
#include "support/ScriptedConnection.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

using test::ScriptedAttempt;

const std::string kUa = "Agent/1.0";

ScriptedAttempt Answering(std::vector<std::string> pieces,
                          ScriptedAttempt::Ending ending = ScriptedAttempt::Ending::Close) {
  ScriptedAttempt attempt;
  attempt.pieces = std::move(pieces);
  attempt.ending = ending;
  return attempt;
}

// The scripted network is made before the client that connects through it.
struct ScriptedNetworkHolder {
  test::ScriptedNetwork network;
};

struct ClientRig : ScriptedNetworkHolder, test::FetchRig {
  ClientRig() : FetchRig(network.Factory()) {}
};

TEST(HttpClient, SendsTheExactRequestBytesOfEachForm) {
  ClientRig rig;
  for (int i = 0; i < 7; ++i) rig.network.attempts.push_back(Answering({"HTTP/1.0 200 OK\r\n"}));
  rig.Get("www.example.com", "");
  rig.Get("www.example.com", "/cgi-bin/query?q=x", true);
  rig.Get("www.example.com", "/index.html", true);
  rig.Head("www.example.com", "/r?u=1");
  rig.Get("www.example.com", "/a b\r\nX: y\x7f");
  rig.state.UserAgent.clear();
  rig.Get("www.example.com", "/");
  const std::string defaultAgent = rig.state.UserAgent;
  // A user agent from a hand-edited settings file cannot add header lines.
  rig.state.UserAgent = "Agent\r\nX-Injected: 1\t/2";
  rig.Get("www.example.com", "/");

  const std::string tail = "From: user@domain\r\nHost: www.example.com\r\nUser-Agent: " + kUa +
                           "\r\nAccept: */*\r\nAccept: text/html\r\n\r\n";
  const auto& sent = rig.network.requests;
  ASSERT_EQ(sent.size(), 7u);
  EXPECT_EQ(sent[0], "GET / HTTP/1.0\r\n" + tail);
  EXPECT_EQ(sent[1],
            "POST /cgi-bin/query?q=x HTTP/1.0\r\nFrom: user@domain\r\nHost: www.example.com\r\n"
            "User-Agent: Agent/1.0\r\n\r\n");
  EXPECT_EQ(sent[2], "GET /index.html HTTP/1.0\r\n" + tail);
  EXPECT_EQ(sent[3], "HEAD /r?u=1 HTTP/1.0\r\n" + tail);
  // Control characters never reach the wire raw; spaces are left alone.
  EXPECT_EQ(sent[4], "GET /a b%0D%0AX: y%7F HTTP/1.0\r\n" + tail);
  EXPECT_EQ(defaultAgent, kDefaultUserAgent);
  EXPECT_NE(sent[5].find("User-Agent: Mozilla/4.0 (compatible; MSIE 4.01; Windows 95)\r\n"),
            std::string::npos);
  EXPECT_NE(sent[6].find("\r\nUser-Agent: AgentX-Injected: 1/2\r\nAccept: */*\r\n"),
            std::string::npos);
  EXPECT_EQ(rig.network.portsSet.back(), 80);
}

TEST(HttpClient, ThroughAProxyAsksForTheAbsoluteAddress) {
  ClientRig rig;
  rig.client.SetProxy("proxy.local", 3128);
  for (int i = 0; i < 2; ++i) rig.network.attempts.push_back(Answering({"HTTP/1.0 200 OK\r\n"}));
  rig.Get("www.example.com", "/search?q=a b", true);
  rig.Get("www.example.com", "page.html");
  ASSERT_EQ(rig.network.requests.size(), 2u);
  EXPECT_EQ(rig.network.requests[0],
            "POST http://www.example.com/search?q=a b HTTP/1.0\r\nFrom: user@domain\r\n"
            "Host: www.example.com\r\nUser-Agent: Agent/1.0\r\n\r\n");
  EXPECT_EQ(rig.network.requests[1].substr(0, 50),
            "GET http://www.example.com/page.html HTTP/1.0\r\nFro");
  EXPECT_EQ(rig.network.hostsSet.back(), "proxy.local");
  EXPECT_EQ(rig.network.portsSet.back(), 3128);
}

TEST(HttpClient, EmptyOrUnknownHostsLeaveTheBusyDepthAsItWas) {
  ClientRig rig;
  rig.client.SetBusyPointer(true);
  rig.Get("", "/");
  EXPECT_EQ(rig.response, "");
  EXPECT_FALSE(rig.completed);
  EXPECT_EQ(rig.failure, FetchFailure::NoHost);
  EXPECT_EQ(rig.dialogs.busyCalls, 1);  // no busy pointer at all for an empty host
  EXPECT_EQ(rig.network.connects, 0);

  rig.network.unknownHosts = {"nowhere.invalid"};
  rig.Get("nowhere.invalid", "/");
  EXPECT_FALSE(rig.completed);
  EXPECT_EQ(rig.failure, FetchFailure::HostUnknown);
  EXPECT_TRUE(rig.dialogs.messages.empty());
  EXPECT_EQ(rig.state.busyDepth, 1);
  EXPECT_TRUE(rig.state.TransferAborted);  // the host-not-found notification
  EXPECT_FALSE(rig.state.SocketFailed);

  rig.Get("nowhere.invalid", "/", false, {}, /*silent=*/false);
  ASSERT_EQ(rig.dialogs.messages.size(), 1u);
  EXPECT_EQ(rig.dialogs.messages[0].text, "The specified host is unknown");
  EXPECT_EQ(rig.dialogs.messages[0].title, "Kestrova");
  EXPECT_EQ(rig.state.busyDepth, 1);

  // A host with a control character would corrupt the Host line: refused unseen.
  rig.Get("www.example.com\r\nX-Evil: 1", "/");
  EXPECT_FALSE(rig.completed);
  EXPECT_EQ(rig.network.connects, 0);
  EXPECT_TRUE(rig.network.requests.empty());
}

TEST(HttpClient, StopsAtASecondStatusLine) {
  ClientRig rig;
  rig.network.attempts.push_back(Answering(
      {"HTTP/1.0 200 OK\r\n\r\nfirst", "<p>more</p>", "HTTP/1.0 200 OK\r\n\r\nsecond", "tail"},
      ScriptedAttempt::Ending::Silence));
  rig.Get("h", "/");
  EXPECT_TRUE(rig.completed);
  EXPECT_EQ(rig.response, "HTTP/1.0 200 OK\r\n\r\nfirst<p>more</p>");

  // A status line in the middle of a piece is just text; HEAD never checks.
  rig.network.attempts.push_back(Answering({"HTTP/1.0 200 OK\r\n", "x HTTP/1.0", "HTTP/1.1 x"}));
  rig.Head("h", "/");
  EXPECT_TRUE(rig.completed);
  EXPECT_EQ(rig.response, "HTTP/1.0 200 OK\r\nx HTTP/1.0HTTP/1.1 x");
}

TEST(HttpClient, TimeOutsGetOneFreshSecondAttempt) {
  ClientRig rig;
  rig.network.attempts.push_back(
      Answering({"HTTP/1.0 200 OK\r\n\r\npartial"}, ScriptedAttempt::Ending::TimeOut));
  rig.network.attempts.push_back(Answering({"HTTP/1.0 200 OK\r\n\r\nwhole page"}));
  rig.Get("h", "/");
  EXPECT_TRUE(rig.completed);
  EXPECT_EQ(rig.response, "HTTP/1.0 200 OK\r\n\r\nwhole page");
  EXPECT_FALSE(rig.state.TimedOut);
  EXPECT_EQ(rig.network.requests.size(), 2u);

  rig.network.attempts.push_back(Answering({"HTTP/1.0 200"}, ScriptedAttempt::Ending::TimeOut));
  rig.network.attempts.push_back(Answering({"HTTP/1.0 200"}, ScriptedAttempt::Ending::TimeOut));
  rig.network.attempts.push_back(Answering({"never asked for"}));
  rig.Get("h", "/");
  EXPECT_FALSE(rig.completed);
  EXPECT_EQ(rig.failure, FetchFailure::TimedOut);
  EXPECT_EQ(rig.response, "");
  EXPECT_TRUE(rig.state.TimedOut);
  // Cleared at the top of the attempt that was not run.
  EXPECT_FALSE(rig.state.TransferAborted);
  EXPECT_FALSE(rig.state.FailedAfterTimeout);
  EXPECT_EQ(rig.network.attempts.size(), 1u);
  EXPECT_EQ(rig.state.busyDepth, 0);

  // A connect that times out is reported, not retried.
  ScriptedAttempt slowConnect;
  slowConnect.connectTimesOut = true;
  rig.network.attempts.push_front(slowConnect);
  rig.Get("h", "/", false, {}, /*silent=*/false);
  EXPECT_FALSE(rig.completed);
  ASSERT_EQ(rig.dialogs.messages.size(), 1u);
  EXPECT_EQ(rig.dialogs.messages[0].text, "Unable to connect to remote server, error 24060");
  EXPECT_TRUE(rig.state.FailedAfterTimeout);
  EXPECT_TRUE(rig.state.TransferAborted);
  EXPECT_EQ(rig.state.busyDepth, 0);
}

TEST(HttpClient, ResetDuringConnectMakesANewConnectionAndTriesAgain) {
  ClientRig rig;
  ScriptedAttempt reset;
  reset.connectError = kErrorConnectionReset;
  rig.network.attempts.push_back(reset);
  rig.network.attempts.push_back(Answering({"HTTP/1.0 200 OK\r\n\r\nok"}));
  rig.Get("h", "/", false, {}, /*silent=*/false);
  EXPECT_TRUE(rig.completed);
  EXPECT_EQ(rig.response, "HTTP/1.0 200 OK\r\n\r\nok");
  EXPECT_EQ(rig.client.ConnectionResets(), 1);
  EXPECT_EQ(rig.network.connectionsMade, 2);
  EXPECT_TRUE(rig.dialogs.messages.empty());

  // Refused twice: both attempts used up, quietly, nothing completed.
  rig.network.attempts.clear();
  rig.Get("h", "/", false, {}, /*silent=*/false);
  EXPECT_FALSE(rig.completed);
  EXPECT_EQ(rig.failure, FetchFailure::CannotConnect);
  EXPECT_EQ(rig.client.ConnectionResets(), 3);
  EXPECT_TRUE(rig.dialogs.messages.empty());
  EXPECT_EQ(rig.state.busyDepth, 0);
}

TEST(HttpClient, APassedDeadlineStartsNoAttemptAndEndsTheWaitAsATimeOut) {
  ClientRig rig;
  FetchOptions late;
  late.deadline = std::chrono::steady_clock::now() - std::chrono::seconds(1);
  rig.Head("h", "/", late);
  EXPECT_FALSE(rig.completed);
  EXPECT_EQ(rig.failure, FetchFailure::DeadlinePassed);
  EXPECT_TRUE(rig.state.TimedOut);
  EXPECT_FALSE(rig.state.TransferAborted);  // the walk may go on with its next page
  EXPECT_EQ(rig.network.connects, 0);

  // A deadline that comes while the answer arrives cuts it and leaves no
  // second attempt: the answer so far is dropped as after a time-out.
  FetchOptions soon;
  soon.deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(50);
  rig.network.attempts.push_back(
      Answering({"HTTP/1.0 302 Found\r\n"}, ScriptedAttempt::Ending::Silence));
  rig.network.attempts.push_back(Answering({"never asked for"}));
  rig.network.beforeRead = [](int) { std::this_thread::sleep_for(std::chrono::milliseconds(20)); };
  rig.Head("h", "/", soon);
  EXPECT_FALSE(rig.completed);
  EXPECT_EQ(rig.failure, FetchFailure::DeadlinePassed);
  EXPECT_EQ(rig.response, "");
  EXPECT_EQ(rig.network.connects, 1);
  EXPECT_EQ(rig.network.attempts.size(), 1u);
  EXPECT_GE(rig.network.cancels, 1);
}

TEST(HttpClient, StopDuringAReadKeepsWhatCameAndIsNotCompleted) {
  ClientRig rig;
  rig.network.attempts.push_back(
      Answering({"HTTP/1.0 200 OK\r\n", "one", "two", "three"}, ScriptedAttempt::Ending::Silence));
  rig.network.beforeRead = [&](int readIndex) {
    if (readIndex == 2) rig.client.Stop();
  };
  rig.Get("h", "/");
  EXPECT_FALSE(rig.completed);
  EXPECT_EQ(rig.failure, FetchFailure::Stopped);
  EXPECT_EQ(rig.response, "HTTP/1.0 200 OK\r\nonetwo");
  EXPECT_TRUE(rig.state.StopRequested && rig.state.TransferAborted);
  EXPECT_EQ(rig.network.cancels, 1);
  EXPECT_EQ(rig.state.busyDepth, 0);

  // HEAD looks at Stop before reading too: nothing is read after it.
  rig.network.beforeRead = {};
  rig.network.attempts.push_back(Answering({"HTTP/1.0 200 OK\r\n"}));
  rig.dialogs.onYield = [&] { rig.client.Stop(); };
  rig.Head("h", "/");
  EXPECT_FALSE(rig.completed);
  EXPECT_EQ(rig.response, "");
}

TEST(HttpClient, AResetWhileReadingOrAFailedWriteIsNoAnswer) {
  ClientRig rig;
  rig.network.attempts.push_back(
      Answering({"HTTP/1.0 200 OK\r\n\r\nhalf"}, ScriptedAttempt::Ending::Reset));
  rig.Get("h", "/");
  EXPECT_FALSE(rig.completed);
  EXPECT_EQ(rig.failure, FetchFailure::ConnectionBroken);
  EXPECT_EQ(rig.response, "HTTP/1.0 200 OK\r\n\r\nhalf");
  EXPECT_TRUE(rig.state.SocketFailed && rig.state.TransferAborted);

  ScriptedAttempt broken;
  broken.writeFails = true;
  rig.network.attempts.push_back(broken);
  rig.Get("h", "/", false, {}, /*silent=*/false);
  EXPECT_FALSE(rig.completed);
  EXPECT_EQ(rig.failure, FetchFailure::CannotQuery);
  ASSERT_EQ(rig.dialogs.messages.size(), 1u);
  EXPECT_EQ(rig.dialogs.messages[0].text, "Unable to query remote server");
  EXPECT_EQ(rig.state.busyDepth, 0);
}

TEST(HttpClient, SaveFileGetsCompleteLinesEndedByCrLf) {
  test::TempFolder dir("kestrova_http_");
  std::string path = dir / "answer.txt";
  ASSERT_TRUE(WriteFileAtomically(path, "old content that must go"));

  ClientRig rig;
  rig.network.attempts.push_back(Answering({"a\r", "\nb"}));
  rig.Get("h", "/", false, path);
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, "a\r\r\nb\r\n");
  EXPECT_EQ(rig.response, "");
  EXPECT_TRUE(rig.completed);

  // Lines already complete are written as they come; a line ending the
  // answer with its LF leaves no empty extra line.
  rig.network.attempts.push_back(Answering({"one\ntw", "o\n", "\nthree\n"}));
  rig.Get("h", "/", false, path);
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, "one\r\ntwo\r\n\r\nthree\r\n");

  // The first attempt's file is started anew by the second.
  rig.network.attempts.push_back(Answering({"lost\n"}, ScriptedAttempt::Ending::TimeOut));
  rig.network.attempts.push_back(Answering({"kept\n"}));
  rig.Get("h", "/", false, path);
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, "kept\r\n");

  // A file that cannot be made fails the fetch.
  rig.network.attempts.push_back(Answering({"x\n"}));
  rig.Get("h", "/", false, dir / "missing/f.txt");
  EXPECT_FALSE(rig.completed);
  EXPECT_EQ(rig.failure, FetchFailure::CannotSave);
}

}  // namespace
}  // namespace kestrova
