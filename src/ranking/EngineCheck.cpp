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
#include "ranking/RunServices.h"
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
  Deadline deadline;            // of the page in progress
  bool deadlinePassed = false;  // during the page's link look-ups
};

void SetStatus(PageWalk& walk, const char* status, const char* color) {
  walk.status = status;
  walk.color = color;
}

// Where a redirect sends the check: the host as SplitUrl finds it, with the
// scheme kept for "https://" (a TLS engine is never asked again over plain
// HTTP) and for a port of its own.
std::string RedirectHost(const std::string& location, std::string& path) {
  std::string host;
  SplitUrl(location, host, path);
  if (host.empty()) return host;
  const std::string target = TrimSpaces(location);
  if (StartsWithNoCase(target, "https://")) return "https://" + host;
  if (host.find(':') != std::string::npos && StartsWithNoCase(target, "http://"))
    return "http://" + host;
  return host;
}

// An engine of the user's engines file may ask for a user agent of its own.
class EngineUserAgent {
 public:
  EngineUserAgent(NetworkState& net, const EngineRecord& engine)
      : net_(net), saved_(net.UserAgent) {
    if (!engine.UserAgent.empty()) net_.UserAgent = engine.UserAgent;
  }
  ~EngineUserAgent() { net_.UserAgent = saved_; }
  EngineUserAgent(const EngineUserAgent&) = delete;
  EngineUserAgent& operator=(const EngineUserAgent&) = delete;

 private:
  NetworkState& net_;
  std::string saved_;
};

