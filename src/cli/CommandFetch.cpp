// kestrova-cli fetch: one page through the HTTP client, the answer bytes on
// stdout exactly as received, the outcome and the network flags on stderr.
#include <signal.h>

#include <charconv>
#include <optional>
#include <ostream>

#include "cli/Command.h"
#include "net/HttpClient.h"
#include "net/PosixConnection.h"
#include "ui/Dialogs.h"

namespace kestrova::cli {
namespace {

volatile sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int) {
  interrupted = 1;
}

// Ctrl+C while a fetch runs is the Stop button; the previous handler comes back after.
class InterruptAsStop {
 public:
  InterruptAsStop() {
    interrupted = 0;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous_);
  }
  ~InterruptAsStop() { sigaction(SIGINT, &previous_, nullptr); }
  InterruptAsStop(const InterruptAsStop&) = delete;
  InterruptAsStop& operator=(const InterruptAsStop&) = delete;

 private:
  struct sigaction previous_ {};
};

// The terminal's answers for the client: messages to stderr, Ctrl+C as Stop.
class FetchDialogs : public Dialogs {
 public:
  explicit FetchDialogs(std::ostream& err) : err_(err) {}
  void Attach(HttpClient& client) { client_ = &client; }

  MessageAnswer ShowMessage(std::string_view text, std::string_view, MessageButtons,
                            MessageIcon) override {
    err_ << "kestrova-cli fetch: " << TerminalText(std::string(text)) << "\n";
    return MessageAnswer::Ok;
  }
  std::optional<std::string> ChooseOpenFile(std::string_view, std::string_view) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseSaveFile(std::string_view, std::string_view,
                                            std::string_view) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseDirectory(std::string_view, std::string_view) override {
    return std::nullopt;
  }
  void OpenUrl(std::string_view) override {}
  void OpenFile(std::string_view) override {}
  void SetBusy(bool) override {}
  void Yield() override {
    if (interrupted && client_ != nullptr && !client_->State().StopRequested) client_->Stop();
  }

 private:
  std::ostream& err_;
  HttpClient* client_ = nullptr;
};

struct ProxyAddress {
  std::string host;
  std::uint16_t port = 0;
};

// "HOST:PORT" with a port from 1 to 65535.
std::optional<ProxyAddress> ParseProxy(const std::string& text) {
  auto colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return std::nullopt;
  unsigned port = 0;
  const char* first = text.data() + colon + 1;
  const char* last = text.data() + text.size();
  auto [end, error] = std::from_chars(first, last, port);
  if (error != std::errc() || end != last || first == last || port == 0 || port > 65535) {
    return std::nullopt;
  }
  return ProxyAddress{text.substr(0, colon), static_cast<std::uint16_t>(port)};
}

std::string FlagsText(const NetworkState& state) {
  std::string text;
  auto add = [&text](bool set, const char* name) {
    if (set) text += std::string(" ") + name;
  };
  add(state.TimedOut, "TimedOut");
  add(state.StopRequested, "StopRequested");
  add(state.TransferAborted, "TransferAborted");
  add(state.SocketFailed, "SocketFailed");
  add(state.FailedAfterTimeout, "FailedAfterTimeout");
  return text;
}

struct FetchOptions {
  std::string host, path, proxy, userAgent;
  bool post = false, head = false;
  double timeoutSeconds = 30;
};

int RunFetch(const FetchOptions& options, CliIo& io) {
  if (!(options.timeoutSeconds > 0)) throw UsageError("--timeout must be above 0 seconds");
  std::optional<ProxyAddress> proxy;
  if (!options.proxy.empty()) {
    proxy = ParseProxy(options.proxy);
    if (!proxy) throw UsageError("--proxy must be HOST:PORT");
  }

  NetworkState state;
  state.UserAgent = ArgText(options.userAgent);
  FetchDialogs dialogs(io.err);
  HttpClient client(state, dialogs, [] { return std::make_unique<PosixConnection>(); });
  dialogs.Attach(client);
  client.SetTimeout(TimeoutFromSeconds(options.timeoutSeconds));
  if (proxy) client.SetProxy(ArgText(proxy->host), proxy->port);

  std::string response;
  bool completed = false;
  {
    InterruptAsStop stopOnCtrlC;
    if (options.head) {
      client.HttpHeadPage(false, ArgText(options.host), ArgText(options.path), response, completed);
    } else {
      client.HttpGetPage(false, ArgText(options.host), ArgText(options.path), response, completed,
                         options.post);
    }
  }
  io.out.write(response.data(), static_cast<std::streamsize>(response.size()));
  io.out.flush();
  io.err << "completed: " << (completed ? "yes" : "no") << FlagsText(state) << "\n";
  if (completed) return kExitOk;
  return state.StopRequested ? kExitStopped : kExitFailed;
}

CommandRegistration registration{
    "fetch", "Fetch one page with the HTTP client and print the answer as received",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<FetchOptions>();
      sub.add_option("--host", options->host, "Host name or address (no scheme, no port)")
          ->required();
      sub.add_option("--path", options->path, "Request path (default \"/\")");
      sub.add_flag("--post", options->post, "Use POST when the path has a query");
      sub.add_flag("--head", options->head, "Send a HEAD request");
      sub.add_option("--timeout", options->timeoutSeconds,
                     "Time-out of each network step in seconds (default 30)");
      sub.add_option("--proxy", options->proxy, "Send the request through HOST:PORT");
      sub.add_option("--user-agent", options->userAgent, "User-Agent header text");
      return [options, &io] { return RunFetch(*options, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
