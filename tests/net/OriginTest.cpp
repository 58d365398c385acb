#include <gtest/gtest.h>

#include "net/Origin.h"
#include "net/ProxyAddress.h"
#include "net/ProxyTunnel.h"

namespace kestrova {
namespace {

TEST(Origin, ABareHostStaysPlainHttpOnPort80AndOriginsCarrySchemeAndPort) {
  struct Case {
    std::string text;
    bool tls;
    std::string host;
    int port;
    std::string written;  // OriginText
    std::string hostHeader;
  };
  const std::vector<Case> cases = {
      {"www.google.com", false, "www.google.com", 80, "www.google.com", "www.google.com"},
      {"mirror.host:8080", false, "mirror.host:8080", 80, "mirror.host:8080", "mirror.host:8080"},
      {"HTTPS://Search.Test/", true, "Search.Test", 443, "https://Search.Test", "Search.Test"},
      {"https://search.test:8443", true, "search.test", 8443, "https://search.test:8443",
       "search.test:8443"},
      {"http://127.0.0.1:8080", false, "127.0.0.1", 8080, "http://127.0.0.1:8080",
       "127.0.0.1:8080"},
      {"http://plain.test", false, "plain.test", 80, "plain.test", "plain.test"},
      {"https://[::1]:4433", true, "::1", 4433, "https://[::1]:4433", "[::1]:4433"},
  };
  for (const Case& c : cases) {
    const auto origin = ParseOrigin(c.text);
    ASSERT_TRUE(origin) << c.text;
    EXPECT_EQ(origin->tls, c.tls) << c.text;
    EXPECT_EQ(origin->host, c.host) << c.text;
    EXPECT_EQ(origin->port, c.port) << c.text;
    EXPECT_EQ(OriginText(*origin), c.written) << c.text;
    EXPECT_EQ(HostHeaderValue(*origin), c.hostHeader) << c.text;
  }
  for (const char* bad : {"https://", "https://h:0", "https://h:65536", "https://h:", "ftp://h",
                          "https://h/path", "https://[::1", "https://us@er.test"}) {
    EXPECT_FALSE(ParseOrigin(bad)) << bad;
  }
}

TEST(Origin, SplitsAbsoluteUrlsForTheFetchCommand) {
  const auto tls = SplitOriginUrl("https://127.0.0.1:4433/index.html?x=1#top");
  ASSERT_TRUE(tls);
  EXPECT_EQ(tls->origin, "https://127.0.0.1:4433");
  EXPECT_EQ(tls->path, "/index.html?x=1");
  const auto plain = SplitOriginUrl("http://www.example.com");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->origin, "www.example.com");
  EXPECT_EQ(plain->path, "/");
  EXPECT_EQ(SplitOriginUrl("http://h.test?q")->path, "/?q");
  EXPECT_FALSE(SplitOriginUrl("www.example.com/x"));
  EXPECT_FALSE(SplitOriginUrl("gopher://h/"));
}

TEST(ProxyTunnel, AsksForTheTunnelAndReadsTheProxysAnswer) {
  EXPECT_EQ(ConnectRequest("search.test", 443),
            "CONNECT search.test:443 HTTP/1.0\r\nHost: search.test:443\r\n\r\n");
  EXPECT_EQ(ConnectRequest("::1", 8443), "CONNECT [::1]:8443 HTTP/1.0\r\nHost: [::1]:8443\r\n\r\n");

  EXPECT_FALSE(ReadTunnelAnswer("HTTP/1.0 200 Connection established\r\n").complete);
  const TunnelAnswer open = ReadTunnelAnswer("HTTP/1.1 200 OK\r\nVia: p\r\n\r\n\x16\x03");
  EXPECT_TRUE(open.complete);
  EXPECT_TRUE(open.open);
  EXPECT_EQ(open.headLength, 27u);
  const TunnelAnswer refused = ReadTunnelAnswer("HTTP/1.0 403 Forbidden\n\n");
  EXPECT_TRUE(refused.complete);
  EXPECT_FALSE(refused.open);
  EXPECT_EQ(refused.statusLine, "HTTP/1.0 403 Forbidden");
  EXPECT_FALSE(ReadTunnelAnswer("SSH-2.0\r\n\r\n").open);
}

TEST(ProxyAddress, HostAndPortAreBothRequiredAndThePortMustFit) {
  auto ipv6 = ParseProxyAddress("::1:3128");
  ASSERT_TRUE(ipv6) << "the last colon separates the port";
  EXPECT_EQ(ipv6->host, "::1");
  EXPECT_EQ(ipv6->port, 3128);
  for (const char* bad : {"", "host", "host:", ":80", "  :80", "host:0", "host:65536", "host:8o",
                          "host:-1", "host:99999999999999999999"}) {
    EXPECT_FALSE(ParseProxyAddress(bad)) << bad;
  }
  EXPECT_EQ(ParseProxyPort(""), 80);  // an empty settings field means port 80
  EXPECT_FALSE(ParseProxyPort(" 3128")) << "the caller trims the field";
  EXPECT_FALSE(ParseProxyPort("70000"));
}

}  // namespace
}  // namespace kestrova
