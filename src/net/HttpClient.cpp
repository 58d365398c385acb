// The fetch, step by step: attempts, connect, send, and the receive loop with
// its exits (server closed, second status line, cap, Stop, time-out).
#include "net/HttpClient.h"

#include <algorithm>
#include <cmath>

#include "net/AnswerFile.h"
#include "net/BusyPointer.h"
#include "net/HttpRequest.h"

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

FetchResult HttpClient::HttpGetPage(std::string_view host, std::string_view path,
                                    const FetchOptions& options) {
  return Run({Mode::Get, std::string(host), std::string(path), options});
}

FetchResult HttpClient::HttpHeadPage(std::string_view host, std::string_view path,
                                     const FetchOptions& options) {
  FetchOptions head;
  head.silent = true;
  head.deadline = options.deadline;
  return Run({Mode::Head, std::string(host), std::string(path), head});
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
  RequestStop(state_);
  CancelPendingOperation();
}

void HttpClient::CancelPendingOperation() {
  if (connection_) connection_->Cancel();
}

void HttpClient::Socket1_Timeout() {
  NoteTimeout(state_);
}

void HttpClient::Socket1_LastError(int code) {
  NoteConnectionError(state_, code);
}

FetchResult HttpClient::Run(const Fetch& fetch) {
  FetchResult result;
  if (state_.UserAgent.empty()) state_.UserAgent = kDefaultUserAgent;
  if (fetch.host.empty()) {
    result.failure = FetchFailure::NoHost;
    return result;
  }
  const bool get = fetch.mode == Mode::Get;
  if (get) SetBusyPointer(true);
  deadline_ = fetch.options.deadline;
  deadlinePassed_ = false;

  AnswerFile file;
  int attempts = 0;
  for (;;) {
    file.Close();
    result.completed = false;
    result.answer.clear();
    ClearForAttempt(state_);
    if (++attempts > kMaxAttempts) break;
    // Past the deadline no attempt starts; the fetch ends as a time-out would.
    if (deadlinePassed_ || (deadline_ && std::chrono::steady_clock::now() >= *deadline_)) {
      NoteTimeout(state_);
      result.failure = FetchFailure::DeadlinePassed;
      break;
    }
    state_.TimedOut = false;
    state_.TlsError.clear();

    AttemptEnd end = Attempt(fetch, result, file);
    if (end == AttemptEnd::HostUnknown) {
      if (get) {
        SetBusyPointer(false);
        if (!fetch.options.silent) {
          messenger_.ShowMessage(kMessageHostUnknown, messageTitle_, MessageButtons::Ok,
                                 MessageIcon::None);
        }
      }
      result.failure = FetchFailure::HostUnknown;
      return result;
    }
    if (end != AttemptEnd::NextAttempt) break;
  }

  connection_->Disconnect();
  if (get) SetBusyPointer(false);
  connection_->Disconnect();
  file.Close();
  deadline_.reset();
  return result;
}

