// The epoll loop. Level-triggered; one map of live connections keyed by a
// serial number (descriptors are reused, serials are not); one heap of timers
// for reply pauses, clients that never finish their request and replies the
// client has stopped taking.
#include "sim/SimServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <queue>
#include <unordered_map>

#include "sim/SimRequest.h"

namespace kestrova::sim {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kLargestRequestHead = 64 * 1024;
constexpr auto kRequestPatience = std::chrono::seconds(30);
constexpr auto kAcceptPause = std::chrono::milliseconds(50);
constexpr std::uint64_t kListenerId = 0;
constexpr std::uint64_t kWakeId = 1;

struct Connection {
  int fd = -1;
  std::string received;
  Reply reply;
  bool replying = false;
  std::size_t step = 0;
  std::size_t sent = 0;  // bytes of the current Send or Repeat step already written
  bool waiting = false;
  Clock::time_point wakeAt;
  bool wantsWrite = false;
  Clock::time_point lastSent;    // when the client last took a byte
  Clock::time_point stallCheck;  // when its write time-out is next looked at
  bool peerDone = false;         // the client sent its end-of-file; stop polling for input
};

enum class AcceptPause { None, Limit, Descriptors };

// The next piece of a Send or Repeat step still to be written.
std::string_view Unsent(const ReplyStep& step, std::size_t sent) {
  if (step.kind == ReplyStep::Kind::Send) return std::string_view(step.bytes).substr(sent);
  if (sent >= step.length) return {};
  const std::size_t offset = sent % step.pattern.size();
  return step.pattern.substr(offset, std::min(step.pattern.size() - offset, step.length - sent));
}

struct Timer {
  Clock::time_point at;
  std::uint64_t id;  // connection serial, or kListenerId to resume accepting
  bool operator>(const Timer& other) const { return at > other.at; }
};

std::string FirstLineOf(std::string_view head) {
  std::string_view line = head.substr(0, head.find_first_of("\r\n"));
  return std::string(line.substr(0, 300));
}

}  // namespace

struct SimServer::Loop {
  explicit Loop(SimServer& owner) : server(owner) {}

  SimServer& server;
  int epollFd = -1;
  std::unordered_map<std::uint64_t, Connection> connections;
  std::priority_queue<Timer, std::vector<Timer>, std::greater<>> timers;
  std::uint64_t nextId = 2;
  AcceptPause acceptPaused = AcceptPause::None;
  bool stopping = false;

  void Log(const std::string& line) const {
    if (server.log_) server.log_(line);
  }

  void PauseAccepting(AcceptPause why) {
    if (acceptPaused != AcceptPause::None) return;
    Watch(server.listenFd_, kListenerId, 0, EPOLL_CTL_MOD);
    acceptPaused = why;
  }
  void ResumeAccepting() {
    if (acceptPaused == AcceptPause::None) return;
    acceptPaused = AcceptPause::None;
    Watch(server.listenFd_, kListenerId, EPOLLIN, EPOLL_CTL_MOD);
  }

  void Watch(int fd, std::uint64_t id, std::uint32_t events, int op) {
    epoll_event event{};
    event.events = events;
    event.data.u64 = id;
    epoll_ctl(epollFd, op, fd, &event);
  }

  void Close(std::uint64_t id, bool reset) {
    auto found = connections.find(id);
    if (found == connections.end()) return;
    int fd = found->second.fd;
    if (reset) {
      linger hardClose{1, 0};
      setsockopt(fd, SOL_SOCKET, SO_LINGER, &hardClose, sizeof hardClose);
    } else {
      // Unread input would turn the close into a reset that could cut the answer.
      char scratch[4096];
      while (recv(fd, scratch, sizeof scratch, MSG_DONTWAIT) > 0) {
      }
      shutdown(fd, SHUT_WR);
    }
    epoll_ctl(epollFd, EPOLL_CTL_DEL, fd, nullptr);
    close(fd);
    connections.erase(found);
    if (acceptPaused == AcceptPause::Limit) ResumeAccepting();
  }

