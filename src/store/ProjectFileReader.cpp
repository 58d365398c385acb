// Reads a project file into the open project, field by field in file order, so a
// failure leaves the fields read so far with their new values and the rest as they
// were.
#include <algorithm>

#include "base/Files.h"
#include "base/Messenger.h"
#include "engines/EngineCatalogue.h"
#include "store/ProjectFile.h"
#include "store/ProjectFileFields.h"

namespace kestrova {
namespace {

// Files of earlier versions name this engine by its former name.
constexpr std::string_view kFormerClarinName = "Buscador";
constexpr std::string_view kClarinName = "Clarin";

class ProjectReader {
 public:
  ProjectReader(std::string_view bytes, ProjectState& project, const EngineCatalogue& catalogue)
      : in_(bytes), p_(project), catalogue_(catalogue) {}

  bool Read() {
    std::string version;
    if (!in_.ReadString(version)) return false;
    if (!ReadStrings(
            {&p_.Domain, &p_.ContactEmail, &p_.KeywordText, &p_.SearchUrl, &p_.SubmitUrl})) {
      return false;
    }
    p_.AvailableEngines.clear();
    p_.SelectedEngines.clear();
    p_.DroppedEngines.clear();
    if (!ReadEngineList(p_.AvailableEngines, false)) return false;
    if (!ReadEngineList(p_.SelectedEngines, true)) return false;
    Integer reserved = 0;
    for (int i = 0; i < 4; ++i) {
      if (!in_.ReadInteger(reserved)) return false;
    }
    if (!in_.ReadInteger(p_.TimeOutSecs) || !in_.ReadInteger(p_.KeywordDepth) ||
        !in_.ReadInteger(p_.SearchDepth) || !in_.ReadDate(p_.LastRunDate) ||
        !in_.ReadString(p_.ReportDirectory) || !in_.ReadInteger(p_.DatePreference) ||
        !in_.ReadInteger(p_.HighlightKeywords) || !ReadStrings({&p_.ServerName, &p_.UserName})) {
      return false;
    }
    std::string password;
    if (!in_.ReadString(password)) return false;
    p_.Password = UnscramblePassword(password);
    if (!in_.ReadString(p_.WwwSubDir) || !in_.ReadInteger(p_.ProjectOption)) return false;
    p_.ProjectOption = std::clamp<Integer>(p_.ProjectOption, 0, 2);
    if (!in_.ReadInteger(p_.AllKeywords) ||
        !ReadStrings({&p_.PageGenDirectory, &p_.PageGenFileName})) {
      return false;
    }
    if (!ReadList(p_.Rankings, &ProjectReader::ReadRanking)) return false;
    // Only these versions carry the lists after the rankings; for any other the
    // lists and column widths keep what they held.
    if (version != kProjectFileVersion && version != kProjectFileOlderFullVersion) return true;
    return ReadList(p_.ReservedListOne, &ProjectReader::ReadReservedOne) &&
           ReadList(p_.ReservedListTwo, &ProjectReader::ReadReservedTwo) &&
           ReadList(p_.PageAnalyses, &ProjectReader::ReadPageAnalysis) &&
           ReadList(p_.ReservedListThree, &ProjectReader::ReadReservedThree) && ReadColumnWidths();
  }

  const ProjectFieldReader& fields() const { return in_; }

 private:
  bool ReadStrings(std::initializer_list<std::string*> targets) {
    for (std::string* target : targets) {
      if (!in_.ReadString(*target)) return false;
    }
    return true;
  }

  bool ReadEngineList(std::vector<std::string>& list, bool selected) {
    int count = 0;
    if (!in_.ReadCount(count)) return false;
    for (int i = 0; i < count; ++i) {
      std::string name;
      if (!in_.ReadString(name)) return false;
      if (selected && name == kFormerClarinName) name = kClarinName;
      // Engines the catalogue no longer has are dropped without a word; the
      // caller may ask which.
      if (!EngineExists(catalogue_, name)) {
        std::vector<std::string>& dropped = p_.DroppedEngines;
        if (std::find(dropped.begin(), dropped.end(), name) == dropped.end())
          dropped.push_back(std::move(name));
      } else if (std::find(list.begin(), list.end(), name) == list.end()) {
        list.push_back(std::move(name));
      }
    }
    return true;
  }

  // Records are appended as they are completed, so a count that the file does not
  // back with records costs nothing.
  template <typename Record>
  bool ReadList(std::vector<Record>& list, bool (ProjectReader::*readRecord)(Record&)) {
    int count = 0;
    if (!in_.ReadCount(count)) return false;
    list.clear();
    for (int i = 0; i < count; ++i) {
      Record record;
      if (!(this->*readRecord)(record)) return false;
      list.push_back(std::move(record));
    }
    return true;
  }

