#include "ranking/EngineCheck.h"

#include "base/Files.h"
#include "base/ProductInfo.h"
#include "base/Text.h"
#include "engines/QueryPath.h"
#include "engines/ResultPage.h"
#include "engines/SavedPageAnnotation.h"
#include "net/HttpStatus.h"
#include "net/UrlCoding.h"
#include "net/UrlSplit.h"
#include "ranking/PageReaders.h"
#include "ranking/ResultFolders.h"
#include "ranking/ResultPaths.h"
#include "ranking/RunTexts.h"

namespace kestrova {
namespace {

// Working values of one check; they live only while it runs.
struct PageWalk {
  bool results = false;
  bool keepGoing = true;
  std::string status;
  std::string color;
  std::string host;  // a redirect's host stays for the later pages
  Integer pageFound = 0;
  Integer position = 0;
  std::array<std::string, kTopUrlSlots> topUrls;
  Integer topUrlCount = 0;
};

void SetStatus(PageWalk& walk, const char* status, const char* color) {
  walk.status = status;
  walk.color = color;
}

// Fetches one result page, following up to kMaxRedirectsPerPage redirects. A page
// still redirecting after that, like one whose transfer broke, counts as failed.
FetchedPage FetchResultPage(RunServices& services, PageWalk& walk, const QueryRequest& request) {
  FetchedPage page = services.fetcher.GetPage(walk.host, request.Path, request.UsePost);
  std::string location;
  int redirects = 0;
  while (GetHttpStatus(page.response, location) == 302) {
    // The client clears Stop when it starts a fetch, so a Stop pressed during
    // this page must end the chase here or it would be lost.
    if (services.net.StopRequested || services.net.TransferAborted) break;
    if (++redirects > kMaxRedirectsPerPage) return {};
    std::string path;
    SplitUrl(location, walk.host, path);
    page = services.fetcher.GetPage(walk.host, path, request.UsePost);
  }
  return page;
}

// The "no results" branch of the evaluation.
void NoResults(PageWalk& walk, Integer pageIndex) {
  if (walk.results) {
    SetStatus(walk, texts::kStatusSuccess, texts::kColorSuccess);
    return;
  }
  walk.keepGoing = false;
  if (pageIndex == 0) {
    SetStatus(walk, texts::kStatusFailed, texts::kColorFailed);
  } else {
    // Only after a first page that timed out: the earlier status stays.
    walk.results = true;
  }
}

void Evaluate(RunServices& services, const EngineRecord& engine, PageWalk& walk, FetchedPage& page,
              std::string_view keyword, Integer pageIndex) {
  if (page.response.empty() && services.net.TimedOut) {
    SetStatus(walk, texts::kStatusTimedOut, texts::kColorTimedOut);
    return;
  }
  if (!page.completed) return NoResults(walk, pageIndex);
  if (page.response.empty()) {
    SetStatus(walk, texts::kStatusUnknown, texts::kColorUnknown);
    return NoResults(walk, pageIndex);
  }
  walk.results =
      engine.NoResultsText.empty() || FindNoCase(page.response, engine.NoResultsText) == 0;
  if (!walk.results) return NoResults(walk, pageIndex);

  const HeadRequest head = [&services](const std::string& host, const std::string& path) {
    // The client clears Stop when it starts a fetch: a Stop seen during the page
    // must not be lost to the link look-ups that follow it.
    if (services.net.StopRequested || services.net.TransferAborted) return HeadAnswer{"", true};
    FetchedPage answer = services.fetcher.HeadPage(host, path);
    return HeadAnswer{std::move(answer.response), services.net.TransferAborted};
  };
  ParseResultPage(engine.Name, page.response, pageIndex, head);
  if (walk.position == 0) {
    const bool found =
        ReadDomainPosition(engine, services.project.Domain, page.response, walk.position);
    if (found && walk.pageFound == 0) walk.pageFound = static_cast<Integer>(pageIndex + 1);
  }
  if (pageIndex == 0) ReadTopUrls(keyword, engine, page.response, walk.topUrls, walk.topUrlCount);
  SetStatus(walk, texts::kStatusSuccess, texts::kColorSuccess);
}

void SaveAndLog(RunServices& services, const EngineRecord& engine, PageWalk& walk,
                std::string& page, std::string_view keyword, Integer pageIndex) {
  if (page.empty()) page = NoResultsPage(walk.color, walk.status, engine.Name);
  std::string keywordsFolder;
  CreateResultFolders(services, engine.Name, keywordsFolder);
  AnnotateSavedPage(page, {SavedPageTitle(kProductWebPage, kProductName, pageIndex), engine.Host,
                           std::string(keyword), engine.Name, engine.ResultsStartTexts[0],
                           services.project.HighlightKeywords == 1});
  const std::string savedPath = keywordsFolder + "/" + SavedPageName(pageIndex, keyword);
  if (!WriteFileInPlace(savedPath, {page, texts::kCrLf})) services.observer.WriteFailed(savedPath);
  services.reports.KeywordLogPage(
      {walk.color, walk.status, savedPath, pageIndex, keyword, engine.Name});
}

}  // namespace

Integer LastPageIndex(Integer keywordDepth) {
  const Integer pages = ToIntegerSaturated(RoundHalfEven(keywordDepth / 10.0));
  return pages < 1 ? Integer{0} : static_cast<Integer>(pages - 1);
}

int ProgressPercent(Integer pageIndex, Integer lastPageIndex) {
  return static_cast<int>(RoundHalfEven((pageIndex + 1.0) / (lastPageIndex + 1.0) * 100.0));
}

std::string ProgressCaption(Integer pageIndex, Integer lastPageIndex) {
  return FormatDigits(ProgressPercent(pageIndex, lastPageIndex), 2) + "%   Page " +
         FormatDigits(pageIndex + 1, 2) + " of " + FormatDigits(lastPageIndex + 1, 2);
}

std::string NoResultsPage(std::string_view color, std::string_view status,
                          std::string_view engineName) {
  std::string page = "<html><body><b><font color='";
  page.append(color).append("'>").append(status).append("</font></b> : No Results back from <b>");
  page.append(engineName).append("</b><br></body></html>");
  return page;
}

CheckOutcome CheckEngine(RunServices& services, std::string_view keyword,
                         std::string_view engineName) {
  CheckOutcome outcome;
  const Integer index = FindEngineIndex(services.catalogue, engineName);
  if (index < 0) return outcome;
  const EngineRecord& engine = services.catalogue.At(index);

  const Integer last = LastPageIndex(services.project.KeywordDepth);
  const std::string encoded = EncodeSearchText(keyword);
  PageWalk walk;
  walk.host = engine.Host;
  Integer pageIndex = 0;
  do {
    services.observer.Progress(ProgressPercent(pageIndex, last), ProgressCaption(pageIndex, last));
    const QueryRequest request = BuildQueryRequest(engine, encoded, pageIndex);
    FetchedPage page = FetchResultPage(services, walk, request);
    Evaluate(services, engine, walk, page, keyword, pageIndex);
    SaveAndLog(services, engine, walk, page.response, keyword, pageIndex);
    ++pageIndex;
    if (services.net.StopRequested || services.net.TransferAborted) walk.keepGoing = false;
  } while (walk.pageFound == 0 && walk.position == 0 && pageIndex <= last && walk.keepGoing);
  services.reports.KeywordLogCheckEnd();

  outcome.succeeded = walk.results;
  outcome.pageFound = walk.pageFound;
  outcome.position = walk.position;
  outcome.topUrls = walk.topUrls;
  outcome.topUrlCount = walk.topUrlCount;
  return outcome;
}

}  // namespace kestrova
