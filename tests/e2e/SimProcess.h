// A kestrova-sim process for end-to-end tests: started on a free loopback port
// with a scenario file, stopped when the object goes.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kestrova::test {

class SimProcess {
 public:
  // Starts the simulator with `scenarioJson` (empty: the built-in demo).
  explicit SimProcess(const std::string& scenarioJson);
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // 0 when the simulator did not start.
  std::uint16_t Port() const { return port_; }

 private:
  pid_t pid_ = -1;
  std::uint16_t port_ = 0;
  std::string scenarioPath_;
};

}  // namespace kestrova::test
