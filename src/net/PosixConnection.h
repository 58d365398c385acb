// The connection over a real TCP socket: non-blocking connect, send and receive
// with poll, every wait cut into short slices so the window stays live and a
// time-out or a Stop is noticed promptly.
#pragma once

#include <sys/socket.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "net/Connection.h"

namespace kestrova {

// Where to really dial for a host name: lets tests send any host to a local
// server while the request bytes stay those of a direct request. A port of 0
// keeps the port the client asked for.
struct DialTarget {
  std::string address;  // numeric IPv4 or IPv6 address
  std::uint16_t port = 0;
};
using Dialer = std::function<std::optional<DialTarget>(std::string_view host)>;

// In force until someone sets another time-out.
inline constexpr std::chrono::milliseconds kInitialConnectionTimeout{30000};

class PosixConnection : public Connection {
 public:
  explicit PosixConnection(Dialer dialer = {},
                           std::chrono::milliseconds timeout = kInitialConnectionTimeout);
  ~PosixConnection() override;
  PosixConnection(const PosixConnection&) = delete;
  PosixConnection& operator=(const PosixConnection&) = delete;

  void SetEvents(ConnectionEvents events) override { events_ = std::move(events); }
  void SetTimeout(std::chrono::milliseconds timeout) override { timeout_ = timeout; }
  std::chrono::milliseconds Timeout() const override { return timeout_; }

  bool IsConnected() const override { return fd_ >= 0 && connected_; }
  bool SetRemoteHost(std::string_view host, HostKind kind) override;
  void SetRemotePort(int port) override { port_ = port; }
  int Connect() override;
  int Write(std::string_view data) override;
  int Read(std::string& chunk, int maxBytes) override;
  bool PeerClosed() const override { return peerClosed_; }
  void Disconnect() override;
  void Cancel() override { cancelled_ = true; }
  int LastError() const override { return lastError_; }

 private:
  using Clock = std::chrono::steady_clock;
  enum class WaitResult { Ready, TimedOut, Cancelled };

  WaitResult WaitFor(short events, Clock::time_point deadline);
  Clock::time_point ReadDeadline() const;
  void RaiseTimeout();
  void RaiseError(int code);
  void CloseSocket();
  int TakePending(std::string& chunk, int maxBytes);

  Dialer dialer_;
  std::chrono::milliseconds timeout_;
  ConnectionEvents events_;
  sockaddr_storage address_{};
  socklen_t addressLength_ = 0;
  int port_ = 80;
  int dialPort_ = 0;  // from the dialer; 0 = use port_
  int fd_ = -1;
  bool connected_ = false;
  bool peerClosed_ = false;
  bool cancelled_ = false;
  bool readTimedOut_ = false;
  int lastError_ = 0;
  std::string pending_;  // received but not yet handed out
  std::size_t pendingAt_ = 0;
  Clock::time_point lastActivity_{};
  Clock::time_point answerStart_{};
};

}  // namespace kestrova
