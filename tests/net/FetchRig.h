// A client with its flags and messenger, and what its last fetch gave, for the
// client's tests over scripted connections, real sockets and TLS.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "net/HttpClient.h"
#include "net/PosixConnection.h"
#include "support/ScriptedMessenger.h"

namespace kestrova::test {

// Real connections that send every host name to one loopback port.
inline ConnectionFactory DialEverythingTo(std::uint16_t port) {
  return [port] {
    return std::make_unique<PosixConnection>([port](std::string_view) {
      return DialTarget{"127.0.0.1", port};
    });
  };
}

inline ConnectionFactory RealConnections() {
  return [] { return std::make_unique<PosixConnection>(); };
}

struct FetchRig {
  NetworkState state;
  ScriptedMessenger dialogs;
  HttpClient client;
  std::string response = "stale";
  bool completed = true;
  FetchFailure failure = FetchFailure::None;

  explicit FetchRig(ConnectionFactory connections)
      : client(state, dialogs, std::move(connections)) {
    state.UserAgent = "Agent/1.0";
  }
  void Get(std::string_view host = "www.example.com", std::string_view path = "/",
           bool post = false, std::string_view file = {}, bool silent = true) {
    FetchOptions options;
    options.silent = silent;
    options.post = post;
    options.saveFile = file;
    Take(client.HttpGetPage(host, path, options));
  }
  void Head(std::string_view host = "www.example.com", std::string_view path = "/",
            FetchOptions options = {}) {
    Take(client.HttpHeadPage(host, path, options));
  }
  void Take(FetchResult result) {
    response = std::move(result.answer);
    completed = result.completed;
    failure = result.failure;
  }
};

}  // namespace kestrova::test