// Fetches one result page, following up to kMaxRedirectsPerPage redirects. A page
// still redirecting after that, like one whose transfer broke, counts as failed.
// The page's deadline holds for every redirect; one that passes leaves an empty
// answer with TimedOut set, as a time-out does.
FetchResult FetchResultPage(CheckServices& services, PageWalk& walk, const QueryRequest& request) {
  FetchResult page =
      services.fetcher.GetPage(walk.host, request.Path, request.UsePost, walk.deadline);
  std::string location;
  int redirects = 0;
  while (GetHttpStatus(page.answer, location) == 302) {
    // The client clears Stop when it starts a fetch, so a Stop pressed during
    // this page must end the chase here or it would be lost.
    if (StopOrAbort(services.net)) break;
    if (++redirects > kMaxRedirectsPerPage) return {};
    std::string path;
    walk.host = RedirectHost(location, path);
    page = services.fetcher.GetPage(walk.host, path, request.UsePost, walk.deadline);
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

void TimedOut(PageWalk& walk) {
  SetStatus(walk, texts::kStatusTimedOut, texts::kColorTimedOut);
}

void Evaluate(CheckServices& services, const EngineRecord& engine, PageWalk& walk,
              FetchResult& page, std::string_view keyword, Integer pageIndex) {
  if (!services.net.TlsError.empty()) {
    // Its own status, and the walk ends: the next page would fail the same way.
    walk.status = texts::kStatusTlsError + services.net.TlsError;
    walk.color = texts::kColorFailed;
    walk.keepGoing = false;
    return;
  }
  if (page.answer.empty() && services.net.TimedOut) return TimedOut(walk);
  if (!page.completed) return NoResults(walk, pageIndex);
  if (page.answer.empty()) {
    SetStatus(walk, texts::kStatusUnknown, texts::kColorUnknown);
    return NoResults(walk, pageIndex);
  }
  const bool resultsBefore = walk.results;
  walk.results = engine.NoResultsText.empty() || FindNoCase(page.answer, engine.NoResultsText) == 0;
  if (!walk.results) return NoResults(walk, pageIndex);

  const HeadRequest head = [&services, &walk](const std::string& host, const std::string& path) {
    // The client clears Stop when it starts a fetch: a Stop seen during the page
    // must not be lost to the link look-ups that follow it.
    if (StopOrAbort(services.net) || walk.deadlinePassed) return HeadAnswer{"", true};
    FetchResult answer = services.fetcher.HeadPage(host, path, walk.deadline);
    if (answer.failure == FetchFailure::DeadlinePassed) {
      walk.deadlinePassed = true;
      return HeadAnswer{"", true};
    }
    return HeadAnswer{std::move(answer.answer), services.net.TransferAborted};
  };
  ParseResultPage(engine, page.answer, pageIndex, head);
  // Look-ups cut off by the deadline leave a page half read: it counts as a
  // page that timed out, so the results so far stand as they were.
  if (walk.deadlinePassed) {
    page.answer.clear();
    walk.results = resultsBefore;
    return TimedOut(walk);
  }
  if (walk.position == 0) {
    const bool found =
        ReadDomainPosition(engine, services.parameters.domain, page.answer, walk.position);
    if (found && walk.pageFound == 0) walk.pageFound = static_cast<Integer>(pageIndex + 1);
  }
  if (pageIndex == 0) ReadTopUrls(keyword, engine, page.answer, walk.topUrls, walk.topUrlCount);
  SetStatus(walk, texts::kStatusSuccess, texts::kColorSuccess);
}

void SaveAndLog(CheckServices& services, const EngineRecord& engine, PageWalk& walk,
                std::string& page, std::string_view keyword, Integer pageIndex) {
  const CheckParameters& parameters = services.parameters;
  if (page.empty()) page = NoResultsPage(walk.color, walk.status, engine.Name);
  std::string keywordsFolder;
  if (!CreateResultFolders(parameters.reportDirectory, parameters.domain, engine.Name,
                           keywordsFolder)) {
    services.log.Message(FolderErrorText(texts::kErrorReportSeDirectories), kMessageTitle,
                         MessageIcon::Exclamation);
  }
  const std::string base = engine.UserDefined ? EngineHomeLink(engine) + "/" : engine.Host;
  AnnotateSavedPage(
      page, {SavedPageTitle(kProductWebPage, kProductName, pageIndex), base, std::string(keyword),
             engine.Name, engine.ResultsStartTexts[0], parameters.highlightKeywords});
  const std::string savedPath = keywordsFolder + "/" + SavedPageName(pageIndex, keyword);
  if (!WriteFileInPlace(savedPath, {page, texts::kCrLf})) services.log.WriteFailed(savedPath);
  services.log.Page({walk.color, walk.status, savedPath, pageIndex, keyword, engine.Name});
}

}  // namespace

Integer LastPageIndex(Integer keywordDepth) {
  const Integer pages = ToIntegerSaturated(RoundHalfEven(keywordDepth / 10.0));
  return pages < 1 ? Integer{0} : static_cast<Integer>(pages - 1);
}

std::string NoResultsPage(std::string_view color, std::string_view status,
                          std::string_view engineName) {
  std::string page = "<html><body><b><font color='";
  page.append(color).append("'>").append(status).append("</font></b> : No Results back from <b>");
  page.append(engineName).append("</b><br></body></html>");
  return page;
}

CheckParameters CheckParametersOf(const ProjectState& project) {
  CheckParameters parameters;
  parameters.domain = project.Domain;
  parameters.reportDirectory = project.ReportDirectory;
  parameters.keywordDepth = project.KeywordDepth;
  parameters.highlightKeywords = project.HighlightKeywords == 1;
  parameters.timeout = std::chrono::milliseconds(long{project.TimeOutSecs} * 1000);
  return parameters;
}

CheckOutcome CheckEngine(CheckServices& services, std::string_view keyword,
                         std::string_view engineName) {
  CheckOutcome outcome;
  const Integer index = FindEngineIndex(services.catalogue, engineName);
  if (index < 0) return outcome;
  const EngineRecord& engine = services.catalogue.At(index);

  const Integer last = LastPageIndex(services.parameters.keywordDepth);
  const std::string encoded = EncodeSearchText(keyword);
  const EngineUserAgent userAgent(services.net, engine);
  PageWalk walk;
  walk.host = EngineRequestHost(engine);
  Integer pageIndex = 0;
  do {
    walk.deadline =
        std::chrono::steady_clock::now() + kPageDeadlineTimeouts * services.parameters.timeout;
    walk.deadlinePassed = false;
    const QueryRequest request = BuildQueryRequest(engine, encoded, pageIndex);
    FetchResult page = FetchResultPage(services, walk, request);
    Evaluate(services, engine, walk, page, keyword, pageIndex);
    SaveAndLog(services, engine, walk, page.answer, keyword, pageIndex);
    ++pageIndex;
    services.messenger.Yield();
    if (StopOrAbort(services.net)) walk.keepGoing = false;
  } while (walk.pageFound == 0 && walk.position == 0 && pageIndex <= last && walk.keepGoing);
  services.log.End();

  outcome.succeeded = walk.results;
  outcome.pageFound = walk.pageFound;
  outcome.position = walk.position;
  outcome.topUrls = walk.topUrls;
  outcome.topUrlCount = walk.topUrlCount;
  return outcome;
}

}  // namespace kestrova
