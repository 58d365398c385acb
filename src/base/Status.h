// The outcome of a fallible operation of the core (reading or saving a project,
// writing a report or a saved page, loading the settings): ok, or a short code,
// a message for the person and, where it is known, the 1-based line at fault.
#pragma once

#include <string>
#include <string_view>

namespace kestrova {

enum class StatusCode {
  Ok,
  NotFound,        // no file at that path
  NotRegularFile,  // a directory, device, pipe or socket where a file was expected
  TooLarge,        // past the size no valid file of its kind reaches
  ReadFailed,      // the file could not be read
  WriteFailed,     // the file could not be created, written or replaced
  BadData,         // the bytes do not hold what they should (a damaged project)
};

class Status {
 public:
  Status() = default;  // ok
  static Status Ok() { return {}; }
  static Status Error(StatusCode code, std::string message, int line = 0) {
    Status status;
    status.code_ = code == StatusCode::Ok ? StatusCode::BadData : code;
    status.message_ = std::move(message);
    status.line_ = line;
    return status;
  }

  bool ok() const { return code_ == StatusCode::Ok; }
  explicit operator bool() const { return ok(); }
  StatusCode code() const { return code_; }
  const std::string& message() const { return message_; }
  int line() const { return line_; }  // 0 when not known

  // "not-a-file", "too-large" ...: stable words for scripts and logs.
  std::string_view CodeName() const;

 private:
  StatusCode code_ = StatusCode::Ok;
  std::string message_;
  int line_ = 0;
};

}  // namespace kestrova
