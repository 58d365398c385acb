// What the server does with one connection once its request is read: a short
// script of sends, pauses, a close or a reset. Faults are just other scripts.
#pragma once

#include <string>
#include <vector>

namespace kestrova::sim {

struct ReplyStep {
  enum class Kind { Send, Wait, Close, Reset };
  Kind kind = Kind::Send;
  std::string bytes;     // Send
  int milliseconds = 0;  // Wait
};

struct Reply {
  std::vector<ReplyStep> steps;  // always ends with Close or Reset
  int status = 0;                // for the log; 0 when nothing is sent
  std::string note;              // for the log: engine, page, keyword, fault

  static Reply Complete(std::string response, int status, std::string note);
  Reply& Then(ReplyStep step);
  std::size_t BytesSent() const;
};

// A complete HTTP/1.0 answer with the usual header lines.
std::string HttpResponse(int status, std::string_view reason, std::string_view body,
                         std::string_view extraHeaders = {}, bool headOnly = false);

}  // namespace kestrova::sim
