// Writes a project as the project file's lines: Strings quoted, numbers in decimal,
// Booleans as "#TRUE#" / "#FALSE#", dates as "#yyyy-mm-dd hh:mm:ss#".
#include "base/Date.h"
#include "base/Files.h"
#include "base/Text.h"
#include "store/ProjectFile.h"

namespace kestrova {
namespace {

class LineWriter {
 public:
  // A double quote inside the text is written doubled, so the reader can tell it
  // from the closing quote; text without quotes is written exactly as it is.
  void String(std::string_view text) {
    text_ += '"';
    if (text.find('"') == std::string_view::npos) {
      text_ += text;  // the common case needs no copy
    } else {
      text_ += ReplaceAll(text, "\"", "\"\"");
    }
    text_ += '"';
    EndLine();
  }
  void Number(long long value) {
    text_ += std::to_string(value);
    EndLine();
  }
  void Boolean(bool value) {
    text_ += value ? "#TRUE#" : "#FALSE#";
    EndLine();
  }
  void DateValue(Date value) {
    text_ += FormatFileDate(value);
    EndLine();
  }
  template <typename List>
  void Count(const List& list) {
    Number(static_cast<long long>(list.size()));
  }
  void Reserve(size_t bytes) { text_.reserve(bytes); }
  std::string Take() { return std::move(text_); }

