// A site's front page as its server answers, through the analysis: the header
// lines, the META tags, the clean-up and every count, with Stop pressed
// part-way through when the input asks for it.
//
// Input: a byte for the keyword's length (low five bits) and whether Stop comes
// after that many checks of it (top three bits, 0: never), the keyword, then the
// whole answer, header lines included.
#include <string>

#include "analyzer/AnalyzePage.h"
#include "analyzer/PageHeaders.h"
#include "analyzer/PageText.h"
#include "fuzz/FuzzSupport.h"

namespace kestrova::fuzz {
namespace {

void CheckCount(Integer count, Integer density) {
  Require(count >= 0 && count <= kIntegerMax, "a count is 0 to 32767");
  Require(density >= 0 && density <= kIntegerMax, "a density is 0 to 32767");
  Require(count != 0 || density == 0, "a keyword that does not occur has no density");
}

}  // namespace
}  // namespace kestrova::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  using namespace kestrova::fuzz;
  FuzzInput input(data, size);
  const std::uint8_t choices = input.Byte();
  const std::string keyword(input.Take(choices & 31));
  const std::string page(input.Rest());

  // The parts the analysis builds on, each alone.
  PageAnalysisRecord parts;
  ParseHttpHeaders(page, parts);
  ParseMetaTags(page, parts);
  for (void (*clean)(std::string&) : {RemoveSpacesAfterTagOpen, RemoveSpacesBeforeTagClose,
                                      RemoveScripts, StripTags, RemoveNbsp}) {
    std::string text = page;
    clean(text);
    Require(text.size() <= page.size(), "clean-up never makes a page longer");
  }

  const int stopAfter = choices >> 5;
  int stopChecks = 0;
  AnalysisHooks hooks;
  if (stopAfter != 0) hooks.stopRequested = [&] { return ++stopChecks >= stopAfter; };
  PageAnalysisRecord record;
  const AnalysisOutcome outcome = AnalyzePage(page, record, keyword, hooks);
  if (outcome == AnalysisOutcome::MissingTag) {
    Require(record.Status == 1 && !record.ProblemText.empty(), "a missing tag is named");
    Require(record.KeywordTotal == 0, "a page with a missing tag is not counted");
  }
  if (outcome != AnalysisOutcome::Analyzed) return 0;
  Require(record.Status == -1 && record.ProblemText.empty(), "an analysed page has no problem");
  CheckCount(record.TitleCount, record.TitleDensity);
  CheckCount(record.BodyCount, record.BodyDensity);
  CheckCount(record.HeadCount, record.HeadDensity);
  CheckCount(record.CommentsCount, record.CommentsDensity);
  CheckCount(record.AltCount, record.AltDensity);
  CheckCount(record.MetaTitleCount, record.MetaTitleDensity);
  CheckCount(record.MetaDescriptionCount, record.MetaDescriptionDensity);
  CheckCount(record.MetaKeywordsCount, record.MetaKeywordsDensity);
  Require(record.KeywordTotal == static_cast<Long>(record.BodyCount) + record.TitleCount +
                                     record.MetaTitleCount + record.MetaDescriptionCount +
                                     record.MetaKeywordsCount + record.CommentsCount,
          "the total is the sum of its counts");
  return 0;
}
