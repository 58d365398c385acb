#include "reports/ReportFile.h"

#include <cerrno>
#include <cstring>

#include "base/Files.h"

namespace kestrova {

ReportFile::ReportFile(std::string directory, std::string name, Mode mode)
    : directory_(std::move(directory)), name_(std::move(name)), mode_(mode) {
  if (mode_ == Mode::Streamed) {
    file_.reset(std::fopen(Path().c_str(), "wb"));
    if (!file_) Fail("cannot create " + Path() + ": " + std::strerror(errno));
  }
}

ReportFile::ReportFile(ReportFile&&) noexcept = default;
ReportFile& ReportFile::operator=(ReportFile&&) noexcept = default;
ReportFile::~ReportFile() = default;

void ReportFile::Fail(std::string what) {
  if (!status_.ok()) return;  // the first failure is the one worth telling
  status_ = Status::Error(StatusCode::WriteFailed, std::move(what));
}

void ReportFile::WriteLine(std::string_view text) {
  if (!open_ || Failed()) return;
  if (mode_ == Mode::Whole) {
    text_.append(text);
    text_.append("\r\n");
    return;
  }
  if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size() ||
      std::fwrite("\r\n", 1, 2, file_.get()) != 2) {
    Fail("cannot write " + Path() + ": " + std::strerror(errno));
  }
}

Status ReportFile::Finish() {
  if (!open_) return status_;
  open_ = false;
  if (mode_ == Mode::Streamed) {
    if (file_ && std::fclose(file_.release()) != 0)
      Fail("cannot write " + Path() + ": " + std::strerror(errno));
  } else if (!Failed()) {
    if (Status saved = WriteFileAtomically(Path(), text_); !saved) Fail(saved.message());
    text_.clear();
  }
  return status_;
}

}  // namespace kestrova
