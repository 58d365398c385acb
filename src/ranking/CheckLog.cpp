#include "ranking/CheckLog.h"

namespace kestrova {
namespace {

template <class... Handlers>
struct Visitor : Handlers... {
  using Handlers::operator()...;
};
template <class... Handlers>
Visitor(Handlers...) -> Visitor<Handlers...>;

}  // namespace

void CheckLog::Page(const LoggedPage& page) {
  entries_.emplace_back(PageLine{std::string(page.color), std::string(page.status),
                                 std::string(page.savedPath), page.pageIndex,
                                 std::string(page.keyword), std::string(page.engine)});
}

void CheckLog::Message(std::string_view text, std::string_view title, MessageIcon icon) {
  entries_.emplace_back(Shown{std::string(text), std::string(title), icon});
}

void CheckLog::WriteFailed(std::string_view what) {
  entries_.emplace_back(Failed{std::string(what)});
}

void CheckLog::End() {
  entries_.emplace_back(Ended{});
}

void CheckLog::Replay(RunReports& reports, RunObserver& observer, Messenger& messenger) const {
  for (const auto& entry : entries_) {
    std::visit(Visitor{[&reports](const PageLine& line) {
                         reports.KeywordLogPage({line.color, line.status, line.savedPath,
                                                 line.pageIndex, line.keyword, line.engine});
                       },
                       [&messenger](const Shown& shown) {
                         messenger.ShowMessage(shown.text, shown.title, MessageButtons::Ok,
                                               shown.icon);
                       },
                       [&observer](const Failed& failed) { observer.WriteFailed(failed.what); },
                       [&reports](const Ended&) { reports.KeywordLogCheckEnd(); }},
               entry);
  }
}

}  // namespace kestrova
