// A Connection double driven by a script: each connect takes the next scripted
// attempt (connect result, answer pieces, how the answer ends) and everything
// the client does is recorded, so tests need no socket and no clock.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "net/Connection.h"

namespace kestrova::test {

struct ScriptedAttempt {
  enum class Ending { Close, TimeOut, Reset, Silence };
  int connectError = 0;          // non-zero: the connect fails with this code
  bool connectTimesOut = false;  // the connect runs past the time-out
  bool writeFails = false;
  std::vector<std::string> pieces;  // one per read (longer ones are split at the read size)
  Ending ending = Ending::Close;
};

// Shared by every connection the client makes, so a reset keeps the script going.
class ScriptedNetwork {
 public:
  std::set<std::string> unknownHosts;
  std::deque<ScriptedAttempt> attempts;  // when empty, connects are refused
  // Called before each read with the number of reads so far on this connection.
  std::function<void(int readIndex)> beforeRead;

  // What happened.
  std::vector<std::string> hostsSet;
  std::vector<int> portsSet;
  std::vector<std::string> requests;
  int connectionsMade = 0;
  int connects = 0;
  int cancels = 0;

  ConnectionFactory Factory();
};

class ScriptedConnection : public Connection {
 public:
  explicit ScriptedConnection(ScriptedNetwork& network) : network_(network) {}

  void SetEvents(ConnectionEvents events) override { events_ = std::move(events); }
  void SetTimeout(std::chrono::milliseconds timeout) override { timeout_ = timeout; }
  std::chrono::milliseconds Timeout() const override { return timeout_; }
  bool IsConnected() const override { return connected_; }
  bool SetRemoteHost(std::string_view host, HostKind kind) override;
  void SetRemotePort(int port) override { network_.portsSet.push_back(port); }
  int Connect() override;
  int Write(std::string_view data) override;
  int Read(std::string& chunk, int maxBytes) override;
  bool PeerClosed() const override { return peerClosed_; }
  void Disconnect() override;
  void Cancel() override { ++network_.cancels; }
  int LastError() const override { return lastError_; }

 private:
  void Fail(int code);

  ScriptedNetwork& network_;
  ConnectionEvents events_;
  std::chrono::milliseconds timeout_{30000};
  ScriptedAttempt attempt_;
  std::size_t piece_ = 0;
  std::size_t offset_ = 0;
  int reads_ = 0;
  bool connected_ = false;
  bool peerClosed_ = false;
  int lastError_ = 0;
};

}  // namespace kestrova::test
