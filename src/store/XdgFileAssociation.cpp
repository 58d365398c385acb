#include "store/XdgFileAssociation.h"

#include <filesystem>

#include "base/Files.h"

namespace kestrova {
namespace {

std::string DesktopEntryOf(std::string_view progId) {
  return std::string(progId) + kDesktopEntrySuffix;
}

// "kestrova.desktop\n" is "kestrova"; several entries (a list) name the first.
std::string ProgIdOfAnswer(std::string answer) {
  answer = answer.substr(0, answer.find_first_of(";\n"));
  while (!answer.empty() && (answer.back() == ' ' || answer.back() == '\r')) answer.pop_back();
  const std::string suffix = kDesktopEntrySuffix;
  if (answer.size() > suffix.size() && answer.ends_with(suffix)) {
    answer.resize(answer.size() - suffix.size());
  }
  return answer;
}

}  // namespace

std::string MimeTypeOfExtension(std::string_view extension) {
  if (extension.starts_with('.')) extension.remove_prefix(1);
  std::string lower(extension);
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return lower == kProjectExtension ? kProjectMimeType : "";
}

XdgFileAssociation::XdgFileAssociation(std::vector<EnvironmentChange> environment,
                                       std::string xdgMime)
    : environment_(std::move(environment)), xdgMime_(std::move(xdgMime)) {}

std::string XdgFileAssociation::GetFileTypeOwner(std::string_view progId,
                                                 std::string_view extension) {
  const std::string mimeType = MimeTypeOfExtension(extension);
  if (mimeType.empty()) return "";
  const ProcessResult query = RunProcess({xdgMime_, "query", "default", mimeType}, environment_);
  if (!query.Succeeded()) return "";
  const std::string owner = ProgIdOfAnswer(query.out);
  if (!owner.empty()) return owner;
  AssociateFileType(progId, extension, "");
  return std::string(progId);
}

bool XdgFileAssociation::AssociateFileType(std::string_view progId, std::string_view extension,
                                           std::string_view /*command*/) {
  const std::string mimeType = MimeTypeOfExtension(extension);
  if (mimeType.empty() || progId.empty()) return false;
  return RunProcess({xdgMime_, "default", DesktopEntryOf(progId), mimeType}, environment_)
      .Succeeded();
}

std::unique_ptr<FileAssociation> ChooseFileAssociation(SettingsStore& store,
                                                       const std::string& programPath,
                                                       std::string_view progId) {
  namespace fs = std::filesystem;
  const fs::path prefix = fs::path(programPath).parent_path().parent_path();
  const fs::path entry = prefix / "share" / "applications" / DesktopEntryOf(progId);
  if (!programPath.empty() && FileExists(entry.string()) && ProgramOnPath("xdg-mime")) {
    return std::make_unique<XdgFileAssociation>();
  }
  return std::make_unique<StoreFileAssociation>(store);
}

}  // namespace kestrova
