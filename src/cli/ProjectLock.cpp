#include "cli/ProjectLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <ostream>

#include "cli/Command.h"

namespace kestrova::cli {

ProjectLock::~ProjectLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool ProjectLock::Take(const std::string& file, const char* command, std::ostream& err) {
  // A reader that goes away (`rank ... 2>&1 | head`) must not end a change
  // half-way, its pages, reports and history ahead of the project: writes to
  // it fail instead, and the command finishes. A command that only prints
  // still ends quietly when its reader has seen enough.
  std::signal(SIGPIPE, SIG_IGN);
  // Non-blocking: opening a pipe must not wait for a writer.
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return true;
  // A save renames a new file over this one once its command is done with
  // it, so the lock of the file as opened is the lock of the project.
  int locked;
  do {
    locked = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  if (locked != 0 && errno == EWOULDBLOCK) {
    ::close(fd);
    err << "kestrova-cli " << command << ": " << TerminalLine(file)
        << " is being changed by another kestrova-cli; nothing was done (try again once it has "
           "finished)\n";
    return false;
  }
  // A file system without locks: the command goes on as it always did.
  fd_ = fd;
  return true;
}

}  // namespace kestrova::cli
