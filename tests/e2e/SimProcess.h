// A kestrova-sim process for end-to-end tests: started on a free loopback port
// with a scenario file (none: the built-in demo) and any further options,
// stopped when the object goes.
#pragma once

#include <cstdio>
#include <string>

#include "support/ExternalServer.h"

namespace kestrova::test {

class SimProcess {
 public:
  explicit SimProcess(const std::string& scenarioJson,
                      const std::vector<std::string>& options = {}) {
    dir_ = MakeTemporaryDirectory("kestrova-e2e-sim-");
    std::vector<std::string> argv = {KESTROVA_SIM_PATH, "--port", std::to_string(port_), "--quiet"};
    argv.insert(argv.end(), options.begin(), options.end());
    if (!scenarioJson.empty() && WriteTextFile(dir_ + "/scenario.json", scenarioJson)) {
      argv.insert(argv.end(), {"--scenario", dir_ + "/scenario.json"});
    }
    if (!server_.Start(argv, port_, dir_ + "/sim.log")) port_ = 0;
  }
  ~SimProcess() {
    server_.Stop();
    std::remove((dir_ + "/scenario.json").c_str());
    std::remove((dir_ + "/sim.log").c_str());
    std::remove(dir_.c_str());
  }

  // 0 when the simulator did not start.
  std::uint16_t Port() const { return port_; }

 private:
  std::uint16_t port_ = FreeLoopbackPort();
  std::string dir_;
  ExternalServer server_;
};

}  // namespace kestrova::test
