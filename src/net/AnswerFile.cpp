// Line-wise answer file.
#include "net/AnswerFile.h"

namespace kestrova {

bool AnswerFile::Open(const std::string& path) {
  Close();
  file_.open(path, std::ios::binary | std::ios::trunc);
  return file_.is_open();
}

void AnswerFile::WriteCompleteLines(std::string& pending) {
  std::size_t start = 0;
  for (std::size_t lf = pending.find('\n'); lf != std::string::npos;
       lf = pending.find('\n', start)) {
    file_.write(pending.data() + start, static_cast<std::streamsize>(lf - start));
    file_.write("\r\n", 2);
    start = lf + 1;
  }
  pending.erase(0, start);
}

void AnswerFile::WriteRest(std::string& pending) {
  WriteCompleteLines(pending);
  // An answer that ended with its LF leaves no last line to write.
  if (!pending.empty()) {
    file_.write(pending.data(), static_cast<std::streamsize>(pending.size()));
    file_.write("\r\n", 2);
  }
  pending.clear();
}

void AnswerFile::Close() {
  if (file_.is_open()) file_.close();
}

}  // namespace kestrova
