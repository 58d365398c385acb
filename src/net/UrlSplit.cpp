// URL and file-path splitting with the program's long-standing heuristics.
#include "net/UrlSplit.h"

#include "base/Text.h"

namespace kestrova {
namespace {

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

std::string NormalizeUrl(std::string_view url) {
  std::string text(url);
  if (EndsWith(text, "\r\n")) text.resize(text.size() - 2);
  if (EndsWith(text, "\r")) text.pop_back();
  if (EndsWith(text, "\n")) text.pop_back();
  if (LowerCase(Left(text, 7)) == "http://" && Find(text, "/", 8) == 0) text += "/";
  return TrimSpaces(text);
}

std::string SplitFileName(std::string& path, std::string& name) {
  path = TrimSpaces(path);
  name.clear();
  if (path.empty()) return {};
  std::size_t separator = path.find_last_of("\\/");
  if (separator == std::string::npos) {
    name = path;
    return {};
  }
  name = TrimSpaces(std::string_view(path).substr(separator + 1));
  return TrimSpaces(std::string_view(path).substr(0, separator));
}

bool SplitUrl(std::string_view url, std::string& host, std::string& path) {
  host.clear();
  path.clear();
  std::string normalized = NormalizeUrl(TrimSpaces(url));
  std::string scratch = normalized, lastSegment;
  const std::string directory = SplitFileName(scratch, lastSegment);
  const Pos length = static_cast<Pos>(directory.size());

  Pos query = Find(directory, "?");
  if (query == 0) query = length;
  const Pos lastDot = FindLastNoCase(directory, ".", query);
  if (lastDot == 0) return false;
  Pos hostEnd = Find(directory, "/", lastDot);
  if (hostEnd == 0) hostEnd = length + 1;

  // Without "//" the host starts at the first character (a scheme-less
  // "www.site.com/dir/page"); skipping two characters there would cut it.
  const Pos slashes = Find(directory, "//");
  const Pos hostStart = slashes == 0 ? 1 : slashes + 2;
  if (hostEnd <= hostStart) return false;
  host = Mid(directory, hostStart, hostEnd - hostStart);
  // A "." in a directory (or a query without "/" before it) would carry path
  // text into the host; for an absolute URL the host ends at the first "/" or
  // "?" after the "//". Ordinary URLs never reach this.
  if (slashes != 0) {
    const std::size_t cut = host.find_first_of("/?");
    if (cut != std::string::npos) {
      hostEnd = hostStart + static_cast<Pos>(cut);
      host.resize(cut);
    }
  }
  if (host.empty()) return false;
  // The directory part is the beginning of the normalized URL, so positions agree.
  path = Mid(normalized, hostEnd);
  return true;
}

std::string StripWww(std::string_view text) {
  return Mid(text, 5);
}

}  // namespace kestrova
