// kestrova-cli schedule FILE --daily HH:MM | --weekly DAY HH:MM | --off | --list:
// the project's rank check run by a systemd user timer, logged to the journal,
// or the crontab line to add where systemd is not there.
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <memory>
#include <ostream>

#include "base/Files.h"
#include "base/Process.h"
#include "cli/Command.h"
#include "cli/ProjectOpen.h"
#include "cli/ScheduleTexts.h"
#include "cli/SystemdUnits.h"
#include "cli/UserSystemd.h"
#include "engines/EngineCatalogue.h"
#include "store/ProjectFile.h"

namespace kestrova::cli {
namespace {

namespace fs = std::filesystem;

struct ScheduleOptions {
  std::string file, daily, systemctl = "systemctl";
  std::vector<std::string> weekly;
  bool off = false, list = false;
};

struct UnitFiles {
  std::string timerName, timer, service, wants;
};

UnitFiles UnitFilesOf(const std::string& projectPath) {
  const std::string folder = UserUnitFolder();
  const std::string stem = UnitStem(projectPath);
  UnitFiles files;
  files.timerName = stem + std::string(kTimerSuffix);
  files.timer = folder + "/" + files.timerName;
  files.service = folder + "/" + stem + std::string(kServiceSuffix);
  files.wants = folder + "/timers.target.wants/" + files.timerName;
  return files;
}

std::string AbsoluteProjectPath(const std::string& file) {
  std::error_code ignored;
  const std::string path = fs::absolute(fs::path(file), ignored).lexically_normal().string();
  for (char c : path) {
    if (static_cast<unsigned char>(c) < 32 || c == 127) throw UsageError(texts::kScheduleBadPath);
  }
  if (UnitStem(path).size() + kServiceSuffix.size() > kMaxUnitNameLength) {
    throw UsageError(texts::kScheduleLongPath);
  }
  return path;
}

Schedule ScheduleOf(const ScheduleOptions& options) {
  if (!options.daily.empty()) {
    if (auto schedule = ParseDailySchedule(options.daily)) return *schedule;
    throw UsageError(texts::kScheduleBadTime);
  }
  if (options.weekly.size() == 2) {
    if (auto schedule = ParseWeeklySchedule(options.weekly[0], options.weekly[1])) return *schedule;
  }
  throw UsageError(texts::kScheduleBadWeekly);
}

// One line of --list: path, schedule and next run, separated by tabs.
std::string ListLine(const std::string& projectPath, const std::string& calendar) {
  const std::optional<Schedule> schedule = ScheduleFromCalendar(calendar);
  if (!schedule) {
    return projectPath + "\tOnCalendar=" + calendar + "\t" + texts::kScheduleUnknownNextRun;
  }
  return projectPath + "\t" + ScheduleText(*schedule) + "\t" +
         LocalTimeText(NextRun(*schedule, std::time(nullptr)));
}

bool IsReadableProject(const std::string& path, CliIo& io) {
  ProjectState project;
  return OpenProjectFile(path, project, io).ok();
}

bool WriteUnits(const UnitFiles& files, const std::string& projectPath, const Schedule& schedule,
                std::string& error) {
  const std::string cli = CurrentProgramPath();
  if (!MakeDirectories(fs::path(files.wants).parent_path().string())) {
    error = "cannot create " + fs::path(files.wants).parent_path().string();
    return false;
  }
  for (const auto& [file, text] : {std::pair{files.service, ServiceUnitText(cli, projectPath)},
                                   std::pair{files.timer, TimerUnitText(projectPath, schedule)}}) {
    if (const Status written = WriteFileAtomically(file, text); !written) {
      error = written.message();
      return false;
    }
  }
  // Enabled as systemctl enable does it, so the timer comes back after a reboot
  // even when no manager runs now.
  std::error_code failed;
  fs::remove(files.wants, failed);
  fs::create_symlink(files.timer, files.wants, failed);
  if (failed) error = files.wants + ": " + failed.message();
  return !failed;
}

int AddSchedule(const ScheduleOptions& options, CliIo& io) {
  const Schedule schedule = ScheduleOf(options);
  const std::string path = AbsoluteProjectPath(options.file);
  if (!IsReadableProject(path, io)) return kExitFailed;

  const UserSystemd systemd(options.systemctl);
  const SystemdState state = systemd.State();
  if (state == SystemdState::Absent) {
    io.err << "kestrova-cli schedule: " << texts::kScheduleNoSystemd << "\n";
    io.out << CrontabLine(CurrentProgramPath(), path, schedule) << "\n";
    return kExitFailed;
  }
  const UnitFiles files = UnitFilesOf(path);
  std::string error;
  if (!WriteUnits(files, path, schedule, error)) {
    io.err << "kestrova-cli schedule: " << error << "\n";
    return kExitFailed;
  }
  io.err << "kestrova-cli schedule: wrote " << files.timer << "\n";
  if (state == SystemdState::NoManager) {
    io.err << "kestrova-cli schedule: " << texts::kScheduleNoManager << "\n";
  } else if (!systemd.ReloadAndRestart(files.timerName, error)) {
    io.err << "kestrova-cli schedule: " << error << "\n";
    return kExitFailed;
  }
  io.out << ListLine(path, CalendarText(schedule)) << "\n";
  return kExitOk;
}

int RemoveSchedule(const ScheduleOptions& options, CliIo& io) {
  const std::string path = AbsoluteProjectPath(options.file);
  const UnitFiles files = UnitFilesOf(path);
  std::error_code ignored;
  bool removed = fs::remove(files.wants, ignored);
  removed = fs::remove(files.timer, ignored) || removed;
  removed = fs::remove(files.service, ignored) || removed;

  const UserSystemd systemd(options.systemctl);
  const SystemdState state = systemd.State();
  if (!removed) {
    io.err << "kestrova-cli schedule: " << path << texts::kScheduleNotScheduled
           << (state == SystemdState::Absent ? texts::kScheduleCrontabHint : "") << "\n";
    return kExitOk;
  }
  std::string error;
  if (state == SystemdState::UserManager && !systemd.StopAndReload(files.timerName, error)) {
    io.err << "kestrova-cli schedule: " << error << "\n";
    return kExitFailed;
  }
  io.err << "kestrova-cli schedule: removed " << files.timer << "\n";
  return kExitOk;
}

int ListSchedules(const ScheduleOptions& options, CliIo& io) {
  const std::string only = options.file.empty() ? "" : AbsoluteProjectPath(options.file);
  std::vector<std::string> lines;
  std::error_code failed;
  for (fs::directory_iterator entry(UserUnitFolder(), failed), end; !failed && entry != end;
       entry.increment(failed)) {
    const std::optional<std::string> project = ProjectOfUnitFile(entry->path().filename().string());
    if (!project || (!only.empty() && *project != only)) continue;
    std::string text;
    if (!ReadWholeFile(entry->path().string(), text)) continue;
    lines.push_back(ListLine(*project, CalendarOfTimer(text)));
  }
  std::sort(lines.begin(), lines.end());
  for (const std::string& line : lines) io.out << line << "\n";
  if (lines.empty()) {
    io.err << "kestrova-cli schedule: "
           << (only.empty() ? texts::kScheduleNothingScheduled
                            : only + texts::kScheduleNotScheduled)
           << "\n";
  }
  return kExitOk;
}

int RunSchedule(const ScheduleOptions& options, CliIo& io) {
  const int actions = !options.daily.empty() + !options.weekly.empty() + options.off + options.list;
  if (actions != 1) throw UsageError(texts::kScheduleOneAction);
  if (options.list) return ListSchedules(options, io);
  if (options.file.empty()) throw UsageError(texts::kScheduleNeedsFile);
  return options.off ? RemoveSchedule(options, io) : AddSchedule(options, io);
}

CommandRegistration registration{
    "schedule", "Run a project's rank check every day or week with a systemd user timer",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<ScheduleOptions>();
      sub.add_option("file", options->file, "The project file (.rnk)");
      sub.add_option("--daily", options->daily, "Check every day at HH:MM (local time)")
          ->type_name("HH:MM");
      sub.add_option("--weekly", options->weekly, "Check every week on DAY at HH:MM")
          ->expected(2)
          ->type_name("DAY HH:MM");
      sub.add_flag("--off", options->off, "Remove the project's timer");
      sub.add_flag("--list", options->list,
                   "List the scheduled projects (or FILE's) with their next run");
      // The systemctl to ask, so tests can stand in for the person's systemd.
      sub.add_option("--systemctl", options->systemctl)->group("");
      return [options, &io] { return RunSchedule(*options, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
