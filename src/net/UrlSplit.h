// Splitting URLs into the host and path the HTTP client needs, and file paths
// into directory and name. Pure text functions, 1-based like the rest.
#pragma once

#include <string>
#include <string_view>

namespace kestrova {

// Drops a trailing CR LF (or CR, or LF), appends "/" to a bare "http://host",
// then removes leading and trailing spaces.
std::string NormalizeUrl(std::string_view url);

// Trims `path` in place and returns the part before its last "/" or "\"
// (trimmed); `name` receives the trimmed part after it. Without a separator the
// directory is empty and the name is the whole trimmed path.
std::string SplitFileName(std::string& path, std::string& name);

// Splits an absolute URL into host and path. The host ends at the first "/"
// after the last "." before the query (or before the last path segment).
// Returns false, with host and path empty, when no host can be found.
bool SplitUrl(std::string_view url, std::string& host, std::string& path);

// The text after a leading "www." (callers test for it, in any letter case).
std::string StripWww(std::string_view text);

}  // namespace kestrova
