// Placeholder expansion of the engines' query templates.
#include "engines/QueryPath.h"

#include "base/Text.h"
#include "engines/EngineCatalogue.h"
#include "engines/Placeholders.h"
#include "net/UrlCoding.h"

namespace kestrova {
namespace {

using namespace placeholders;

// Works in a wide type and saturates once at the Integer range, so a page index
// that is too large gives 32767 (or -32768) rather than a wrapped number.
std::string IntegerText(long long exact) {
  if (exact > kIntegerMax) exact = kIntegerMax;
  if (exact < kIntegerMin) exact = kIntegerMin;
  return std::to_string(exact);
}

// Replaces the first occurrence of `placeholder` (letter case ignored).
void ReplaceFirst(std::string& text, std::string_view placeholder, std::string_view value) {
  Pos at = FindNoCase(text, placeholder);
  if (at == 0) return;
  text.replace(static_cast<std::size_t>(at - 1), placeholder.size(), value);
}

}  // namespace

int TemplateSlot(Integer pageIndex) {
  return pageIndex >= 0 && pageIndex <= 3 ? pageIndex : 4;
}

std::string ExpandQueryTemplate(std::string_view queryTemplate, std::string_view searchText,
                                Integer offset, Integer pageIndex) {
  const long long p = pageIndex;
  std::string text(queryTemplate);
  ReplaceFirst(text, kSearchString, searchText);
  ReplaceFirst(text, kIncrement, IntegerText(10 * p + offset));
  ReplaceFirst(text, kIncrementLessOne, IntegerText(10 * p - 1));
  ReplaceFirst(text, kLastIncrement, IntegerText(10 * (p + 1)));
  ReplaceFirst(text, kNumTimes, IntegerText(p + 1));
  ReplaceFirst(text, kNumTimesPlusOne, IntegerText(p + 2));
  return text;
}

std::string ExpandChainedTemplate(std::string_view queryTemplate, std::string_view searchText,
                                  Integer /*offset*/, Integer pageIndex) {
  const long long p = pageIndex;
  std::string chain = IntegerText(10 * (p - 1));
  for (long long k = p - 2; k >= 0; --k) chain += "+" + IntegerText(10 * k);
  std::string text(queryTemplate);
  ReplaceFirst(text, kSearchString, searchText);
  ReplaceFirst(text, kIncrement, chain);
  return text;
}

QueryRequest BuildQueryRequest(const EngineRecord& engine, std::string_view encodedSearchText,
                               Integer pageIndex) {
  const std::string& queryTemplate =
      engine.QueryTemplates[static_cast<std::size_t>(TemplateSlot(pageIndex))];
  QueryRequest request;
  request.Host = EngineRequestHost(engine);
  request.UsePost = engine.UsePost;
  request.Path = engine.Name == "NorthernLight"
                     ? ExpandChainedTemplate(queryTemplate, encodedSearchText,
                                             engine.IncrementOffset, pageIndex)
                     : ExpandQueryTemplate(queryTemplate, encodedSearchText, engine.IncrementOffset,
                                           pageIndex);
  return request;
}

QueryRequest BuildKeywordQuery(const EngineRecord& engine, std::string_view keyword,
                               Integer pageIndex) {
  return BuildQueryRequest(engine, EncodeSearchText(keyword), pageIndex);
}

}  // namespace kestrova
