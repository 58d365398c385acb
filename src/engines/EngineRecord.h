// One search engine's fixed data: where its queries go, how each result page's
// path is built, and which texts on a result page matter to the keyword check.
// Records are built into the program or read from the user's engines file at
// start, and never change while it runs.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/Numbers.h"

namespace kestrova {

constexpr int kQueryTemplateSlots = 5;  // pages 1-4, then page 5 and every later page
constexpr int kResultsStartSlots = 3;

struct EngineRecord {
  std::string Name;             // display name and key, compared exactly
  std::string Language;         // "English", "German", ...
  std::string Country;          // "USA", "Germany", ...
  std::string PagingParameter;  // e.g. "&start="; carried only
  bool Flag1 = false;           // carried only
  std::string Host;             // queries go here; home link is "http://" + Host
  bool UsePost = false;         // send queries as POST (AlpaVista only)
  std::array<std::string, kQueryTemplateSlots> QueryTemplates;
  Integer IncrementOffset = 0;  // added to 10 x page index for %INCREMENT_INTEGER%
  std::string NoResultsText;    // empty: a page never counts as "no results"
  // Texts after which the result list begins; the first empty slot ends the list.
  std::array<std::string, kResultsStartSlots> ResultsStartTexts;
  std::string CountSeparator;  // " " in every row; carried only

  // Searches for the domain itself; carried only, nothing reads them.
  std::string VisibilityHost;
  std::array<std::string, kQueryTemplateSlots> VisibilityTemplates;
  std::string VisibilityNoResultsText;
  std::string CountPrefix;
  std::string CountLead;

  // Add-URL service data; carried only, nothing reads them.
  std::string SubmitHost;
  bool Flag2 = false;
  std::string SubmitPath;
  std::string SubmitExtra;
  std::string SubmitEmailParameter;
  std::string SubmitConfirmText;
  std::string SubmitNotice;
  std::string AddUrlPage;
  bool Flag3 = false;
  Integer Number1 = 0;
  Integer Number2 = 0;
  bool Flag4 = false;
  std::string IndexQueryPrefix;  // "url:", "domain:" or empty

  // Engines described in the user's engines file; the built-in ones leave these
  // empty and are reached over plain HTTP on port 80.
  bool UserDefined = false;
  bool UseTls = false;     // "https": queries go over TLS
  std::uint16_t Port = 0;  // 0: the scheme's own port
  std::string UserAgent;   // empty: the run's user agent
  // XPath 1.0 rule selecting the result links (their href values) in page order;
  // takes the place of a built-in layout parser.
  std::string ResultLinks;
};

}  // namespace kestrova
