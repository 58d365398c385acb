// The history's file name and the texts it shows the person.
#pragma once

#include <string>
#include <string_view>

namespace kestrova::history_texts {

// The history sits beside its project: "site.rnk" keeps "site.rnk-history.db".
inline constexpr std::string_view kFileSuffix = "-history.db";

inline constexpr const char* kTitle = "Rank History";

// "The rank history "<file>" could not be opened: <reason>." then what follows.
inline constexpr const char* kOpenFailedLead = "The rank history \"";
inline constexpr const char* kOpenFailedMiddle = "\" could not be opened: ";
inline constexpr const char* kOpenFailedTail =
    ".\r\n\r\nThe project opens and ranks as usual, but its checks are not kept in the history. "
    "The file is left as it is; move it away to start a new history from the project's records.";
inline constexpr const char* kWriteFailedLead = "The rank history \"";
inline constexpr const char* kWriteFailedMiddle = "\" could not be written: ";
inline constexpr const char* kWriteFailedTail =
    ".\r\n\r\nThe run goes on; the rest of its checks are not kept in the history.";

// Reasons.
inline constexpr const char* kNotAHistory = "it is damaged or not a rank history";
inline constexpr const char* kNewerSchema = "it was written by a newer version of the program";
inline constexpr const char* kLocked = "another program is using it";
inline constexpr const char* kNoAccess = "the program may not read or write it";
inline constexpr const char* kCannotCreate = "it cannot be created";

// Texts of the runs table.
inline constexpr std::string_view kRunKind = "run";
inline constexpr std::string_view kSeedKind = "seed";
inline constexpr std::string_view kEndedFinished = "finished";
inline constexpr std::string_view kEndedByUser = "user";

// What a check's result column reads, as the ranking grid shows it.
inline constexpr std::string_view kSucceeded = "Success";
inline constexpr std::string_view kFailed = "Failed";

}  // namespace kestrova::history_texts
