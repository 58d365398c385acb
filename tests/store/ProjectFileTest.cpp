#include "store/ProjectFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <tuple>

#include "base/Files.h"
#include "store/ProjectSamples.h"
#include "support/ScriptedMessenger.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

using test::SampleCatalogue;
using test::SampleProject;
using test::SampleRecord;

auto Stored(const ProjectState& p) {
  return std::tie(p.Domain, p.ContactEmail, p.KeywordText, p.SearchUrl, p.SubmitUrl,
                  p.AvailableEngines, p.SelectedEngines, p.TimeOutSecs, p.KeywordDepth,
                  p.SearchDepth, p.LastRunDate, p.ReportDirectory, p.DatePreference,
                  p.HighlightKeywords, p.ServerName, p.UserName, p.Password, p.WwwSubDir,
                  p.ProjectOption, p.AllKeywords, p.PageGenDirectory, p.PageGenFileName, p.Rankings,
                  p.ReservedListOne, p.ReservedListTwo, p.PageAnalyses, p.ReservedListThree,
                  p.ColumnWidthTable);
}

// Lines of a file text, without their CR LF.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; start < text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

Status ReadText(const std::string& text, ProjectState& into) {
  return ReadProjectText(text, into, SampleCatalogue());
}

TEST(ProjectFile, EveryFieldListAndAwkwardStringSurvivesASaveAndLoad) {
  ProjectState saved = SampleProject();
  saved.Domain = "a,b";
  // Every password character survives, also those scrambled past 255 or into a
  // quote or line break.
  for (int code = 1; code < 256; ++code) saved.Password += static_cast<char>(code);
  saved.ContactEmail = "\"";
  saved.SearchUrl = "line one\r\nline two\n\"three\"\r\n";
  saved.Rankings[0].TopUrls[2] = "http://q.test/?a=\"b\",c";
  const std::string text = ProjectFileText(saved);
  EXPECT_NE(text.find("\r\n\"a,b\"\r\n\"\"\"\"\r\n"), std::string::npos);
  ProjectState loaded;
  loaded.Loading = true;
  ASSERT_TRUE(ReadText(text, loaded).ok());
  EXPECT_TRUE(Stored(saved) == Stored(loaded));
  EXPECT_EQ(loaded.SearchUrl, saved.SearchUrl);
  EXPECT_EQ(loaded.Rankings, saved.Rankings);  // free records stay between used ones
  EXPECT_EQ(loaded.PageAnalyses, saved.PageAnalyses);
  EXPECT_FALSE(loaded.Loading);
  EXPECT_EQ(ProjectFileText(loaded), text);
}

TEST(ProjectFile, WritesTheFieldsInTheirLineForms) {
  ProjectState p;
  p.Domain = "example.org";
  p.SelectedEngines = {"Beta"};
  p.TimeOutSecs = 50;
  p.KeywordDepth = -5;
  p.ReportDirectory = "/r";
  p.Rankings = {SampleRecord("kw", "Beta", 3)};
  p.Rankings[0].Succeeded = false;
  const std::vector<std::string> lines = Lines(ProjectFileText(p));
  const std::vector<std::string> head = {
      "\"01.26\"", "\"example.org\"", "\"\"", "\"\"", "\"\"", "\"\"", "0", "1", "\"Beta\"", "0",
      "0", "0", "0", "50", "-5", "0", "#1899-12-31#", "\"/r\"", "0", "0", "\"\"", "\"\"", "\"\"",
      "\"\"", "0", "0", "\"\"", "\"\"",
      // the ranking record, with only its three filled top URLs
      "1", "\"05/13/2000 02:05:09 PM\"", "30", "#FALSE#", "\"example.org\"", "\"Beta\"", "\"kw\"",
      "\"Increased to GOOD ranking\"", "2", "4", "14", "\"  Up, (3)\"", "\"example.org\"", "3",
      "\"http://site0.test/\"", "\"http://site1.test/\"", "\"http://site2.test/\"",
      // four empty lists
      "0", "0", "0", "0"};
  ASSERT_EQ(lines.size(), head.size() + 63);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + head.size()), head);
  for (size_t i = head.size(); i < lines.size(); ++i) EXPECT_EQ(lines[i], "0");
}

TEST(ProjectFile, CarriedListsKeepTheirOwnFieldOrders) {
  ProjectState p;
  p.ReservedListOne = {{"F1", "F2", 3, "F4", "F5", 6}};
  p.ReservedListTwo = {{"G1", true, "G3", "G4", "G5", 6}};
  p.ReservedListThree = {{1, 2, "H3", "H4"}};
  PageAnalysisRecord analysis = test::SampleAnalysis();
  analysis.UnstoredText = "never written";
  p.PageAnalyses = {analysis};
  const std::string text = ProjectFileText(p);
  EXPECT_NE(text.find("1\r\n\"F2\"\r\n3\r\n\"F1\"\r\n\"F5\"\r\n\"F4\"\r\n6\r\n1\r\n"
                      "\"G3\"\r\n#TRUE#\r\n\"G1\"\r\n\"G5\"\r\n\"G4\"\r\n6\r\n1\r\n\"front.htm\""),
            std::string::npos);
  EXPECT_NE(text.find("100000\r\n1\r\n1\r\n2\r\n\"H3\"\r\n\"H4\"\r\n"), std::string::npos);
  EXPECT_EQ(text.find("never written"), std::string::npos);
  ProjectState loaded;
  ASSERT_TRUE(ReadText(text, loaded).ok());
  analysis.UnstoredText.clear();
  EXPECT_EQ(loaded.PageAnalyses, std::vector<PageAnalysisRecord>{analysis});
  EXPECT_EQ(loaded.ReservedListOne, p.ReservedListOne);
  EXPECT_EQ(loaded.ReservedListTwo, p.ReservedListTwo);
}

