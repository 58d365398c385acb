// The scripted connection: plays back one ScriptedAttempt per connect.
#include "support/ScriptedConnection.h"

#include "net/SocketErrors.h"

namespace kestrova::test {

ConnectionFactory ScriptedNetwork::Factory() {
  return [this] {
    ++connectionsMade;
    return std::make_unique<ScriptedConnection>(*this);
  };
}

bool ScriptedConnection::SetRemoteHost(std::string_view host, HostKind) {
  network_.hostsSet.emplace_back(host);
  if (network_.unknownHosts.count(std::string(host)) != 0) {
    Fail(kErrorHostNotFound);
    return false;
  }
  return true;
}

int ScriptedConnection::Connect() {
  ++network_.connects;
  Disconnect();
  if (network_.attempts.empty()) {
    Fail(kErrorConnectionRefused);
    return lastError_;
  }
  attempt_ = network_.attempts.front();
  network_.attempts.pop_front();
  piece_ = offset_ = 0;
  reads_ = 0;
  if (attempt_.connectTimesOut) {
    lastError_ = kErrorTimedOut;
    if (events_.onTimeout) events_.onTimeout();
    if (events_.onError) events_.onError(kErrorTimedOut);
    return lastError_;
  }
  if (attempt_.connectError != 0) {
    Fail(attempt_.connectError);
    return lastError_;
  }
  connected_ = true;
  return 0;
}

int ScriptedConnection::Write(std::string_view data) {
  if (!connected_ || attempt_.writeFails) {
    Fail(kErrorConnectionReset);
    return -1;
  }
  network_.requests.emplace_back(data);
  return static_cast<int>(data.size());
}

int ScriptedConnection::Read(std::string& chunk, int maxBytes) {
  chunk.clear();
  if (network_.beforeRead) network_.beforeRead(reads_);
  ++reads_;
  if (!connected_ || peerClosed_) return 0;
  if (piece_ < attempt_.pieces.size()) {
    const std::string& piece = attempt_.pieces[piece_];
    chunk = piece.substr(offset_, static_cast<std::size_t>(maxBytes));
    offset_ += chunk.size();
    if (offset_ >= piece.size()) {
      ++piece_;
      offset_ = 0;
    }
    return static_cast<int>(chunk.size());
  }
  switch (attempt_.ending) {
    case ScriptedAttempt::Ending::Close:
      peerClosed_ = true;
      break;
    case ScriptedAttempt::Ending::Reset:
      peerClosed_ = true;
      Fail(kErrorConnectionReset);
      break;
    case ScriptedAttempt::Ending::TimeOut:
      lastError_ = kErrorTimedOut;
      if (events_.onTimeout) events_.onTimeout();
      if (events_.onError) events_.onError(kErrorTimedOut);
      break;
    case ScriptedAttempt::Ending::Silence:
      break;
  }
  return 0;
}

void ScriptedConnection::Disconnect() {
  connected_ = false;
  peerClosed_ = false;
}

void ScriptedConnection::Fail(int code) {
  lastError_ = code;
  if (events_.onError) events_.onError(code);
}

}  // namespace kestrova::test
