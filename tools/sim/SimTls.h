// TLS for the simulator: it answers CONNECT and serves what comes through the
// tunnel as HTTPS, with one certificate for every host, so HTTPS engines and
// the client's tunnel through a proxy can be tried offline. Each tunnel runs
// on a thread of its own with blocking reads (tests and demos open few); the
// answers are the Responder's, as for plain requests.
#pragma once

#include <atomic>
#include <functional>
#include <list>
#include <mutex>
#include <string>
#include <thread>

#include "sim/Responder.h"

struct ssl_ctx_st;

namespace kestrova::sim {

class TlsTunnels {
 public:
  TlsTunnels(const Responder& responder, std::function<void(const std::string&)> log);
  // Ends every open tunnel and waits for its thread.
  ~TlsTunnels();
  TlsTunnels(const TlsTunnels&) = delete;
  TlsTunnels& operator=(const TlsTunnels&) = delete;

  // The server's certificate (PEM, with any chain) and its key. False with a reason.
  bool Load(const std::string& certificateFile, const std::string& keyFile, std::string& error);

  // Takes over `fd`, whose CONNECT request head was `head`, on a thread of its own.
  void Serve(int fd, const std::string& head);

 private:
  struct Tunnel {
    std::thread thread;
    std::atomic<bool> done{false};
    int fd = -1;
  };
  void Run(Tunnel& tunnel, std::string target);
  void JoinFinished();

  const Responder& responder_;
  std::function<void(const std::string&)> log_;
  ssl_ctx_st* context_ = nullptr;
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::list<Tunnel> tunnels_;
};

}  // namespace kestrova::sim
