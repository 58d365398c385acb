// Writes an answer to a file line by line while it arrives: a line is whatever
// comes before a LF (the LF is dropped, a CR before it is kept) and goes to the
// file ended by CR LF.
#pragma once

#include <fstream>
#include <string>

namespace kestrova {

class AnswerFile {
 public:
  // Creates the file anew; false when it cannot be written.
  bool Open(const std::string& path);
  bool IsOpen() const { return file_.is_open(); }
  // Writes the complete lines at the front of `pending` and keeps the rest there.
  void WriteCompleteLines(std::string& pending);
  // Writes everything left, the last line even without its LF, and empties `pending`.
  void WriteRest(std::string& pending);
  void Close();

 private:
  std::ofstream file_;
};

}  // namespace kestrova
