#include "RunTestSupport.h"

#include <random>

#include "engines/QueryPath.h"
#include "ranking/ResultPaths.h"

namespace kestrova::test {

RunFixture::RunFixture() {
  std::random_device seed;
  folder = std::filesystem::temp_directory_path() /
           ("kestrova-run-" + std::to_string(seed()) + std::to_string(seed()));
  std::filesystem::create_directories(folder);
  project.Domain = "www.mysite.com";
  project.ReportDirectory = folder.string();
  project.KeywordDepth = 20;
  project.TimeOutSecs = 5;
}

RunFixture::~RunFixture() {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

std::string RunFixture::GooglePage(const std::vector<std::string>& urls) {
  std::string page =
      "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<HTML><body>Search took 0.1s";
  for (const std::string& url : urls) page += "<p><a href=" + url + ">" + url + "</a>\n";
  return page + "</body></HTML>";
}

void RunFixture::ScriptGoogle(const std::string& keyword, int pageIndex, ScriptedAnswer answer) {
  const EngineRecord& google = Catalogue().At(FindEngineIndex("Google"));
  const QueryRequest request = BuildKeywordQuery(google, keyword, static_cast<Integer>(pageIndex));
  fetcher.answers[request.Host + " " + request.Path] = std::move(answer);
}

std::string RunFixture::KeywordsFolder(const std::string& engine) const {
  return KeywordsFolderPath(project.ReportDirectory, project.Domain, engine);
}

}  // namespace kestrova::test
