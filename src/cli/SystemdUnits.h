// The systemd user units of a scheduled project: a timer
// "kestrova-rank@<escaped path>.timer" and the service of the same name that
// runs "kestrova-cli rank FILE --yes", escaped as systemd-escape --path does;
// and the crontab line that does the same where systemd is not there.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/ScheduleTimes.h"

namespace kestrova::cli {

inline constexpr std::string_view kUnitPrefix = "kestrova-rank@";
inline constexpr std::string_view kTimerSuffix = ".timer";
inline constexpr std::string_view kServiceSuffix = ".service";
// systemd refuses longer unit names.
inline constexpr size_t kMaxUnitNameLength = 255;

// systemd-escape --path: "/home/a b/x-1.rnk" is "home-a\x20b-x\x2d1.rnk".
std::string EscapeUnitPath(std::string_view absolutePath);
// The reverse, with the leading "/"; nullopt for text EscapeUnitPath never makes.
std::optional<std::string> UnescapeUnitPath(std::string_view escaped);

// "kestrova-rank@<escaped path>" (add a suffix for the unit's file name).
std::string UnitStem(std::string_view absolutePath);
// The project path of a unit file name ("kestrova-rank@....timer"); nullopt when
// the name is not one of ours.
std::optional<std::string> ProjectOfUnitFile(std::string_view fileName,
                                             std::string_view suffix = kTimerSuffix);

std::string TimerUnitText(const std::string& projectPath, const Schedule& schedule);
std::string ServiceUnitText(const std::string& cliPath, const std::string& projectPath);
// The OnCalendar value of a timer unit's text; empty when it has none.
std::string CalendarOfTimer(std::string_view timerText);

// "30 7 * * * '/usr/bin/kestrova-cli' rank '/home/a/site.rnk' --yes".
std::string CrontabLine(const std::string& cliPath, const std::string& projectPath,
                        const Schedule& schedule);

}  // namespace kestrova::cli
