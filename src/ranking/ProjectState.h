// The one open project: the site being checked, the engine selection, the settings
// that travel with the project and every record list the project file carries.
// Plain data; the window's form model, the run and the project file share it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/Date.h"
#include "base/Numbers.h"
#include "engines/ResultList.h"

namespace kestrova {

struct EngineCatalogue;

// The latest check of one keyword on one engine. A record with an empty Keyword is
// free: a later check may take its place.
struct RankingRecord {
  std::string Domain;
  bool Succeeded = false;
  std::string CheckedAt;  // "mm/dd/yyyy hh:mm:ss AMPM"
  Integer KeywordDepth = 0;
  std::string CheckedDomain;
  std::string Keyword;
  std::string Engine;
  std::string ChangeText;  // "Down, (n)", "  Up, (n)", "---" or empty
  Integer Rank = 0;
  Integer Page = 0;
  Integer PagePosition = 0;
  std::string TrendText;
  std::array<std::string, kTopUrlSlots> TopUrls;  // slot 1 is TopUrls[0]
  Integer TopUrlCount = 0;                        // filled slots, 0 to 10

  bool IsFree() const { return Keyword.empty(); }
  friend bool operator==(const RankingRecord&, const RankingRecord&) = default;
};

// One front-page analysis. UnstoredText is never written to the project file.
struct PageAnalysisRecord {
  std::string UnstoredText;
  std::string LocalFile, SecondText, Keyword, SourceUrl, LastModified, ServerName;
  Integer Status = 0;
  std::string ProblemText, Title;
  Integer TitleDensity = 0, TitleCount = 0;
  std::string BodySlot;
  Integer BodyDensity = 0, BodyCount = 0;
  std::string HeadSlot;
  Integer HeadDensity = 0, HeadCount = 0;
  std::string CommentsSlot;
  Integer CommentsDensity = 0, CommentsCount = 0;
  std::string AltSlot;
  Integer AltDensity = 0, AltCount = 0;
  std::string MetaTitle;
  Integer MetaTitleDensity = 0, MetaTitleCount = 0;
  std::string MetaDescription;
  Integer MetaDescriptionDensity = 0, MetaDescriptionCount = 0;
  std::string MetaKeywords;
  Integer MetaKeywordsDensity = 0, MetaKeywordsCount = 0;
  std::string MetaAuthor, MetaGenerator, MetaObject, MetaRobots, MetaLanguage, MetaRating,
      MetaExpiry, MetaRevisitAfter;
  Long KeywordTotal = 0;

  friend bool operator==(const PageAnalysisRecord&, const PageAnalysisRecord&) = default;
};

// Records nothing in the program fills or reads; the project file carries them so
// that files written by other versions keep them.
struct ReservedRecordOne {
  std::string Field1, Field2;
  Integer Field3 = 0;
  std::string Field4, Field5;
  Long Field6 = 0;
  friend bool operator==(const ReservedRecordOne&, const ReservedRecordOne&) = default;
};
struct ReservedRecordTwo {
  std::string Field1;
  bool Field2 = false;
  std::string Field3, Field4, Field5;
  Integer Field6 = 0;
  friend bool operator==(const ReservedRecordTwo&, const ReservedRecordTwo&) = default;
};
struct ReservedRecordThree {
  Integer Field1 = 0, Field2 = 0;
  std::string Field3, Field4;
  friend bool operator==(const ReservedRecordThree&, const ReservedRecordThree&) = default;
};

// Saved grid column widths: slot 0 to 2, column 0 to 20.
constexpr int kColumnWidthSlots = 3;
constexpr int kColumnWidthColumns = 21;
using ColumnWidthSlots = std::array<std::array<Integer, kColumnWidthColumns>, kColumnWidthSlots>;

// Record lists hold at most this many records (their counts are Integers).
constexpr int kMaxRecords = 32767;

// The text ProjectFileName holds while the project has no file.
inline constexpr std::string_view kNoProjectFile = "(none)";

struct ProjectState {
  // Stored in the project file, in file order.
  std::string Domain;
  std::string ContactEmail;
  std::string KeywordText;
  std::string SearchUrl;
  std::string SubmitUrl;
  std::vector<std::string> AvailableEngines;
  std::vector<std::string> SelectedEngines;
  Integer TimeOutSecs = 0;
  Integer KeywordDepth = 0;
  Integer SearchDepth = 0;
  Date LastRunDate = kNeverRun;
  std::string ReportDirectory;
  Integer DatePreference = 0;
  Integer HighlightKeywords = 0;
  std::string ServerName;
  std::string UserName;
  std::string Password;  // plain text here; scrambled only in the file
  std::string WwwSubDir;
  Integer ProjectOption = 0;
  Integer AllKeywords = 0;
  std::string PageGenDirectory;
  std::string PageGenFileName;
  std::vector<RankingRecord> Rankings;  // record n of the file is Rankings[n - 1]
  std::vector<ReservedRecordOne> ReservedListOne;
  std::vector<ReservedRecordTwo> ReservedListTwo;
  std::vector<PageAnalysisRecord> PageAnalyses;
  std::vector<ReservedRecordThree> ReservedListThree;
  ColumnWidthSlots ColumnWidthTable{};

  // Belong to the open project but never reach the file.
  std::string ProjectFileName;  // name part of the open file; "" or "(none)": no file
  bool Modified = false;        // unsaved edits
  bool Loading = false;         // a file is being read: edits do not count as changes
  // Engines the file named that the catalogue it was read with lacks; they
  // are left out of the lists, and a save drops them for good.
  std::vector<std::string> DroppedEngines;
};

// True when `name` is one of the texts that mean "no file": "", "(none)", "<none>".
bool IsNoProjectFile(std::string_view name);

// 1-based index of the first record, in list order, that is for `keyword` on
// `engine` (exact comparison) or is free; 0 when there is none. One pass over
// the records; a run, which looks up a record per check, keeps a RecordIndex.
int FindRankingRecord(const ProjectState& project, std::string_view keyword,
                      std::string_view engine);

// Frees every record of `keyword` (exact comparison): its Keyword becomes empty and,
// when its first top URL is set, all ten top URLs are emptied. Records keep their
// place in the list. Returns how many records were freed.
int FreeKeywordRecords(ProjectState& project, std::string_view keyword);

// The distinct non-empty keywords of the records, in record order.
std::vector<std::string> RankingKeywords(const ProjectState& project);

// Empties the ranking records and the four other record lists.
void ClearRecordLists(ProjectState& project);

// Appends to AvailableEngines, in catalogue order, every catalogue engine that is in
// neither engine list.
void SyncEngineLists(ProjectState& project, const EngineCatalogue& catalogue);

// After an edit: unless a file is being read, sets Modified and the window caption
// to "<title> - <<file>>", or "<title> - (none)" while there is no file.
void MarkModified(ProjectState& project, std::string_view title, std::string& caption);
// After a save: clears Modified; the caption becomes "<title> - <file>".
void MarkSaved(ProjectState& project, std::string_view title, std::string& caption);

}  // namespace kestrova
