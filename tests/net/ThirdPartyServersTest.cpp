// The client against Debian's nginx serving files on loopback (reached through
// the dialer, so the request is that of a direct fetch) and tinyproxy
// forwarding to it. Skipped, and saying so, where either program is missing.
#include <gtest/gtest.h>

#include <filesystem>

#include "FetchRig.h"
#include "net/HttpStatus.h"
#include "support/ExternalServer.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

using test::ExternalServer;

const std::string kSmallPage = "<HTML><body>served by nginx</body></HTML>\n";

std::uint16_t StartNginx(ExternalServer& nginx, const std::string& dir) {
  std::filesystem::create_directories(dir + "/www");
  test::WriteTextFile(dir + "/www/index.html", kSmallPage);
  test::WriteTextFile(dir + "/www/big.html", std::string(40000, 'k'));
  const std::uint16_t port = test::FreeLoopbackPort();
  std::string conf = "worker_processes 1;\ndaemon off;\nmaster_process off;\nerror_log " + dir +
                     "/error.log;\npid " + dir +
                     "/nginx.pid;\nevents { worker_connections 64; }\n" +
                     "http {\n  access_log off;\n";
  for (const char* temp : {"client_body", "proxy", "fastcgi", "scgi", "uwsgi"})
    conf += std::string("  ") + temp + "_temp_path " + dir + "/" + temp + ";\n";
  conf += "  server { listen 127.0.0.1:" + std::to_string(port) + "; root " + dir + "/www; }\n}\n";
  test::WriteTextFile(dir + "/nginx.conf", conf);
  const bool started = nginx.Start({test::FindProgram({"/usr/sbin/nginx", "/usr/bin/nginx"}), "-p",
                                    dir, "-c", dir + "/nginx.conf", "-e", dir + "/error.log"},
                                   port, dir + "/nginx.out");
  return started ? port : 0;
}

struct Answer {
  bool completed;
  int status;
  std::string bytes;
};

Answer Fetch(HttpClient& client, std::string_view host, std::string_view path, bool head = false) {
  FetchOptions options;
  options.silent = true;
  FetchResult result =
      head ? client.HttpHeadPage(host, path) : client.HttpGetPage(host, path, options);
  std::string location;
  const int status = GetHttpStatus(result.answer, location);
  return {result.completed, status, std::move(result.answer)};
}

TEST(ThirdPartyServers, NginxAnswersDirectlyAndThroughTinyproxy) {
  if (test::FindProgram({"/usr/sbin/nginx", "/usr/bin/nginx"}).empty())
    GTEST_SKIP() << "nginx is not installed (Debian package nginx-light)";
  test::TempFolder folder("kestrova_nginx_");
  const std::string dir = folder.path();
  ExternalServer nginx;
  const std::uint16_t port = StartNginx(nginx, dir);
  ASSERT_NE(port, 0) << "nginx did not start; see " << dir << "/error.log";

  NetworkState state;
  test::ScriptedMessenger dialogs;
  HttpClient direct(state, dialogs, test::DialEverythingTo(port));
  direct.SetTimeout(TimeoutFromSeconds(5));
  Answer page = Fetch(direct, "www.example.com", "/index.html");
  EXPECT_TRUE(page.completed && page.status == 200);
  EXPECT_TRUE(page.bytes.ends_with("\r\n\r\n" + kSmallPage)) << page.bytes;
  page = Fetch(direct, "www.example.com", "/index.html", /*head=*/true);
  EXPECT_TRUE(page.completed && page.status == 200);
  EXPECT_TRUE(page.bytes.ends_with("\r\n\r\n")) << page.bytes;
  page = Fetch(direct, "www.example.com", "/big.html");
  EXPECT_TRUE(page.completed);
  EXPECT_GT(page.bytes.size(), 32000u);
  EXPECT_LE(page.bytes.size(), 32256u);

  const std::string tinyproxy = test::FindProgram({"/usr/bin/tinyproxy", "/usr/sbin/tinyproxy"});
  if (tinyproxy.empty()) GTEST_SKIP() << "tinyproxy is not installed (Debian package tinyproxy)";
  const std::uint16_t proxyPort = test::FreeLoopbackPort();
  test::WriteTextFile(dir + "/tinyproxy.conf",
                      "Port " + std::to_string(proxyPort) +
                          "\nListen 127.0.0.1\nTimeout 10\nMaxClients 8\nAllow 127.0.0.1\n"
                          "LogFile \"" +
                          dir + "/tinyproxy.log\"\nPidFile \"" + dir + "/tinyproxy.pid\"\n");
  ExternalServer proxy;
  ASSERT_TRUE(proxy.Start({tinyproxy, "-d", "-c", dir + "/tinyproxy.conf"}, proxyPort,
                          dir + "/tinyproxy.out"))
      << "tinyproxy did not start; see " << dir << "/tinyproxy.out";
  // No dialer: the proxy address itself is connected to, and the target's
  // port rides in the host text, which only the proxy reads.
  HttpClient viaProxy(state, dialogs, test::RealConnections());
  viaProxy.SetTimeout(TimeoutFromSeconds(5));
  viaProxy.SetProxy("127.0.0.1", proxyPort);
  page = Fetch(viaProxy, "127.0.0.1:" + std::to_string(port), "index.html");
  EXPECT_TRUE(page.completed && page.status == 200);
  EXPECT_NE(page.bytes.find("tinyproxy"), std::string::npos) << page.bytes;
  EXPECT_TRUE(page.bytes.ends_with(kSmallPage)) << page.bytes;
}

}  // namespace
}  // namespace kestrova
