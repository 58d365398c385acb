// Engines checked side by side leave exactly what a one-at-a-time run leaves:
// the same records in the same slots, the same Keyword Log, messages, saved
// pages and history, whatever order the checks end in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RunTestSupport.h"
#include "base/Files.h"
#include "base/Text.h"
#include "ranking/RunRanking.h"

namespace kestrova::test {
namespace {

namespace fs = std::filesystem;

// What a run leaves, with the report folder's own path taken out of the texts.
struct RunTrace {
  std::vector<RankingRecord> records;
  std::vector<std::string> logLines, calls, messages, failures, written, history;
  std::map<std::string, std::string> files;  // relative path -> bytes
};

class RecordingHistory final : public RunHistory {
 public:
  std::vector<std::string> events;
  void RunStarted(Date, int jobs) override { events.push_back("start " + std::to_string(jobs)); }
  void RecordWritten(const RankingRecord& r) override {
    events.push_back(r.Keyword + "/" + r.Engine);
  }
  void RunEnded(Date, bool stopped) override { events.push_back(stopped ? "stopped" : "ended"); }
};

std::string WithoutFolder(std::string text, const std::string& folder) {
  return ReplaceAll(text, folder, "<reports>");
}

RunTrace RankWithJobs(int jobs) {
  RunFixture f;
  RecordingHistory history;
  f.services.history = &history;
  // Two known engines twice, one unknown name, and a keyword line that is new.
  f.project.SelectedEngines = {"Google", "AltaVista", "NoSuchEngine", "HotBot",
                               "Lycos",  "Google",    "Yahoo"};
  f.project.KeywordText = "red\r\n\r\nblue";
  RankingRecord old;
  old.Keyword = "red";
  old.Engine = "Lycos";
  old.Rank = 4;
  f.project.Rankings = {old, RankingRecord{}};  // a free record to be reused first
  f.project.KeywordDepth = 20;

  // Later engines answer sooner, so concurrent checks end in reverse order.
  const std::vector<std::string> urls = {"http://www.a.com/", "http://www.mysite.com/x.html"};
  f.engines.fallback = {RunFixture::GooglePage(urls), true, false, false, 5};
  f.ScriptGoogle("red", 0, {RunFixture::GooglePage({"http://www.b.com/"}), true, false, false, 60});
  f.ScriptGoogle("red", 1, {"", false, true});  // timed out
  f.Script("AltaVista", "red", 0, {"", true, false, false, 40});
  f.Script("HotBot", "blue", 0,
           {"HTTP/1.0 302 Found\r\nLocation: http://mirror.hotbot.com/x\r\n\r\n", true, false,
            false, 30});
  f.engines.answers["mirror.hotbot.com /x"] = {RunFixture::GooglePage(urls), true, false, false, 1};
  // Yahoo's folder cannot be made: a message and a page that is not written.
  fs::create_directories(fs::path(f.KeywordsFolder("Yahoo")).parent_path());
  { std::ofstream blocker(f.KeywordsFolder("Yahoo")); }

  RunState state;
  RunSettings settings;
  settings.jobs = jobs;
  EXPECT_EQ(RunRanking(f.services, state, settings), RunEnd::Finished);

  const std::string root = f.folder.path();
  RunTrace trace;
  trace.records = f.project.Rankings;
  trace.calls = f.reports.calls;
  trace.written = f.observer.written;
  trace.history = history.events;
  for (const std::string& line : f.reports.logLines)
    trace.logLines.push_back(WithoutFolder(line, root));
  for (const auto& m : f.dialogs.messages) trace.messages.push_back(m.text);
  for (const std::string& what : f.observer.failures)
    trace.failures.push_back(WithoutFolder(what, root));
  for (const auto& entry : fs::recursive_directory_iterator(f.folder.path())) {
    if (!entry.is_regular_file()) continue;
    std::string bytes;
    ReadWholeFile(entry.path().string(), bytes);
    trace.files[fs::relative(entry.path(), f.folder.path()).string()] = bytes;
  }
  return trace;
}

TEST(RunJobs, ConcurrentChecksLeaveWhatAOneAtATimeRunLeaves) {
  const RunTrace one = RankWithJobs(1);
  const RunTrace eight = RankWithJobs(8);
  ASSERT_EQ(one.records.size(), eight.records.size());
  for (std::size_t i = 0; i < one.records.size(); ++i) {
    EXPECT_EQ(one.records[i], eight.records[i]) << "record " << i;
  }
  EXPECT_EQ(one.logLines, eight.logLines);
  EXPECT_EQ(one.calls, eight.calls);
  EXPECT_EQ(one.messages, eight.messages);
  EXPECT_EQ(one.failures, eight.failures);
  EXPECT_EQ(one.written, eight.written);
  EXPECT_EQ(one.files, eight.files);
  // The history hears the real degree, then every record in list order.
  ASSERT_FALSE(eight.history.empty());
  EXPECT_EQ(one.history.front(), "start 1");
  EXPECT_EQ(eight.history.front(), "start 8");
  EXPECT_EQ(std::vector(one.history.begin() + 1, one.history.end()),
            std::vector(eight.history.begin() + 1, eight.history.end()));

  // The free record went to the first new check, the rest grew at the end;
  // the unknown engine got a failed record, the doubled engine one record.
  EXPECT_EQ(one.records[1].Keyword + "/" + one.records[1].Engine, "red/Google");
  EXPECT_EQ(one.written.size(), 14u);
  EXPECT_EQ(one.messages.size(), 4u);  // Yahoo's folder, once per page it fetched
  EXPECT_EQ(one.failures.size(), 4u);
  EXPECT_FALSE(one.files.empty());
}

TEST(RunJobs, TheDegreeIsKeptInItsRange) {
  EXPECT_EQ(ClampJobs(0), 1);
  EXPECT_EQ(ClampJobs(-5), 1);
  EXPECT_EQ(ClampJobs(34), 34);
  EXPECT_EQ(ClampJobs(1'000'000'000'000), kMaxJobs);
}

}  // namespace
}  // namespace kestrova::test
