// The choices that outlive a project (network, bold grid, recent files, first-run and
// file-association markers), their place in the settings store and their text forms.
// Loaded once at start, saved once at shutdown.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "ranking/RunRanking.h"
#include "store/SettingsStore.h"

namespace kestrova {

inline constexpr std::string_view kUserSettingsKey =
    "SOFTWARE\\Tarnwell\\Kestrova\\1.0\\User\\Setting";
inline constexpr std::string_view kRecentFilesKey =
    "SOFTWARE\\Tarnwell\\Kestrova\\1.0\\User\\Setting\\Files";
inline constexpr std::string_view kRememberKey =
    "SOFTWARE\\Tarnwell\\Kestrova\\1.0\\Application\\Setting\\Remember";
// The system's default dial-up connection (per-user root).
inline constexpr std::string_view kRemoteAccessKey = "RemoteAccess";
inline constexpr std::string_view kRemoteAccessValue = "InternetProfile";

// The domain offered before any project is opened, when the store has none.
inline constexpr std::string_view kDefaultDomain = "www.example.com";

// Project files and the program that opens them.
inline constexpr std::string_view kProjectExtension = "rnk";
inline constexpr std::string_view kProjectProgId = "kestrova";

constexpr int kRecentFileSlots = 5;

// The process-wide settings. Before a load everything is off or empty.
struct ProgramSettings {
  std::string InterNet;  // dial-up connection name, kept as opaque text
  std::string Domain;
  bool UseProxy = false;
  std::string HttpProxy;
  std::string PortProxy;
  bool UseDirect = false;
  std::string CustomAgent;
  int BoldRankingGrid = 0;  // 0 to 3
  int AgentIndex = 0;       // 0 to 3: Microsoft, Netscape, Kestrova, Own
  int Jobs = kDefaultJobs;  // engine checks at once, 1 to kMaxJobs
  std::array<std::string, kRecentFileSlots> RecentFiles;  // [0] the most recent
  bool FirstTimeRun = false;
  bool CheckAssociation = false;
};

// The main window's network fields, as ReadNetworkControls takes them.
struct NetworkControls {
  bool chkUseProxy = false;
  std::string txtHttpProxy;
  std::string txtPortProxy;
  bool chkUseDirect = false;
  std::array<bool, 4> optAgent{};  // which agent choice is selected
  std::string txtUserAgentToUse;
  std::string txtJobs;  // how many engines a run checks at once
};

// The jobs value as a field or the store holds it: no number or below 1 gives
// the default, above kMaxJobs gives kMaxJobs.
int JobsFromText(std::string_view text);

// "Mozilla/4.0 (compatible; kestrova 01.26; Windows 95)" for this program's version.
std::string OwnUserAgentText();

// Loads the user settings, then the application settings. Missing values are
// created with their defaults. Fails with the first store operation that failed
// (its message was shown); the values not yet read keep what they held.
Status LoadSettings(SettingsStore& store, ProgramSettings& settings);
// Takes the network fields into `settings`, saves the user settings and, when that
// succeeded, the application settings.
bool SaveSettings(SettingsStore& store, ProgramSettings& settings, const NetworkControls& controls);
void ReadNetworkControls(const NetworkControls& controls, ProgramSettings& settings);
// Writes "FirstTimeRun" and "CheckAssociation".
bool SaveApplicationSettings(SettingsStore& store, const ProgramSettings& settings);

// Gives the extension (with or without its ".") to `progId`, opened by `command`.
bool AssociateFileType(SettingsStore& store, std::string_view progId, std::string_view extension,
                       std::string_view command);
// The owner of the extension; an extension without one is given to `progId`.
std::string GetFileTypeOwner(SettingsStore& store, std::string_view progId,
                             std::string_view extension);

}  // namespace kestrova
