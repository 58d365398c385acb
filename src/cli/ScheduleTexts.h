// What kestrova-cli schedule tells the person.
#pragma once

namespace kestrova::cli::texts {

inline constexpr const char* kScheduleOneAction =
    "choose one of --daily HH:MM, --weekly DAY HH:MM, --off and --list";
inline constexpr const char* kScheduleNeedsFile = "FILE is required, except with --list";
inline constexpr const char* kScheduleBadTime = "--daily takes HH:MM (00:00 to 23:59)";
inline constexpr const char* kScheduleBadWeekly =
    "--weekly takes a day (Mon to Sun) and HH:MM (00:00 to 23:59)";
inline constexpr const char* kScheduleBadPath =
    "the project's path holds a control character, which a unit file cannot carry";
inline constexpr const char* kScheduleLongPath =
    "the project's path is too long for a systemd unit name; move the project to a shorter path";
inline constexpr const char* kScheduleNoSystemd =
    "systemd is not available here; add this line to your crontab (crontab -e) instead:";
inline constexpr const char* kScheduleNoManager =
    "no user systemd manager runs now: the timer starts with your next login session "
    "(\"loginctl enable-linger\" lets it run without one)";
inline constexpr const char* kScheduleNotScheduled = " is not scheduled";
inline constexpr const char* kScheduleCrontabHint =
    "; remove its line from your crontab (crontab -e) if you added one";
inline constexpr const char* kScheduleNothingScheduled = "no project is scheduled";
inline constexpr const char* kScheduleUnknownNextRun = "unknown";

}  // namespace kestrova::cli::texts
