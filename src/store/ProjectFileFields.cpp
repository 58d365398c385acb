#include "store/ProjectFileFields.h"

#include "base/Text.h"
#include "ranking/ProjectState.h"

namespace kestrova {

bool ProjectFieldReader::Fail(std::string problem) {
  problem_ = std::move(problem);
  return false;
}

void ProjectFieldReader::StartField() {
  fieldLine_ = line_;
}

bool ProjectFieldReader::ReadLine(std::string_view& text) {
  if (pos_ >= bytes_.size()) return Fail("end of file");
  size_t end = bytes_.find('\n', pos_);
  // A line must be ended: a last line without its line end is a cut-off file.
  if (end == std::string_view::npos) return Fail("line not ended");
  text = bytes_.substr(pos_, end - pos_);
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  pos_ = end + 1;
  ++line_;
  return true;
}

bool ProjectFieldReader::ReadString(std::string& out) {
  StartField();
  while (pos_ < bytes_.size() && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t')) ++pos_;
  if (pos_ >= bytes_.size()) return Fail("end of file");
  if (bytes_[pos_] != '"') return Fail("text without its opening quote");
  std::string text;
  size_t at = pos_ + 1;
  int linesInside = 0;
  while (true) {
    size_t quote = bytes_.find('"', at);
    if (quote == std::string_view::npos) return Fail("text without its closing quote");
    text.append(bytes_.substr(at, quote - at));
    if (quote + 1 < bytes_.size() && bytes_[quote + 1] == '"') {
      text += '"';
      at = quote + 2;
      continue;
    }
    at = quote + 1;
    break;
  }
  for (char c : text) linesInside += c == '\n';
  // Whatever follows the closing quote on its line is not part of the field.
  pos_ = at;
  line_ += linesInside;
  std::string_view rest;
  if (!ReadLine(rest)) return false;
  out = std::move(text);
  return true;
}

bool ProjectFieldReader::ReadWholeNumber(long long low, long long high, long long& out) {
  StartField();
  std::string_view text;
  if (!ReadLine(text)) return false;
  std::string trimmed = TrimSpaces(text);
  size_t i = 0;
  bool negative = false;
  if (i < trimmed.size() && trimmed[i] == '-') {
    negative = true;
    ++i;
  }
  if (i == trimmed.size()) return Fail("not a number");
  long long value = 0;
  for (; i < trimmed.size(); ++i) {
    char c = trimmed[i];
    if (c < '0' || c > '9') return Fail("not a number");
    value = value * 10 + (c - '0');
    if (value > high + 1) return Fail("number out of range");  // stops before overflow
  }
  if (negative) value = -value;
  if (value < low || value > high) return Fail("number out of range");
  out = value;
  return true;
}

bool ProjectFieldReader::ReadInteger(Integer& out) {
  long long value = 0;
  if (!ReadWholeNumber(kIntegerMin, kIntegerMax, value)) return false;
  out = static_cast<Integer>(value);
  return true;
}

bool ProjectFieldReader::ReadLong(Long& out) {
  long long value = 0;
  if (!ReadWholeNumber(INT32_MIN, INT32_MAX, value)) return false;
  out = static_cast<Long>(value);
  return true;
}

bool ProjectFieldReader::ReadCount(int& out) {
  long long value = 0;
  if (!ReadWholeNumber(kIntegerMin, kIntegerMax, value)) return false;
  if (value < 0 || value > kMaxRecords) return Fail("count out of range");
  out = static_cast<int>(value);
  return true;
}

bool ProjectFieldReader::ReadBoolean(bool& out) {
  StartField();
  std::string_view text;
  if (!ReadLine(text)) return false;
  std::string trimmed = TrimSpaces(text);
  if (trimmed == "#TRUE#") {
    out = true;
  } else if (trimmed == "#FALSE#") {
    out = false;
  } else {
    return Fail("not a Boolean");
  }
  return true;
}

bool ProjectFieldReader::ReadDate(Date& out) {
  StartField();
  std::string_view text;
  if (!ReadLine(text)) return false;
  Date value;
  if (!ParseFileDate(TrimSpaces(text), value)) return Fail("not a date");
  out = value;
  return true;
}

}  // namespace kestrova
