// The main form's own messages, titles and fixed control texts.
#pragma once

#include "base/ProductInfo.h"

namespace kestrova::texts {

// Title of the form's message boxes that name no title of their own.
inline constexpr const char* kFormTitle = kProductName;

inline constexpr const char* kTypeKeywordFirst = "Type something in the keyword box first!";
inline constexpr const char* kKeywordExists = "Keyword already exists";
inline constexpr const char* kDeleteKeywordAsk = "Are you sure that you want to delete keyword '";
inline constexpr const char* kDeleteKeywordTitle = "Delete one ranking?";
inline constexpr const char* kClearAllAsk = "Are you sure that you want to clear all RANKINGS?";
inline constexpr const char* kClearAllTitle = "Clear all rankings?";
inline constexpr const char* kDomainLocked =
    "Changing domain will affect ranking results below.\r\nClear all RANKINGS first!";
inline constexpr const char* kReportDirectoryTitle = "Report Directory";

// lblNumTotal with nothing counted; a time-out field that holds no time-out.
inline constexpr const char* kNoneCounted = "00";
inline constexpr const char* kTimeOutWhenInvalid = "007";

// Beside the fields of the settings: a time-out that was refused, proxy
// fields that a run cannot use.
inline constexpr const char* kTimeOutRefused =
    "A time-out is a number of seconds above 0: 007 was put in its place.";
inline constexpr const char* kProxyHostMissing =
    "Name the proxy's host; until then every request goes straight to the engines.";
inline constexpr const char* kProxyPortBad =
    "The proxy port must be a number from 1 to 65535 (empty: 80); until then every request goes "
    "straight to the engines.";

// The user-agent choices 0 to 2 (choice 3 is the person's own text).
inline constexpr const char* kAgentMicrosoft = "Mozilla/4.0 (compatible; MSIE 4.01; Windows 95)";
inline constexpr const char* kAgentNetscape = "Mozilla/4.05 [en] (Win95; I)";

// Between the lines of the keyword text.
inline constexpr const char* kLineBreak = "\r\n";

// The only key the domain box takes while rankings exist: Ctrl+C (copy).
inline constexpr int kCopyKey = 3;

}  // namespace kestrova::texts
