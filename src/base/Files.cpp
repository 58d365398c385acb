#include "base/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
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

bool FileExists(std::string_view path) {
  return StatIs(path, S_IFREG);
}
bool DirExists(std::string_view path) {
  return StatIs(path, S_IFDIR);
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    SetError(error, "cannot open", path);
    return false;
  }
  // One read into a buffer of the file's size; a file that is not seekable
  // (a pipe) is read to its end instead.
  std::streamoff size = in.tellg();
  in.seekg(0);
  if (size > 0) {
    bytes.resize(static_cast<size_t>(size));
    in.read(bytes.data(), size);
    bytes.resize(static_cast<size_t>(in.gcount()));
    in.clear(in.rdstate() & ~(std::ios::failbit | std::ios::eofbit));
  } else {
    in.clear();
    bytes.clear();
  }
  // Whatever is left: a file that grew while being read, or a pipe.
  bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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

bool MakeDirectories(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return DirExists(path);
}

}  // namespace kestrova
