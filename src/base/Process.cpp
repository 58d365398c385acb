#include "base/Process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace kestrova {
namespace {

// A pipe whose ends close with it; the child's end is given by dup2.
struct Pipe {
  int fds[2] = {-1, -1};
  bool Open() { return ::pipe2(fds, O_CLOEXEC) == 0; }
  void Close(int end) {
    if (fds[end] >= 0) ::close(fds[end]);
    fds[end] = -1;
  }
  ~Pipe() {
    Close(0);
    Close(1);
  }
};

std::string VariableName(const std::string& entry) {
  return entry.substr(0, entry.find('='));
}

// Reads both pipes until the child has closed them, keeping at most the limit
// of each; the rest is drained so the child never blocks on a full pipe.
void DrainOutput(Pipe& out, Pipe& err, ProcessResult& result) {
  pollfd fds[2] = {{out.fds[0], POLLIN, 0}, {err.fds[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open = 2;
  char buffer[4096];
  while (open > 0) {
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        fds[i].fd = -1;
        --open;
        continue;
      }
      const size_t room = kProcessOutputLimit - sinks[i]->size();
      sinks[i]->append(buffer, std::min(room, static_cast<size_t>(n)));
    }
  }
}

}  // namespace

std::vector<std::string> ChildEnvironment(const std::vector<EnvironmentChange>& changes) {
  std::vector<std::string> entries;
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const std::string text = *entry;
    bool changed = false;
    for (const auto& [name, value] : changes) changed = changed || VariableName(text) == name;
    if (!changed) entries.push_back(text);
  }
  for (const auto& [name, value] : changes) {
    if (value) entries.push_back(name + "=" + *value);
  }
  return entries;
}

ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::vector<EnvironmentChange>& environment) {
  ProcessResult result;
  if (argv.empty()) return result;
  Pipe out, err;
  if (!out.Open() || !err.Open()) return result;

  std::vector<std::string> envEntries = ChildEnvironment(environment);
  std::vector<char*> args, envp;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  for (std::string& entry : envEntries) envp.push_back(entry.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out.fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.fds[1], STDERR_FILENO);
  pid_t pid = 0;
  const int spawned = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  out.Close(1);
  err.Close(1);
  if (spawned != 0) return result;

  DrainOutput(out, err, result);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  result.started = true;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

bool ProgramOnPath(const std::string& name) {
  if (name.find('/') != std::string::npos) return ::access(name.c_str(), X_OK) == 0;
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= folders.size()) {
    size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    // An empty entry means the current folder.
    const std::string folder = end > start ? folders.substr(start, end - start) : std::string(".");
    if (::access((folder + "/" + name).c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

std::string CurrentProgramPath() {
  std::string path(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0 || static_cast<size_t>(n) >= path.size()) return "";
  path.resize(static_cast<size_t>(n));
  return path;
}

}  // namespace kestrova
