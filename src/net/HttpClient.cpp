// The fetch, step by step: attempts, connect, send, and the receive loop with
// its exits (server closed, second status line, cap, Stop, time-out).
#include "net/HttpClient.h"

#include <algorithm>
#include <cmath>

#include "net/AnswerFile.h"
#include "net/BusyPointer.h"
#include "net/HttpRequest.h"
#include "net/SocketErrors.h"

namespace kestrova {
namespace {

constexpr int kMaxAttempts = 2;

HostKind KindOfHost(std::string_view host) {
  bool allDigits =
      std::all_of(host.begin(), host.end(), [](char c) { return c >= '0' && c <= '9'; });
  return allDigits ? HostKind::Address : HostKind::Name;
}

}  // namespace

std::chrono::milliseconds TimeoutFromSeconds(double seconds) {
  constexpr double kMaxSeconds = 24.0 * 3600.0;
  if (!(seconds > 0.001)) return std::chrono::milliseconds(1);
  return std::chrono::milliseconds(
      static_cast<long long>(std::llround(std::min(seconds, kMaxSeconds) * 1000.0)));
}

HttpClient::HttpClient(NetworkState& state, Messenger& messenger, ConnectionFactory makeConnection,
                       std::string messageTitle)
    : state_(state),
      messenger_(messenger),
      makeConnection_(std::move(makeConnection)),
      connection_(makeConnection_()),
      messageTitle_(std::move(messageTitle)),
      timeout_(connection_->Timeout()) {
  AttachEvents();
}

HttpClient::~HttpClient() = default;

void HttpClient::HttpGetPage(bool silent, std::string_view host, std::string_view path,
                             std::string& response, bool& completed, bool post,
                             std::string_view saveFile) {
  Run({Mode::Get, silent, std::string(host), std::string(path), post, std::string(saveFile)},
      response, completed);
}

void HttpClient::HttpHeadPage(bool silent, std::string_view host, std::string_view path,
                              std::string& response, bool& completed) {
  Run({Mode::Head, silent, std::string(host), std::string(path), false, {}}, response, completed);
}

void HttpClient::SetBusyPointer(bool on, bool reset) {
  kestrova::SetBusyPointer(state_, messenger_, on, reset);
}

void HttpClient::SetTimeout(std::chrono::milliseconds timeout) {
  timeout_ = timeout;
  if (connection_) connection_->SetTimeout(timeout);
}

std::chrono::milliseconds HttpClient::Timeout() const {
  return timeout_;
}

void HttpClient::SetProxy(std::string host, std::uint16_t port) {
  proxyHost_ = std::move(host);
  proxyPort_ = port != 0 ? port : kHttpPort;
}

void HttpClient::Stop() {
  state_.StopRequested = true;
  state_.TransferAborted = true;
  CancelPendingOperation();
}

void HttpClient::CancelPendingOperation() {
  if (connection_) connection_->Cancel();
}

void HttpClient::Socket1_Timeout() {
  state_.TimedOut = true;
}

void HttpClient::Socket1_LastError(int code) {
  if (code == kErrorHostNotFound) {
    state_.TransferAborted = true;
  } else if (state_.TimedOut) {
    state_.FailedAfterTimeout = true;
    state_.TransferAborted = true;
  } else {
    state_.SocketFailed = true;
    if (code != kErrorAddressInUse) state_.TransferAborted = true;
  }
}

void HttpClient::Run(const Fetch& fetch, std::string& response, bool& completed) {
  if (state_.UserAgent.empty()) state_.UserAgent = kDefaultUserAgent;
  response.clear();
  completed = false;
  if (fetch.host.empty()) return;
  const bool get = fetch.mode == Mode::Get;
  if (get) SetBusyPointer(true);

  AnswerFile file;
  int attempts = 0;
  for (;;) {
    file.Close();
    completed = false;
    response.clear();
    state_.FailedAfterTimeout = false;
    state_.TransferAborted = false;
    state_.StopRequested = false;
    state_.SocketFailed = false;
    if (++attempts > kMaxAttempts) break;
    state_.TimedOut = false;
    state_.TlsError.clear();

    bool hostUnknown = false;
    AttemptEnd end = Attempt(fetch, response, completed, file, hostUnknown);
    if (hostUnknown) {
      if (get) {
        SetBusyPointer(false);
        if (!fetch.silent) {
          messenger_.ShowMessage(kMessageHostUnknown, messageTitle_, MessageButtons::Ok,
                                 MessageIcon::None);
        }
      }
      return;
    }
    if (end != AttemptEnd::NextAttempt) break;
  }

  connection_->Disconnect();
  if (get) SetBusyPointer(false);
  connection_->Disconnect();
  file.Close();
}

HttpClient::AttemptEnd HttpClient::Attempt(const Fetch& fetch, std::string& response,
                                           bool& completed, AnswerFile& file, bool& hostUnknown) {
  if (connection_->IsConnected()) connection_->Disconnect();
  const bool viaProxy = !proxyHost_.empty();
  // A bare host is plain HTTP on port 80, exactly as it always was.
  const std::optional<Origin> origin = ParseOrigin(fetch.host);
  if (!origin) {
    hostUnknown = true;
    return AttemptEnd::Failed;
  }
  UseConnectionFor(*origin, viaProxy);
  const std::string& dialHost = viaProxy ? proxyHost_ : origin->host;
  // Control characters would end up raw on the Host line: such a host is unusable.
  if (HasControlCharacters(fetch.host) || HasControlCharacters(dialHost) ||
      !connection_->SetRemoteHost(dialHost, KindOfHost(dialHost))) {
    hostUnknown = true;
    return AttemptEnd::Failed;
  }
  connection_->SetRemotePort(viaProxy ? proxyPort_ : origin->port);
  int connectResult = connection_->Connect();
  Yield();

  if (connectResult != 0 && state_.SocketFailed) {
    connection_->Cancel();
    connection_->Disconnect();
    ResetConnection();
    state_.SocketFailed = false;
    return AttemptEnd::NextAttempt;
  }
  if (!connection_->IsConnected()) {
    ReportFailure(fetch, !state_.TlsError.empty()
                             ? kMessageTlsError + state_.TlsError
                             : kMessageCannotConnect + std::to_string(connection_->LastError()));
    return AttemptEnd::Failed;
  }

  const bool head = fetch.mode == Mode::Head;
  HttpRequestParts parts;
  parts.method = head ? RequestMethod::Head : fetch.post ? RequestMethod::Post : RequestMethod::Get;
  const bool bareHost = fetch.host.find("://") == std::string::npos;
  parts.host = bareHost ? fetch.host : HostHeaderValue(*origin);
  parts.path = fetch.path;
  parts.userAgent = state_.UserAgent;
  parts.viaProxy = viaProxy && !origin->tls;  // inside a tunnel the request is direct
  std::string request = BuildHttpRequest(parts);

  // A file that cannot be created fails the fetch rather than losing the answer.
  if (!head && !fetch.saveFile.empty() && !file.Open(fetch.saveFile)) {
    return AttemptEnd::Failed;
  }
  if (connection_->Write(request) == -1) {
    ReportFailure(fetch, kMessageCannotQuery);
    return AttemptEnd::Failed;
  }
  Yield();
  return Receive(fetch, response, completed, file);
}

HttpClient::AttemptEnd HttpClient::Receive(const Fetch& fetch, std::string& response,
                                           bool& completed, AnswerFile& file) {
  const bool head = fetch.mode == Mode::Head;
  bool statusLineSeen = false;
  std::string chunk;
  for (;;) {
    if (head && state_.StopRequested) return AttemptEnd::Failed;
    if (connection_->PeerClosed()) break;
    if (connection_->Read(chunk, kReadChunkBytes) > 0) {
      // Some servers run a second answer into the first; it is not ours to keep.
      if (!head && chunk.starts_with("HTTP/1")) {
        if (statusLineSeen) break;
        statusLineSeen = true;
      }
      response += chunk;
      if (file.IsOpen()) file.WriteCompleteLines(response);
      // HEAD answers are capped too: a server that sends a body anyway must not
      // make the answer grow without end.
      if (response.size() > kAnswerCap) {
        completed = true;
        return AttemptEnd::Finished;
      }
    }
    if (state_.StopRequested) return AttemptEnd::Failed;
    if (state_.TimedOut) return AttemptEnd::NextAttempt;
    Yield();
  }
  // An answer cut off by a connection error (a reset) did not end normally.
  if (state_.SocketFailed) return AttemptEnd::Failed;
  if (file.IsOpen()) file.WriteRest(response);
  completed = true;
  return AttemptEnd::Finished;
}

void HttpClient::ReportFailure(const Fetch& fetch, const std::string& message) {
  if (fetch.mode != Mode::Get) return;
  SetBusyPointer(false);
  // After Stop the failure is the user's wish, not something to announce.
  if (!fetch.silent && !state_.StopRequested) {
    messenger_.ShowMessage(message, messageTitle_, MessageButtons::Ok, MessageIcon::None);
  }
  SetBusyPointer(true);
}

// HTTPS gets a TLS connection over a fresh transport for every attempt (its
// session belongs to one TCP connection); plain HTTP keeps the one it has.
void HttpClient::UseConnectionFor(const Origin& origin, bool viaProxy) {
  if (origin.tls) {
    tlsTarget_ = TlsTarget{origin.host, origin.port, viaProxy};
    connection_ = tls_.Wrap(makeConnection_(), *tlsTarget_);
    AttachEvents();
  } else if (tlsTarget_) {
    tlsTarget_.reset();
    connection_ = makeConnection_();
    AttachEvents();
  }
}

void HttpClient::ResetConnection() {
  connection_.reset();
  Yield();
  connection_ = tlsTarget_ ? tls_.Wrap(makeConnection_(), *tlsTarget_) : makeConnection_();
  // The time-out in force carries over, so a reset in a run keeps the run's value.
  connection_->SetTimeout(timeout_);
  AttachEvents();
  ++resets_;
}

void HttpClient::AttachEvents() {
  connection_->SetTimeout(timeout_);
  connection_->SetEvents({[this] { Socket1_Timeout(); },
                          [this](int code) { Socket1_LastError(code); }, [this] { Yield(); },
                          [this](const std::string& reason) { state_.TlsError = reason; }});
}

void HttpClient::Yield() {
  messenger_.Yield();
}

}  // namespace kestrova
