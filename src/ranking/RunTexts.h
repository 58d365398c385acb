// The ranking run's own words: status texts and colours of a checked page,
// messages and titles of the Rank action, and the fixed lines of the Keyword Log.
#pragma once

namespace kestrova::texts {

// Status of one fetched result page, with its colour in the Keyword Log.
inline constexpr const char* kStatusSuccess = "Success&nbsp;&nbsp;";
inline constexpr const char* kStatusFailed = "Failed&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
inline constexpr const char* kStatusTimedOut = "TimedOut";
inline constexpr const char* kStatusUnknown = "Unknown";
// Followed by the reason: an HTTPS engine whose connection could not be secured.
inline constexpr const char* kStatusTlsError = "TLS error: ";
inline constexpr const char* kColorSuccess = "008000";
inline constexpr const char* kColorFailed = "FF0000";
inline constexpr const char* kColorTimedOut = "FF8000";
inline constexpr const char* kColorUnknown = "F2F200";

// Record texts written by a check.
inline constexpr const char* kChangeUnchanged = "---";
inline constexpr const char* kChangeDown = "Down, (";
inline constexpr const char* kChangeUp = "  Up, (";
inline constexpr const char* kLeadUnchanged = "Unchanged with ";
inline constexpr const char* kLeadDropped = "Dropped to ";
inline constexpr const char* kLeadIncreased = "Increased to ";
inline constexpr const char* kTrendSuffix = " ranking";
inline constexpr const char* kTrendReRun = "Re-run";

// Rank action and run messages.
inline constexpr const char* kActionRank = "Rank";
inline constexpr const char* kActionStop = "Stop";
inline constexpr const char* kActionRanking = "Ranking";
inline constexpr const char* kReportDirNotSet = "Report directory not set!";
inline constexpr const char* kTitleSetDirectory = "Set Directory";
inline constexpr const char* kDirDoesNotExist = "Directory does not exist!";
inline constexpr const char* kTitleCreateDirectory = "Create Directory";
inline constexpr const char* kCouldNotMakeDirectory = "Could not make directory of '";
inline constexpr const char* kSelectEngines = "Select some engines first, then re-start";
inline constexpr const char* kDomainEmpty = "The domain entry is empty!";
inline constexpr const char* kTitleWarning = "Warning";
inline constexpr const char* kDomainHasHttp = "The domain entry does not need the 'http://'";
inline constexpr const char* kDomainNotAlpha =
    "The domain entry must start with an alpha character!";
inline constexpr const char* kNoKeywords = "There are no Keywords to search for, change this?";
inline constexpr const char* kTitleNoKeywords = "No Keywords";
inline constexpr const char* kReportDirMissing = "Report directory does not exist.";
inline constexpr const char* kTitleCreateDirectoryAsk = "Create Directory?";
inline constexpr const char* kErrorCreatingDirectory = "Error Detected in creating Directory";
inline constexpr const char* kErrorReportDirectories = "Error Report Directories";
inline constexpr const char* kErrorReportSeDirectories = "Error Report SE Directories";
inline constexpr const char* kSearchingPrefix = "Searching [ ";

// Line breaks as the message boxes and the project's texts carry them.
inline constexpr const char* kCrLf = "\r\n";

}  // namespace kestrova::texts
