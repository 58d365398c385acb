// File-system helpers: existence tests, whole-file reads and atomic saves.
#pragma once

#include <string>
#include <string_view>

namespace kestrova {

// True when the path, trimmed of spaces, is not empty and names an existing file.
bool FileExists(std::string_view path);
// The same for a directory.
bool DirExists(std::string_view path);

// Reads a whole file as bytes; false (and `error` set) when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error = nullptr);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames
// it over `path`, so a failed save never destroys the previous file.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

// Creates one directory (its parent must exist); true when it exists afterwards.
bool MakeDirectory(const std::string& path);
// Creates a directory and any missing parents; true when it exists afterwards.
bool MakeDirectories(const std::string& path);

}  // namespace kestrova
