#include "cli/SystemdUnits.h"

#include <cstdio>

namespace kestrova::cli {
namespace {

bool KeptAsIs(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ':' ||
         c == '_' || c == '.';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// One word of an Exec line: quoted, with C escapes, and "%" and "$" doubled so
// systemd expands neither specifiers nor variables in it.
std::string ExecWord(std::string_view text) {
  std::string word = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') word += '\\';
    if (c == '%' || c == '$') word += c;
    word += c;
  }
  return word + "\"";
}

// Free text of a unit (Description): only specifiers need escaping.
std::string UnitText(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    if (c == '%') escaped += '%';
    escaped += c;
  }
  return escaped;
}

// A word for the shell crontab hands the line to; "%" would end the command.
std::string CrontabWord(std::string_view text) {
  std::string word = "'";
  for (char c : text) {
    if (c == '\'') {
      word += "'\\''";
    } else if (c == '%') {
      word += "\\%";
    } else {
      word += c;
    }
  }
  return word + "'";
}

}  // namespace

std::string EscapeUnitPath(std::string_view absolutePath) {
  // Like systemd: doubled slashes and "." parts go, leading and trailing "/" too.
  std::string simplified;
  size_t start = 0;
  while (start < absolutePath.size()) {
    size_t end = absolutePath.find('/', start);
    if (end == std::string_view::npos) end = absolutePath.size();
    const std::string_view part = absolutePath.substr(start, end - start);
    if (!part.empty() && part != ".") {
      if (!simplified.empty()) simplified += '/';
      simplified += part;
    }
    start = end + 1;
  }
  if (simplified.empty()) return "-";
  std::string escaped;
  for (size_t i = 0; i < simplified.size(); ++i) {
    const char c = simplified[i];
    if (c == '/') {
      escaped += '-';
    } else if (KeptAsIs(c) && !(i == 0 && c == '.')) {
      escaped += c;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
      escaped += hex;
    }
  }
  return escaped;
}

std::optional<std::string> UnescapeUnitPath(std::string_view escaped) {
  if (escaped == "-") return "/";
  std::string path = "/";
  for (size_t i = 0; i < escaped.size(); ++i) {
    const char c = escaped[i];
    if (c == '-') {
      path += '/';
    } else if (c == '\\') {
      if (i + 3 >= escaped.size() || escaped[i + 1] != 'x') return std::nullopt;
      const int high = HexValue(escaped[i + 2]), low = HexValue(escaped[i + 3]);
      if (high < 0 || low < 0) return std::nullopt;
      path += static_cast<char>(high * 16 + low);
      i += 3;
    } else if (KeptAsIs(c)) {
      path += c;
    } else {
      return std::nullopt;
    }
  }
  return path;
}

std::string UnitStem(std::string_view absolutePath) {
  return std::string(kUnitPrefix) + EscapeUnitPath(absolutePath);
}

std::optional<std::string> ProjectOfUnitFile(std::string_view fileName, std::string_view suffix) {
  if (!fileName.starts_with(kUnitPrefix) || !fileName.ends_with(suffix)) return std::nullopt;
  fileName.remove_prefix(kUnitPrefix.size());
  fileName.remove_suffix(suffix.size());
  if (fileName.empty()) return std::nullopt;
  return UnescapeUnitPath(fileName);
}

std::string TimerUnitText(const std::string& projectPath, const Schedule& schedule) {
  return "# Written by kestrova-cli schedule; kestrova-cli schedule FILE --off removes it.\n"
         "[Unit]\n"
         "Description=Kestrova rank check of " +
         UnitText(projectPath) + ", " + ScheduleText(schedule) +
         "\n"
         "Documentation=man:kestrova-cli(1)\n"
         "\n"
         "[Timer]\n"
         "OnCalendar=" +
         CalendarText(schedule) +
         "\n"
         // A check missed while the computer was off runs when it is next on.
         "Persistent=true\n"
         "\n"
         "[Install]\n"
         "WantedBy=timers.target\n";
}

std::string ServiceUnitText(const std::string& cliPath, const std::string& projectPath) {
  return "# Written by kestrova-cli schedule; kestrova-cli schedule FILE --off removes it.\n"
         "[Unit]\n"
         "Description=Kestrova rank check of " +
         UnitText(projectPath) +
         "\n"
         "Documentation=man:kestrova-cli(1)\n"
         "\n"
         "[Service]\n"
         "Type=oneshot\n"
         "ExecStart=" +
         ExecWord(cliPath) + " rank " + ExecWord(projectPath) +
         " --yes\n"
         "StandardOutput=journal\n"
         "StandardError=journal\n"
         "SyslogIdentifier=kestrova-rank\n";
}

std::string CalendarOfTimer(std::string_view timerText) {
  constexpr std::string_view key = "OnCalendar=";
  size_t start = 0;
  while (start < timerText.size()) {
    size_t end = timerText.find('\n', start);
    if (end == std::string_view::npos) end = timerText.size();
    const std::string_view line = timerText.substr(start, end - start);
    if (line.starts_with(key)) return std::string(line.substr(key.size()));
    start = end + 1;
  }
  return "";
}

std::string CrontabLine(const std::string& cliPath, const std::string& projectPath,
                        const Schedule& schedule) {
  return CrontabTimeFields(schedule) + " " + CrontabWord(cliPath) + " rank " +
         CrontabWord(projectPath) + " --yes";
}

}  // namespace kestrova::cli
