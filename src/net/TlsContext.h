// The OpenSSL client set-up every TLS connection of one HTTP client shares:
// TLS 1.2 at least, and the server's certificate checked against the system's
// trusted authorities, or against those of one CA file instead.
#pragma once

#include <memory>
#include <string>

struct ssl_ctx_st;

namespace kestrova {

struct TlsSettings {
  std::string caFile;  // empty: the system's store of trusted authorities
};

class TlsContext {
 public:
  // Nothing, with `error` set, when OpenSSL cannot be set up (an unreadable CA file).
  static std::shared_ptr<TlsContext> Create(const TlsSettings& settings, std::string& error);
  ~TlsContext();
  TlsContext(const TlsContext&) = delete;
  TlsContext& operator=(const TlsContext&) = delete;

  ssl_ctx_st* Native() const { return context_; }

 private:
  explicit TlsContext(ssl_ctx_st* context) : context_(context) {}
  ssl_ctx_st* context_;
};

// The first reason in OpenSSL's error queue (emptied), or `fallback` when there is none.
std::string TakeOpenSslReason(const std::string& fallback);

}  // namespace kestrova
