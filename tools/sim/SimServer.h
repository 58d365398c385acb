// The simulator's network side: a single-threaded epoll loop on a loopback
// port that reads each request head, asks the Responder, plays the reply script
// (sends, pauses, close or reset) and closes. Memory per connection is bounded
// (long bodies are streamed) and released when the connection ends; the number
// of connections is capped, and a client that stops reading is dropped, so no
// client can make the test world exhaust the machine.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

#include "sim/Responder.h"

namespace kestrova::sim {

struct ServerLimits {
  // Connections served at once; more wait in the listen queue until one ends.
  std::size_t maxConnections = 512;
  // A reply that could not send a byte for this long is given up (reset).
  std::chrono::milliseconds writeStall{30000};
};

class SimServer {
 public:
  // `log` receives one line per request and a line when a limit is met; empty
  // to stay quiet.
  SimServer(const Responder& responder, std::function<void(const std::string&)> log,
            ServerLimits limits = {});
  ~SimServer();
  SimServer(const SimServer&) = delete;
  SimServer& operator=(const SimServer&) = delete;

  // Binds 127.0.0.1:`port` (0 picks a free port). False with a reason on failure.
  bool Listen(int port, std::string& error);
  int Port() const { return port_; }

  // Connections whose request is "CONNECT ..." go to `handler` (which then owns
  // the descriptor) with the request head; without one they get 501.
  void SetTunnelHandler(std::function<void(int fd, const std::string& head)> handler) {
    tunnelHandler_ = std::move(handler);
  }

  // Serves until Stop() is called (from any thread or a signal handler).
  void Run();
  void Stop();

 private:
  struct Loop;
  const Responder& responder_;
  std::function<void(const std::string&)> log_;
  std::function<void(int fd, const std::string& head)> tunnelHandler_;
  ServerLimits limits_;
  int listenFd_ = -1;
  int wakeFd_ = -1;
  int port_ = 0;
};

}  // namespace kestrova::sim
