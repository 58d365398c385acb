// A scripted HTTP server on an ephemeral loopback port, for tests that need a
// real socket. Each connection plays one named scenario (the last one repeats)
// on a thread of its own: answer pieces with pauses between them, then a close,
// a reset, silence, an endless body or a byte now and then. The request bytes
// are recorded, and how many connections are open now and were at most.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kestrova::test {

struct ServerScenario {
  enum class Ending { Close, Reset, Silence, EndlessBody, Trickle };
  struct Piece {
    std::string bytes;
    std::chrono::milliseconds pauseBefore{0};
  };

  std::string name;
  std::vector<Piece> pieces;
  Ending ending = Ending::Close;
  std::chrono::milliseconds trickleEvery{1000};
  // Sends the pieces as soon as the client connects, before reading what it sends
  // (as a server that speaks first, or one that answers anything with an error).
  bool speaksFirst = false;

  // A scenario that sends `bytes` and closes.
  static ServerScenario Answer(std::string name, std::string bytes);
  ServerScenario& Then(std::string bytes, std::chrono::milliseconds pause = {});
  ServerScenario& EndWith(Ending how, std::chrono::milliseconds trickleEvery = {});
};

class ScriptedServer {
 public:
  explicit ScriptedServer(std::vector<ServerScenario> scenarios);
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  std::uint16_t Port() const { return port_; }
  // The request bytes of every connection so far (up to the empty line).
  std::vector<std::string> Requests() const;
  // Connections accepted and not yet over (the client gone, or the scenario done).
  int OpenConnections() const { return open_; }
  int MostOpenAtOnce() const { return mostOpen_; }
  // Waits (a few seconds at most) until no connection is open; false if one still is.
  bool WaitUntilAllClosed() const;

 private:
  void Serve();
  void Play(int client, const ServerScenario& scenario);
  bool SendAll(int client, const std::string& bytes);
  std::string ReadRequest(int client) const;
  bool PauseUnlessClientLeaves(int client, std::chrono::milliseconds howLong) const;

  std::vector<ServerScenario> scenarios_;
  int listener_ = -1;
  std::uint16_t port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::atomic<int> open_{0}, mostOpen_{0};
  std::vector<std::thread> players_;  // one per connection, joined at the end
  std::thread thread_;
};

}  // namespace kestrova::test
