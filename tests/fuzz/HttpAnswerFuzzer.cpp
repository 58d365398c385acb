// HTTP answers as servers send them, through the client over the scripted
// connection: one GET, POST or HEAD fetch, or a whole engine check, which
// follows 302 redirects to wherever their Location points and, for "Alles Klar
// AT", asks for each result link with HEAD.
//
// Input: a mode byte (low two bits: GET, POST, HEAD, engine check; bits 2-3:
// how the first connection ends, bits 4-5 how later ones end: close, reset,
// time-out, silence; bit 6: a silent fetch), a byte that seeds the piece sizes, a byte that picks
// the engine and the keyword depth of a check; then the answers, one per connection in turn,
// separated by kNextAnswer. Connections past the last answer are refused. A connection that falls
// silent is ended by Stop after a while, as the person would.
#include <string>
#include <vector>

#include "engines/EngineCatalogue.h"
#include "fuzz/FuzzSupport.h"
#include "net/HttpClient.h"
#include "net/HttpStatus.h"
#include "ranking/EngineCheck.h"
#include "ranking/HttpPageFetcher.h"
#include "support/ScriptedConnection.h"
#include "support/ScriptedMessenger.h"

namespace kestrova::fuzz {
namespace {

using namespace std::string_view_literals;
using test::ScriptedAttempt;

constexpr std::string_view kNextAnswer = "\0NEXT\0"sv;
constexpr int kYieldsBeforeStop = 200;

ScriptedAttempt::Ending EndingOf(unsigned bits) {
  constexpr ScriptedAttempt::Ending kEndings[] = {
      ScriptedAttempt::Ending::Close, ScriptedAttempt::Ending::Reset,
      ScriptedAttempt::Ending::TimeOut, ScriptedAttempt::Ending::Silence};
  return kEndings[bits & 3];
}

// `answer` cut into pieces of 1 to 300 bytes, sizes drawn from `seed`.
std::vector<std::string> Pieces(std::string_view answer, std::uint32_t& seed) {
  std::vector<std::string> pieces;
  while (!answer.empty()) {
    seed = seed * 1103515245u + 12345u;
    const std::size_t size = 1 + (seed >> 16) % 300;
    pieces.emplace_back(answer.substr(0, size));
    answer.remove_prefix(std::min(size, answer.size()));
  }
  return pieces;
}

// Every line of a request ends with CR LF and holds no other control character,
// so nothing from an answer can add a line to the next request.
bool WellFormedRequest(std::string_view request) {
  if (!request.ends_with("\r\n\r\n")) return false;
  request.remove_suffix(2);
  for (const std::string_view line : SplitAt(request, "\r\n")) {
    for (const char c : line) {
      if (static_cast<unsigned char>(c) < 32 || c == 127) return false;
    }
  }
  return true;
}

void CheckRequests(const test::ScriptedNetwork& network) {
  for (const std::string& request : network.requests) {
    // An HTTPS redirect makes the client speak TLS: what it then writes are
    // records (hello, alerts), not requests.
    const bool http = request.starts_with("GET ") || request.starts_with("POST ") ||
                      request.starts_with("HEAD ") || request.starts_with("CONNECT ");
    if (!http) continue;
    Require(WellFormedRequest(request), "requests carry no control characters from answers");
  }
}

void FetchOnce(std::uint8_t mode, const std::vector<std::string_view>& answers,
               test::ScriptedNetwork& network, test::ScriptedMessenger& messenger) {
  NetworkState state;
  HttpClient client(state, messenger, network.Factory());
  messenger.onYield = [&] {
    if (messenger.yields % kYieldsBeforeStop == 0) client.Stop();
  };
  FetchOptions options;
  options.silent = (mode & 0x40) != 0;
  options.post = (mode & 3) == 1;
  const FetchResult result = (mode & 3) == 2
                                 ? client.HttpHeadPage("www.google.com", "/search?q=bird")
                                 : client.HttpGetPage("www.google.com", "/search?q=bird", options);
  Require(result.answer.size() <= kAnswerCap + kReadChunkBytes, "an answer stays within its cap");
  Require(!result.completed || result.failure == FetchFailure::None,
          "a completed fetch names no failure");
  Require(state.busyDepth == 0, "every fetch gives the busy pointer back");
  bool fromAnAnswer = result.answer.empty();
  for (const std::string_view answer : answers) fromAnAnswer |= answer.starts_with(result.answer);
  Require(fromAnAnswer, "the answer is the start of what one connection sent");

  std::string location = "unchanged";
  const Integer status = GetHttpStatus(result.answer, location);
  Require(status >= 0 && status <= 999, "a status has at most three digits");
  Require(location.find_first_of("\r\n") == std::string::npos || location == "unchanged",
          "a redirect target is one line");
}

void CheckOneEngine(std::uint8_t choice, test::ScriptedNetwork& network,
                    test::ScriptedMessenger& messenger) {
  const EngineRecord& engine = Catalogue().At(static_cast<Integer>(choice % kEngineCount));
  CheckParameters parameters;
  parameters.domain = "www.widgetworks.com";
  // A folder that cannot be made: the check notes the failed saves and goes on,
  // and the harness writes nothing to disk.
  parameters.reportDirectory = "/proc/kestrova-fuzz/no-such-folder";
  parameters.keywordDepth = static_cast<Integer>(10 * (1 + (choice >> 6)));
  parameters.timeout = std::chrono::milliseconds(1000);
  NetworkState net;
  HttpPageFetcher fetcher(net, messenger, network.Factory());
  fetcher.SetTimeout(parameters.timeout);
  messenger.onYield = [&] {
    if (messenger.yields % kYieldsBeforeStop != 0) return;
    RequestStop(net);
    fetcher.CancelTransfer();
  };
  CheckLog log;
  CheckServices services{Catalogue(), parameters, net, fetcher, messenger, log};
  const CheckOutcome outcome = CheckEngine(services, "bird widgets", engine.Name);
  Require(outcome.position >= 0, "a position is never negative");
  Require(outcome.pageFound >= 0 && outcome.pageFound <= LastPageIndex(parameters.keywordDepth) + 1,
          "the domain is found on a page the check fetched");
  Require(outcome.topUrlCount >= 0 && outcome.topUrlCount <= kTopUrlSlots,
          "the top URLs fill at most their ten slots");
  Require(net.busyDepth == 0, "every fetch gives the busy pointer back");
}

}  // namespace
}  // namespace kestrova::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  using namespace kestrova::fuzz;
  FuzzInput input(data, size);
  const std::uint8_t mode = input.Byte();
  std::uint32_t seed = input.Byte();
  const std::uint8_t choice = input.Byte();

  const std::vector<std::string_view> answers = SplitAt(input.Rest(), kNextAnswer);
  test::ScriptedNetwork network;
  for (std::size_t i = 0; i < answers.size(); ++i) {
    ScriptedAttempt attempt;
    attempt.pieces = Pieces(answers[i], seed);
    attempt.ending = EndingOf(i == 0 ? mode >> 2 : mode >> 4);
    network.attempts.push_back(std::move(attempt));
  }
  test::ScriptedMessenger messenger;
  if ((mode & 3) == 3) {
    CheckOneEngine(choice, network, messenger);
  } else {
    FetchOnce(mode, answers, network, messenger);
  }
  CheckRequests(network);
  return 0;
}
