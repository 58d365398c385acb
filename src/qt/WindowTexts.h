// The desktop window's own captions: menus, toolbar, panes, the settings and
// the run's progress. Messages and status texts come from the core.
#pragma once

namespace kestrova::texts {

// Menus and their items; "&" marks the mnemonic. No two mnemonics of one menu,
// of the main window or of one dialog share a letter: Qt would only cycle them.
inline constexpr const char* kMenuFile = "&File";
inline constexpr const char* kMenuNew = "&New";
inline constexpr const char* kMenuOpen = "&Open...";
inline constexpr const char* kMenuSave = "&Save";
inline constexpr const char* kMenuSaveAs = "Save &As...";
inline constexpr const char* kMenuExit = "E&xit";
inline constexpr const char* kMenuKeywords = "&Keywords";
inline constexpr const char* kMenuAddKeyword = "&Add Keyword";
inline constexpr const char* kMenuDeleteKeyword = "&Delete Keyword...";
inline constexpr const char* kMenuClearAll = "&Clear All Rankings...";
inline constexpr const char* kMenuRanking = "&Ranking";
inline constexpr const char* kMenuRank = "&Rank";
inline constexpr const char* kMenuStop = "&Stop";
inline constexpr const char* kMenuEngines = "Choose &Engines";
inline constexpr const char* kMenuView = "&View";
inline constexpr const char* kMenuRankingGrid = "&Ranking Grid";
inline constexpr const char* kMenuTopUrlsGrid = "&Top URLs Grid";
inline constexpr const char* kMenuHistory = "&History...";
inline constexpr const char* kMenuTools = "&Tools";
inline constexpr const char* kMenuSettings = "&Settings...";
inline constexpr const char* kMenuAnalyze = "&Analyze Front Page";
inline constexpr const char* kMenuHelp = "&Help";
inline constexpr const char* kMenuAboutPrefix = "&About ";

// The toolbar (the action bar's Open, Save, Rank, Settings and Improve!).
inline constexpr const char* kToolBarTitle = "Actions";
inline constexpr const char* kToolImprove = "Improve!";
inline constexpr const char* kToolSettings = "Settings";

// The side pane and the keyword row above the grids.
inline constexpr const char* kSiteGroup = "Site";
inline constexpr const char* kDomainLabel = "&Domain:";
inline constexpr const char* kDomainLockedHint =
    "Rankings of this domain exist: clear all rankings to change it.";
inline constexpr const char* kKeywordsGroup = "K&eywords to check, one per line";
inline constexpr const char* kEnginesGroup = "Engines";
inline constexpr const char* kAllSites = "All Sites";
inline constexpr const char* kSelectedSites = "Selected Sites";
inline constexpr const char* kShownKeyword = "Keyw&ord:";
inline constexpr const char* kAddKeyword = "Add";
inline constexpr const char* kDeleteKeyword = "Delete";
inline constexpr const char* kClearAll = "Clear All";
inline constexpr const char* kLastRunPrefix = "Last run: ";
inline constexpr const char* kNeverRunCaption = "Not run yet";
inline constexpr const char* kRankingTab = "Ranking";
inline constexpr const char* kTopUrlsTab = "Top URLs";

// The run's progress above the grids.
inline constexpr const char* kKeywordsProgress = "Keywords";
inline constexpr const char* kEnginesProgress = "Engines";
inline constexpr const char* kKeywordOf = "Keyword ";
inline constexpr const char* kOf = " of ";
// The widest engines caption, which the display must hold unclipped.
inline constexpr const char* kWidestEnginesCaption = "100%   64 of 64 engines done";

// The settings.
inline constexpr const char* kSettingsTitle = "Settings";
inline constexpr const char* kProjectGroup = "This project (saved with it)";
inline constexpr const char* kTimeOutLabel = "&Time-out (seconds):";
inline constexpr const char* kDepthLabel = "&Depth (results):";
inline constexpr const char* kReportsLabel = "&Reports folder:";
inline constexpr const char* kBrowse = "&Browse...";
inline constexpr const char* kDateFormatLabel = "Date &format:";
inline constexpr const char* kHighlight = "&Highlight keywords in saved pages";
inline constexpr const char* kConnectionGroup = "Connection (every project)";
inline constexpr const char* kUseProxy = "Use a &proxy";
inline constexpr const char* kProxyHostLabel = "Pro&xy host:";
inline constexpr const char* kProxyPortLabel = "P&ort:";
inline constexpr const char* kUseDirect = "Dir&ect connection (no dial-up)";
inline constexpr const char* kJobsLabel = "Engines checked &at once:";
inline constexpr const char* kAgentGroup = "User agent (every project)";
inline constexpr const char* kAgentCaptions[4] = {"&Microsoft", "&Netscape", "&Kestrova", "O&wn"};
inline constexpr const char* kAgentTextLabel = "Sent as:";
inline constexpr const char* kDisplayGroup = "Display";
inline constexpr const char* kBoldGrid = "Bold ranking &grid";

// The improvement window.
inline constexpr const char* kImproveTitle = "Improvement Report";
inline constexpr const char* kImproveOk = "OK";

}  // namespace kestrova::texts
