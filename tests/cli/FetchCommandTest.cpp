#include <gtest/gtest.h>

#include "cli/CliTestSupport.h"
#include "support/ScriptedServer.h"

namespace kestrova {
namespace {

using test::RunCliCommand;
using test::ScriptedServer;
using test::ServerScenario;

TEST(FetchCommand, PrintsTheAnswerBytesAndTheOutcome) {
  const std::string answer = "HTTP/1.0 200 OK\r\nX: \x01\xff\r\n\r\nbody\r\n";
  ScriptedServer proxy({ServerScenario::Answer("raw bytes", answer)});
  std::string via = "127.0.0.1:" + std::to_string(proxy.Port());

  auto result = RunCliCommand({"fetch", "--host", "www.example.com", "--path", "/q?x=1", "--post",
                               "--proxy", via, "--user-agent", "UA", "--timeout", "5"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out, answer);
  EXPECT_EQ(result.err, "completed: yes\n");
  ASSERT_EQ(proxy.Requests().size(), 1u);
  EXPECT_EQ(proxy.Requests()[0],
            "POST http://www.example.com/q?x=1 HTTP/1.0\r\nFrom: user@domain\r\n"
            "Host: www.example.com\r\nUser-Agent: UA\r\n\r\n");

  result = RunCliCommand({"fetch", "--host", "www.example.com", "--head", "--proxy", via});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(proxy.Requests().back().substr(0, 38), "HEAD http://www.example.com/ HTTP/1.0\r");
}

TEST(FetchCommand, TimeOutsAndBadArgumentsFail) {
  ScriptedServer proxy(
      {ServerScenario::Answer("silence", "").EndWith(ServerScenario::Ending::Silence)});
  std::string via = "127.0.0.1:" + std::to_string(proxy.Port());
  auto result =
      RunCliCommand({"fetch", "--host", "www.example.com", "--proxy", via, "--timeout", "0.1"});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "completed: no TimedOut\n");

  for (const auto& bad :
       std::vector<std::vector<std::string>>{{"fetch", "--host", "h", "--proxy", "nohost"},
                                             {"fetch", "--host", "h", "--proxy", "p:70000"},
                                             {"fetch", "--host", "h", "--timeout", "0"},
                                             {"fetch", "--path", "/"}}) {
    result = RunCliCommand(bad);
    EXPECT_EQ(result.code, 2) << bad.back();
    EXPECT_EQ(result.out, "");
  }

  // An empty host is no request at all.
  result = RunCliCommand({"fetch", "--host", ""});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.err, "completed: no\n");
}

}  // namespace
}  // namespace kestrova
