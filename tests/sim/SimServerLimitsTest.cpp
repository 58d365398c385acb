// The simulator cannot be made to exhaust the machine: long bodies are streamed
// (the same bytes, never held whole), connections past the cap wait their turn,
// and a client that stops reading is dropped.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "engines/EngineCatalogue.h"
#include "engines/QueryPath.h"
#include "sim/SimServer.h"
#include "sim/SimTls.h"

namespace kestrova::sim {
namespace {

constexpr std::size_t kMegabyte = 1024 * 1024;

Scenario OversizeScenario(std::size_t bytes) {
  ScenarioLoad load =
      ParseScenario(R"({"faults": [{"engine": "Google", "kind": "oversize", "bytes": )" +
                    std::to_string(bytes) + "}]}");
  EXPECT_TRUE(load.scenario) << load.error;
  return load.scenario.value_or(Scenario{});
}

int GoogleIndex() {
  return FindEngineIndex("Google");
}

std::string GoogleRequest() {
  const EngineRecord& google = Catalogue().At(static_cast<Integer>(GoogleIndex()));
  QueryRequest query = BuildKeywordQuery(google, "rank checker", 0);
  return "GET http://" + google.Host + query.Path + " HTTP/1.0\r\n\r\n";
}

// A SimServer on its own thread, with the lines it logs at hand.
class RunningServer {
 public:
  RunningServer(const Responder& responder, ServerLimits limits)
      : server_(
            responder, [this](const std::string& line) { Logged(line); }, limits) {
    std::string error;
    EXPECT_TRUE(server_.Listen(0, error)) << error;
    thread_ = std::thread([this] { server_.Run(); });
  }
  ~RunningServer() {
    server_.Stop();
    thread_.join();
  }

  // A connected client socket (receives time out after ten seconds).
  int Connect() const {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(server_.Port()));
    EXPECT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    timeval patience{10, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    return fd;
  }

  // Waits (at most ten seconds) until a logged line holds `text`.
  bool WaitForLog(const std::string& text) {
    std::unique_lock lock(mutex_);
    return logged_.wait_for(lock, std::chrono::seconds(10), [&] {
      for (const std::string& line : lines_) {
        if (line.find(text) != std::string::npos) return true;
      }
      return false;
    });
  }

 private:
  void Logged(const std::string& line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(line);
    logged_.notify_all();
  }

  SimServer server_;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable logged_;
  std::vector<std::string> lines_;
};

void SendText(int fd, const std::string& text) {
  ASSERT_EQ(send(fd, text.data(), text.size(), MSG_NOSIGNAL), static_cast<ssize_t>(text.size()));
}

// Everything until the server closes (or resets) the connection.
std::string ReadToEnd(int fd) {
  std::string bytes;
  char buffer[65536];
  for (ssize_t count; (count = recv(fd, buffer, sizeof buffer, 0)) > 0;) {
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
  return bytes;
}

TEST(SimServerLimits, AnOversizePageIsStreamedAsTheSameBytes) {
  // Twelve clients of a 64 MB page once held over a gigabyte.
  const Responder huge(Catalogue(), OversizeScenario(64 * kMegabyte), "front");
  const Reply reply = huge.Answer(GoogleRequest());
  EXPECT_GE(reply.BytesSent(), 64 * kMegabyte);
  EXPECT_LT(reply.BytesHeld(), kMegabyte);

  const std::size_t size = 3 * kMegabyte + 17;
  const Responder responder(Catalogue(), OversizeScenario(size), "front");
  RunningServer server(responder, {});
  const int client = server.Connect();
  SendText(client, GoogleRequest());
  const std::string answer = ReadToEnd(client);
  close(client);
  const std::size_t bodyAt = answer.find("\r\n\r\n") + 4;
  const std::string page =
      responder.ResultPageHtml(GoogleIndex(), "rank checker", 0, static_cast<long>(size));
  EXPECT_NE(answer.find("\r\nContent-Length: " + std::to_string(page.size()) + "\r\n"),
            std::string::npos);
  EXPECT_GT(page.size(), 3 * kMegabyte);
  EXPECT_TRUE(answer.compare(bodyAt, std::string::npos, page) == 0)
      << "the streamed body is the page the fault always served";
}

TEST(SimServerLimits, AClientThatStopsReadingIsDropped) {
  const Responder responder(Catalogue(), OversizeScenario(64 * kMegabyte), "front");
  ServerLimits limits;
  limits.writeStall = std::chrono::milliseconds(100);
  RunningServer server(responder, limits);
  const int client = server.Connect();
  SendText(client, GoogleRequest());
  // The client reads nothing; the socket buffers fill and the server gives up.
  ASSERT_TRUE(server.WaitForLog("dropped a client that stopped reading"));
  const std::string answer = ReadToEnd(client);
  close(client);
  EXPECT_LT(answer.size(), 64 * kMegabyte) << "the reply was cut off";
}

TEST(SimServerLimits, ConnectionsPastTheCapWaitUntilOneEnds) {
  const Responder responder(Catalogue(), Scenario{}, "<HTML>front</HTML>");
  ServerLimits limits;
  limits.maxConnections = 2;
  RunningServer server(responder, limits);
  // Two clients hold their connections with half a request.
  const int first = server.Connect(), second = server.Connect();
  SendText(first, "GET / HTTP/1.0\r\nHost: www.example.org\r\n");
  SendText(second, "GET / HTTP/1.0\r\n");
  const int third = server.Connect();
  SendText(third, "GET / HTTP/1.0\r\nHost: www.example.org\r\n\r\n");
  ASSERT_TRUE(server.WaitForLog("2 connections, the most served at once"));
  pollfd waiting{third, POLLIN, 0};
  EXPECT_EQ(poll(&waiting, 1, 0), 0) << "the third is not served while two are held";

  SendText(first, "\r\n");
  EXPECT_EQ(ReadToEnd(first).rfind("HTTP/1.0 200 OK\r\n", 0), 0u);
  close(first);
  // The first one's end lets the third in.
  const std::string answer = ReadToEnd(third);
  EXPECT_EQ(answer.rfind("HTTP/1.0 200 OK\r\n", 0), 0u);
  EXPECT_NE(answer.find("<HTML>front</HTML>"), std::string::npos);
  close(third);
  close(second);
}

TEST(SimServerLimits, ACertificateThatDoesNotOpenSaysWhy) {
  const Responder responder(Catalogue(), Scenario{}, "front");
  TlsTunnels tunnels(responder, {});
  std::string error;
  EXPECT_FALSE(tunnels.Load("/nonexistent/cert.pem", "/nonexistent/key.pem", error));
  EXPECT_EQ(error, "cannot use the certificate /nonexistent/cert.pem: No such file or directory");
}

}  // namespace
}  // namespace kestrova::sim
