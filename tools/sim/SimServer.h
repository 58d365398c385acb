// The simulator's network side: a single-threaded epoll loop on a loopback
// port that reads each request head, asks the Responder, plays the reply script
// (sends, pauses, close or reset) and closes. Memory per connection is bounded
// and released when the connection ends.
#pragma once

#include <functional>
#include <string>

#include "sim/Responder.h"

namespace kestrova::sim {

class SimServer {
 public:
  // `log` receives one line per request; empty to stay quiet.
  SimServer(const Responder& responder, std::function<void(const std::string&)> log);
  ~SimServer();
  SimServer(const SimServer&) = delete;
  SimServer& operator=(const SimServer&) = delete;

  // Binds 127.0.0.1:`port` (0 picks a free port). False with a reason on failure.
  bool Listen(int port, std::string& error);
  int Port() const { return port_; }

  // Serves until Stop() is called (from any thread or a signal handler).
  void Run();
  void Stop();

 private:
  struct Loop;
  const Responder& responder_;
  std::function<void(const std::string&)> log_;
  int listenFd_ = -1;
  int wakeFd_ = -1;
  int port_ = 0;
};

}  // namespace kestrova::sim
