// Request handling: engine result pages with placements, no-results pages and
// faults from the scenario; click-through redirects; the front page elsewhere.
#include "sim/Responder.h"

#include "base/Text.h"
#include "net/UrlCoding.h"
#include "sim/ModernLayout.h"
#include "sim/PageLayout.h"
#include "sim/SimRequest.h"
#include "sim/SyntheticIndex.h"

namespace kestrova::sim {

namespace {

constexpr std::string_view kFrontPageHeaders = "Last-Modified: Tue, 14 Mar 2000 10:12:00 GMT\r\n";

Reply ErrorReply(int status, std::string_view reason, std::string note) {
  std::string body = "<HTML><HEAD><TITLE>" + std::to_string(status) + " " + std::string(reason) +
                     "</TITLE></HEAD><BODY><H1>" + std::string(reason) + "</H1></BODY></HTML>\r\n";
  return Reply::Complete(HttpResponse(status, reason, body), status, std::move(note));
}

Reply RedirectReply(std::string_view location, std::string note) {
  std::string body =
      "<HTML><BODY>Moved <A HREF=\"" + HtmlEscape(location) + "\">here</A></BODY></HTML>\r\n";
  return Reply::Complete(
      HttpResponse(302, "Found", body, "Location: " + std::string(location) + "\r\n"), 302,
      std::move(note));
}

// The target of an engine's click-through link: the "url=" value, a stray
// leading "%0D" dropped, its coded characters decoded.
std::string ClickThroughTarget(std::string_view path) {
  std::size_t start = path.find("url=");
  if (start == std::string_view::npos) return {};
  std::string_view value = path.substr(start + 4);
  value = value.substr(0, value.find('&'));
  if (StartsWithNoCase(value, "%0D")) value.remove_prefix(3);
  return DecodeUrlText(value);
}

std::string PageNote(const EngineRecord& engine, int pageIndex, std::string_view encodedKeyword) {
  return engine.Name + " page " + std::to_string(pageIndex + 1) + " \"" +
         DecodeKeyword(encodedKeyword) + "\"";
}

}  // namespace

std::string DecodeKeyword(std::string_view encodedKeyword) {
  std::string text;
  for (std::size_t at = 0; at < encodedKeyword.size(); ++at) {
    char c = encodedKeyword[at];
    std::string_view code = encodedKeyword.substr(at, 3);
    if (c == '+') {
      text += ' ';
    } else if (EqualsNoCase(code, "%3A")) {
      text += ':', at += 2;
    } else if (EqualsNoCase(code, "%2F")) {
      text += '/', at += 2;
    } else if (EqualsNoCase(code, "%2E")) {
      text += '.', at += 2;
    } else {
      text += c;
    }
  }
  return text;
}

Responder::Responder(const EngineCatalogue& catalogue, Scenario scenario, std::string frontPage)
    : catalogue_(catalogue),
      scenario_(std::move(scenario)),
      frontPage_(std::move(frontPage)),
      router_(catalogue) {
  for (Integer index = 0; index <= catalogue.LastEngineIndex; ++index) {
    const EngineRecord& engine = catalogue.At(index);
    modernShapes_.push_back(engine.UserDefined ? ModernShapeFor(engine) : -1);
  }
}

std::vector<std::string> Responder::UnmatchedUserEngines() const {
  std::vector<std::string> names;
  for (std::size_t index = 0; index < modernShapes_.size(); ++index) {
    const EngineRecord& engine = catalogue_.At(static_cast<Integer>(index));
    if (engine.UserDefined && modernShapes_[index] < 0) names.push_back(engine.Name);
  }
  return names;
}

Reply Responder::Answer(std::string_view requestHead) const {
  std::optional<SimRequest> request = ParseRequest(requestHead);
  if (!request) return ErrorReply(400, "Bad Request", "unreadable request line");
  if (request->method != "GET" && request->method != "POST" && request->method != "HEAD") {
    return ErrorReply(501, "Not Implemented", request->method);
  }
  std::string host = request->host;
  std::string path = request->path;
  bool onMirror = false;
  if (router_.EnginesOfHost(host) == nullptr) {
    if (host.starts_with(kMirrorPrefix) &&
        router_.EnginesOfHost(host.substr(kMirrorPrefix.size())) != nullptr) {
      host.erase(0, kMirrorPrefix.size());
      onMirror = true;
    } else if (request->proxyForm) {
      router_.SplitGluedTarget(std::string_view(request->target).substr(7), host, path);
    }
  }
  if (const std::vector<int>* engines = router_.EnginesOfHost(host)) {
    if (std::optional<EngineQuery> query = router_.Match(host, path)) {
      return AnswerEngine(*query, request->method, path, onMirror);
    }
    return AnswerEngineOther(catalogue_.At(static_cast<Integer>(engines->front())), request->method,
                             path);
  }
  bool headOnly = request->method == "HEAD";
  return Reply::Complete(HttpResponse(200, "OK", frontPage_, kFrontPageHeaders, headOnly), 200,
                         "front page of " + host);
}

Reply Responder::AnswerEngineOther(const EngineRecord& engine, const std::string& method,
                                   std::string_view path) const {
  if (std::string target = ClickThroughTarget(path); !target.empty()) {
    return RedirectReply(target, engine.Name + " click-through");
  }
  if (path == "/" || path.empty()) {
    std::string body = "<HTML><HEAD><TITLE>" + engine.Name + "</TITLE></HEAD><BODY><H1>" +
                       engine.Name +
                       "</H1><FORM ACTION=\"/search\"><INPUT NAME=\"q\"></FORM></BODY></HTML>\r\n";
    return Reply::Complete(HttpResponse(200, "OK", body, {}, method == "HEAD"), 200,
                           engine.Name + " home page");
  }
  return ErrorReply(404, "Not Found", engine.Name + ": not a result page");
}

Reply Responder::AnswerEngine(const EngineQuery& query, const std::string& method,
                              std::string_view requestPath, bool onMirror) const {
  const EngineRecord& engine = catalogue_.At(static_cast<Integer>(query.engineIndex));
  std::string note = PageNote(engine, query.pageIndex, query.encodedKeyword);
  const Fault* fault = scenario_.FaultFor(engine.Name, query.encodedKeyword, query.pageIndex + 1);
  if (fault != nullptr && onMirror && fault->kind == FaultKind::Redirect) fault = nullptr;
  bool headOnly = method == "HEAD";

  auto page = [&](long minimumBytes) {
    if (scenario_.HasNoResults(engine.Name, query.encodedKeyword)) {
      return HttpResponse(
          200, "OK", RenderNoResultsPage(engine, HtmlEscape(DecodeKeyword(query.encodedKeyword))),
          {}, headOnly);
    }
    return HttpResponse(
        200, "OK", PageHtml(query.engineIndex, query.encodedKeyword, query.pageIndex, minimumBytes),
        {}, headOnly);
  };
  if (fault == nullptr) return Reply::Complete(page(0), 200, note);

  note += " [" + std::string(FaultKindName(fault->kind)) + "]";
  Reply reply;
  reply.note = note;
  switch (fault->kind) {
    case FaultKind::Latency:
      reply.status = 200;
      reply.Then(ReplyStep::Wait(fault->milliseconds))
          .Then(ReplyStep::Send(page(0)))
          .Then(ReplyStep::Close());
      return reply;
    case FaultKind::Silence:
      reply.Then(ReplyStep::Wait(fault->milliseconds)).Then(ReplyStep::Close());
      return reply;
    case FaultKind::Reset:
      reply.Then(ReplyStep::Reset());
      return reply;
    case FaultKind::Redirect: {
      std::string_view path = requestPath;
      if (!path.starts_with('/'))
        return RedirectReply(
            "http://" + std::string(kMirrorPrefix) + engine.Host + "/" + std::string(path), note);
      return RedirectReply("http://" + std::string(kMirrorPrefix) + engine.Host + std::string(path),
                           note);
    }
    case FaultKind::Oversize: {
      if (scenario_.HasNoResults(engine.Name, query.encodedKeyword)) {
        return Reply::Complete(page(0), 200, note);
      }
      // Streamed: a page of many megabytes is never held, however many clients
      // ask for it at once.
      ResultPagePieces pieces = RenderResultPagePieces(
          PageInput(query.engineIndex, query.encodedKeyword, query.pageIndex), fault->bytes);
      const std::size_t length = pieces.before.size() + pieces.padding + pieces.after.size();
      std::string head = HttpHead(200, "OK", length);
      reply.status = 200;
      if (headOnly) return Reply::Complete(std::move(head), 200, note);
      reply.Then(ReplyStep::Send(head + pieces.before))
          .Then(ReplyStep::Repeat(PaddingPattern(), pieces.padding))
          .Then(ReplyStep::Send(std::move(pieces.after)))
          .Then(ReplyStep::Close());
      return reply;
    }
    case FaultKind::SecondStatus: {
      std::string second = HttpResponse(200, "OK", "<HTML><BODY>second answer</BODY></HTML>\r\n");
      reply.status = 200;
      reply.Then(ReplyStep::Send(page(0)))
          .Then(ReplyStep::Wait(kSecondStatusPauseMs))
          .Then(ReplyStep::Send(std::move(second)))
          .Then(ReplyStep::Close());
      return reply;
    }
  }
  return Reply::Complete(page(0), 200, note);
}

ResultEntry Responder::EntryAt(const EngineRecord& engine, std::string_view encodedKeyword,
                               std::string_view keywordHtml, int rank) const {
  std::uint64_t listSeed = ResultListSeed(engine.Name, encodedKeyword, scenario_.seed);
  ResultEntry entry = SyntheticEntry(listSeed, rank, keywordHtml);
  if (const Placement* placement = scenario_.PlacementAt(engine.Name, encodedKeyword, rank)) {
    entry.url = placement->url;
  }
  return entry;
}

std::string Responder::PageHtml(int engineIndex, std::string_view encodedKeyword, int pageIndex,
                                long minimumBytes) const {
  const ResultPageInput input = PageInput(engineIndex, encodedKeyword, pageIndex);
  if (input.engine->UserDefined) {
    const int shape = modernShapes_[static_cast<std::size_t>(engineIndex)];
    return RenderModernPage(input, shape < 0 ? 0 : shape, minimumBytes);
  }
  return RenderResultPage(input, minimumBytes);
}

ResultPageInput Responder::PageInput(int engineIndex, std::string_view encodedKeyword,
                                     int pageIndex) const {
  const EngineRecord& engine = catalogue_.At(static_cast<Integer>(engineIndex));
  ResultPageInput input;
  input.engine = &engine;
  input.keywordHtml = HtmlEscape(DecodeKeyword(encodedKeyword));
  input.encodedKeyword = std::string(encodedKeyword);
  input.pageIndex = pageIndex;
  std::uint64_t listSeed = ResultListSeed(engine.Name, encodedKeyword, scenario_.seed);
  input.pageSeed = MixBits(listSeed + static_cast<std::uint64_t>(pageIndex));
  input.hitCount = ClaimedHitCount(listSeed);
  for (int k = 1; k <= 10; ++k) {
    input.entries.push_back(EntryAt(engine, encodedKeyword, input.keywordHtml, pageIndex * 10 + k));
  }
  return input;
}

std::string Responder::ResultPageHtml(int engineIndex, std::string_view keyword, int pageIndex,
                                      long minimumBytes) const {
  return PageHtml(engineIndex, EncodeSearchText(keyword), pageIndex, minimumBytes);
}

std::string Responder::UrlAtRank(int engineIndex, std::string_view keyword, int rank) const {
  const EngineRecord& engine = catalogue_.At(static_cast<Integer>(engineIndex));
  std::string encoded = EncodeSearchText(keyword);
  return EntryAt(engine, encoded, HtmlEscape(DecodeKeyword(encoded)), rank).url;
}

}  // namespace kestrova::sim
