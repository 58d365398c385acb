// Starting and stopping the simulator binary; the port comes from the first line
// of its standard output.
#include "SimProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace kestrova::test {

SimProcess::SimProcess(const std::string& scenarioJson) {
  std::vector<std::string> arguments = {KESTROVA_SIM_PATH, "--port", "0", "--quiet"};
  if (!scenarioJson.empty()) {
    char path[] = "/tmp/kestrova-e2e-scenario-XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0) return;
    close(fd);
    scenarioPath_ = path;
    std::ofstream(scenarioPath_) << scenarioJson;
    arguments.push_back("--scenario");
    arguments.push_back(scenarioPath_);
  }
  int output[2];
  if (pipe(output) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(output[1], STDOUT_FILENO);
    close(output[0]);
    close(output[1]);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(output[1]);
  std::string line;
  char c = 0;
  while (read(output[0], &c, 1) == 1 && c != '\n') line += c;
  close(output[0]);
  port_ = static_cast<std::uint16_t>(std::atoi(line.c_str()));
}

SimProcess::~SimProcess() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
  }
  if (!scenarioPath_.empty()) std::remove(scenarioPath_.c_str());
}

}  // namespace kestrova::test
