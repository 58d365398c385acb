// Child processes for third-party servers, started and stopped by their own pid.
#include "support/ExternalServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace kestrova::test {
namespace {

bool PortAnswers(std::uint16_t port) {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

std::string FindProgram(std::initializer_list<const char*> candidates) {
  for (const char* path : candidates) {
    if (::access(path, X_OK) == 0) return path;
  }
  return {};
}

std::uint16_t FreeLoopbackPort() {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  std::uint16_t port = 0;
  if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  if (fd >= 0) ::close(fd);
  return port;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  return static_cast<bool>(file);
}

ExternalServer::~ExternalServer() {
  Stop();
}

bool ExternalServer::Spawn(const std::vector<std::string>& argv, const std::string& logPath) {
  Stop();
  if (argv.empty()) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  std::vector<char*> args;
  for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t pid = -1;
  int rc = posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return false;
  pid_ = pid;
  return true;
}

template <class PortOf>
std::uint16_t ExternalServer::AwaitPort(PortOf port, std::chrono::milliseconds patience) {
  auto giveUp = std::chrono::steady_clock::now() + patience;
  while (std::chrono::steady_clock::now() < giveUp) {
    const std::uint16_t known = port();
    if (known != 0 && PortAnswers(known)) return known;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {  // it gave up already
      pid_ = -1;
      return 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  Stop();
  return 0;
}

bool ExternalServer::Start(const std::vector<std::string>& argv, std::uint16_t port,
                           const std::string& logPath, std::chrono::milliseconds patience) {
  if (port == 0 || !Spawn(argv, logPath)) return false;
  return AwaitPort([port] { return port; }, patience) != 0;
}

std::uint16_t ExternalServer::StartOnReportedPort(const std::vector<std::string>& argv,
                                                  const std::string& portFile,
                                                  const std::string& logPath,
                                                  std::chrono::milliseconds patience) {
  std::remove(portFile.c_str());
  if (!Spawn(argv, logPath)) return 0;
  return AwaitPort(
      [&portFile]() -> std::uint16_t {
        std::ifstream file(portFile);
        long number = 0;
        if (!(file >> number) || number <= 0 || number > 65535) return 0;
        return static_cast<std::uint16_t>(number);
      },
      patience);
}

void ExternalServer::Stop() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = -1;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

}  // namespace kestrova::test
