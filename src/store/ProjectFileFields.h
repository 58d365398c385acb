// Reads the project file's fields one line at a time, each in the form its type is
// written in. Every read either consumes a whole field including its line end or
// fails, so a damaged or cut-off file is always noticed.
#pragma once

#include <string>
#include <string_view>

#include "base/Date.h"
#include "base/Numbers.h"

namespace kestrova {

class ProjectFieldReader {
 public:
  explicit ProjectFieldReader(std::string_view bytes) : bytes_(bytes) {}

  // A quoted text; may span lines; a doubled quote inside stands for one quote.
  bool ReadString(std::string& out);
  bool ReadInteger(Integer& out);
  bool ReadLong(Long& out);
  bool ReadBoolean(bool& out);
  bool ReadDate(Date& out);
  // A record count: an Integer from 0 to 32767.
  bool ReadCount(int& out);

  // 1-based line where the field read last begins: the one that failed, or
  // after a success the one just read.
  int line() const { return fieldLine_; }
  const std::string& problem() const { return problem_; }

 private:
  bool ReadLine(std::string_view& text);  // one line without its CR LF
  bool ReadWholeNumber(long long low, long long high, long long& out);
  bool Fail(std::string problem);

  std::string_view bytes_;
  size_t pos_ = 0;
  void StartField();  // notes the line where the next field begins
  int line_ = 1;
  int fieldLine_ = 1;
  std::string problem_;
};

}  // namespace kestrova
