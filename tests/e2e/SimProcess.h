// A kestrova-sim process for end-to-end tests: started on a port of its own
// choosing (--port 0, reported through --port-file) with a scenario file (none:
// the built-in demo) and any further options, stopped when the object goes.
#pragma once

#include <string>

#include "support/ExternalServer.h"
#include "support/TempFolder.h"

namespace kestrova::test {

class SimProcess {
 public:
  // `options` go to kestrova-sim after its own (--engines FILE, --tls-cert ...).
  explicit SimProcess(const std::string& scenarioJson,
                      const std::vector<std::string>& options = {}) {
    std::vector<std::string> argv = {KESTROVA_SIM_PATH, "--port",          "0",
                                     "--port-file",     dir_ / "sim.port", "--quiet"};
    argv.insert(argv.end(), options.begin(), options.end());
    if (!scenarioJson.empty() && WriteTextFile(dir_ / "scenario.json", scenarioJson)) {
      argv.insert(argv.end(), {"--scenario", dir_ / "scenario.json"});
    }
    port_ = server_.StartOnReportedPort(argv, dir_ / "sim.port", dir_ / "sim.log");
  }

  // 0 when the simulator did not start.
  std::uint16_t Port() const { return port_; }

 private:
  TempFolder dir_{"kestrova-e2e-sim-"};
  ExternalServer server_;  // stopped before the folder goes
  std::uint16_t port_ = 0;
};

}  // namespace kestrova::test
