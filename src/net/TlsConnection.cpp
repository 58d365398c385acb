// TLS through OpenSSL's memory BIOs: OpenSSL turns plain text into records and
// back, and every byte on the wire goes through the transport connection, so
// its waits in slices, its time-outs and its Stop stay exactly as for HTTP.
#include "net/TlsConnection.h"

#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <algorithm>

#include "net/Origin.h"
#include "net/ProxyTunnel.h"

namespace kestrova {
namespace {

constexpr int kMaxReadBytes = 256;
constexpr int kRawPieceBytes = 256;

}  // namespace

TlsConnection::TlsConnection(std::unique_ptr<Connection> transport,
                             std::shared_ptr<TlsContext> context, TlsTarget target,
                             std::string contextProblem)
    : transport_(std::move(transport)),
      context_(std::move(context)),
      target_(std::move(target)),
      contextProblem_(std::move(contextProblem)) {}

TlsConnection::~TlsConnection() {
  FreeSession();
}

void TlsConnection::SetEvents(ConnectionEvents events) {
  events_ = std::move(events);
  ConnectionEvents forwarded;
  forwarded.onTimeout = [this] {
    timedOut_ = true;
    if (events_.onTimeout) events_.onTimeout();
  };
  forwarded.onError = [this](int code) {
    if (events_.onError) events_.onError(code);
  };
  forwarded.whileWaiting = [this] {
    if (events_.whileWaiting) events_.whileWaiting();
  };
  transport_->SetEvents(std::move(forwarded));
}

bool TlsConnection::IsConnected() const {
  return established_ && transport_->IsConnected();
}

bool TlsConnection::SetRemoteHost(std::string_view host, HostKind kind) {
  return transport_->SetRemoteHost(host, kind);
}

int TlsConnection::Connect() {
  FreeSession();
  cancelled_ = timedOut_ = peerClosed_ = false;
  lastError_ = 0;
  early_.clear();
  if (!context_) return Fail(contextProblem_);
  const int connected = transport_->Connect();
  if (connected != 0) return connected;
  if (target_.throughProxy) {
    if (const int tunnel = OpenTunnel(); tunnel != 0) return tunnel;
  }
  return Handshake();
}

int TlsConnection::OpenTunnel() {
  if (transport_->Write(ConnectRequest(target_.host, target_.port)) == -1)
    return transport_->LastError();
  std::string received, raw;
  TunnelAnswer answer;
  while (!(answer = ReadTunnelAnswer(received)).complete) {
    if (received.size() > kLongestTunnelAnswer)
      return Fail("the proxy's answer to CONNECT is too long");
    if (!ReceiveRaw(raw)) {
      if (cancelled_ || timedOut_) return transport_->LastError();
      return Fail("the proxy closed the connection instead of opening a tunnel");
    }
    received += raw;
  }
  if (!answer.open) return Fail("the proxy refused the tunnel (" + answer.statusLine + ")");
  early_ = received.substr(answer.headLength);
  return 0;
}

int TlsConnection::Handshake() {
  ERR_clear_error();
  ssl_ = SSL_new(context_->Native());
  incoming_ = BIO_new(BIO_s_mem());
  outgoing_ = BIO_new(BIO_s_mem());
  if (ssl_ == nullptr || incoming_ == nullptr || outgoing_ == nullptr) {
    if (ssl_ == nullptr) {
      BIO_free(incoming_);
      BIO_free(outgoing_);
      incoming_ = outgoing_ = nullptr;
    }
    return Fail(TakeOpenSslReason("out of memory"));
  }
  SSL_set_bio(ssl_, incoming_, outgoing_);
  SSL_set_connect_state(ssl_);
  X509_VERIFY_PARAM* checks = SSL_get0_param(ssl_);
  X509_VERIFY_PARAM_set_hostflags(checks, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
  if (IsAddressLiteral(target_.host)) {
    X509_VERIFY_PARAM_set1_ip_asc(checks, target_.host.c_str());
  } else {
    SSL_set_tlsext_host_name(ssl_, target_.host.c_str());
    X509_VERIFY_PARAM_set1_host(checks, target_.host.c_str(), 0);
  }
  if (!early_.empty()) {
    BIO_write(incoming_, early_.data(), static_cast<int>(early_.size()));
    early_.clear();
  }
  std::string raw;
  for (;;) {
    const int done = SSL_do_handshake(ssl_);
    if (!FlushOutgoing()) return transport_->LastError();
    if (done == 1) break;
    if (SSL_get_error(ssl_, done) != SSL_ERROR_WANT_READ) {
      const long verified = SSL_get_verify_result(ssl_);
      if (verified != X509_V_OK) {
        ERR_clear_error();
        return Fail(std::string("certificate not accepted: ") +
                    X509_verify_cert_error_string(verified));
      }
      return Fail("the handshake failed: " + TakeOpenSslReason("no reason given"));
    }
    if (!ReceiveRaw(raw)) {
      if (cancelled_ || timedOut_) return transport_->LastError();
      return Fail("the server closed the connection during the handshake");
    }
    BIO_write(incoming_, raw.data(), static_cast<int>(raw.size()));
  }
  established_ = true;
  return 0;
}

int TlsConnection::Fail(const std::string& reason) {
  lastError_ = kErrorTlsFailed;
  if (events_.onTlsError) events_.onTlsError(reason);
  return lastError_;
}

bool TlsConnection::ReceiveRaw(std::string& raw) {
  for (;;) {
    if (cancelled_ || timedOut_ || transport_->PeerClosed() || !transport_->IsConnected())
      return false;
    if (transport_->Read(raw, kRawPieceBytes) > 0) return true;
    if (events_.whileWaiting) events_.whileWaiting();
  }
}

bool TlsConnection::FlushOutgoing() {
  char buffer[4096];
  while (BIO_ctrl_pending(outgoing_) > 0) {
    const int count = BIO_read(outgoing_, buffer, sizeof buffer);
    if (count <= 0) break;
    if (transport_->Write(std::string_view(buffer, static_cast<std::size_t>(count))) == -1)
      return false;
  }
  return true;
}

int TlsConnection::Write(std::string_view data) {
  if (!IsConnected()) return -1;
  std::size_t sent = 0;
  while (sent < data.size()) {
    const int count = SSL_write(ssl_, data.data() + sent,
                                static_cast<int>(std::min<std::size_t>(data.size() - sent, 16384)));
    if (count <= 0) {
      lastError_ = kErrorTlsFailed;
      return -1;
    }
    sent += static_cast<std::size_t>(count);
    if (!FlushOutgoing()) return -1;
  }
  return static_cast<int>(sent);
}

int TlsConnection::Read(std::string& chunk, int maxBytes) {
  chunk.clear();
  if (!IsConnected() || peerClosed_ || maxBytes <= 0) return 0;
  char buffer[kMaxReadBytes];
  const int wanted = std::min(maxBytes, kMaxReadBytes);
  std::string raw;
  for (;;) {
    ERR_clear_error();
    const int count = SSL_read(ssl_, buffer, wanted);
    if (count > 0) {
      chunk.assign(buffer, static_cast<std::size_t>(count));
      return count;
    }
    const int error = SSL_get_error(ssl_, count);
    if (error == SSL_ERROR_ZERO_RETURN) {  // the server's close_notify
      peerClosed_ = true;
      return 0;
    }
    if (error != SSL_ERROR_WANT_READ) {
      // A broken record ends the answer as a reset would.
      peerClosed_ = true;
      ERR_clear_error();
      if (events_.onError) events_.onError(kErrorTlsFailed);
      return 0;
    }
    FlushOutgoing();
    // HTTP/1.0 servers often close without close_notify; that ends the answer too.
    if (transport_->PeerClosed()) {
      peerClosed_ = true;
      return 0;
    }
    if (transport_->Read(raw, kRawPieceBytes) <= 0) {
      if (transport_->PeerClosed()) peerClosed_ = true;
      return 0;  // nothing within one slice; the client tries again
    }
    BIO_write(incoming_, raw.data(), static_cast<int>(raw.size()));
  }
}

void TlsConnection::Disconnect() {
  FreeSession();
  transport_->Disconnect();
  peerClosed_ = false;
}

void TlsConnection::Cancel() {
  cancelled_ = true;
  transport_->Cancel();
}

int TlsConnection::LastError() const {
  return lastError_ != 0 ? lastError_ : transport_->LastError();
}

void TlsConnection::FreeSession() {
  if (ssl_ != nullptr) SSL_free(ssl_);  // frees both BIOs
  ssl_ = nullptr;
  incoming_ = outgoing_ = nullptr;
  established_ = false;
}

std::unique_ptr<Connection> TlsConnector::Wrap(std::unique_ptr<Connection> transport,
                                               TlsTarget target) {
  if (!context_ && problem_.empty()) context_ = TlsContext::Create(settings_, problem_);
  return std::make_unique<TlsConnection>(std::move(transport), context_, std::move(target),
                                         problem_);
}

}  // namespace kestrova
