// Keeps two kestrova-cli commands from changing one project at once: each
// works on its own copy, and the later save would silently drop what the
// other did (a rank run's results, keywords added meanwhile). Commands that
// only read take no lock and run beside a change.
#pragma once

#include <iosfwd>
#include <string>

namespace kestrova::cli {

class ProjectLock {
 public:
  ProjectLock() = default;
  ~ProjectLock();
  ProjectLock(const ProjectLock&) = delete;
  ProjectLock& operator=(const ProjectLock&) = delete;

  // Holds `file` against other commands' changes until destroyed (or the
  // process ends, however it ends). False, told on stderr in the name of
  // `command`, when another command holds it. A file that does not open is
  // left to the read that follows, which says why. From here on a closed
  // output pipe no longer ends the process.
  bool Take(const std::string& file, const char* command, std::ostream& err);

 private:
  int fd_ = -1;
};

}  // namespace kestrova::cli
