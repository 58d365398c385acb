// What the server does with one connection once its request is read: a short
// script of sends, pauses, a close or a reset. Faults are just other scripts.
// A long body is a pattern repeated to a length, so it is sent without ever
// being held in memory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova::sim {

struct ReplyStep {
  enum class Kind { Send, Repeat, Wait, Close, Reset };
  Kind kind = Kind::Send;
  std::string bytes;         // Send
  std::string_view pattern;  // Repeat: text that outlives every reply, sent over and over
  std::size_t length = 0;    // Repeat: bytes in all, the pattern cut where the length ends
  int milliseconds = 0;      // Wait

  static ReplyStep Send(std::string bytes);
  static ReplyStep Repeat(std::string_view pattern, std::size_t length);
  static ReplyStep Wait(int milliseconds);
  static ReplyStep Close();
  static ReplyStep Reset();
};

struct Reply {
  std::vector<ReplyStep> steps;  // always ends with Close or Reset
  int status = 0;                // for the log; 0 when nothing is sent
  std::string note;              // for the log: engine, page, keyword, fault

  static Reply Complete(std::string response, int status, std::string note);
  Reply& Then(ReplyStep step);
  std::size_t BytesSent() const;
  // What the script keeps in memory while it plays.
  std::size_t BytesHeld() const;
};

// The head of an HTTP/1.0 answer with the usual header lines, for a body of
// `contentLength` bytes.
std::string HttpHead(int status, std::string_view reason, std::size_t contentLength,
                     std::string_view extraHeaders = {});
// A complete HTTP/1.0 answer: the head, then the body unless `headOnly`.
std::string HttpResponse(int status, std::string_view reason, std::string_view body,
                         std::string_view extraHeaders = {}, bool headOnly = false);

}  // namespace kestrova::sim
