// The client against Debian's nginx serving files on loopback (reached through
// the dialer, so the request is that of a direct fetch) and tinyproxy
// forwarding to it. Skipped, and saying so, where either program is missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "net/HttpClient.h"
#include "net/HttpStatus.h"
#include "net/PosixConnection.h"
#include "support/ExternalServer.h"
#include "support/ScriptedMessenger.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

using test::ExternalServer;

const std::string kSmallPage = "<HTML><body>served by nginx</body></HTML>\n";

class ThirdPartyServers : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    nginxPath_ = test::FindProgram({"/usr/sbin/nginx", "/usr/bin/nginx"});
    tinyproxyPath_ = test::FindProgram({"/usr/bin/tinyproxy", "/usr/sbin/tinyproxy"});
    if (nginxPath_.empty()) return;
    folder_ = std::make_unique<test::TempFolder>("kestrova_nginx_");
    dir_ = folder_->path();
    std::filesystem::create_directories(dir_ + "/www");
    test::WriteTextFile(dir_ + "/www/index.html", kSmallPage);
    test::WriteTextFile(dir_ + "/www/big.html", std::string(40000, 'k'));

    nginxPort_ = test::FreeLoopbackPort();
    std::string conf =
        "worker_processes 1;\ndaemon off;\nmaster_process off;\n"
        "error_log " +
        dir_ + "/error.log;\npid " + dir_ +
        "/nginx.pid;\n"
        "events { worker_connections 64; }\nhttp {\n  access_log off;\n";
    for (const char* temp : {"client_body", "proxy", "fastcgi", "scgi", "uwsgi"}) {
      conf += std::string("  ") + temp + "_temp_path " + dir_ + "/" + temp + ";\n";
    }
    conf += "  server { listen 127.0.0.1:" + std::to_string(nginxPort_) + "; root " + dir_ +
            "/www; }\n}\n";
    test::WriteTextFile(dir_ + "/nginx.conf", conf);
    nginx_ = std::make_unique<ExternalServer>();
    if (!nginx_->Start(
            {nginxPath_, "-p", dir_, "-c", dir_ + "/nginx.conf", "-e", dir_ + "/error.log"},
            nginxPort_, dir_ + "/nginx.out")) {
      nginx_.reset();
    }

    if (tinyproxyPath_.empty() || !nginx_) return;
    proxyPort_ = test::FreeLoopbackPort();
    test::WriteTextFile(dir_ + "/tinyproxy.conf",
                        "Port " + std::to_string(proxyPort_) +
                            "\nListen 127.0.0.1\nTimeout 10\nMaxClients 8\nAllow 127.0.0.1\n"
                            "LogFile \"" +
                            dir_ + "/tinyproxy.log\"\nPidFile \"" + dir_ + "/tinyproxy.pid\"\n");
    proxy_ = std::make_unique<ExternalServer>();
    if (!proxy_->Start({tinyproxyPath_, "-d", "-c", dir_ + "/tinyproxy.conf"}, proxyPort_,
                       dir_ + "/tinyproxy.out")) {
      proxy_.reset();
    }
  }

  static void TearDownTestSuite() {
    proxy_.reset();
    nginx_.reset();
    folder_.reset();
  }

  void Fetch(HttpClient& client, std::string_view host, std::string_view path, bool head = false) {
    FetchOptions options;
    options.silent = true;
    FetchResult result =
        head ? client.HttpHeadPage(host, path) : client.HttpGetPage(host, path, options);
    response_ = std::move(result.answer);
    completed_ = result.completed;
  }
  int Status() {
    std::string location;
    return GetHttpStatus(response_, location);
  }

  static inline std::string nginxPath_, tinyproxyPath_, dir_;
  static inline std::unique_ptr<test::TempFolder> folder_;
  static inline std::uint16_t nginxPort_ = 0, proxyPort_ = 0;
  static inline std::unique_ptr<ExternalServer> nginx_, proxy_;

  NetworkState state_;
  test::ScriptedMessenger dialogs_;
  std::string response_;
  bool completed_ = false;
};

TEST_F(ThirdPartyServers, NginxAnswersTheDirectRequest) {
  if (nginxPath_.empty()) GTEST_SKIP() << "nginx is not installed (Debian package nginx-light)";
  ASSERT_TRUE(nginx_) << "nginx did not start; see " << dir_ << "/error.log";
  std::uint16_t port = nginxPort_;
  HttpClient client(state_, dialogs_, [port] {
    return std::make_unique<PosixConnection>([port](std::string_view) {
      return DialTarget{"127.0.0.1", port};
    });
  });
  client.SetTimeout(TimeoutFromSeconds(5));

  Fetch(client, "www.example.com", "/index.html");
  EXPECT_TRUE(completed_);
  EXPECT_EQ(Status(), 200);
  EXPECT_TRUE(response_.ends_with("\r\n\r\n" + kSmallPage)) << response_;

  Fetch(client, "www.example.com", "/index.html", /*head=*/true);
  EXPECT_TRUE(completed_);
  EXPECT_EQ(Status(), 200);
  EXPECT_TRUE(response_.ends_with("\r\n\r\n")) << response_;

  Fetch(client, "www.example.com", "/big.html");
  EXPECT_TRUE(completed_);
  EXPECT_GT(response_.size(), 32000u);
  EXPECT_LE(response_.size(), 32256u);
}

TEST_F(ThirdPartyServers, TinyproxyForwardsTheAbsoluteFormToNginx) {
  if (nginxPath_.empty()) GTEST_SKIP() << "nginx is not installed (Debian package nginx-light)";
  if (tinyproxyPath_.empty())
    GTEST_SKIP() << "tinyproxy is not installed (Debian package tinyproxy)";
  ASSERT_TRUE(nginx_) << "nginx did not start; see " << dir_ << "/error.log";
  ASSERT_TRUE(proxy_) << "tinyproxy did not start; see " << dir_ << "/tinyproxy.out";
  HttpClient client(state_, dialogs_, [] { return std::make_unique<PosixConnection>(); });
  client.SetTimeout(TimeoutFromSeconds(5));
  client.SetProxy("127.0.0.1", proxyPort_);

  // The target's port rides in the host text: only the proxy reads it.
  Fetch(client, "127.0.0.1:" + std::to_string(nginxPort_), "index.html");
  EXPECT_TRUE(completed_);
  EXPECT_EQ(Status(), 200);
  EXPECT_NE(response_.find("tinyproxy"), std::string::npos) << response_;
  EXPECT_TRUE(response_.ends_with(kSmallPage)) << response_;
}

}  // namespace
}  // namespace kestrova