HttpClient::AttemptEnd HttpClient::Attempt(const Fetch& fetch, FetchResult& result,
                                           AnswerFile& file) {
  if (connection_->IsConnected()) connection_->Disconnect();
  const bool viaProxy = !proxyHost_.empty();
  // A bare host is plain HTTP on port 80, exactly as it always was.
  const std::optional<Origin> origin = ParseOrigin(fetch.host);
  if (!origin) return AttemptEnd::HostUnknown;
  UseConnectionFor(*origin, viaProxy);
  const std::string& dialHost = viaProxy ? proxyHost_ : origin->host;
  // Control characters would end up raw on the Host line: such a host is unusable.
  if (HasControlCharacters(fetch.host) || HasControlCharacters(dialHost) ||
      !connection_->SetRemoteHost(dialHost, KindOfHost(dialHost))) {
    return AttemptEnd::HostUnknown;
  }
  connection_->SetRemotePort(viaProxy ? proxyPort_ : origin->port);
  int connectResult = connection_->Connect();
  Yield();
  if (deadlinePassed_) return AttemptEnd::NextAttempt;

  if (connectResult != 0 && state_.SocketFailed) {
    connection_->Cancel();
    connection_->Disconnect();
    ResetConnection();
    state_.SocketFailed = false;
    result.failure = FetchFailure::CannotConnect;
    return AttemptEnd::NextAttempt;
  }
  if (!connection_->IsConnected()) {
    if (!state_.TlsError.empty()) {
      ReportFailure(fetch, kMessageTlsError + state_.TlsError);
      return Failed(result, FetchFailure::TlsRefused);
    }
    ReportFailure(fetch, kMessageCannotConnect + std::to_string(connection_->LastError()));
    return Failed(result, FetchFailure::CannotConnect);
  }

  const bool head = fetch.mode == Mode::Head;
  HttpRequestParts parts;
  parts.method = head                 ? RequestMethod::Head
                 : fetch.options.post ? RequestMethod::Post
                                      : RequestMethod::Get;
  const bool bareHost = fetch.host.find("://") == std::string::npos;
  parts.host = bareHost ? fetch.host : HostHeaderValue(*origin);
  parts.path = fetch.path;
  parts.userAgent = state_.UserAgent;
  parts.viaProxy = viaProxy && !origin->tls;  // inside a tunnel the request is direct
  std::string request = BuildHttpRequest(parts);

  // A file that cannot be created fails the fetch rather than losing the answer.
  const std::string& saveFile = fetch.options.saveFile;
  if (!head && !saveFile.empty() && !file.Open(saveFile)) {
    return Failed(result, FetchFailure::CannotSave);
  }
  if (connection_->Write(request) == -1) {
    if (deadlinePassed_) return AttemptEnd::NextAttempt;
    ReportFailure(fetch, kMessageCannotQuery);
    return Failed(result, FetchFailure::CannotQuery);
  }
  Yield();
  return Receive(fetch, result, file);
}

HttpClient::AttemptEnd HttpClient::Receive(const Fetch& fetch, FetchResult& result,
                                           AnswerFile& file) {
  const bool head = fetch.mode == Mode::Head;
  std::string& response = result.answer;
  bool statusLineSeen = false;
  std::string chunk;
  for (;;) {
    if (head && state_.StopRequested) return Failed(result, FetchFailure::Stopped);
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
        result.completed = true;
        return AttemptEnd::Finished;
      }
    }
    if (state_.StopRequested) return Failed(result, FetchFailure::Stopped);
    if (state_.TimedOut) {
      result.failure = FetchFailure::TimedOut;
      return AttemptEnd::NextAttempt;
    }
    Yield();
  }
  // An answer cut off by a connection error (a reset) did not end normally.
  if (state_.SocketFailed) return Failed(result, FetchFailure::ConnectionBroken);
  if (file.IsOpen()) file.WriteRest(response);
  result.completed = true;
  result.failure = FetchFailure::None;
  return AttemptEnd::Finished;
}

HttpClient::AttemptEnd HttpClient::Failed(FetchResult& result, FetchFailure failure) {
  // Whatever broke, a Stop behind it is what the caller has to hear of.
  result.failure = state_.StopRequested ? FetchFailure::Stopped : failure;
  return AttemptEnd::Failed;
}

void HttpClient::ReportFailure(const Fetch& fetch, const std::string& message) {
  if (fetch.mode != Mode::Get) return;
  SetBusyPointer(false);
  // After Stop the failure is the user's wish, not something to announce.
  if (!fetch.options.silent && !state_.StopRequested) {
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
  // The deadline ends the wait in progress as a time-out would; the attempt
  // loop then starts no other attempt.
  if (deadline_ && !deadlinePassed_ && std::chrono::steady_clock::now() >= *deadline_) {
    deadlinePassed_ = true;
    NoteTimeout(state_);
    if (connection_) connection_->Cancel();
  }
}

}  // namespace kestrova