  void Accept() {
    while (true) {
      if (connections.size() >= server.limits_.maxConnections) {
        // The rest wait in the listen queue until a connection ends.
        PauseAccepting(AcceptPause::Limit);
        Log("kestrova-sim: " + std::to_string(connections.size()) +
            " connections, the most served at once; new ones wait");
        return;
      }
      int fd = accept4(server.listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
      if (fd < 0) {
        if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
          // Out of descriptors: stop listening a moment instead of spinning.
          PauseAccepting(AcceptPause::Descriptors);
          timers.push({Clock::now() + kAcceptPause, kListenerId});
        }
        return;
      }
      std::uint64_t id = nextId++;
      connections[id].fd = fd;
      Watch(fd, id, EPOLLIN | EPOLLRDHUP, EPOLL_CTL_ADD);
      timers.push({Clock::now() + kRequestPatience, id});
    }
  }

  void SetWriteInterest(std::uint64_t id, Connection& connection, bool wanted) {
    if (connection.wantsWrite == wanted) return;
    connection.wantsWrite = wanted;
    if (wanted && connection.stallCheck <= Clock::now()) {
      connection.stallCheck = connection.lastSent + server.limits_.writeStall;
      timers.push({connection.stallCheck, id});
    }
    UpdateInterest(id, connection);
  }

  void UpdateInterest(std::uint64_t id, const Connection& connection) {
    std::uint32_t events = connection.peerDone ? 0u : (EPOLLIN | EPOLLRDHUP);
    if (connection.wantsWrite) events |= EPOLLOUT;
    Watch(connection.fd, id, events, EPOLL_CTL_MOD);
  }

