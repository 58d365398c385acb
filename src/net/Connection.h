// The TCP connection behind the HTTP client: one remote host and port, a
// time-out per blocking operation, reads of a few bytes at a time, and
// notifications for time-outs and errors. Error codes are the Windows Sockets
// numbers plus 14000 (SocketErrors.h), so stored texts and messages match.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace kestrova {

// Hooks the connection calls while it works; any of them may be empty.
struct ConnectionEvents {
  std::function<void()> onTimeout;        // an operation ran past the time-out
  std::function<void(int code)> onError;  // an error, with its code
  std::function<void()> whileWaiting;     // between slices of a long wait (keeps a window live)
  // A TLS connection could not be set up securely (certificate, handshake,
  // tunnel), with the reason; it is never retried over plain HTTP.
  std::function<void(const std::string& reason)> onTlsError;
};

enum class HostKind { Address, Name };

class Connection {
 public:
  virtual ~Connection() = default;

  virtual void SetEvents(ConnectionEvents events) = 0;
  virtual void SetTimeout(std::chrono::milliseconds timeout) = 0;
  virtual std::chrono::milliseconds Timeout() const = 0;

  virtual bool IsConnected() const = 0;
  // Sets the remote host; a name is resolved now. False (and an error
  // notification) when the host cannot be used.
  virtual bool SetRemoteHost(std::string_view host, HostKind kind) = 0;
  virtual void SetRemotePort(int port) = 0;
  // 0 when connected, otherwise the error code.
  virtual int Connect() = 0;
  // Sends all of `data`; the count sent, or -1 on failure.
  virtual int Write(std::string_view data) = 0;
  // Reads what has arrived, at most `maxBytes`, waiting only a short slice;
  // 0 when nothing came (see PeerClosed and the time-out notification).
  virtual int Read(std::string& chunk, int maxBytes) = 0;
  virtual bool PeerClosed() const = 0;
  virtual void Disconnect() = 0;
  // Gives up the blocking operation in progress (or the next one) at once.
  virtual void Cancel() = 0;
  virtual int LastError() const = 0;
};

// Makes a fresh connection; the client calls it at start and for every reset.
using ConnectionFactory = std::function<std::unique_ptr<Connection>()>;

}  // namespace kestrova
