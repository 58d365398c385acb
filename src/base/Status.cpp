#include "base/Status.h"

namespace kestrova {

std::string_view Status::CodeName() const {
  switch (code_) {
    case StatusCode::Ok:
      return "ok";
    case StatusCode::NotFound:
      return "not-found";
    case StatusCode::NotRegularFile:
      return "not-a-file";
    case StatusCode::TooLarge:
      return "too-large";
    case StatusCode::ReadFailed:
      return "read-failed";
    case StatusCode::WriteFailed:
      return "write-failed";
    case StatusCode::BadData:
      return "bad-data";
  }
  return "bad-data";
}

}  // namespace kestrova