TEST(ProjectFile, EngineListsAreCheckedAgainstTheCatalogue) {
  ProjectState p;
  p.AvailableEngines = {"Gone", "Delta", "Delta", "Beta"};
  p.SelectedEngines = {"Buscador", "Beta", "Missing", "Clarin"};
  ProjectState loaded;
  ASSERT_TRUE(ReadText(ProjectFileText(p), loaded).ok());
  // Buscador is Clarin's former name; unknown names and duplicates are dropped;
  // Alpha, in neither list, becomes available.
  EXPECT_EQ(loaded.SelectedEngines, (std::vector<std::string>{"Clarin", "Beta"}));
  EXPECT_EQ(loaded.AvailableEngines, (std::vector<std::string>{"Delta", "Beta", "Alpha"}));
}

TEST(ProjectFile, OtherVersionsStopAfterTheRankings) {
  const ProjectState older = SampleProject();
  std::string text = ProjectFileText(older);
  text.replace(0, 7, "\"01.24\"");
  // Such a file ends after its rankings; whatever follows is not read.
  ProjectState head = older;
  ClearRecordLists(head);
  head.Rankings = older.Rankings;
  head.ColumnWidthTable = {};
  const size_t rankingsEnd = ProjectFileText(head).size() - (4 + 63) * 3;  // all "0\r\n"
  ProjectState loaded;
  loaded.ReservedListOne = {{"kept", "", 0, "", "", 0}};
  loaded.ColumnWidthTable[1][2] = 77;
  ASSERT_TRUE(ReadText(text.substr(0, rankingsEnd), loaded).ok());
  EXPECT_EQ(loaded.Rankings, older.Rankings);
  ASSERT_EQ(loaded.ReservedListOne.size(), 1u);
  EXPECT_EQ(loaded.ReservedListOne[0].Field1, "kept");
  EXPECT_EQ(loaded.ColumnWidthTable[1][2], 77);

  text.replace(0, 7, "\"01.25\"");  // carries every list
  ASSERT_TRUE(ReadText(text, loaded).ok());
  EXPECT_TRUE(Stored(older) == Stored(loaded));
}

TEST(ProjectFile, ValuesOutOfTheirRangeAreClampedOrRefused) {
  ProjectState p = SampleProject();
  ProjectState loaded;
  for (auto [option, kept] : {std::pair{9, 2}, {-3, 0}}) {
    p.ProjectOption = static_cast<Integer>(option);
    ASSERT_TRUE(ReadText(ProjectFileText(p), loaded).ok());
    EXPECT_EQ(loaded.ProjectOption, kept);
  }
  // Top URL counts above 10, negative counts, counts beyond an Integer, bad forms.
  const std::string good = ProjectFileText(SampleProject());
  const std::pair<std::string, std::string> edits[] = {
      {"\r\n3\r\n\"http://site0", "\r\n11\r\n\"http://site0"},
      {"\r\n3\r\n\"http://site0", "\r\n-1\r\n\"http://site0"},
      {"\r\n5\r\n\"05/13", "\r\n-5\r\n\"05/13"},
      {"\r\n5\r\n\"05/13", "\r\n32768\r\n\"05/13"},
      {"\r\n5\r\n\"05/13", "\r\n99999999999999999999999\r\n\"05/13"},
      {"\r\n45\r\n", "\r\n45x\r\n"},
      {"#TRUE#", "#YES#"},
      {"#2000-05-13 14:05:09#", "#2000-13-45#"},
      {"\"example.org\"", "example.org"}};
  for (const auto& [from, to] : edits) {
    std::string bad = good;
    const size_t at = bad.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    ProjectState state;
    EXPECT_FALSE(ReadText(bad.replace(at, from.size(), to), state).ok()) << to;
  }
}

TEST(ProjectFile, EveryCutOffFileIsAReadError) {
  const std::string text = ProjectFileText(SampleProject());
  for (size_t length = 0; length < text.size(); ++length) {
    ProjectState state;
    ASSERT_FALSE(ReadText(text.substr(0, length), state).ok()) << "cut at " << length;
    ASSERT_FALSE(state.Loading);
  }
}

