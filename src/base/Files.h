// File-system helpers: existence tests, bounded whole-file reads and saves.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/Status.h"

namespace kestrova {

// True when the path, trimmed of spaces, is not empty and names an existing file.
bool FileExists(std::string_view path);
// The same for a directory.
bool DirExists(std::string_view path);

inline constexpr std::size_t kMegabyte = 1024 * 1024;
// The bound of a read that names none of its own.
inline constexpr std::size_t kDefaultReadLimit = 64 * kMegabyte;

// Ok when `path` names a regular file of at most `limit` bytes; NotFound,
// NotRegularFile or TooLarge (with a sentence naming the file) otherwise.
Status CheckFileToRead(const std::string& path, std::size_t limit);

// Reads a whole regular file as bytes. Anything else (a directory, a device such
// as /dev/zero, a pipe, a socket) is refused without reading a byte, and so is a
// file of more than `limit` bytes, so no input can hold the program up or
// exhaust its memory.
Status ReadWholeFile(const std::string& path, std::string& bytes,
                     std::size_t limit = kDefaultReadLimit);

// Writes `bytes` to a temporary file beside the target, flushes it to disk and
// renames it over the target, so a failed save never destroys the previous file.
// A symbolic link is followed: its final target is replaced and the link stays.
// A target that exists keeps its permission bits, and its owner and group where
// the process may set them; a new file gets the usual mode (0666 less the umask).
// A target the process may not write (a read-only file) is not replaced.
Status WriteFileAtomically(const std::string& path, std::string_view bytes);

// Creates or empties the file and writes the pieces in order, in place.
Status WriteFileInPlace(const std::string& path, std::initializer_list<std::string_view> pieces);

// Creates one directory (its parent must exist); true when it exists afterwards.
bool MakeDirectory(const std::string& path);
// Creates a directory and any missing parents; true when it exists afterwards.
bool MakeDirectories(const std::string& path);

}  // namespace kestrova
