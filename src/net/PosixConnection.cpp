// TCP over POSIX sockets. All waits go through WaitFor, which polls in short
// slices and calls the whileWaiting hook between them.
#include "net/PosixConnection.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "net/SocketErrors.h"

namespace kestrova {
namespace {

constexpr std::chrono::milliseconds kWaitSlice{25};
// A whole answer may take this many time-outs, so a server that trickles a
// byte now and then cannot hold an attempt for hours.
constexpr int kAnswerTimeoutFactor = 4;
constexpr int kMaxReadBytes = 256;
// The socket is drained this much at a time; callers still take the bytes in
// pieces of at most kMaxReadBytes, so one system call serves many pieces.
constexpr std::size_t kSocketReadBytes = 16384;

bool ParseNumericAddress(const std::string& text, sockaddr_storage& out, socklen_t& length) {
  std::memset(&out, 0, sizeof out);
  auto* v4 = reinterpret_cast<sockaddr_in*>(&out);
  // inet_aton also takes a bare number ("2130706433"), as an all-digit host is.
  if (inet_aton(text.c_str(), &v4->sin_addr) != 0) {
    v4->sin_family = AF_INET;
    length = sizeof(sockaddr_in);
    return true;
  }
  auto* v6 = reinterpret_cast<sockaddr_in6*>(&out);
  if (inet_pton(AF_INET6, text.c_str(), &v6->sin6_addr) == 1) {
    v6->sin6_family = AF_INET6;
    length = sizeof(sockaddr_in6);
    return true;
  }
  return false;
}

// Resolves a name, preferring an IPv4 address; 0 or the resolver's error.
int ResolveName(const std::string& name, sockaddr_storage& out, socklen_t& length) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* results = nullptr;
  int rc = getaddrinfo(name.c_str(), nullptr, &hints, &results);
  if (rc != 0) return rc;
  const addrinfo* chosen = results;
  for (const addrinfo* ai = results; ai != nullptr; ai = ai->ai_next) {
    if (ai->ai_family == AF_INET) {
      chosen = ai;
      break;
    }
  }
  if (chosen == nullptr || chosen->ai_addrlen > sizeof out) {
    freeaddrinfo(results);
    return EAI_NONAME;
  }
  std::memset(&out, 0, sizeof out);
  std::memcpy(&out, chosen->ai_addr, chosen->ai_addrlen);
  length = chosen->ai_addrlen;
  freeaddrinfo(results);
  return 0;
}

void SetPort(sockaddr_storage& address, int port) {
  auto networkPort = htons(static_cast<std::uint16_t>(port));
  if (address.ss_family == AF_INET6) {
    reinterpret_cast<sockaddr_in6*>(&address)->sin6_port = networkPort;
  } else {
    reinterpret_cast<sockaddr_in*>(&address)->sin_port = networkPort;
  }
}

}  // namespace

PosixConnection::PosixConnection(Dialer dialer, std::chrono::milliseconds timeout)
    : dialer_(std::move(dialer)), timeout_(timeout) {}

PosixConnection::~PosixConnection() {
  CloseSocket();
}

bool PosixConnection::SetRemoteHost(std::string_view host, HostKind kind) {
  addressLength_ = 0;
  dialPort_ = 0;
  std::string text(host);
  if (text.find('\0') != std::string::npos) text.clear();
  if (dialer_) {
    if (auto target = dialer_(host)) {
      if (!ParseNumericAddress(target->address, address_, addressLength_)) {
        RaiseError(kErrorHostNotFound);
        return false;
      }
      dialPort_ = target->port;
      return true;
    }
  }
  bool ok = false;
  int code = kErrorHostNotFound;
  if (text.empty()) {
    ok = false;
  } else if (kind == HostKind::Address) {
    ok = ParseNumericAddress(text, address_, addressLength_);
  } else {
    int rc = ResolveName(text, address_, addressLength_);
    ok = rc == 0;
    if (!ok) code = SocketErrorFromResolver(rc);
  }
  if (!ok) {
    addressLength_ = 0;
    RaiseError(code);
  }
  return ok;
}

int PosixConnection::Connect() {
  CloseSocket();
  cancelled_ = false;
  if (addressLength_ == 0) {
    lastError_ = kErrorHostNotFound;
    return lastError_;
  }
  SetPort(address_, dialPort_ != 0 ? dialPort_ : port_);
  fd_ = socket(address_.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd_ < 0) {
    int code = SocketErrorFromErrno(errno);
    RaiseError(code);
    return code;
  }
  int rc = ::connect(fd_, reinterpret_cast<const sockaddr*>(&address_), addressLength_);
  if (rc != 0 && errno != EINPROGRESS) {
    int code = SocketErrorFromErrno(errno);
    CloseSocket();
    RaiseError(code);
    return code;
  }
  if (rc != 0) {
    switch (WaitFor(POLLOUT, Clock::now() + timeout_)) {
      case WaitResult::Cancelled:
        CloseSocket();
        lastError_ = kErrorInterrupted;  // a cancel is not reported as an error
        return lastError_;
      case WaitResult::TimedOut:
        CloseSocket();
        RaiseTimeout();
        return kErrorTimedOut;
      case WaitResult::Ready:
        break;
    }
    int socketError = 0;
    socklen_t length = sizeof socketError;
    getsockopt(fd_, SOL_SOCKET, SO_ERROR, &socketError, &length);
    if (socketError != 0) {
      int code = SocketErrorFromErrno(socketError);
      CloseSocket();
      RaiseError(code);
      return code;
    }
  }
  connected_ = true;
  lastActivity_ = answerStart_ = Clock::now();
  return 0;
}

