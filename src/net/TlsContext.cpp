#include "net/TlsContext.h"

#include <openssl/err.h>
#include <openssl/ssl.h>

namespace kestrova {

std::string TakeOpenSslReason(const std::string& fallback) {
  std::string reason;
  for (unsigned long code = ERR_get_error(); code != 0; code = ERR_get_error()) {
    const char* text = ERR_reason_error_string(code);
    if (reason.empty() && text != nullptr) reason = text;
  }
  return reason.empty() ? fallback : reason;
}

std::shared_ptr<TlsContext> TlsContext::Create(const TlsSettings& settings, std::string& error) {
  ERR_clear_error();
  SSL_CTX* context = SSL_CTX_new(TLS_client_method());
  if (context == nullptr) {
    error = "cannot set up TLS: " + TakeOpenSslReason("no TLS client method");
    return nullptr;
  }
  SSL_CTX_set_min_proto_version(context, TLS1_2_VERSION);
  SSL_CTX_set_verify(context, SSL_VERIFY_PEER, nullptr);
  const bool trusted =
      settings.caFile.empty()
          ? SSL_CTX_set_default_verify_paths(context) == 1
          : SSL_CTX_load_verify_locations(context, settings.caFile.c_str(), nullptr) == 1;
  if (!trusted) {
    error = settings.caFile.empty()
                ? "cannot read the system's trusted authorities: " + TakeOpenSslReason("unknown")
                : "cannot read the CA file " + settings.caFile + ": " +
                      TakeOpenSslReason("no certificate in it");
    SSL_CTX_free(context);
    return nullptr;
  }
  return std::shared_ptr<TlsContext>(new TlsContext(context));
}

TlsContext::~TlsContext() {
  SSL_CTX_free(context_);
}

}  // namespace kestrova
