// An engine of the user's engines file as several test folders use it: HTTPS,
// two templates, a rule for the simulator's first modern page shape.
#pragma once

#include <string>

namespace kestrova::test {

inline const std::string kSearchlyEngineJson = R"({
  "name": "Searchly", "language": "English", "country": "USA",
  "scheme": "https", "host": "search.searchly.test",
  "query_templates": ["/search?q=%SEARCH_STRING%", "/search?q=%SEARCH_STRING%&start=%INCREMENT_INTEGER%"],
  "increment_offset": 0, "no_results_text": "No results for",
  "result_links": "//div[@class='result']//a[@class='title']/@href"
})";

// An engines file of `engines`, JSON objects joined into its list.
inline std::string EnginesFile(const std::string& first, const std::string& second = "") {
  return "{\"engines\": [" + first + (second.empty() ? "" : ", " + second) + "]}";
}

}  // namespace kestrova::test
