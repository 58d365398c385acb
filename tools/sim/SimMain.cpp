// kestrova-sim: serves every catalogue engine (and a front page for any other
// host) on a loopback port, for the demo, the end-to-end tests and benchmarks.
#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdio>
#include <iostream>

#include "base/Files.h"
#include "base/ProductInfo.h"
#include "engines/EngineCatalogue.h"
#include "engines/UserEnginesFile.h"
#include "sim/FrontPage.h"
#include "sim/Responder.h"
#include "sim/Scenario.h"
#include "sim/SimServer.h"
#include "sim/SimTls.h"

namespace {

kestrova::sim::SimServer* runningServer = nullptr;

void StopOnSignal(int) {
  if (runningServer != nullptr) runningServer->Stop();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kestrova;
  CLI::App app{
      "kestrova-sim: a local HTTP/1.0 simulator of every catalogue search engine.\n"
      "Use it as the HTTP proxy (or send requests with a Host header) on 127.0.0.1.\n"
      "Without --scenario the demo world is served: the domain www.kestrova-demo.com\n"
      "is found for \"rank checker\" (page 1), \"website ranking\" (page 2) and\n"
      "\"search engine position\" (page 3), not for \"site promotion\"; Yahoo has no\n"
      "results and HotBot never answers.",
      "kestrova-sim"};
  app.set_version_flag("--version", std::string("kestrova-sim ") + kestrova::kProductVersionText);
  int port = 8080;
  std::string portFile;
  std::string scenarioFile;
  std::string frontPageFile;
  std::string enginesFile, tlsCertificate, tlsKey;
  bool quiet = false;
  bool printDemo = false;
  sim::ServerLimits limits;
  long stallMs = static_cast<long>(limits.writeStall.count());
  app.add_option("--port", port,
                 "TCP port on 127.0.0.1; 0 picks a free port and prints it "
                 "as the first line of standard output")
      ->check(CLI::Range(0, 65535))
      ->capture_default_str();
  app.add_option("--port-file", portFile, "Also write the port number to this file");
  app.add_option("--scenario", scenarioFile,
                 "JSON file placing domains, making keywords return no results and injecting "
                 "faults (see docs/simulator.md); default: the built-in demo");
  app.add_option("--front-page", frontPageFile,
                 "HTML served for every host that is not a catalogue engine; default: a "
                 "built-in sample page");
  app.add_option("--engines", enginesFile,
                 "An engines file (as kestrova's engines.json): its engines are served too, "
                 "each with a modern page its result rule reads");
  auto* certificate = app.add_option("--tls-cert", tlsCertificate,
                                     "PEM certificate: answer CONNECT and serve TLS inside the "
                                     "tunnel for every host");
  auto* key = app.add_option("--tls-key", tlsKey, "The certificate's PEM key");
  certificate->needs(key);
  key->needs(certificate);
  app.add_option("--max-connections", limits.maxConnections,
                 "Connections served at once; more wait until one ends")
      ->check(CLI::Range(1, 100000))
      ->capture_default_str();
  app.add_option("--stall-ms", stallMs,
                 "Drop a client that takes no byte of its answer for this many milliseconds")
      ->check(CLI::Range(1L, 86400000L))
      ->capture_default_str();
  app.add_flag("--quiet", quiet, "Do not log requests to standard error");
  app.add_flag("--print-demo-scenario", printDemo,
               "Print the built-in demo scenario as JSON and exit");
  CLI11_PARSE(app, argc, argv);

  sim::Scenario scenario = sim::DemoScenario();
  if (printDemo) {
    std::cout << sim::ScenarioToJson(scenario);
    return 0;
  }
  if (!scenarioFile.empty()) {
    std::string text;
    if (const Status read = ReadWholeFile(scenarioFile, text); !read) {
      std::cerr << "kestrova-sim: " << read.message() << "\n";
      return 1;
    }
    sim::ScenarioLoad load = sim::ParseScenario(text);
    if (!load.scenario) {
      std::cerr << "kestrova-sim: " << scenarioFile << ": " << load.error << "\n";
      return 1;
    }
    scenario = std::move(*load.scenario);
  }
  std::string frontPage = sim::SampleFrontPage();
  if (!frontPageFile.empty()) {
    if (const Status read = ReadWholeFile(frontPageFile, frontPage); !read) {
      std::cerr << "kestrova-sim: " << read.message() << "\n";
      return 1;
    }
  }

  EngineCatalogue catalogue = Catalogue();
  if (!enginesFile.empty()) {
    std::string text;
    if (const Status read = ReadWholeFile(enginesFile, text); !read) {
      std::cerr << "kestrova-sim: cannot read " << enginesFile << ": " << read.message() << "\n";
      return 1;
    }
    CatalogueLoad load = CatalogueWithUserEngines(text);
    if (!load.problems.empty()) {
      for (const std::string& problem : load.problems)
        std::cerr << "kestrova-sim: " << enginesFile << ": " << problem << "\n";
      return 1;
    }
    catalogue = std::move(load.catalogue);
  }

  sim::Responder responder(catalogue, std::move(scenario), std::move(frontPage));
  for (const std::string& name : responder.UnmatchedUserEngines()) {
    std::cerr << "kestrova-sim: engine \"" << name
              << "\": its result_links selects the links of none of the simulator's page shapes\n";
  }
  std::function<void(const std::string&)> log;
  if (!quiet) log = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
  limits.writeStall = std::chrono::milliseconds(stallMs);
  sim::SimServer server(responder, log, limits);
  std::string error;
  sim::TlsTunnels tunnels(responder, log);
  if (!tlsCertificate.empty()) {
    if (!tunnels.Load(tlsCertificate, tlsKey, error)) {
      std::cerr << "kestrova-sim: " << error << "\n";
      return 1;
    }
    server.SetTunnelHandler(
        [&tunnels](int fd, const std::string& head) { tunnels.Serve(fd, head); });
  }
  if (!server.Listen(port, error)) {
    std::cerr << "kestrova-sim: " << error << "\n";
    return 1;
  }
  if (port == 0) std::cout << server.Port() << std::endl;
  if (!portFile.empty()) {
    if (const Status written = WriteFileAtomically(portFile, std::to_string(server.Port()) + "\n");
        !written) {
      std::cerr << "kestrova-sim: " << written.message() << "\n";
      return 1;
    }
  }
  if (!quiet) std::fprintf(stderr, "kestrova-sim: serving on 127.0.0.1:%d\n", server.Port());

  runningServer = &server;
  std::signal(SIGINT, StopOnSignal);
  std::signal(SIGTERM, StopOnSignal);
  std::signal(SIGPIPE, SIG_IGN);
  server.Run();
  runningServer = nullptr;
  return 0;
}
