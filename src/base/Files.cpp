#include "base/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

#include "base/Text.h"

namespace kestrova {
namespace {

bool StatIs(std::string_view path, mode_t kind) {
  std::string trimmed = TrimSpaces(path);
  if (trimmed.empty()) return false;
  struct stat info {};
  return ::stat(trimmed.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == kind;
}

void SetError(std::string* error, const std::string& what, const std::string& path) {
  if (error) *error = what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

bool FileExists(std::string_view path) { return StatIs(path, S_IFREG); }
bool DirExists(std::string_view path) { return StatIs(path, S_IFDIR); }

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    SetError(error, "cannot open", path);
    return false;
  }
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    SetError(error, "cannot read", path);
    return false;
  }
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  std::random_device random;
  std::string temp = path + ".tmp" + std::to_string(random() % 1000000);
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    SetError(error, "cannot create", temp);
    return false;
  }
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      SetError(error, "cannot write", temp);
      ::close(fd);
      ::unlink(temp.c_str());
      return false;
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  bool synced = ::fsync(fd) == 0;
  bool closed = ::close(fd) == 0;
  if (!synced || !closed) {
    SetError(error, "cannot flush", temp);
    ::unlink(temp.c_str());
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    SetError(error, "cannot replace", path);
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

bool MakeDirectory(const std::string& path) {
  if (::mkdir(path.c_str(), 0755) == 0) return true;
  return errno == EEXIST && DirExists(path);
}

}  // namespace kestrova
