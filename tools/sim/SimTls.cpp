#include "sim/SimTls.h"

#include <fcntl.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

#include "sim/SimRequest.h"

namespace kestrova::sim {
namespace {

constexpr std::size_t kLargestRequestHead = 64 * 1024;
constexpr int kPatienceSeconds = 30;
constexpr const char* kTunnelOpen = "HTTP/1.0 200 Connection established\r\n\r\n";

std::string OpenSslReason() {
  const unsigned long code = ERR_get_error();
  ERR_clear_error();
  // A file that does not open is a system error, which carries the errno.
  if (code != 0 && ERR_SYSTEM_ERROR(code)) return std::strerror(ERR_GET_REASON(code));
  const char* text = code == 0 ? nullptr : ERR_reason_error_string(code);
  return text != nullptr ? text : "unknown reason";
}

bool SendAll(SSL* ssl, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const int count = SSL_write(ssl, bytes.data() + sent, static_cast<int>(bytes.size() - sent));
    if (count <= 0) return false;
    sent += static_cast<std::size_t>(count);
  }
  return true;
}

// "CONNECT host:port HTTP/1.0" -> "host:port", for the log.
std::string TargetOf(const std::string& head) {
  const std::size_t start = head.find(' ');
  const std::size_t end = start == std::string::npos ? start : head.find(' ', start + 1);
  if (end == std::string::npos) return "?";
  return head.substr(start + 1, std::min<std::size_t>(end - start - 1, 300));
}

}  // namespace

TlsTunnels::TlsTunnels(const Responder& responder, std::function<void(const std::string&)> log)
    : responder_(responder), log_(std::move(log)) {}

TlsTunnels::~TlsTunnels() {
  stopping_ = true;
  {
    std::lock_guard lock(mutex_);
    for (Tunnel& tunnel : tunnels_) {
      if (!tunnel.done && tunnel.fd >= 0) shutdown(tunnel.fd, SHUT_RDWR);
    }
  }
  for (Tunnel& tunnel : tunnels_) {
    if (tunnel.thread.joinable()) tunnel.thread.join();
  }
  if (context_ != nullptr) SSL_CTX_free(context_);
}

bool TlsTunnels::Load(const std::string& certificateFile, const std::string& keyFile,
                      std::string& error) {
  context_ = SSL_CTX_new(TLS_server_method());
  if (context_ == nullptr) {
    error = "cannot set up TLS: " + OpenSslReason();
    return false;
  }
  SSL_CTX_set_min_proto_version(context_, TLS1_2_VERSION);
  if (SSL_CTX_use_certificate_chain_file(context_, certificateFile.c_str()) != 1) {
    error = "cannot use the certificate " + certificateFile + ": " + OpenSslReason();
    return false;
  }
  if (SSL_CTX_use_PrivateKey_file(context_, keyFile.c_str(), SSL_FILETYPE_PEM) != 1 ||
      SSL_CTX_check_private_key(context_) != 1) {
    error = "cannot use the key " + keyFile + ": " + OpenSslReason();
    return false;
  }
  return true;
}

void TlsTunnels::Serve(int fd, const std::string& head) {
  JoinFinished();
  std::lock_guard lock(mutex_);
  Tunnel& tunnel = tunnels_.emplace_back();
  tunnel.fd = fd;
  tunnel.thread = std::thread([this, &tunnel, target = TargetOf(head)] { Run(tunnel, target); });
}

void TlsTunnels::JoinFinished() {
  std::lock_guard lock(mutex_);
  for (auto it = tunnels_.begin(); it != tunnels_.end();) {
    if (it->done) {
      it->thread.join();
      it = tunnels_.erase(it);
    } else {
      ++it;
    }
  }
}

void TlsTunnels::Run(Tunnel& tunnel, std::string target) {
  const int fd = tunnel.fd;
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  timeval patience{kPatienceSeconds, 0};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
  SSL* ssl = nullptr;
  bool reset = false;
  const std::string opened(kTunnelOpen);
  if (send(fd, opened.data(), opened.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(opened.size())) {
    ssl = SSL_new(context_);
  }
  if (ssl != nullptr && SSL_set_fd(ssl, fd) == 1 && SSL_accept(ssl) == 1) {
    std::string head;
    char buffer[4096];
    while (RequestHeadLength(head) == 0 && head.size() < kLargestRequestHead && !stopping_) {
      const int count = SSL_read(ssl, buffer, sizeof buffer);
      if (count <= 0) break;
      head.append(buffer, static_cast<std::size_t>(count));
    }
    if (RequestHeadLength(head) != 0) {
      const Reply reply = responder_.Answer(head);
      if (log_) {
        log_(head.substr(0, std::min(head.find_first_of("\r\n"), std::size_t{300})) +
             " (TLS through CONNECT " + target + ") -> " +
             (reply.status != 0 ? std::to_string(reply.status) : std::string("---")) + " " +
             reply.note);
      }
      for (const ReplyStep& step : reply.steps) {
        if (stopping_) break;
        if (step.kind == ReplyStep::Kind::Send && !SendAll(ssl, step.bytes)) break;
        if (step.kind == ReplyStep::Kind::Wait) {
          const auto until =
              std::chrono::steady_clock::now() + std::chrono::milliseconds(step.milliseconds);
          while (!stopping_ && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (step.kind == ReplyStep::Kind::Reset) reset = true;
        if (step.kind == ReplyStep::Kind::Close || step.kind == ReplyStep::Kind::Reset) break;
      }
      if (!reset) SSL_shutdown(ssl);
    }
  } else if (log_ && !stopping_) {
    log_("CONNECT " + target + " -> TLS handshake failed: " + OpenSslReason());
  }
  if (ssl != nullptr) SSL_free(ssl);
  if (reset) {
    linger hardClose{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_LINGER, &hardClose, sizeof hardClose);
  }
  {
    std::lock_guard lock(mutex_);
    close(fd);
    tunnel.fd = -1;
  }
  tunnel.done = true;
}

}  // namespace kestrova::sim
