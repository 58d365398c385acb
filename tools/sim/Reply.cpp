// Reply scripts and HTTP answer text.
#include "sim/Reply.h"

namespace kestrova::sim {

ReplyStep ReplyStep::Send(std::string bytes) {
  ReplyStep step;
  step.bytes = std::move(bytes);
  return step;
}

ReplyStep ReplyStep::Repeat(std::string_view pattern, std::size_t length) {
  ReplyStep step;
  step.kind = Kind::Repeat;
  step.pattern = pattern;
  step.length = pattern.empty() ? 0 : length;
  return step;
}

ReplyStep ReplyStep::Wait(int milliseconds) {
  ReplyStep step;
  step.kind = Kind::Wait;
  step.milliseconds = milliseconds;
  return step;
}

ReplyStep ReplyStep::Close() {
  ReplyStep step;
  step.kind = Kind::Close;
  return step;
}

ReplyStep ReplyStep::Reset() {
  ReplyStep step;
  step.kind = Kind::Reset;
  return step;
}

Reply Reply::Complete(std::string response, int status, std::string note) {
  Reply reply;
  reply.steps.push_back(ReplyStep::Send(std::move(response)));
  reply.steps.push_back(ReplyStep::Close());
  reply.status = status;
  reply.note = std::move(note);
  return reply;
}

Reply& Reply::Then(ReplyStep step) {
  steps.push_back(std::move(step));
  return *this;
}

std::size_t Reply::BytesSent() const {
  std::size_t total = 0;
  for (const ReplyStep& step : steps) total += step.bytes.size() + step.length;
  return total;
}

std::size_t Reply::BytesHeld() const {
  std::size_t total = 0;
  for (const ReplyStep& step : steps) total += step.bytes.size();
  return total;
}

std::string HttpHead(int status, std::string_view reason, std::size_t contentLength,
                     std::string_view extraHeaders) {
  std::string head = "HTTP/1.0 " + std::to_string(status) + " " + std::string(reason) + "\r\n";
  head += "Server: kestrova-sim/1.0\r\n";
  head += extraHeaders;
  head += "Content-Type: text/html\r\n";
  head += "Content-Length: " + std::to_string(contentLength) + "\r\n";
  head += "Connection: close\r\n\r\n";
  return head;
}

std::string HttpResponse(int status, std::string_view reason, std::string_view body,
                         std::string_view extraHeaders, bool headOnly) {
  std::string response = HttpHead(status, reason, body.size(), extraHeaders);
  if (!headOnly) response += body;
  return response;
}

}  // namespace kestrova::sim