 private:
  void EndLine() { text_ += "\r\n"; }
  std::string text_;
};

// Near the file's size: reserved at once, a project at the record limit is not
// copied through every doubling of its text, nor held twice while it grows.
size_t EstimatedFileSize(const ProjectState& p) {
  size_t size = 64 * 1024;  // the fixed fields, engine lists and the width table
  for (const RankingRecord& r : p.Rankings) {
    size += 160 + r.CheckedAt.size() + r.Domain.size() + r.Engine.size() + r.Keyword.size() +
            r.TrendText.size() + r.ChangeText.size() + r.CheckedDomain.size();
    for (const std::string& url : r.TopUrls) size += url.size() + 4;
  }
  return size;
}

void WriteRanking(LineWriter& out, const RankingRecord& record) {
  out.String(record.CheckedAt);
  out.Number(record.KeywordDepth);
  out.Boolean(record.Succeeded);
  out.String(record.Domain);
  out.String(record.Engine);
  out.String(record.Keyword);
  out.String(record.TrendText);
  out.Number(record.Page);
  out.Number(record.PagePosition);
  out.Number(record.Rank);
  out.String(record.ChangeText);
  out.String(record.CheckedDomain);
  // Only the filled slots are written; a count outside 0..10 is kept inside it.
  int count = record.TopUrlCount < 0 ? 0 : record.TopUrlCount;
  if (count > kTopUrlSlots) count = kTopUrlSlots;
  out.Number(count);
  for (int i = 0; i < count; ++i) out.String(record.TopUrls[i]);
}

void WritePageAnalysis(LineWriter& out, const PageAnalysisRecord& r) {
  for (const std::string* text :
       {&r.LocalFile, &r.SecondText, &r.Keyword, &r.SourceUrl, &r.LastModified, &r.ServerName}) {
    out.String(*text);
  }
  out.Number(r.Status);
  out.String(r.ProblemText);
  out.String(r.Title);
  out.Number(r.TitleDensity);
  out.Number(r.TitleCount);
  auto group = [&out](const std::string& text, Integer density, Integer count) {
    out.String(text);
    out.Number(density);
    out.Number(count);
  };
  group(r.BodySlot, r.BodyDensity, r.BodyCount);
  group(r.HeadSlot, r.HeadDensity, r.HeadCount);
  group(r.CommentsSlot, r.CommentsDensity, r.CommentsCount);
  group(r.AltSlot, r.AltDensity, r.AltCount);
  group(r.MetaTitle, r.MetaTitleDensity, r.MetaTitleCount);
  group(r.MetaDescription, r.MetaDescriptionDensity, r.MetaDescriptionCount);
  group(r.MetaKeywords, r.MetaKeywordsDensity, r.MetaKeywordsCount);
  for (const std::string* text :
       {&r.MetaAuthor, &r.MetaGenerator, &r.MetaObject, &r.MetaRobots, &r.MetaLanguage,
        &r.MetaRating, &r.MetaExpiry, &r.MetaRevisitAfter}) {
    out.String(*text);
  }
  out.Number(r.KeywordTotal);
}

}  // namespace

std::string FormatVersionText(int major, int minor, int revision) {
  std::string text = FormatDigits(major, 2) + "." + FormatDigits(minor, 2);
  if (revision >= 1) text.append(".").append(FormatDigits(revision, 2));
  return text;
}

std::string ProjectFileText(const ProjectState& p) {
  LineWriter out;
  out.Reserve(EstimatedFileSize(p));
  out.String(kProjectFileVersion);
  out.String(p.Domain);
  out.String(p.ContactEmail);
  out.String(p.KeywordText);
  out.String(p.SearchUrl);
  out.String(p.SubmitUrl);
  out.Count(p.AvailableEngines);
  for (const std::string& name : p.AvailableEngines) out.String(name);
  out.Count(p.SelectedEngines);
  for (const std::string& name : p.SelectedEngines) out.String(name);
  for (int i = 0; i < 4; ++i) out.Number(0);
  out.Number(p.TimeOutSecs);
  out.Number(p.KeywordDepth);
  out.Number(p.SearchDepth);
  out.DateValue(p.LastRunDate);
  out.String(p.ReportDirectory);
  out.Number(p.DatePreference);
  out.Number(p.HighlightKeywords);
  out.String(p.ServerName);
  out.String(p.UserName);
  out.String(ScramblePassword(p.Password));
  out.String(p.WwwSubDir);
  out.Number(p.ProjectOption);
  out.Number(p.AllKeywords);
  out.String(p.PageGenDirectory);
  out.String(p.PageGenFileName);

  out.Count(p.Rankings);
  for (const RankingRecord& record : p.Rankings) WriteRanking(out, record);
  // The carried lists keep the field orders of the files that introduced them.
  out.Count(p.ReservedListOne);
  for (const ReservedRecordOne& r : p.ReservedListOne) {
    out.String(r.Field2);
    out.Number(r.Field3);
    out.String(r.Field1);
    out.String(r.Field5);
    out.String(r.Field4);
    out.Number(r.Field6);
  }
  out.Count(p.ReservedListTwo);
  for (const ReservedRecordTwo& r : p.ReservedListTwo) {
    out.String(r.Field3);
    out.Boolean(r.Field2);
    out.String(r.Field1);
    out.String(r.Field5);
    out.String(r.Field4);
    out.Number(r.Field6);
  }
  out.Count(p.PageAnalyses);
  for (const PageAnalysisRecord& r : p.PageAnalyses) WritePageAnalysis(out, r);
  out.Count(p.ReservedListThree);
  for (const ReservedRecordThree& r : p.ReservedListThree) {
    out.Number(r.Field1);
    out.Number(r.Field2);
    out.String(r.Field3);
    out.String(r.Field4);
  }
  for (const auto& slot : p.ColumnWidthTable) {
    for (Integer width : slot) out.Number(width);
  }
  return out.Take();
}

Status WriteProjectFile(const std::string& path, const ProjectState& project) {
  // A list the reader would refuse must not replace a file that can still be read.
  for (size_t size :
       {project.AvailableEngines.size(), project.SelectedEngines.size(), project.Rankings.size(),
        project.ReservedListOne.size(), project.ReservedListTwo.size(), project.PageAnalyses.size(),
        project.ReservedListThree.size()}) {
    if (size > static_cast<size_t>(kMaxRecords)) {
      return Status::Error(StatusCode::BadData,
                           "The project holds more than 32767 records in one list.");
    }
  }
  return WriteFileAtomically(path, ProjectFileText(project));
}

}  // namespace kestrova
