#include "history/HistoryQueries.h"

#include "base/Codepage.h"
#include "history/Competitors.h"

namespace kestrova {
namespace {

// The filter as SQL over the checks table "c", with its parameters from ?1.
struct Where {
  std::string sql;
  std::vector<std::string> values;
};

Where WhereOf(const CheckFilter& filter, bool withDate) {
  Where where;
  auto add = [&where](const char* condition, const std::string& value) {
    where.sql += where.values.empty() ? " WHERE " : " AND ";
    where.sql += condition;
    where.sql += std::to_string(where.values.size() + 1);
    where.values.push_back(value);
  };
  if (filter.keyword) add("c.keyword = ?", Cp1252ToUtf8(*filter.keyword));
  if (filter.engine) add("c.engine = ?", Cp1252ToUtf8(*filter.engine));
  if (withDate && filter.since) add("c.checked_at >= ?", *filter.since);
  return where;
}

SqliteStatus Query(HistoryStore& store, const std::string& select, const Where& where,
                   const std::string& rest, const std::function<void(SqliteStatement&)>& row) {
  SqliteStatement statement;
  SqliteStatus status = store.Db().Prepare(select + where.sql + rest, statement);
  if (!status.ok()) return status;
  for (std::size_t i = 0; i < where.values.size(); ++i) {
    statement.Bind(static_cast<int>(i + 1), where.values[i]);
  }
  int code;
  while ((code = statement.Step()) == SQLITE_ROW) row(statement);
  return statement.LastStatus(code);
}

std::string TextOf(const SqliteStatement& statement, int column) {
  return Utf8ToCp1252(statement.Text(column));
}

}  // namespace

SqliteStatus ForEachCheck(HistoryStore& store, const CheckFilter& filter,
                          const std::function<void(const CheckRow&)>& visit) {
  CheckRow check;
  return Query(store,
               "SELECT c.id, c.checked_at, c.keyword, c.engine, c.domain, c.succeeded, c.rank,"
               " c.page, c.position, c.trend, c.change FROM checks c",
               WhereOf(filter, true), " ORDER BY c.checked_at, c.id", [&](SqliteStatement& row) {
                 check.id = row.Int(0);
                 check.date = row.Text(1);
                 check.keyword = TextOf(row, 2);
                 check.engine = TextOf(row, 3);
                 check.domain = TextOf(row, 4);
                 check.succeeded = row.Int(5) != 0;
                 check.rank = static_cast<int>(row.Int(6));
                 check.page = static_cast<int>(row.Int(7));
                 check.position = static_cast<int>(row.Int(8));
                 check.trend = TextOf(row, 9);
                 check.change = TextOf(row, 10);
                 visit(check);
               });
}

SqliteStatus ForEachTopUrl(HistoryStore& store, const CheckFilter& filter,
                           const std::function<void(const TopUrlRow&)>& visit) {
  TopUrlRow url;
  return Query(store,
               "SELECT c.checked_at, c.keyword, c.engine, c.domain, t.slot, t.url"
               " FROM checks c JOIN top_urls t ON t.check_id = c.id",
               WhereOf(filter, true), " ORDER BY c.checked_at, c.id, t.slot",
               [&](SqliteStatement& row) {
                 url.date = row.Text(0);
                 url.keyword = TextOf(row, 1);
                 url.engine = TextOf(row, 2);
                 url.ownDomain = TextOf(row, 3);
                 url.slot = static_cast<int>(row.Int(4));
                 url.url = TextOf(row, 5);
                 url.host = UrlHost(url.url);
                 visit(url);
               });
}

SqliteStatus ReadBestRanks(HistoryStore& store, const CheckFilter& filter, BestRanks& best) {
  Where where = WhereOf(filter, false);
  where.sql += where.values.empty() ? " WHERE c.rank > 0" : " AND c.rank > 0";
  // Lowest rank first, and of equal ranks the earliest: the first row of each pair wins.
  return Query(store, "SELECT c.keyword, c.engine, c.rank, c.checked_at FROM checks c", where,
               " ORDER BY c.keyword, c.engine, c.rank, c.checked_at", [&](SqliteStatement& row) {
                 auto key = std::make_pair(TextOf(row, 0), TextOf(row, 1));
                 best.try_emplace(std::move(key),
                                  BestRank{static_cast<int>(row.Int(2)), std::string(row.Text(3))});
               });
}

}  // namespace kestrova
