#include "base/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

#include "base/Text.h"

namespace kestrova {
namespace {

// Links followed before a save gives up, as the kernel does for a path.
constexpr int kMostLinks = 40;

bool StatIs(std::string_view path, mode_t kind) {
  std::string trimmed = TrimSpaces(path);
  if (trimmed.empty()) return false;
  struct stat info {};
  return ::stat(trimmed.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == kind;
}

Status SystemError(StatusCode code, const std::string& what, const std::string& path) {
  return Status::Error(code, what + " " + path + ": " + std::strerror(errno));
}

std::string SizeText(std::size_t bytes) {
  if (bytes % kMegabyte == 0) return std::to_string(bytes / kMegabyte) + " MB";
  return std::to_string(bytes) + " bytes";
}

Status TooLarge(const std::string& path, std::size_t limit) {
  return Status::Error(StatusCode::TooLarge,
                       path + " is larger than " + SizeText(limit) + ", more than it can hold");
}

Status Refuse(const struct stat& info, const std::string& path, std::size_t limit) {
  if (!S_ISREG(info.st_mode)) {
    return Status::Error(StatusCode::NotRegularFile, path + " is not a regular file");
  }
  if (static_cast<unsigned long long>(info.st_size) > limit) return TooLarge(path, limit);
  return Status::Ok();
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// The file a save of `path` must replace: the end of its chain of symbolic links
// (which need not exist yet), so the links themselves stay as they are.
Status FollowLinks(const std::string& path, std::string& target) {
  namespace fs = std::filesystem;
  target = path;
  for (int hop = 0; hop <= kMostLinks; ++hop) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return Status::Ok();
    std::error_code error;
    fs::path next = fs::read_symlink(target, error);
    if (error) return Status::Error(StatusCode::WriteFailed, "cannot follow the link " + target);
    if (next.is_relative()) next = fs::path(target).parent_path() / next;
    target = next.string();
  }
  return Status::Error(StatusCode::WriteFailed, "too many symbolic links in " + path);
}

// Gives the new file the old one's owner (as far as allowed) and permission bits.
void KeepOwnerAndMode(int fd, const struct stat& old) {
  // Ownership first: changing it may clear permission bits.
  if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
    [[maybe_unused]] int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  }
  ::fchmod(fd, old.st_mode & 0777);
}

}  // namespace

bool FileExists(std::string_view path) {
  return StatIs(path, S_IFREG);
}
bool DirExists(std::string_view path) {
  return StatIs(path, S_IFDIR);
}

Status CheckFileToRead(const std::string& path, std::size_t limit) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    return SystemError(errno == ENOENT ? StatusCode::NotFound : StatusCode::ReadFailed,
                       "cannot open", path);
  }
  return Refuse(info, path, limit);
}

Status ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit) {
  bytes.clear();
  // Looked at before opening: opening a pipe would wait for a writer.
  if (Status refused = CheckFileToRead(path, limit); !refused) return refused;
  struct stat info {};
  // Non-blocking and checked again on the open file, in case the path changed.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) return SystemError(StatusCode::ReadFailed, "cannot open", path);
  if (::fstat(file.get(), &info) != 0)
    return SystemError(StatusCode::ReadFailed, "cannot read", path);
  if (Status refused = Refuse(info, path, limit); !refused) return refused;

  // One byte more than the file holds shows a file that grew while it was read;
  // it is taken up to the limit and one byte past it.
  bytes.resize(static_cast<size_t>(info.st_size) + 1);
  size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (filled > limit) break;
      bytes.resize(std::min(limit + 1, filled * 2));
    }
    ssize_t count = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {
      bytes.clear();
      return SystemError(StatusCode::ReadFailed, "cannot read", path);
    }
    if (count == 0) break;
    filled += static_cast<size_t>(count);
  }
  bytes.resize(filled);
  if (filled > limit) {
    bytes.clear();
    return TooLarge(path, limit);
  }
  return Status::Ok();
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string target;
  if (Status followed = FollowLinks(path, target); !followed) return followed;
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  // The rename needs only the folder's permission; a file its owner made
  // read-only is refused as a write in place would refuse it.
  if (replacing && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    return SystemError(StatusCode::WriteFailed, "cannot write", target);
  }

  std::random_device random;
  const std::string temp = target + ".tmp" + std::to_string(random() % 1000000);
  // Private until it has the target's mode: a protected file's bytes are never
  // readable by others, not even for a moment.
  FileDescriptor file(
      ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666));
  if (file.get() < 0) return SystemError(StatusCode::WriteFailed, "cannot create", temp);
  auto fail = [&temp](const char* what) {
    Status status = SystemError(StatusCode::WriteFailed, what, temp);
    ::unlink(temp.c_str());
    return status;
  };
  if (!WriteAll(file.get(), bytes)) return fail("cannot write");
  if (replacing) KeepOwnerAndMode(file.get(), old);
  const bool synced = ::fsync(file.get()) == 0;
  if (!file.Close() || !synced) return fail("cannot flush");
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
    Status status = SystemError(StatusCode::WriteFailed, "cannot replace", target);
    ::unlink(temp.c_str());
    return status;
  }
  return Status::Ok();
}

Status WriteFileInPlace(const std::string& path, std::initializer_list<std::string_view> pieces) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.get() < 0) return SystemError(StatusCode::WriteFailed, "cannot create", path);
  for (std::string_view piece : pieces) {
    if (!WriteAll(file.get(), piece))
      return SystemError(StatusCode::WriteFailed, "cannot write", path);
  }
  if (!file.Close()) return SystemError(StatusCode::WriteFailed, "cannot write", path);
  return Status::Ok();
}

bool MakeDirectory(const std::string& path) {
  if (::mkdir(path.c_str(), 0755) == 0) return true;
  return errno == EEXIST && DirExists(path);
}

bool MakeDirectories(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return DirExists(path);
}

}  // namespace kestrova
