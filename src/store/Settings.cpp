#include "store/Settings.h"

#include <algorithm>
#include <limits>

#include "base/Text.h"
#include "store/FileAssociation.h"
#include "store/ProjectFile.h"

namespace kestrova {
namespace {

constexpr int kVersionMajor = 1, kVersionMinor = 26, kVersionRevision = 0;
constexpr std::string_view kOn = "-1";

// Flags and small numbers are kept as two characters, left-aligned ("-1", "0 ").
std::string TwoCharacters(std::string text) {
  text.resize(2, ' ');
  return text;
}
std::string FlagText(bool on) {
  return on ? std::string(kOn) : TwoCharacters("0");
}
std::string NumberText(int value) {
  return TwoCharacters(std::to_string(value));
}
// A hand-edited store may hold any number: held to int's range before it is
// cut to a whole one, so a huge or endless value reads as the nearest end.
int NumberValue(const std::string& text) {
  constexpr double kLow = std::numeric_limits<int>::min(), kHigh = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(LeadingNumber(text), kLow, kHigh));
}
std::string TrueFalse(bool value) {
  return value ? "True" : "False";
}

bool LoadUserSettings(SettingsStore& store, ProgramSettings& s) {
  // The dial-up default comes from the per-user root and is never created there.
  std::string dialUp;
  if (!store.OpenKey(SettingsRoot::User, kRemoteAccessKey)) return false;
  store.GetValue(kRemoteAccessValue, dialUp, kNoWriteDefault);
  if (!store.OpenKey(SettingsRoot::Machine, kUserSettingsKey)) return false;
  if (!store.GetValue("InterNet", s.InterNet, dialUp)) return false;
  if (!store.GetValue("Domain", s.Domain, kDefaultDomain)) return false;

  std::string text;
  if (!store.GetValue("UseProxy", text, "0")) return false;
  s.UseProxy = text == kOn;
  if (!store.GetValue("HttpProxy", s.HttpProxy, "")) return false;
  if (!store.GetValue("PortProxy", s.PortProxy, "")) return false;
  if (!store.GetValue("UseDirect", text, "0")) return false;
  s.UseDirect = text == kOn;
  if (!store.GetValue("CustomAgent", s.CustomAgent, OwnUserAgentText())) return false;
  if (!store.GetValue("BoldRankingGrid", text, "0")) return false;
  int bold = NumberValue(text);
  s.BoldRankingGrid = bold < 0 ? 0 : bold > 3 ? 1 : bold;
  if (!store.GetValue("AgentIndex", text, "0")) return false;
  s.AgentIndex = std::clamp(NumberValue(text), 0, 3);
  if (!store.GetValue("Jobs", text, std::to_string(kDefaultJobs))) return false;
  s.Jobs = JobsFromText(text);

  if (!store.OpenKey(SettingsRoot::Machine, kRecentFilesKey)) return false;
  for (int slot = 0; slot < kRecentFileSlots; ++slot) {
    if (!store.GetValue(std::to_string(slot), s.RecentFiles[slot], "")) return false;
  }
  return true;
}

bool LoadApplicationSettings(SettingsStore& store, ProgramSettings& s) {
  if (!store.OpenKey(SettingsRoot::Machine, kRememberKey)) return false;
  std::string text;
  if (!store.GetValue("FirstTimeRun", text, "True")) return false;
  s.FirstTimeRun = text == "True";
  if (!store.GetValue("CheckAssociation", text, "True")) return false;
  s.CheckAssociation = text == "True";
  return true;
}

bool SaveUserSettings(SettingsStore& store, ProgramSettings& s, const NetworkControls& controls) {
  ReadNetworkControls(controls, s);
  if (!store.OpenKey(SettingsRoot::Machine, kUserSettingsKey)) return false;
  if (!store.SetValue("UseProxy", FlagText(s.UseProxy)) ||
      !store.SetValue("HttpProxy", s.HttpProxy) || !store.SetValue("PortProxy", s.PortProxy) ||
      !store.SetValue("UseDirect", FlagText(s.UseDirect)) ||
      !store.SetValue("BoldRankingGrid", NumberText(s.BoldRankingGrid)) ||
      !store.SetValue("CustomAgent", s.CustomAgent) ||
      !store.SetValue("AgentIndex", NumberText(s.AgentIndex)) ||
      !store.SetValue("Jobs", NumberText(s.Jobs))) {
    return false;
  }
  if (!store.OpenKey(SettingsRoot::Machine, kRecentFilesKey)) return false;
  for (int slot = 0; slot < kRecentFileSlots; ++slot) {
    if (!store.SetValue(std::to_string(slot), s.RecentFiles[slot])) return false;
  }
  return true;
}

std::string WithDot(std::string_view extension) {
  if (!extension.empty() && extension[0] == '.') return std::string(extension);
  return std::string(".").append(extension);
}

}  // namespace

