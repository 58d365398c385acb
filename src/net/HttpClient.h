// The HTTP/1.0 client every page fetch goes through: one request per TCP
// connection (port 80, or the proxy; TLS for an "https://" origin, Origin.h),
// at most two attempts, the answer read in
// small pieces until the server closes, yielding to the application between
// steps so a window stays live and Stop is seen. A fetch returns its answer,
// whether it completed and why not; the NetworkState flags and, unless
// silent, a message box tell the rest.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/Messenger.h"
#include "base/ProductInfo.h"
#include "net/Connection.h"
#include "net/FetchResult.h"
#include "net/NetworkState.h"
#include "net/Origin.h"
#include "net/TlsConnection.h"

namespace kestrova {

class AnswerFile;

// The answer of HttpGetPage is cut once it is longer than this.
inline constexpr std::size_t kAnswerCap = 32000;
inline constexpr int kReadChunkBytes = 256;
inline constexpr int kHttpPort = 80;

inline constexpr const char* kMessageHostUnknown = "The specified host is unknown";
inline constexpr const char* kMessageCannotConnect = "Unable to connect to remote server, error ";
inline constexpr const char* kMessageCannotQuery = "Unable to query remote server";
inline constexpr const char* kMessageTlsError = "TLS error: ";

// A time-out given in seconds (fractions allowed) as the connection takes it.
std::chrono::milliseconds TimeoutFromSeconds(double seconds);

class HttpClient {
 public:
  // `state` and `messenger` belong to the caller and must outlive the client;
  // the client and both are used from one thread only.
  HttpClient(NetworkState& state, Messenger& messenger, ConnectionFactory makeConnection,
             std::string messageTitle = kProductName);
  ~HttpClient();
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  // Fetches `path` (empty: "/") from `host` (a bare host, or an origin such as
  // "https://name:port") with GET, or POST when asked and the path has a query.
  // With a save file the answer goes to that file line by line.
  FetchResult HttpGetPage(std::string_view host, std::string_view path,
                          const FetchOptions& options = {});
  // The same with HEAD: never a message, no busy pointer, no file, no
  // status-line check; only the deadline of `options` counts.
  FetchResult HttpHeadPage(std::string_view host, std::string_view path,
                           const FetchOptions& options = {});

  void SetBusyPointer(bool on, bool reset = false);

  // The time-out of each socket operation (the run sets TimeOutSecs x 1000 ms).
  void SetTimeout(std::chrono::milliseconds timeout);
  std::chrono::milliseconds Timeout() const;
  // Routes every request through an HTTP proxy; an empty host means direct.
  // HTTPS requests go through it in a CONNECT tunnel.
  void SetProxy(std::string host, std::uint16_t port);
  // Whose certificates HTTPS servers may present (default: the system's store).
  void SetTlsSettings(TlsSettings settings) { tls_ = TlsConnector(std::move(settings)); }

  // The Stop action: sets StopRequested and TransferAborted and cancels the
  // pending socket operation. Meant to be called while the client yields.
  void Stop();
  void CancelPendingOperation();

  NetworkState& State() { return state_; }
  // How many times the connection was discarded and made anew.
  int ConnectionResets() const { return resets_; }

 private:
  enum class Mode { Get, Head };
  struct Fetch {
    Mode mode;
    std::string host;
    std::string path;
    FetchOptions options;
  };
  enum class AttemptEnd { Finished, Failed, NextAttempt, HostUnknown };

  FetchResult Run(const Fetch& fetch);
  AttemptEnd Attempt(const Fetch& fetch, FetchResult& result, AnswerFile& file);
  AttemptEnd Receive(const Fetch& fetch, FetchResult& result, AnswerFile& file);
  AttemptEnd Failed(FetchResult& result, FetchFailure failure);
  void ReportFailure(const Fetch& fetch, const std::string& message);
  void ResetConnection();
  void UseConnectionFor(const Origin& origin, bool viaProxy);
  void AttachEvents();
  void Yield();

  // The connection's notifications.
  void Socket1_Timeout();
  void Socket1_LastError(int code);

  NetworkState& state_;
  Messenger& messenger_;
  ConnectionFactory makeConnection_;
  std::unique_ptr<Connection> connection_;
  std::string messageTitle_;
  std::chrono::milliseconds timeout_;
  std::string proxyHost_;
  std::uint16_t proxyPort_ = 0;
  int resets_ = 0;
  TlsConnector tls_;
  std::optional<TlsTarget> tlsTarget_;  // set while connection_ is a TLS connection
  std::optional<Deadline> deadline_;    // of the fetch in progress
  bool deadlinePassed_ = false;
};

}  // namespace kestrova
