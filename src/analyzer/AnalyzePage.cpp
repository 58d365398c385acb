#include "analyzer/AnalyzePage.h"

#include <optional>

#include "analyzer/PageHeaders.h"
#include "analyzer/PageText.h"
#include "base/Text.h"

namespace kestrova {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// What the page splits into before anything is counted.
struct PageParts {
  std::string head;
  std::string body;
  std::string comments;  // " " + each trimmed comment text
  std::string alts;      // " " + each trimmed ALT text
};

class PageAnalysis {
 public:
  PageAnalysis(PageAnalysisRecord& record, std::string_view keyword, const AnalysisHooks& hooks)
      : record_(record), keyword_(keyword), hooks_(hooks) {}

  AnalysisOutcome Run(std::string page) {
    RemoveSpacesAfterTagOpen(page);
    if (StopPressed()) return AnalysisOutcome::Stopped;
    RemoveSpacesBeforeTagClose(page);
    if (StopPressed()) return AnalysisOutcome::Stopped;

    Step(", removing scripts");
    RemoveScripts(page);
    PageParts parts;
    Step(", parsing comments");
    parts.comments = CollectBetween(page, "<!--", "-->");
    Step(", parsing Alt Tags");
    parts.alts = CollectBetween(page, "alt=\"", "\"");
    Step(", parsing html headers");
    if (auto missing = SplitPage(page, parts)) return ReportMissing(*missing);

    Step(", parsing html body");
    StripTags(parts.body);
    RemoveNbsp(parts.body);
    record_.Status = -1;
    record_.ProblemText.clear();
    ParseMetaTags(parts.head, record_);

    Step(", counting...");
    Count(parts);
    Step(", counting...done!");
    record_.KeywordTotal = static_cast<Long>(record_.BodyCount) + record_.TitleCount +
                           record_.MetaTitleCount + record_.MetaDescriptionCount +
                           record_.MetaKeywordsCount + record_.CommentsCount;
    return AnalysisOutcome::Analyzed;
  }

 private:
  void Step(std::string_view name) {
    if (hooks_.showStatus) hooks_.showStatus(hooks_.statusAtStart + std::string(name));
    if (hooks_.messenger) hooks_.messenger->Yield();
  }

  bool StopPressed() {
    if (hooks_.messenger) hooks_.messenger->Yield();
    return hooks_.stopRequested && hooks_.stopRequested();
  }

  // " " + the trimmed text between each `open` and the next `close` after it (case
  // ignored); the search goes on after that `close`. An `open` without a `close`
  // ends it. Searching a folded copy keeps the walk over the page linear.
  static std::string CollectBetween(std::string_view page, std::string_view open,
                                    std::string_view close) {
    const std::string folded = LowerCase(page);
    const std::string foldedOpen = LowerCase(open), foldedClose = LowerCase(close);
    std::string collected;
    Pos from = 1;
    while (Pos start = Find(folded, foldedOpen, from)) {
      Pos textStart = start + static_cast<Pos>(open.size());
      Pos end = Find(folded, foldedClose, textStart);
      if (end == 0) break;
      collected += ' ';
      collected += TrimSpaces(MidView(page, textStart, end - textStart));
      from = end + static_cast<Pos>(close.size());
    }
    return collected;
  }

  // Headers, head, body and title; the first structural tag that is missing, if any.
  std::optional<std::string> SplitPage(std::string_view page, PageParts& parts) {
    Pos html = FindNoCase(page, "<HTML>");
    if (html == 0) return "No starting <HTML> tag";
    ParseHttpHeaders(Left(page, html - 1), record_);
    std::string_view rest = MidView(page, html + 6);

    Pos head = FindNoCase(rest, "<HEAD>");
    if (head == 0) return "No starting <HEAD> tag";
    rest = MidView(rest, head + 6);
    Pos headEnd = FindNoCase(rest, "</HEAD>");
    if (headEnd == 0) return "No ending </HEAD> tag";
    parts.head = Left(rest, headEnd - 1);
    rest = MidView(rest, headEnd + 7);

    Pos body = FindNoCase(rest, "<BODY");
    if (body == 0) return "No starting <BODY tag";
    rest = MidView(rest, AfterBodyTag(rest, body));
    Pos bodyEnd = FindNoCase(rest, "</BODY>");
    if (bodyEnd == 0) return "No ending </BODY> tag";
    parts.body = Left(rest, bodyEnd - 1);

    Pos title = FindNoCase(parts.head, "<TITLE>");
    if (title == 0) return "No starting <TITLE> tag";
    Pos titleEnd = FindNoCase(parts.head, "</TITLE>", title + 7);
    if (titleEnd == 0) return "No ending </TITLE> tag";
    record_.Title = Mid(parts.head, title + 7, titleEnd - title - 7);
    return std::nullopt;
  }

  // The position after the ">" that closes the "<BODY" tag at `body`, counting the
  // brackets inside it; past the end when it never closes.
  static Pos AfterBodyTag(std::string_view text, Pos body) {
    long depth = 1;
    for (Pos at = body + 1; at <= static_cast<Pos>(text.size()); ++at) {
      char c = text[at - 1];
      if (c == '<') ++depth;
      if (c == '>' && --depth == 0) return at + 1;
    }
    return static_cast<Pos>(text.size()) + 1;
  }

  AnalysisOutcome ReportMissing(const std::string& problem) {
    record_.Status = 1;
    record_.ProblemText = problem;
    if (hooks_.messenger) {
      hooks_.messenger->ShowMessage(MissingTagMessage(record_), hooks_.messageTitle,
                                    MessageButtons::Ok, MessageIcon::None);
    }
    return AnalysisOutcome::MissingTag;
  }

  void Count(const PageParts& parts) {
    auto measure = [&](std::string_view text, Integer& count, Integer& density) {
      KeywordDensity(text, keyword_, count, density, hooks_.stopRequested);
    };
    measure(parts.head, record_.HeadCount, record_.HeadDensity);
    measure(record_.Title, record_.TitleCount, record_.TitleDensity);
    measure(parts.body, record_.BodyCount, record_.BodyDensity);
    measure(parts.comments, record_.CommentsCount, record_.CommentsDensity);
    measure(record_.MetaTitle, record_.MetaTitleCount, record_.MetaTitleDensity);
    measure(record_.MetaKeywords, record_.MetaKeywordsCount, record_.MetaKeywordsDensity);
    measure(record_.MetaDescription, record_.MetaDescriptionCount, record_.MetaDescriptionDensity);
    measure(parts.alts, record_.AltCount, record_.AltDensity);
  }

  PageAnalysisRecord& record_;
  std::string keyword_;
  const AnalysisHooks& hooks_;
};

}  // namespace

AnalysisOutcome AnalyzePage(std::string pageText, PageAnalysisRecord& record,
                            std::string_view keyword, const AnalysisHooks& hooks) {
  return PageAnalysis(record, keyword, hooks).Run(std::move(pageText));
}

std::string MissingTagMessage(const PageAnalysisRecord& record) {
  std::string message = record.ProblemText + " for page from " + record.SourceUrl;
  message += kCrLf;
  message += kCrLf;
  message += "Local File : ";
  message += kCrLf;
  message += record.LocalFile;
  return message;
}

}  // namespace kestrova
