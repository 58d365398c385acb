// Reply scripts and HTTP answer text.
#include "sim/Reply.h"

namespace kestrova::sim {

Reply Reply::Complete(std::string response, int status, std::string note) {
  Reply reply;
  reply.steps.push_back({ReplyStep::Kind::Send, std::move(response), 0});
  reply.steps.push_back({ReplyStep::Kind::Close, {}, 0});
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
  for (const ReplyStep& step : steps) total += step.bytes.size();
  return total;
}

std::string HttpResponse(int status, std::string_view reason, std::string_view body,
                         std::string_view extraHeaders, bool headOnly) {
  std::string response = "HTTP/1.0 " + std::to_string(status) + " " + std::string(reason) + "\r\n";
  response += "Server: kestrova-sim/1.0\r\n";
  response += extraHeaders;
  response += "Content-Type: text/html\r\n";
  response += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  response += "Connection: close\r\n\r\n";
  if (!headOnly) response += body;
  return response;
}

}  // namespace kestrova::sim
