// The history file beside a project: what a run keeps in it, how a missing one
// is seeded from the records, and that a damaged, newer or locked file is
// reported and left exactly as it was while the run goes on without it.
#include <gtest/gtest.h>

#include <fstream>

#include "HistoryTestSupport.h"
#include "base/Files.h"
#include "history/HistorySchema.h"
#include "history/HistoryTexts.h"
#include "support/ScriptedMessenger.h"
#include "support/TempFolder.h"

namespace kestrova::test {
namespace {

const Date kMarch9 = MakeDate({2024, 3, 9, 14, 5, 6});

std::string Bytes(const std::string& path) {
  std::string bytes;
  ReadWholeFile(path, bytes);
  return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::int64_t Count(HistoryStore& store, const char* sql) {
  std::int64_t value = -1;
  EXPECT_TRUE(store.Db().QueryInt(sql, value).ok()) << sql;
  return value;
}

std::string Text(HistoryStore& store, const char* sql) {
  std::string value;
  EXPECT_TRUE(store.Db().QueryText(sql, value).ok()) << sql;
  return value;
}

TEST(ProjectHistory, ARunKeepsEveryCheckWithItsTopTenAndHowTheRunEnded) {
  TempFolder folder;
  const std::string project = folder / "site.rnk";
  ScriptedMessenger messenger;
  {
    auto history = OpenProjectHistory(project, ProjectState{}, messenger);
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->Path(), project + "-history.db");
    RecordRun(*history, kMarch9,
              {Check("caf\xE9 cr\xE8me", "Google", 3, "03/09/2024 02:05:06 PM",
                     {"http://a.com/", "http://www.example.com/", "http://b.com/x"}),
               Check("caf\xE9 cr\xE8me", "Lycos", -1, "03/09/2024 12:07:00 AM")},
              true);
  }
  EXPECT_TRUE(messenger.messages.empty());

  auto reopened = OpenProjectHistory(project, ProjectState{}, messenger);
  ASSERT_NE(reopened, nullptr);
  HistoryStore& store = reopened->Store();
  // Oldest first: 12:07 AM is just after midnight; the keyword is back in the
  // program's code page.
  EXPECT_EQ(
      CheckLines(store),
      (std::vector<std::string>{"2024-03-09T00:07:00 Lycos caf\xE9 cr\xE8me 0/0/0 failed Re-run|",
                                "2024-03-09T14:05:06 Google caf\xE9 cr\xE8me 3/1/3 ok Unchanged "
                                "with SUPER ranking|---"}));

  std::vector<TopUrlRow> urls;
  ASSERT_TRUE(
      ForEachTopUrl(store, {}, [&urls](const TopUrlRow& url) { urls.push_back(url); }).ok());
  ASSERT_EQ(urls.size(), 3u);
  EXPECT_EQ(urls[1].slot, 2);
  EXPECT_EQ(urls[1].url, "http://www.example.com/");
  EXPECT_EQ(urls[2].host, "b.com");

  // The file holds UTF-8, for every other tool that reads it.
  EXPECT_EQ(Text(store, "SELECT keyword FROM checks LIMIT 1"), "caf\xC3\xA9 cr\xC3\xA8me");
  EXPECT_EQ(Text(store, "SELECT ended_by FROM runs"), "user");
  EXPECT_EQ(Text(store, "PRAGMA journal_mode"), "wal");
  EXPECT_EQ(Count(store, "PRAGMA user_version"), kHistorySchemaVersion);
}

TEST(ProjectHistory, AMissingHistoryIsSeededOnceFromTheRecordsByTheirDates) {
  TempFolder folder;
  const std::string project = folder / "site.rnk";
  ProjectState state;
  state.LastRunDate = MakeDate({2024, 2, 1, 8, 0, 0});
  state.Rankings = {Check("blue", "Google", 4, "03/01/2024 09:30:00 AM", {"http://a.com/"}),
                    RankingRecord{},  // free
                    Check("blue", "Lycos", 12, "not a date"),
                    Check("blue", "MSN", 7, "01/15/2024 12:00:00 PM")};
  ScriptedMessenger messenger;
  auto history = OpenProjectHistory(project, state, messenger);
  ASSERT_NE(history, nullptr);
  // Lycos's record has no date of its own: it takes the last run's.
  EXPECT_EQ(CheckLines(history->Store()),
            (std::vector<std::string>{
                "2024-01-15T12:00:00 MSN blue 7/1/7 ok Unchanged with SUPER ranking|---",
                "2024-02-01T08:00:00 Lycos blue 12/2/2 ok Unchanged with SUPER ranking|---",
                "2024-03-01T09:30:00 Google blue 4/1/4 ok Unchanged with SUPER ranking|---"}));
  EXPECT_EQ(Count(history->Store(), "SELECT count(*) FROM top_urls"), 1);
  EXPECT_EQ(Text(history->Store(), "SELECT kind || ' ' || started_at || ' ' || ended_at FROM runs"),
            "seed 2024-01-15T12:00:00 2024-03-01T09:30:00");
  history.reset();

  // Only a missing history is seeded; the records are not added again.
  auto again = OpenProjectHistory(project, state, messenger);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(AllChecks(again->Store()).size(), 3u);
  EXPECT_TRUE(messenger.messages.empty());
  // Nothing of the temporary file it was built in is left.
  EXPECT_FALSE(FileExists(project + "-history.db.new-" + std::to_string(getpid())));
}

// A real history of `checks` checks, closed.
void MakeHistory(const std::string& project, int checks) {
  ScriptedMessenger messenger;
  auto history = OpenProjectHistory(project, ProjectState{}, messenger);
  ASSERT_NE(history, nullptr);
  history->RunStarted(kMarch9, 1);
  for (int i = 0; i < checks; ++i) {
    history->RecordWritten(Check("keyword " + std::to_string(i), "Google", 5,
                                 "03/09/2024 02:05:06 PM",
                                 {"http://a-long-enough-url.com/" + std::to_string(i)}));
  }
  history->RunEnded(kMarch9, false);
}

TEST(ProjectHistory, ADamagedOrForeignFileIsReportedAndLeftAsItWas) {
  struct Case {
    const char* name;
    std::function<void(const std::string& file)> damage;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"garbage", [](const std::string& file) { WriteBytes(file, std::string(3000, 'x')); },
       history_texts::kNotAHistory},
      {"empty", [](const std::string& file) { WriteBytes(file, ""); }, history_texts::kNotAHistory},
      {"truncated",
       [](const std::string& file) {
         const std::string bytes = Bytes(file);
         ASSERT_GT(bytes.size(), 8192u);
         WriteBytes(file, bytes.substr(0, bytes.size() / 2));
       },
       history_texts::kNotAHistory},
      {"another program's database",
       [](const std::string& file) {
         std::remove(file.c_str());
         SqliteDb db;
         ASSERT_TRUE(db.Open(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE).ok());
         ASSERT_TRUE(
             db.Exec("CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('x')").ok());
       },
       history_texts::kNotAHistory},
      {"newer",
       [](const std::string& file) {
         SqliteDb db;
         ASSERT_TRUE(db.Open(file, SQLITE_OPEN_READWRITE).ok());
         ASSERT_TRUE(db.Exec("PRAGMA user_version = 99").ok());
       },
       history_texts::kNewerSchema},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string project = folder / "site.rnk";
    MakeHistory(project, 400);
    const std::string file = HistoryPathFor(project);
    c.damage(file);
    const std::string before = Bytes(file);

    ScriptedMessenger messenger;
    ProjectState state;
    state.Rankings = {Check("blue", "Google", 4)};
    EXPECT_EQ(OpenProjectHistory(project, state, messenger), nullptr);
    ASSERT_EQ(messenger.messages.size(), 1u);
    const RecordedMessage& message = messenger.messages[0];
    EXPECT_EQ(message.title, history_texts::kTitle);
    EXPECT_NE(message.text.find("\"" + file + "\" could not be opened: " + c.reason),
              std::string::npos)
        << message.text;
    EXPECT_NE(message.text.find("The project opens and ranks as usual"), std::string::npos);
    EXPECT_EQ(Bytes(file), before);
  }
}

TEST(ProjectHistory, ALockedFileKeepsTheRunOutAndAFailedWriteIsToldOnce) {
  TempFolder folder;
  const std::string project = folder / "site.rnk";
  MakeHistory(project, 1);
  SqliteDb other;
  ASSERT_TRUE(other.Open(HistoryPathFor(project), SQLITE_OPEN_READWRITE).ok());

  // Opened while another program writes: refused before the run starts.
  ASSERT_TRUE(other.Exec("BEGIN EXCLUSIVE").ok());
  ScriptedMessenger messenger;
  EXPECT_EQ(OpenProjectHistory(project, ProjectState{}, messenger), nullptr);
  ASSERT_EQ(messenger.messages.size(), 1u);
  EXPECT_NE(messenger.messages[0].text.find(history_texts::kLocked), std::string::npos);
  ASSERT_TRUE(other.Exec("COMMIT").ok());

  // Locked after the run started: the first failed check is told, the rest kept out.
  auto history = OpenProjectHistory(project, ProjectState{}, messenger);
  ASSERT_NE(history, nullptr);
  history->RunStarted(kMarch9, 1);
  history->RecordWritten(Check("blue", "Google", 1));
  ASSERT_TRUE(other.Exec("BEGIN EXCLUSIVE").ok());
  history->RecordWritten(Check("blue", "Lycos", 2));
  history->RecordWritten(Check("blue", "MSN", 3));
  history->RunEnded(kMarch9, false);
  ASSERT_TRUE(other.Exec("COMMIT").ok());
  ASSERT_EQ(messenger.messages.size(), 2u);
  EXPECT_NE(messenger.messages[1].text.find("could not be written"), std::string::npos);
  EXPECT_FALSE(history->Writing());
  const auto rows = AllChecks(history->Store());
  ASSERT_EQ(rows.size(), 2u);  // the earlier run's check and Google
  EXPECT_EQ(rows[1].engine, "Google");
}

}  // namespace
}  // namespace kestrova::test
