// Project files as users copy them around: any bytes are read or refused with
// the line at fault, and whatever reads back is saved, loaded from disk again
// and must come back equal, field for field (the written text holds every
// stored field, so equal texts are equal projects).
//
// Input: the file's bytes.
#include <unistd.h>

#include <algorithm>
#include <string>

#include "engines/EngineCatalogue.h"
#include "fuzz/FuzzSupport.h"
#include "store/ProjectFile.h"

namespace kestrova::fuzz {
namespace {

std::size_t LineCount(std::string_view bytes) {
  return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

// A file of this process's own in the system's temporary folder.
const std::string& SavePath() {
  static const std::string path = [] {
    const char* folder = std::getenv("TMPDIR");
    return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
           "/kestrova-fuzz-project-" + std::to_string(getpid()) + ".rnk";
  }();
  return path;
}

}  // namespace
}  // namespace kestrova::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  using namespace kestrova::fuzz;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  ProjectState read;
  const Status status = ReadProjectText(bytes, read, Catalogue());
  Require(!read.Loading, "reading ends with Loading cleared");
  if (!status) {
    Require(status.code() == StatusCode::BadData, "a bad file is bad data");
    Require(!status.message().empty(), "a refusal says why");
    Require(status.line() >= 1 && static_cast<std::size_t>(status.line()) <= LineCount(bytes) + 1,
            "a refusal names a line of the file");
    return 0;
  }

  const std::string written = ProjectFileText(read);
  Require(WriteProjectFile(SavePath(), read).ok(), "a project that was read can be saved");
  ProjectState reread;
  const Status again = LoadProjectFile(SavePath(), reread, Catalogue());
  if (!again) std::fprintf(stderr, "fuzz: %s\n", again.message().c_str());
  Require(again.ok(), "a saved project loads again");
  Require(ProjectFileText(reread) == written, "a saved project loads back equal");
  Require(reread.LastRunDate == read.LastRunDate, "the last-run date survives to the second");
  return 0;
}