  // Plays the reply script as far as it can go without blocking.
  void Advance(std::uint64_t id) {
    auto found = connections.find(id);
    if (found == connections.end()) return;
    Connection& connection = found->second;
    while (connection.step < connection.reply.steps.size()) {
      const ReplyStep& step = connection.reply.steps[connection.step];
      switch (step.kind) {
        case ReplyStep::Kind::Send:
        case ReplyStep::Kind::Repeat: {
          for (std::string_view piece; !(piece = Unsent(step, connection.sent)).empty();) {
            ssize_t count = send(connection.fd, piece.data(), piece.size(), MSG_NOSIGNAL);
            if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
              SetWriteInterest(id, connection, true);
              return;
            }
            if (count < 0) {
              Close(id, false);
              return;
            }
            connection.sent += static_cast<std::size_t>(count);
            connection.lastSent = Clock::now();
          }
          SetWriteInterest(id, connection, false);
          connection.sent = 0;
          ++connection.step;
          break;
        }
        case ReplyStep::Kind::Wait:
          if (!connection.waiting) {
            connection.waiting = true;
            connection.wakeAt = Clock::now() + std::chrono::milliseconds(step.milliseconds);
            timers.push({connection.wakeAt, id});
            return;
          }
          if (Clock::now() < connection.wakeAt) return;
          connection.waiting = false;
          ++connection.step;
          break;
        case ReplyStep::Kind::Close:
        case ReplyStep::Kind::Reset:
          Close(id, step.kind == ReplyStep::Kind::Reset);
          return;
      }
    }
    Close(id, false);
  }

  void Readable(std::uint64_t id) {
    auto found = connections.find(id);
    if (found == connections.end()) return;
    Connection& connection = found->second;
    char buffer[8192];
    ssize_t count = recv(connection.fd, buffer, sizeof buffer, 0);
    if (count < 0) {
      if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) Close(id, false);
      return;
    }
    if (count == 0) {
      if (connection.peerDone) {
        Close(id, false);  // reported again: the peer hung up for good
        return;
      }
      connection.peerDone = true;
      if (!connection.replying && connection.received.empty()) {
        Close(id, false);
        return;
      }
      UpdateInterest(id, connection);
      if (connection.replying) return;  // its script still runs to the end
    } else if (connection.replying) {
      return;  // anything after the request head is ignored
    } else {
      connection.received.append(buffer, static_cast<std::size_t>(count));
    }
    std::size_t headLength = RequestHeadLength(connection.received);
    if (headLength == 0) {
      bool complete = connection.peerDone || connection.received.size() >= kLargestRequestHead;
      if (!complete) return;
      headLength = connection.received.size();
    }
    Respond(id, connection, std::string_view(connection.received).substr(0, headLength));
  }

  // A CONNECT request leaves the loop: the tunnel handler serves the rest.
  void HandOver(std::uint64_t id, Connection& connection, std::string_view head) {
    const int fd = connection.fd;
    const std::string request(head);
    epoll_ctl(epollFd, EPOLL_CTL_DEL, fd, nullptr);
    connections.erase(id);
    server.tunnelHandler_(fd, request);
  }

  void Respond(std::uint64_t id, Connection& connection, std::string_view head) {
    if (server.tunnelHandler_ && head.starts_with("CONNECT "))
      return HandOver(id, connection, head);
    connection.reply = server.responder_.Answer(head);
    connection.replying = true;
    connection.lastSent = Clock::now();
    if (server.log_) {
      std::string status = connection.reply.status != 0 ? std::to_string(connection.reply.status)
                                                        : std::string("---");
      server.log_(FirstLineOf(head) + " -> " + status + " " + connection.reply.note + " (" +
                  std::to_string(connection.reply.BytesSent()) + " bytes)");
    }
    std::string().swap(connection.received);
    Advance(id);
  }

  void FireTimers() {
    Clock::time_point now = Clock::now();
    while (!timers.empty() && timers.top().at <= now) {
      Timer timer = timers.top();
      timers.pop();
      if (timer.id == kListenerId) {
        if (acceptPaused == AcceptPause::Descriptors) ResumeAccepting();
        continue;
      }
      auto found = connections.find(timer.id);
      if (found == connections.end()) continue;
      Connection& connection = found->second;
      if (!connection.replying) {
        Close(timer.id, false);  // never sent a whole request
      } else if (connection.waiting && connection.wakeAt <= now) {
        Advance(timer.id);
      } else if (connection.wantsWrite && connection.stallCheck <= now) {
        if (now - connection.lastSent >= server.limits_.writeStall) {
          Log("kestrova-sim: dropped a client that stopped reading (" + connection.reply.note +
              ")");
          Close(timer.id, true);
        } else {
          connection.stallCheck = connection.lastSent + server.limits_.writeStall;
          timers.push({connection.stallCheck, timer.id});
        }
      }
    }
  }

  int MillisecondsToNextTimer() const {
    if (timers.empty()) return -1;
    auto wait =
        std::chrono::duration_cast<std::chrono::milliseconds>(timers.top().at - Clock::now());
    return wait.count() < 0 ? 0 : static_cast<int>(wait.count()) + 1;
  }

  void Run() {
    epollFd = epoll_create1(EPOLL_CLOEXEC);
    Watch(server.listenFd_, kListenerId, EPOLLIN, EPOLL_CTL_ADD);
    Watch(server.wakeFd_, kWakeId, EPOLLIN, EPOLL_CTL_ADD);
    epoll_event events[256];
    while (!stopping) {
      int count = epoll_wait(epollFd, events, 256, MillisecondsToNextTimer());
      if (count < 0 && errno != EINTR) break;
      for (int i = 0; i < count; ++i) {
        std::uint64_t id = events[i].data.u64;
        if (id == kListenerId) {
          Accept();
        } else if (id == kWakeId) {
          stopping = true;
        } else {
          if (events[i].events & EPOLLOUT) Advance(id);
          if (events[i].events & (EPOLLIN | EPOLLRDHUP | EPOLLHUP | EPOLLERR)) Readable(id);
        }
      }
      FireTimers();
    }
    while (!connections.empty()) Close(connections.begin()->first, false);
    close(epollFd);
  }
};

SimServer::SimServer(const Responder& responder, std::function<void(const std::string&)> log,
                     ServerLimits limits)
    : responder_(responder), log_(std::move(log)), limits_(limits) {
  wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

SimServer::~SimServer() {
  if (listenFd_ >= 0) close(listenFd_);
  if (wakeFd_ >= 0) close(wakeFd_);
}

bool SimServer::Listen(int port, std::string& error) {
  listenFd_ = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (listenFd_ < 0) {
    error = std::string("cannot open a socket: ") + std::strerror(errno);
    return false;
  }
  int yes = 1;
  setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  if (bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listenFd_, 1024) != 0) {
    error = "cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + std::strerror(errno);
    return false;
  }
  socklen_t length = sizeof address;
  getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  return true;
}

void SimServer::Run() {
  Loop loop(*this);
  loop.Run();
}

void SimServer::Stop() {
  std::uint64_t one = 1;
  [[maybe_unused]] ssize_t written = write(wakeFd_, &one, sizeof one);
}

}  // namespace kestrova::sim