int PosixConnection::Write(std::string_view data) {
  if (!IsConnected()) {
    lastError_ = kErrorNotConnected;
    return -1;
  }
  std::size_t sent = 0;
  auto deadline = Clock::now() + timeout_;
  while (sent < data.size()) {
    ssize_t n = ::send(fd_, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
      RaiseError(SocketErrorFromErrno(errno));
      return -1;
    }
    auto waited = WaitFor(POLLOUT, deadline);
    if (waited == WaitResult::Cancelled) {
      lastError_ = kErrorInterrupted;
      return -1;
    }
    if (waited == WaitResult::TimedOut) {
      RaiseTimeout();
      return -1;
    }
  }
  lastActivity_ = answerStart_ = Clock::now();
  readTimedOut_ = false;
  return static_cast<int>(std::min<std::size_t>(sent, INT32_MAX));
}

PosixConnection::Clock::time_point PosixConnection::ReadDeadline() const {
  return std::min(lastActivity_ + timeout_, answerStart_ + kAnswerTimeoutFactor * timeout_);
}

int PosixConnection::Read(std::string& chunk, int maxBytes) {
  chunk.clear();
  if (!IsConnected() || readTimedOut_ || cancelled_ || maxBytes <= 0) return 0;
  if (pendingAt_ < pending_.size()) return TakePending(chunk, maxBytes);
  if (peerClosed_) return 0;
  auto now = Clock::now();
  auto deadline = ReadDeadline();
  if (now >= deadline) {
    readTimedOut_ = true;
    RaiseTimeout();
    return 0;
  }
  auto wait = std::min<Clock::duration>(kWaitSlice, deadline - now);
  pollfd p{fd_, POLLIN, 0};
  int ready =
      ::poll(&p, 1, static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(wait).count()));
  if (ready <= 0) {
    if (Clock::now() >= deadline) {
      readTimedOut_ = true;
      RaiseTimeout();
    }
    return 0;
  }
  pending_.resize(kSocketReadBytes);
  pendingAt_ = 0;
  ssize_t n = ::recv(fd_, pending_.data(), pending_.size(), 0);
  pending_.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  if (n > 0) {
    lastActivity_ = Clock::now();
    return TakePending(chunk, maxBytes);
  }
  if (n == 0) {
    peerClosed_ = true;
  } else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
    // A reset ends the connection as a close does; the error says how.
    peerClosed_ = true;
    RaiseError(SocketErrorFromErrno(errno));
  }
  return 0;
}

void PosixConnection::Disconnect() {
  CloseSocket();
}

PosixConnection::WaitResult PosixConnection::WaitFor(short events, Clock::time_point deadline) {
  for (;;) {
    if (cancelled_) return WaitResult::Cancelled;
    auto now = Clock::now();
    if (now >= deadline) return WaitResult::TimedOut;
    auto slice = std::min<Clock::duration>(kWaitSlice, deadline - now);
    pollfd p{fd_, events, 0};
    int ready = ::poll(
        &p, 1, static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(slice).count()));
    if (ready > 0) return WaitResult::Ready;
    if (ready < 0 && errno != EINTR) return WaitResult::Ready;  // let the call report it
    if (events_.whileWaiting) events_.whileWaiting();
  }
}

void PosixConnection::RaiseTimeout() {
  lastError_ = kErrorTimedOut;
  if (events_.onTimeout) events_.onTimeout();
  // As the operation then fails, the error follows the time-out.
  if (events_.onError) events_.onError(kErrorTimedOut);
}

void PosixConnection::RaiseError(int code) {
  lastError_ = code;
  if (events_.onError) events_.onError(code);
}

int PosixConnection::TakePending(std::string& chunk, int maxBytes) {
  const std::size_t count =
      std::min({pending_.size() - pendingAt_, static_cast<std::size_t>(maxBytes),
                static_cast<std::size_t>(kMaxReadBytes)});
  chunk.assign(pending_, pendingAt_, count);
  pendingAt_ += count;
  return static_cast<int>(count);
}

void PosixConnection::CloseSocket() {
  pending_.clear();
  pendingAt_ = 0;
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  connected_ = false;
  peerClosed_ = false;
  readTimedOut_ = false;
  cancelled_ = false;
}

}  // namespace kestrova
