// HTTPS behind the connection seam: TLS over another connection (the plain
// TCP one), optionally through an HTTP proxy's CONNECT tunnel. It keeps the
// transport's time-outs, Stop and notifications, hands out the decrypted
// answer in the same pieces of at most 256 bytes, and reports a failed
// handshake or certificate through onTlsError, never falling back to HTTP.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "net/Connection.h"
#include "net/TlsContext.h"

struct ssl_st;
struct bio_st;

namespace kestrova {

// A TLS failure has no Windows Sockets number; this code is outside their range.
inline constexpr int kErrorTlsFailed = 26000;

// The server a TLS connection must reach: the name its certificate must carry
// (sent as SNI unless it is an address), its port, and whether the transport
// goes to an HTTP proxy that first opens a tunnel to it with CONNECT.
struct TlsTarget {
  std::string host;
  std::uint16_t port = 443;
  bool throughProxy = false;
};

class TlsConnection final : public Connection {
 public:
  // `context` may be null; then connecting fails with `contextProblem`.
  TlsConnection(std::unique_ptr<Connection> transport, std::shared_ptr<TlsContext> context,
                TlsTarget target, std::string contextProblem = {});
  ~TlsConnection() override;
  TlsConnection(const TlsConnection&) = delete;
  TlsConnection& operator=(const TlsConnection&) = delete;

  void SetEvents(ConnectionEvents events) override;
  void SetTimeout(std::chrono::milliseconds timeout) override { transport_->SetTimeout(timeout); }
  std::chrono::milliseconds Timeout() const override { return transport_->Timeout(); }

  bool IsConnected() const override;
  // The host and port dialled: the server's, or the proxy's.
  bool SetRemoteHost(std::string_view host, HostKind kind) override;
  void SetRemotePort(int port) override { transport_->SetRemotePort(port); }
  // TCP connect, the tunnel when asked for, then the handshake with the checks.
  int Connect() override;
  int Write(std::string_view data) override;
  int Read(std::string& chunk, int maxBytes) override;
  bool PeerClosed() const override { return peerClosed_; }
  void Disconnect() override;
  void Cancel() override;
  int LastError() const override;

 private:
  int OpenTunnel();
  int Handshake();
  int Fail(const std::string& reason);
  bool ReceiveRaw(std::string& raw);
  bool FlushOutgoing();
  void FreeSession();

  std::unique_ptr<Connection> transport_;
  std::shared_ptr<TlsContext> context_;
  TlsTarget target_;
  std::string contextProblem_;
  ConnectionEvents events_;
  ssl_st* ssl_ = nullptr;
  bio_st* incoming_ = nullptr;  // ciphertext from the server, owned by ssl_
  bio_st* outgoing_ = nullptr;  // ciphertext for the server, owned by ssl_
  std::string early_;           // server bytes that came with the proxy's answer
  bool established_ = false;
  bool peerClosed_ = false;
  bool cancelled_ = false;
  bool timedOut_ = false;
  int lastError_ = 0;
};

// Makes the TLS connections of one HTTP client: its settings, and the OpenSSL
// context made from them the first time one is needed.
class TlsConnector {
 public:
  explicit TlsConnector(TlsSettings settings = {}) : settings_(std::move(settings)) {}
  std::unique_ptr<Connection> Wrap(std::unique_ptr<Connection> transport, TlsTarget target);

 private:
  TlsSettings settings_;
  std::shared_ptr<TlsContext> context_;
  std::string problem_;
};

}  // namespace kestrova
