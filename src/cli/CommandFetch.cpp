// kestrova-cli fetch: one page through the HTTP client (plain HTTP, or HTTPS for
// an https:// URL), the answer bytes on stdout exactly as received, the outcome
// and the network flags on stderr.
#include <optional>
#include <ostream>

#include "cli/CliDialogs.h"
#include "cli/Command.h"
#include "net/HttpClient.h"
#include "net/Origin.h"
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
  std::string host, path, url, caFile, proxy, userAgent;
  bool post = false, head = false, hostGiven = false;
  double timeoutSeconds = 30;
};

int RunFetch(const FetchArguments& options, CliIo& io) {
  if (!(options.timeoutSeconds > 0)) throw UsageError("--timeout must be above 0 seconds");
  if (!options.url.empty() == options.hostGiven) throw UsageError("give either --host or --url");
  if (!options.url.empty() && !options.path.empty())
    throw UsageError("--path goes with --host; a --url carries its own path");
  std::string host = ArgText(options.host);
  std::string path = ArgText(options.path);
  if (!options.url.empty()) {
    const auto split = SplitOriginUrl(ArgText(options.url));
    if (!split) throw UsageError("--url must be an http:// or https:// URL with a host");
    host = split->origin;
    path = split->path;
  }
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
  client.SetTlsSettings({options.caFile});
  if (proxy) client.SetProxy(ArgText(proxy->host), proxy->port);

  FetchResult result;
  {
    InterruptAsStop stopOnCtrlC;
    if (options.head) {
      result = client.HttpHeadPage(host, path);
    } else {
      kestrova::FetchOptions get;
      get.post = options.post;
      result = client.HttpGetPage(host, path, get);
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
      CLI::Option* host =
          sub.add_option("--host", options->host, "Host name or address (no scheme, no port)");
      sub.add_option("--url", options->url, "An http:// or https:// URL instead of --host/--path");
      sub.add_option("--ca-file", options->caFile,
                     "Trust the certificate authorities of this PEM file instead of the system's");
      sub.add_option("--path", options->path, "Request path (default \"/\")");
      sub.add_flag("--post", options->post, "Use POST when the path has a query");
      sub.add_flag("--head", options->head, "Send a HEAD request");
      sub.add_option("--timeout", options->timeoutSeconds,
                     "Time-out of each network step in seconds (default 30)");
      sub.add_option("--proxy", options->proxy, "Send the request through HOST:PORT");
      sub.add_option("--user-agent", options->userAgent, "User-Agent header text");
      return [options, host, &io] {
        options->hostGiven = host->count() > 0;
        return RunFetch(*options, io);
      };
    }};

}  // namespace
}  // namespace kestrova::cli
