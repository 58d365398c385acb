// The scripted server's threads: one accepting, one per connection, every wait
// sliced so the destructor can stop them promptly.
#include "support/ScriptedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace kestrova::test {
namespace {

constexpr int kSliceMs = 10;
constexpr std::size_t kMaxRequestBytes = 65536;

bool WaitReady(int fd, short events, int ms) {
  pollfd p{fd, events, 0};
  return ::poll(&p, 1, ms) > 0;
}

void CloseWithReset(int fd) {
  linger hard{1, 0};
  setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
  ::close(fd);
}

}  // namespace

ServerScenario ServerScenario::Answer(std::string name, std::string bytes) {
  ServerScenario scenario;
  scenario.name = std::move(name);
  if (!bytes.empty()) scenario.pieces.push_back({std::move(bytes), {}});
  return scenario;
}

ServerScenario& ServerScenario::Then(std::string bytes, std::chrono::milliseconds pause) {
  pieces.push_back({std::move(bytes), pause});
  return *this;
}

ServerScenario& ServerScenario::EndWith(Ending how, std::chrono::milliseconds every) {
  ending = how;
  if (every.count() > 0) trickleEvery = every;
  return *this;
}

ScriptedServer::ScriptedServer(std::vector<ServerScenario> scenarios)
    : scenarios_(std::move(scenarios)) {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      ::listen(listener_, 8) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    if (listener_ >= 0) ::close(listener_);
    listener_ = -1;
    return;
  }
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

ScriptedServer::~ScriptedServer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  for (std::thread& player : players_) player.join();
  if (listener_ >= 0) ::close(listener_);
}

bool ScriptedServer::WaitUntilAllClosed() const {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (open_ > 0 && std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
  }
  return open_ == 0;
}

std::vector<std::string> ScriptedServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void ScriptedServer::Serve() {
  std::size_t served = 0;
  while (!stop_) {
    if (!WaitReady(listener_, POLLIN, kSliceMs)) continue;
    int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    const ServerScenario scenario =
        scenarios_.empty() ? ServerScenario{} : scenarios_[std::min(served, scenarios_.size() - 1)];
    ++served;
    const int open = ++open_;
    for (int most = mostOpen_; open > most && !mostOpen_.compare_exchange_weak(most, open);) {
    }
    players_.emplace_back([this, client, scenario] {
      Play(client, scenario);
      --open_;
    });
  }
}

void ScriptedServer::Play(int client, const ServerScenario& scenario) {
  auto record = [this, client] {
    std::string request = ReadRequest(client);
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  };
  if (!scenario.speaksFirst) record();
  for (const auto& piece : scenario.pieces) {
    if (!PauseUnlessClientLeaves(client, piece.pauseBefore) || !SendAll(client, piece.bytes)) {
      ::close(client);
      return;
    }
  }
  if (scenario.speaksFirst) record();
  switch (scenario.ending) {
    case ServerScenario::Ending::Close:
      break;
    case ServerScenario::Ending::Reset:
      CloseWithReset(client);
      return;
    case ServerScenario::Ending::Silence:
      PauseUnlessClientLeaves(client, std::chrono::hours(1));
      break;
    case ServerScenario::Ending::EndlessBody: {
      const std::string block(4096, 'x');
      while (SendAll(client, block)) {
      }
      break;
    }
    case ServerScenario::Ending::Trickle:
      while (PauseUnlessClientLeaves(client, scenario.trickleEvery) && SendAll(client, "x")) {
      }
      break;
  }
  ::close(client);
}

bool ScriptedServer::SendAll(int client, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    if (stop_) return false;
    if (!WaitReady(client, POLLOUT, kSliceMs)) continue;
    ssize_t n =
        ::send(client, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) continue;
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

std::string ScriptedServer::ReadRequest(int client) const {
  std::string request;
  auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!stop_ && request.find("\r\n\r\n") == std::string::npos &&
         request.size() < kMaxRequestBytes && std::chrono::steady_clock::now() < giveUp) {
    if (!WaitReady(client, POLLIN, kSliceMs)) continue;
    char buffer[1024];
    ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    request.append(buffer, static_cast<std::size_t>(n));
  }
  return request;
}

// False when the server stops or the client goes away during the pause.
bool ScriptedServer::PauseUnlessClientLeaves(int client, std::chrono::milliseconds howLong) const {
  auto until = std::chrono::steady_clock::now() + howLong;
  while (!stop_ && std::chrono::steady_clock::now() < until) {
    if (!WaitReady(client, POLLIN, kSliceMs)) continue;
    char buffer[256];
    if (::recv(client, buffer, sizeof buffer, MSG_DONTWAIT) <= 0) return false;
  }
  return !stop_;
}

}  // namespace kestrova::test
