// kestrova-cli fetch: one page through the HTTP client, the answer bytes on
// stdout exactly as received, the outcome and the network flags on stderr.
#include <optional>
#include <ostream>

#include "cli/CliDialogs.h"
#include "cli/Command.h"
#include "net/HttpClient.h"
#include "net/PosixConnection.h"
#include "net/ProxyAddress.h"

namespace kestrova::cli {
namespace {

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

struct FetchArguments {
  std::string host, path, proxy, userAgent;
  bool post = false, head = false;
  double timeoutSeconds = 30;
};

int RunFetch(const FetchArguments& options, CliIo& io) {
  if (!(options.timeoutSeconds > 0)) throw UsageError("--timeout must be above 0 seconds");
  std::optional<ProxyAddress> proxy;
  if (!options.proxy.empty()) {
    proxy = ParseProxyAddress(options.proxy);
    if (!proxy) throw UsageError("--proxy must be HOST:PORT");
  }

  NetworkState state;
  state.UserAgent = ArgText(options.userAgent);
  CliDialogs dialogs(io.err, "fetch", false);
  HttpClient client(state, dialogs, [] { return std::make_unique<PosixConnection>(); });
  dialogs.SetStopAction([&client] {
    if (!client.State().StopRequested) client.Stop();
  });
  client.SetTimeout(TimeoutFromSeconds(options.timeoutSeconds));
  if (proxy) client.SetProxy(ArgText(proxy->host), proxy->port);

  FetchResult result;
  {
    InterruptAsStop stopOnCtrlC;
    if (options.head) {
      result = client.HttpHeadPage(ArgText(options.host), ArgText(options.path));
    } else {
      kestrova::FetchOptions get;
      get.post = options.post;
      result = client.HttpGetPage(ArgText(options.host), ArgText(options.path), get);
    }
  }
  io.out.write(result.answer.data(), static_cast<std::streamsize>(result.answer.size()));
  io.out.flush();
  io.err << "completed: " << (result.completed ? "yes" : "no") << FlagsText(state) << "\n";
  if (result.completed) return kExitOk;
  return state.StopRequested ? kExitStopped : kExitFailed;
}

CommandRegistration registration{
    "fetch", "Fetch one page with the HTTP client and print the answer as received",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<FetchArguments>();
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
