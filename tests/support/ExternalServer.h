// Starts a third-party server program (nginx, an HTTP proxy, the simulator) as
// a child process with its own temporary configuration, waits until its
// loopback port answers, and stops it again when the object goes away.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace kestrova::test {

// The first of the candidate paths that is an executable file; empty if none.
std::string FindProgram(std::initializer_list<const char*> candidates);
// A loopback port that was free a moment ago (for programs that cannot listen
// on port 0 and tell which port they got; another process may take it first).
std::uint16_t FreeLoopbackPort();
// Writes a text file; false on failure.
bool WriteTextFile(const std::string& path, const std::string& text);

class ExternalServer {
 public:
  ExternalServer() = default;
  ~ExternalServer();
  ExternalServer(const ExternalServer&) = delete;
  ExternalServer& operator=(const ExternalServer&) = delete;

  // Runs `argv` (program path first) with its output sent to `logPath` and
  // waits up to `patience` for 127.0.0.1:`port` to accept a connection.
  bool Start(const std::vector<std::string>& argv, std::uint16_t port, const std::string& logPath,
             std::chrono::milliseconds patience = std::chrono::seconds(10));
  // Runs `argv` for a program that listens on a port of its own choosing and
  // writes its number to `portFile` once it listens; waits up to `patience`
  // for that port to accept a connection. Returns the port, 0 on failure.
  std::uint16_t StartOnReportedPort(const std::vector<std::string>& argv,
                                    const std::string& portFile, const std::string& logPath,
                                    std::chrono::milliseconds patience = std::chrono::seconds(10));
  void Stop();

 private:
  bool Spawn(const std::vector<std::string>& argv, const std::string& logPath);
  // Waits for `port()` to name a port that answers; 0 when the time is up or the
  // program ended.
  template <class PortOf>
  std::uint16_t AwaitPort(PortOf port, std::chrono::milliseconds patience);

  pid_t pid_ = -1;
};

}  // namespace kestrova::test