std::string OwnUserAgentText() {
  return "Mozilla/4.0 (compatible; kestrova " +
         FormatVersionText(kVersionMajor, kVersionMinor, kVersionRevision) + "; Windows 95)";
}

Status LoadSettings(SettingsStore& store, ProgramSettings& settings) {
  store.ReportBackendProblems();
  const bool user = LoadUserSettings(store, settings);
  const bool application = LoadApplicationSettings(store, settings);
  if (user && application) return Status::Ok();
  if (!store.FirstFailure()) return store.FirstFailure();
  return Status::Error(StatusCode::WriteFailed, "The settings could not be loaded.");
}

bool SaveSettings(SettingsStore& store, ProgramSettings& settings,
                  const NetworkControls& controls) {
  return SaveUserSettings(store, settings, controls) && SaveApplicationSettings(store, settings);
}

void ReadNetworkControls(const NetworkControls& controls, ProgramSettings& settings) {
  settings.HttpProxy = TrimSpaces(controls.txtHttpProxy);
  settings.PortProxy = TrimSpaces(controls.txtPortProxy);
  settings.UseProxy = controls.chkUseProxy;
  settings.UseDirect = controls.chkUseDirect;
  auto selected = std::find(controls.optAgent.begin(), controls.optAgent.end(), true);
  settings.AgentIndex = selected == controls.optAgent.end()
                            ? 0
                            : static_cast<int>(selected - controls.optAgent.begin());
  if (settings.AgentIndex == 3) settings.CustomAgent = controls.txtUserAgentToUse;
  settings.Jobs = JobsFromText(controls.txtJobs);
}

int JobsFromText(std::string_view text) {
  const double jobs = LeadingNumber(text);
  if (!(jobs >= 1)) return kDefaultJobs;
  return ClampJobs(static_cast<long long>(std::min<double>(jobs, kMaxJobs)));
}

bool SaveApplicationSettings(SettingsStore& store, const ProgramSettings& settings) {
  return store.OpenKey(SettingsRoot::Machine, kRememberKey) &&
         store.SetValue("FirstTimeRun", TrueFalse(settings.FirstTimeRun)) &&
         store.SetValue("CheckAssociation", TrueFalse(settings.CheckAssociation));
}

bool AssociateFileType(SettingsStore& store, std::string_view progId, std::string_view extension,
                       std::string_view command) {
  return store.OpenKey(SettingsRoot::Classes, WithDot(extension)) && store.SetValue("", progId) &&
         store.OpenKey(SettingsRoot::Classes, std::string(progId) + "\\shell\\open\\command") &&
         store.SetValue("", command);
}

std::string GetFileTypeOwner(SettingsStore& store, std::string_view progId,
                             std::string_view extension) {
  std::string owner(progId);
  if (store.OpenKey(SettingsRoot::Classes, WithDot(extension))) {
    store.GetValue("", owner, progId);
  }
  return owner;
}

std::string StoreFileAssociation::GetFileTypeOwner(std::string_view progId,
                                                   std::string_view extension) {
  return kestrova::GetFileTypeOwner(store_, progId, extension);
}

bool StoreFileAssociation::AssociateFileType(std::string_view progId, std::string_view extension,
                                             std::string_view command) {
  return kestrova::AssociateFileType(store_, progId, extension, command);
}

}  // namespace kestrova
