#include "ranking/RecordUpdate.h"

#include "base/Grade.h"
#include "ranking/RunTexts.h"

namespace kestrova {

ChangeTexts DescribeChange(Integer oldRank, Integer newRank) {
  // The difference of two Integers can leave the Integer range; it is only text.
  const long difference = static_cast<long>(newRank) - static_cast<long>(oldRank);
  if (difference == 0) return {texts::kChangeUnchanged, texts::kLeadUnchanged};
  // A smaller number is a better place, yet the texts follow the sign of the
  // difference: 10 -> 3 reads "Down, (-7)" and "Dropped to ". Stored projects
  // and the grid's colours rely on exactly these words.
  if (difference < 0) {
    return {texts::kChangeDown + std::to_string(difference) + ")", texts::kLeadDropped};
  }
  return {texts::kChangeUp + std::to_string(difference) + ")", texts::kLeadIncreased};
}

Integer PagePositionOf(Integer rank, Integer page) {
  if (page == 1) return rank;
  if (page >= 2 && rank != 0) {
    return SubSaturated(rank, MulSaturated(SubSaturated(page, 1), 10));
  }
  return 0;
}

void UpdateRankingRecord(RankingRecord& record, const CheckOutcome& outcome,
                         std::string_view keyword, std::string_view engine, std::string_view domain,
                         Integer keywordDepth, std::string_view checkedAt) {
  record.CheckedAt = checkedAt;
  record.Succeeded = outcome.succeeded;
  record.Domain = domain;
  record.CheckedDomain = domain;
  record.Keyword = keyword;
  record.Engine = engine;
  record.TopUrls = outcome.topUrls;
  record.TopUrlCount = outcome.topUrlCount;
  if (outcome.succeeded) {
    const ChangeTexts change = DescribeChange(record.Rank, outcome.position);
    record.ChangeText = change.change;
    record.TrendText = change.lead + GetGradeRanking(outcome.position) + texts::kTrendSuffix;
  } else {
    record.ChangeText.clear();
    record.TrendText = texts::kTrendReRun;
  }
  record.Rank = outcome.position;
  record.Page = outcome.pageFound;
  record.KeywordDepth = keywordDepth;
  record.PagePosition = PagePositionOf(outcome.position, outcome.pageFound);
}

}  // namespace kestrova
