// HTTPS through the client against `openssl s_server` on loopback, with a
// throwaway authority made for the test: what is accepted, what is refused
// and how, and that a refusal never turns into a plain HTTP request.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FetchRig.h"
#include "support/ScriptedServer.h"
#include "support/TestCertificates.h"

namespace kestrova {
namespace {

using test::ScriptedServer;
using test::ServerScenario;

const std::string kPage = "<html><body>over TLS</body></html>\n";

class TlsFetch : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!certificates_.Ready()) GTEST_SKIP() << "the openssl command is not installed";
    test::WriteTextFile(certificates_.Folder() / "page.html", kPage);
  }

  // A web server presenting `certificate` on loopback.
  std::uint16_t Serve(const test::CertificateFiles& certificate) {
    EXPECT_TRUE(server_.Start(certificates_.Folder().path(), certificate));
    return server_.Port();
  }

  // A client with a 5 s time-out over `factory` (the system's resolver by default).
  std::unique_ptr<HttpClient> Client(ConnectionFactory factory = {}, TlsSettings tls = {}) {
    if (!factory) factory = test::RealConnections();
    auto client = std::make_unique<HttpClient>(state_, messenger_, std::move(factory));
    client->SetTimeout(TimeoutFromSeconds(5));
    client->SetTlsSettings(std::move(tls));
    return client;
  }

  void Fetch(HttpClient& client, const std::string& host, bool silent = true) {
    FetchOptions options;
    options.silent = silent;
    const FetchResult result = client.HttpGetPage(host, "/page.html", options);
    response_ = result.answer;
    completed_ = result.completed;
    failure_ = result.failure;
  }

  test::TestCertificates certificates_;
  test::OpenSslWebServer server_;
  NetworkState state_;
  test::ScriptedMessenger messenger_;
  std::string response_;
  bool completed_ = false;
  FetchFailure failure_ = FetchFailure::None;
};

TEST_F(TlsFetch, ReadsThePageFromAServerWhoseCertificateTheCaFileVouchesFor) {
  const std::uint16_t port = Serve(certificates_.Issue("loopback", {"secure.test"}, {"127.0.0.1"}));
  Fetch(*Client({}, {certificates_.CaFile()}), "https://127.0.0.1:" + std::to_string(port));
  EXPECT_TRUE(completed_);
  EXPECT_EQ(response_.rfind("HTTP/1.0 200 ok\r\n", 0), 0u) << response_;
  EXPECT_NE(response_.find(kPage), std::string::npos);
  EXPECT_EQ(state_.TlsError, "");

  // By name: the certificate's DNS name is checked (and sent as SNI).
  Fetch(*Client(test::DialEverythingTo(port), {certificates_.CaFile()}),
        "https://secure.test:" + std::to_string(port));
  EXPECT_TRUE(completed_);
  EXPECT_NE(response_.find(kPage), std::string::npos);
}

TEST_F(TlsFetch, RefusesCertificatesItCannotTrustWithTheReasonAndWithoutRetrying) {
  const std::uint16_t port = Serve(certificates_.Issue("other", {"other.test"}, {"127.0.0.2"}));
  struct Case {
    std::string host;
    TlsSettings settings;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {"https://secure.test:",
       {certificates_.CaFile()},
       "certificate not accepted: hostname mismatch"},
      {"https://127.0.0.1:",
       {certificates_.CaFile()},
       "certificate not accepted: IP address mismatch"},
      {"https://other.test:",
       {},
       "certificate not accepted: unable to get local issuer certificate"},
      {"https://other.test:", {certificates_.Folder() / "missing.pem"}, "cannot read the CA file"},
  };
  for (const Case& c : cases) {
    const auto client = Client(test::DialEverythingTo(port), c.settings);
    messenger_.messages.clear();
    Fetch(*client, c.host + std::to_string(port), false);
    EXPECT_FALSE(completed_) << c.host;
    EXPECT_EQ(response_, "");
    EXPECT_EQ(state_.TlsError.rfind(c.reason, 0), 0u) << state_.TlsError;
    EXPECT_EQ(failure_, FetchFailure::TlsRefused) << c.host;
    EXPECT_EQ(client->ConnectionResets(), 0) << "a certificate failure is not retried";
    ASSERT_EQ(messenger_.messages.size(), 1u);
    EXPECT_EQ(messenger_.messages[0].text, kMessageTlsError + state_.TlsError);
  }
}

