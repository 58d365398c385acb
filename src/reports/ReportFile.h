// One HTML report being written: lines ended by CR LF into a file created
// anew. A failure is kept, later writes do nothing, and closing reports it.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "base/Status.h"

namespace kestrova {

class ReportFile {
 public:
  // Streamed: the file is created at once and written line by line (the Log
  // and Master reports, open for a whole run). Whole: the text is kept and
  // written atomically when finished, so a failure leaves the old file intact.
  enum class Mode { Streamed, Whole };

  // Creates or starts the report `name` ("Ranking.html") in `directory`.
  ReportFile(std::string directory, std::string name, Mode mode);
  ReportFile(ReportFile&&) noexcept;
  ReportFile& operator=(ReportFile&&) noexcept;
  ~ReportFile();

  const std::string& Directory() const { return directory_; }
  const std::string& Name() const { return name_; }
  std::string Path() const { return directory_ + "/" + name_; }
  bool IsOpen() const { return open_; }
  bool Failed() const { return !status_.ok(); }

  // Appends `text` and CR LF.
  void WriteLine(std::string_view text);
  // Closes (or commits) the file; later calls return the same status.
  Status Finish();

 private:
  void Fail(std::string what);

  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::string directory_, name_;
  Mode mode_;
  std::unique_ptr<std::FILE, FileCloser> file_;
  std::string text_;  // Whole mode
  bool open_ = true;
  Status status_;
};

}  // namespace kestrova