TEST(ProjectFile, FilesOnDiskAreReplacedWholeAndFailedReadsShowTheMessage) {
  test::TempFolder folder;
  const std::string dir = folder.path();
  const std::string path = dir + "/p.rnk";
  ProjectState p = SampleProject();
  ASSERT_TRUE(WriteProjectFile(path, p));
  p.Domain = "second.example.org";
  ASSERT_TRUE(WriteProjectFile(path, p));
  ProjectState loaded;
  test::ScriptedMessenger dialogs;
  ASSERT_TRUE(ReadProjectFile(path, loaded, dialogs, SampleCatalogue()));
  EXPECT_EQ(loaded.Domain, "second.example.org");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);  // no temporary left
  const Status noFolder = WriteProjectFile(dir + "/no/such/dir/p.rnk", p);
  EXPECT_EQ(noFolder.code(), StatusCode::WriteFailed);
  EXPECT_FALSE(noFolder.message().empty());
  // A list too long to be read back is not saved over the readable file.
  p.Rankings.resize(kMaxRecords + 1);
  EXPECT_EQ(WriteProjectFile(path, p).code(), StatusCode::BadData);
  ASSERT_TRUE(ReadProjectFile(path, loaded, dialogs, SampleCatalogue()));
  EXPECT_EQ(loaded.Rankings.size(), SampleProject().Rankings.size());

  // A damaged file keeps what was read before the damage; a missing one reads nothing.
  const std::string text = ProjectFileText(SampleProject());
  ASSERT_TRUE(WriteFileAtomically(path, text.substr(0, text.find("\"ftp.example.org\"") + 5)));
  ProjectState state;
  state.PageGenFileName = "old";
  EXPECT_FALSE(ReadProjectFile(path, state, dialogs, SampleCatalogue()));
  EXPECT_FALSE(ReadProjectFile(dir + "/missing.rnk", state, dialogs, SampleCatalogue()));
  ASSERT_EQ(dialogs.messages.size(), 2u);
  for (const auto& message : dialogs.messages) {
    EXPECT_EQ(message.text, "There was an error reading this file!");
    EXPECT_EQ(message.title, "Read Error");
    EXPECT_EQ(message.icon, MessageIcon::Stop);
  }
  EXPECT_EQ(state.Domain, "example.org");
  EXPECT_EQ(state.PageGenFileName, "old");
  EXPECT_FALSE(state.Loading);
}

TEST(ProjectFile, PasswordsAreScrambledWithTheFixedKey) {
  // 'a' ^ '4' is 0x55, moved up by 33 gives 'v'; '9' ^ '7' is 0x0E, giving '/'.
  EXPECT_EQ(ScramblePassword("a9"), "v/");
  EXPECT_EQ(UnscramblePassword("v/"), "a9");
}

// The reader meets random and damaged files: it must neither crash nor hang, and
// what it keeps can never outgrow the file it read.
void ReadAndCheck(const std::string& bytes) {
  ProjectState p;
  const Status result = ReadProjectText(bytes, p, test::SampleCatalogue());
  ASSERT_FALSE(p.Loading);
  ASSERT_TRUE(result.ok() || (result.code() == StatusCode::BadData && !result.message().empty() &&
                              result.line() > 0));
  // Every kept record or name took at least one line (the engine lists gain at most
  // the catalogue's engines on top).
  const size_t kept = p.AvailableEngines.size() + p.SelectedEngines.size() + p.Rankings.size() +
                      p.ReservedListOne.size() + p.ReservedListTwo.size() + p.PageAnalyses.size() +
                      p.ReservedListThree.size();
  ASSERT_LE(kept, std::count(bytes.begin(), bytes.end(), '\n') + 4u);
}

TEST(ProjectFileFuzz, RandomAndMutatedFilesAreReadOrRefusedWithoutHarm) {
  std::mt19937 random(20000513);
  // Mostly the characters the format is made of, so the reader gets some way in,
  // and the two bytes a reader must never trip over. Built from its bytes: a
  // string made from a plain C string would end at the NUL.
  constexpr char kAlphabet[] = "\"\r\n#0123456789-, TRUEFALS.:abc\x00\xff";
  const std::string alphabet(kAlphabet, sizeof kAlphabet - 1);
  ASSERT_EQ(alphabet.substr(alphabet.size() - 2), std::string("\0\xff", 2));
  for (int round = 0; round < 400; ++round) {
    std::string bytes(random() % 2000, '\0');
    for (char& c : bytes) {
      c = round % 2 ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
    }
    ReadAndCheck(bytes);
  }
  const std::string valid = ProjectFileText(test::SampleProject());
  const std::string inserts[] = {"\"", "\r\n", "32767", "-1", "#TRUE#", "\"\"", "9", "\n\"x"};
  for (int round = 0; round < 1500; ++round) {
    std::string bytes = valid;
    for (int e = 0, edits = 1 + random() % 4; e < edits && !bytes.empty(); ++e) {
      const size_t at = random() % bytes.size();
      switch (random() % 4) {
        case 0:
          bytes[at] = static_cast<char>(random());
          break;
        case 1:
          bytes.erase(at, 1 + random() % 20);
          break;
        case 2:
          bytes.insert(at, inserts[random() % std::size(inserts)]);
          break;
        default:
          bytes.insert(at, bytes.substr(random() % bytes.size(), random() % 200));
      }
    }
    ReadAndCheck(bytes);
  }
}

}  // namespace
}  // namespace kestrova