TEST_F(TlsFetch, APlainHttpServerOnTheTlsPortIsATlsErrorAndGetsNoRequest) {
  ServerScenario refusal =
      ServerScenario::Answer("400 at once", "HTTP/1.0 400 Bad Request\r\n\r\n");
  refusal.speaksFirst = true;
  ScriptedServer plain({refusal, ServerScenario::Answer("plain", "HTTP/1.0 200 OK\r\n\r\nplain")});
  const auto client = Client(test::DialEverythingTo(plain.Port()));
  Fetch(*client, "https://secure.test");
  EXPECT_FALSE(completed_);
  EXPECT_EQ(response_, "");
  EXPECT_EQ(state_.TlsError.rfind("the handshake failed", 0), 0u) << state_.TlsError;

  // The same client still speaks plain HTTP to a plain host afterwards.
  Fetch(*client, "www.example.com");
  EXPECT_TRUE(completed_);
  EXPECT_EQ(state_.TlsError, "");

  // The refusing connection records what it was sent only when the client leaves,
  // which may be after the plain request: so look at all of them, in any order.
  ASSERT_TRUE(plain.WaitUntilAllClosed());
  std::vector<std::string> asked;
  for (const std::string& request : plain.Requests())
    if (request.find("GET ") != std::string::npos) asked.push_back(request);
  ASSERT_EQ(asked.size(), 1u) << "the secure page is never asked for over plain HTTP";
  EXPECT_EQ(asked[0].rfind("GET /page.html HTTP/1.0\r\n", 0), 0u) << asked[0];
}

TEST_F(TlsFetch, ThroughAProxyItAsksForATunnelAndReportsARefusal) {
  ScriptedServer proxy({ServerScenario::Answer("refuses", "HTTP/1.0 403 Forbidden\r\n\r\n")});
  const auto client = Client();
  client->SetProxy("127.0.0.1", proxy.Port());
  Fetch(*client, "https://secure.test");
  EXPECT_FALSE(completed_);
  EXPECT_EQ(state_.TlsError, "the proxy refused the tunnel (HTTP/1.0 403 Forbidden)");
  ASSERT_EQ(proxy.Requests().size(), 1u);
  EXPECT_EQ(proxy.Requests()[0],
            "CONNECT secure.test:443 HTTP/1.0\r\nHost: secure.test:443\r\n\r\n");
}

TEST_F(TlsFetch, ASilentServerTimesOutTheHandshakeAndStopEndsIt) {
  ScriptedServer silent(
      {ServerScenario::Answer("silence", "").EndWith(ServerScenario::Ending::Silence)});
  const auto client = Client(test::DialEverythingTo(silent.Port()));
  client->SetTimeout(TimeoutFromSeconds(0.2));
  Fetch(*client, "https://secure.test");
  EXPECT_FALSE(completed_);
  EXPECT_TRUE(state_.TimedOut);
  EXPECT_EQ(state_.TlsError, "");

  client->SetTimeout(TimeoutFromSeconds(30));
  int yields = 0;
  messenger_.onYield = [&] {
    if (++yields == 3) client->Stop();
  };
  Fetch(*client, "https://secure.test");
  EXPECT_FALSE(completed_);
  EXPECT_TRUE(state_.StopRequested);
  EXPECT_FALSE(state_.TimedOut);
}

}  // namespace
}  // namespace kestrova
