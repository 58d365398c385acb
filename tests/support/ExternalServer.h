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
// A loopback port that was free a moment ago.
std::uint16_t FreeLoopbackPort();
// A fresh directory under the system's temporary directory.
std::string MakeTemporaryDirectory(const std::string& prefix);
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
  void Stop();

 private:
  pid_t pid_ = -1;
};

}  // namespace kestrova::test