  bool ReadRanking(RankingRecord& r) {
    if (!in_.ReadString(r.CheckedAt) || !in_.ReadInteger(r.KeywordDepth) ||
        !in_.ReadBoolean(r.Succeeded) ||
        !ReadStrings({&r.Domain, &r.Engine, &r.Keyword, &r.TrendText}) ||
        !in_.ReadInteger(r.Page) || !in_.ReadInteger(r.PagePosition) || !in_.ReadInteger(r.Rank) ||
        !ReadStrings({&r.ChangeText, &r.CheckedDomain}) || !in_.ReadInteger(r.TopUrlCount)) {
      return false;
    }
    if (r.TopUrlCount < 0 || r.TopUrlCount > kTopUrlSlots) return false;
    for (int i = 0; i < r.TopUrlCount; ++i) {
      if (!in_.ReadString(r.TopUrls[i])) return false;
    }
    return true;
  }

  bool ReadReservedOne(ReservedRecordOne& r) {
    return in_.ReadString(r.Field2) && in_.ReadInteger(r.Field3) && in_.ReadString(r.Field1) &&
           in_.ReadString(r.Field5) && in_.ReadString(r.Field4) && in_.ReadLong(r.Field6);
  }

  bool ReadReservedTwo(ReservedRecordTwo& r) {
    return in_.ReadString(r.Field3) && in_.ReadBoolean(r.Field2) && in_.ReadString(r.Field1) &&
           in_.ReadString(r.Field5) && in_.ReadString(r.Field4) && in_.ReadInteger(r.Field6);
  }

  bool ReadReservedThree(ReservedRecordThree& r) {
    return in_.ReadInteger(r.Field1) && in_.ReadInteger(r.Field2) && in_.ReadString(r.Field3) &&
           in_.ReadString(r.Field4);
  }

  bool ReadGroup(std::string& text, Integer& density, Integer& count) {
    return in_.ReadString(text) && in_.ReadInteger(density) && in_.ReadInteger(count);
  }

  bool ReadPageAnalysis(PageAnalysisRecord& r) {
    return ReadStrings({&r.LocalFile, &r.SecondText, &r.Keyword, &r.SourceUrl, &r.LastModified,
                        &r.ServerName}) &&
           in_.ReadInteger(r.Status) && ReadStrings({&r.ProblemText, &r.Title}) &&
           in_.ReadInteger(r.TitleDensity) && in_.ReadInteger(r.TitleCount) &&
           ReadGroup(r.BodySlot, r.BodyDensity, r.BodyCount) &&
           ReadGroup(r.HeadSlot, r.HeadDensity, r.HeadCount) &&
           ReadGroup(r.CommentsSlot, r.CommentsDensity, r.CommentsCount) &&
           ReadGroup(r.AltSlot, r.AltDensity, r.AltCount) &&
           ReadGroup(r.MetaTitle, r.MetaTitleDensity, r.MetaTitleCount) &&
           ReadGroup(r.MetaDescription, r.MetaDescriptionDensity, r.MetaDescriptionCount) &&
           ReadGroup(r.MetaKeywords, r.MetaKeywordsDensity, r.MetaKeywordsCount) &&
           ReadStrings({&r.MetaAuthor, &r.MetaGenerator, &r.MetaObject, &r.MetaRobots,
                        &r.MetaLanguage, &r.MetaRating, &r.MetaExpiry, &r.MetaRevisitAfter}) &&
           in_.ReadLong(r.KeywordTotal);
  }

  bool ReadColumnWidths() {
    for (auto& slot : p_.ColumnWidthTable) {
      for (Integer& width : slot) {
        if (!in_.ReadInteger(width)) return false;
      }
    }
    return true;
  }

  ProjectFieldReader in_;
  ProjectState& p_;
  const EngineCatalogue& catalogue_;
};

}  // namespace

Status ReadProjectText(std::string_view bytes, ProjectState& project,
                       const EngineCatalogue& catalogue) {
  project.Loading = true;
  ProjectReader reader(bytes, project, catalogue);
  const bool ok = reader.Read();
  project.Loading = false;
  if (!ok) {
    std::string problem = reader.fields().problem();
    if (problem.empty()) problem = "top URL count out of range";
    return Status::Error(StatusCode::BadData, std::move(problem), reader.fields().line());
  }
  SyncEngineLists(project, catalogue);
  return Status::Ok();
}

Status LoadProjectFile(const std::string& path, ProjectState& project,
                       const EngineCatalogue& catalogue) {
  std::string bytes;
  Status status = ReadWholeFile(path, bytes, kLargestProjectFile);
  if (status) status = ReadProjectText(bytes, project, catalogue);
  return status;
}

Status ReadProjectFile(const std::string& path, ProjectState& project, Messenger& messenger,
                       const EngineCatalogue& catalogue) {
  Status status = LoadProjectFile(path, project, catalogue);
  if (!status) {
    std::string text(kReadErrorText);
    // A file refused unread says why; the person may have picked a device or a
    // folder by mistake.
    if (status.code() == StatusCode::NotRegularFile || status.code() == StatusCode::TooLarge) {
      text += "\r\n\r\n" + status.message();
    }
    messenger.ShowMessage(text, kReadErrorTitle, MessageButtons::Ok, MessageIcon::Stop);
  }
  return status;
}

}  // namespace kestrova
