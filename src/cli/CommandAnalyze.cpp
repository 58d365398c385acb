// kestrova-cli analyze: the front-page analysis of a saved page or of a domain's
// live front page, printed field by field, with the improvement advice on request
// and the record stored in a project as the window stores it.
#include <memory>
#include <optional>
#include <ostream>

#include "analyzer/AnalyzeFrontPage.h"
#include "analyzer/AnalyzePage.h"
#include "analyzer/ImprovementReport.h"
#include "base/Files.h"
#include "base/Text.h"
#include "cli/CliDialogs.h"
#include "cli/Command.h"
#include "cli/ProjectLock.h"
#include "cli/ProjectOpen.h"
#include "engines/EngineCatalogue.h"
#include "net/HttpClient.h"
#include "net/PosixConnection.h"
#include "net/ProxyAddress.h"
#include "store/ProjectFile.h"

namespace kestrova::cli {
namespace {

// Terminal lines end with LF alone.
std::string Lines(const std::string& text) {
  return TerminalText(ReplaceAll(text, "\r\n", "\n"));
}

struct AnalyzeOptions {
  std::string file, domain, proxy, keyword, html, project;
  bool advice = false;
};

// A value on one line: backslashes, CR and LF written as \\, \r and \n, any other
// control character shown as its picture.
std::string OneLine(const std::string& value) {
  std::string out;
  for (char c : value) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return TerminalLine(out);
}

void PrintRecord(std::ostream& out, const PageAnalysisRecord& r) {
  auto text = [&out](const char* name, const std::string& value) {
    out << name << ": " << OneLine(value) << "\n";
  };
  auto number = [&out](const char* name, long value) { out << name << ": " << value << "\n"; };
  text("LocalFile", r.LocalFile);
  text("SecondText", r.SecondText);
  text("Keyword", r.Keyword);
  text("SourceUrl", r.SourceUrl);
  text("LastModified", r.LastModified);
  text("ServerName", r.ServerName);
  number("Status", r.Status);
  text("ProblemText", r.ProblemText);
  text("Title", r.Title);
  number("TitleDensity", r.TitleDensity);
  number("TitleCount", r.TitleCount);
  text("BodySlot", r.BodySlot);
  number("BodyDensity", r.BodyDensity);
  number("BodyCount", r.BodyCount);
  text("HeadSlot", r.HeadSlot);
  number("HeadDensity", r.HeadDensity);
  number("HeadCount", r.HeadCount);
  text("CommentsSlot", r.CommentsSlot);
  number("CommentsDensity", r.CommentsDensity);
  number("CommentsCount", r.CommentsCount);
  text("AltSlot", r.AltSlot);
  number("AltDensity", r.AltDensity);
  number("AltCount", r.AltCount);
  text("MetaTitle", r.MetaTitle);
  number("MetaTitleDensity", r.MetaTitleDensity);
  number("MetaTitleCount", r.MetaTitleCount);
  text("MetaDescription", r.MetaDescription);
  number("MetaDescriptionDensity", r.MetaDescriptionDensity);
  number("MetaDescriptionCount", r.MetaDescriptionCount);
  text("MetaKeywords", r.MetaKeywords);
  number("MetaKeywordsDensity", r.MetaKeywordsDensity);
  number("MetaKeywordsCount", r.MetaKeywordsCount);
  text("MetaAuthor", r.MetaAuthor);
  text("MetaGenerator", r.MetaGenerator);
  text("MetaObject", r.MetaObject);
  text("MetaRobots", r.MetaRobots);
  text("MetaLanguage", r.MetaLanguage);
  text("MetaRating", r.MetaRating);
  text("MetaExpiry", r.MetaExpiry);
  text("MetaRevisitAfter", r.MetaRevisitAfter);
  number("KeywordTotal", r.KeywordTotal);
}

// Fetches and analyses the domain's front page into project.PageAnalyses.
bool AnalyzeDomain(const AnalyzeOptions& options, ProjectState& project, CliDialogs& dialogs) {
  std::optional<ProxyAddress> proxy;
  if (!options.proxy.empty() && !(proxy = ParseProxyAddress(options.proxy))) {
    throw UsageError("--proxy must be HOST:PORT");
  }
  NetworkState state;
  HttpClient client(state, dialogs, [] { return std::make_unique<PosixConnection>(); });
  dialogs.SetStopAction([&client] { client.Stop(); });
  if (project.TimeOutSecs > 0) client.SetTimeout(TimeoutFromSeconds(project.TimeOutSecs));
  if (proxy) client.SetProxy(ArgText(proxy->host), proxy->port);

  FrontPageRequest request;
  request.domain = ArgText(options.domain);
  request.keywordText = ArgText(options.keyword);
  request.keywordEntries = request.keywordText.empty() ? 0 : 1;
  request.keywordChosen = true;
  FrontPageServices services{client, dialogs, {}};
  return AnalyzeFrontPage(request, project, services).outcome == FrontPageOutcome::Analyzed;
}

// Analyses a saved page into project.PageAnalyses, as the front-page action would.
bool AnalyzeFile(const AnalyzeOptions& options, ProjectState& project, CliDialogs& dialogs,
                 CliIo& io) {
  std::string page;
  if (const Status read = ReadWholeFile(options.file, page, kLargestPageFile); !read) {
    io.err << "kestrova-cli analyze: cannot read " << options.file << ": "
           << TerminalText(read.message()) << "\n";
    return false;
  }
  AnalysisHooks hooks;
  hooks.messenger = &dialogs;
  hooks.stopRequested = [&dialogs] { return dialogs.Interrupted(); };
  project.PageAnalyses.assign(2, PageAnalysisRecord{});
  project.PageAnalyses[1].Keyword = ArgText(options.keyword);
  AnalyzePage(std::move(page), project.PageAnalyses[1], project.PageAnalyses[1].Keyword, hooks);
  return true;
}

int RunAnalyze(const AnalyzeOptions& options, CliIo& io) {
  if (options.file.empty() == options.domain.empty()) {
    throw UsageError("give either --file or --domain");
  }
  if (!options.proxy.empty() && options.domain.empty()) {
    throw UsageError("--proxy needs --domain");
  }
  ProjectState project;
  ProjectLock lock;
  if (!options.project.empty() && (!lock.Take(options.project, "analyze", io.err) ||
                                   !OpenProjectFile(options.project, project, io) ||
                                   !KeepsItsEngines(project, io, "analyze"))) {
    return kExitFailed;
  }
  CliDialogs dialogs(io.err, "analyze", false);
  bool analyzed = false;
  {
    InterruptAsStop stopOnCtrlC;
    analyzed = options.domain.empty() ? AnalyzeFile(options, project, dialogs, io)
                                      : AnalyzeDomain(options, project, dialogs);
  }
  if (dialogs.Interrupted()) return kExitStopped;
  if (!analyzed) return kExitFailed;

  const PageAnalysisRecord& record = project.PageAnalyses[1];
  PrintRecord(io.out, record);
  ImprovementReport report;
  report.Fill(record);
  if (options.advice) io.out << Lines(report.PlainText());
  if (!options.html.empty()) {
    if (const Status written = WriteFileAtomically(options.html, report.Html()); !written) {
      io.err << "kestrova-cli analyze: cannot write " << options.html << ": "
             << TerminalText(written.message()) << "\n";
      return kExitFailed;
    }
  }
  if (!options.project.empty()) {
    if (const Status saved = WriteProjectFile(options.project, project); !saved) {
      io.err << "kestrova-cli analyze: cannot save " << options.project << ": "
             << TerminalText(saved.message()) << "\n";
      return kExitFailed;
    }
  }
  return kExitOk;
}

CommandRegistration registration{
    "analyze", "Analyse a front page for a keyword and show the improvement advice",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<AnalyzeOptions>();
      auto* file = sub.add_option("--file", options->file,
                                  "A saved page (the whole HTTP answer, or just the HTML)");
      auto* domain = sub.add_option("--domain", options->domain, "Fetch this domain's front page");
      file->excludes(domain);
      sub.add_option("--proxy", options->proxy, "Fetch through the HTTP proxy HOST:PORT");
      sub.add_option("--keyword", options->keyword, "The keyword to measure")->required();
      sub.add_flag("--advice", options->advice, "Print the improvement advice as text");
      sub.add_option("--html", options->html, "Write the improvement advice as HTML");
      sub.add_option("--project", options->project,
                     "Store the analysis in this project file (.rnk)");
      return [options, &io] { return RunAnalyze(*options, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
