// The ".rnk" project file: one ProjectState with all its record lists as lines of
// text, one field per line. The layout is described in docs/project-file.md.
#pragma once

#include <string>
#include <string_view>

#include "base/Files.h"
#include "base/Status.h"
#include "ranking/ProjectState.h"

namespace kestrova {

class Messenger;
struct EngineCatalogue;

// The version this program writes. Files of this version and of "01.25" are read in
// full; files of any other version only up to the ranking records.
inline constexpr std::string_view kProjectFileVersion = "01.26";
inline constexpr std::string_view kProjectFileOlderFullVersion = "01.25";

inline constexpr std::string_view kReadErrorText = "There was an error reading this file!";
inline constexpr std::string_view kReadErrorTitle = "Read Error";

// A project at the record limit with ten long top URLs per record is about
// 27 MB; a file past this bound is no project and is not read at all.
inline constexpr std::size_t kLargestProjectFile = 64 * kMegabyte;

// The program's version as files and the user-agent text show it: major and minor
// with two digits each, and ".rr" when the revision is 1 or more ("01.26").
std::string FormatVersionText(int major, int minor, int revision);

// The whole file for `project`, lines ended by CR LF.
std::string ProjectFileText(const ProjectState& project);

// Writes the file beside `path` and renames it over, so a failed save leaves the
// previous file as it was (see WriteFileAtomically). Fails when the file was not
// replaced, or when a list holds more records than the file can carry.
Status WriteProjectFile(const std::string& path, const ProjectState& project);

// Replaces `project` from the bytes of a project file. Loading is set while reading.
// On success the engine lists are completed from `catalogue`. On failure (BadData,
// with the 1-based line of the first field that failed and a short description)
// the fields and lists read so far keep their new values, the rest their old ones.
Status ReadProjectText(std::string_view bytes, ProjectState& project,
                       const EngineCatalogue& catalogue);

// Reads the file at `path` into `project` and says nothing: the status tells
// what went wrong (a file refused unread, or BadData with the line at fault).
Status LoadProjectFile(const std::string& path, ProjectState& project,
                       const EngineCatalogue& catalogue);

// LoadProjectFile, and on any failure shows "There was an
// error reading this file!" (title "Read Error", stop icon), followed by the
// reason when the file was refused unread (not a regular file, too large).
Status ReadProjectFile(const std::string& path, ProjectState& project, Messenger& messenger,
                       const EngineCatalogue& catalogue);

// The password as the file keeps it, and back.
std::string ScramblePassword(std::string_view password);
std::string UnscramblePassword(std::string_view stored);

}  // namespace kestrova
