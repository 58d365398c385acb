#include "qt/QtSettingsBackend.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <array>
#include <utility>

#include "base/Codepage.h"
#include "base/Files.h"
#include "qt/IniEncodedValues.h"

namespace kestrova {
namespace {

// The unnamed value of a key. Registry-style names never contain "@".
constexpr std::string_view kDefaultValueName = "@";

// The settings hold a few short texts; a file past this is no settings file.
constexpr std::size_t kLargestSettingsFile = kMegabyte;

QString ToQt(std::string_view text) {
  return QString::fromStdString(Cp1252ToUtf8(text));
}
std::string FromQt(const QString& text) {
  return Utf8ToCp1252(text.toStdString());
}

// "A\B\C" and value "v" become the QSettings key "A/B/C/v".
QString SettingsKey(std::string_view keyPath, std::string_view name) {
  std::string key(keyPath);
  for (char& c : key) {
    if (c == '\\') c = '/';
  }
  key += '/';
  key += name.empty() ? kDefaultValueName : name;
  return ToQt(key);
}

class QtSettingsBackend final : public SettingsBackend {
 public:
  explicit QtSettingsBackend(const std::string& directory) {
    const char* fileNames[] = {"machine.ini", "user.ini", "classes.ini"};
    for (size_t i = 0; i < files_.size(); ++i) {
      files_[i] = QString::fromStdString(directory + "/" + fileNames[i]);
      Open(i);
    }
  }

  bool CreateKey(SettingsRoot, std::string_view, std::string&) override {
    return true;  // keys exist implicitly through their values
  }

  std::optional<std::string> ReadValue(SettingsRoot root, std::string_view keyPath,
                                       std::string_view name) override {
    QVariant value = Settings(root).value(SettingsKey(keyPath, name));
    if (!value.isValid()) return std::nullopt;
    // A hand-edited "a, b" without quotes comes back as a list.
    if (value.typeId() == QMetaType::QStringList) return FromQt(value.toStringList().join(", "));
    return FromQt(value.toString());
  }

  bool WriteValue(SettingsRoot root, std::string_view keyPath, std::string_view name,
                  std::string_view value, std::string& error) override {
    QSettings& settings = Settings(root);
    settings.setValue(SettingsKey(keyPath, name), ToQt(value));
    settings.sync();
    if (settings.status() != QSettings::NoError) {
      error = "The settings file " + FromQt(settings.fileName()) + " cannot be written.";
      return false;
    }
    return true;
  }

  std::vector<std::string> TakeProblems() override { return std::exchange(problems_, {}); }

 private:
  QSettings& Settings(SettingsRoot root) { return *settings_[static_cast<size_t>(root)]; }

  // Moves the file out of the way for the person to look at, and starts afresh.
  void SetAside(size_t index, const std::string& why) {
    QString aside = files_[index] + ".damaged";
    QFile::remove(aside);
    settings_[index].reset();
    QFile::rename(files_[index], aside);
    problems_.push_back(why + " It has been kept as " + FromQt(aside) +
                        " and the default settings are used.");
    settings_[index] = std::make_unique<QSettings>(files_[index], QSettings::IniFormat);
  }

  void Open(size_t index) {
    // QSettings would read a pipe or a device to its end (or wait on it for
    // ever): what is no regular file of a sensible size is not read at all.
    const std::string path = files_[index].toStdString();
    if (const Status check = CheckFileToRead(path, kLargestSettingsFile);
        check.code() == StatusCode::NotRegularFile || check.code() == StatusCode::TooLarge) {
      return SetAside(index, "The settings file " + check.message() + ".");
    }
    // QSettings decodes an "@Variant(...)" value with counts taken on trust:
    // such a file, which the program never writes, is set aside unparsed.
    if (std::string bytes;
        ReadWholeFile(path, bytes, kLargestSettingsFile).ok() && HoldsEncodedVariant(bytes)) {
      return SetAside(index, "The settings file " + path + " was damaged.");
    }
    settings_[index] = std::make_unique<QSettings>(files_[index], QSettings::IniFormat);
    settings_[index]->allKeys();  // the file is parsed on first use; its status follows
    if (settings_[index]->status() == QSettings::FormatError) {
      SetAside(index, "The settings file " + FromQt(files_[index]) + " was damaged.");
    } else if (settings_[index]->status() == QSettings::AccessError) {
      problems_.push_back("The settings file " + FromQt(files_[index]) +
                          " cannot be read; the default settings are used.");
    }
  }

  std::array<QString, 3> files_;
  std::array<std::unique_ptr<QSettings>, 3> settings_;
  std::vector<std::string> problems_;
};

}  // namespace

std::unique_ptr<SettingsBackend> OpenQtSettingsBackend(const std::string& directory) {
  return std::make_unique<QtSettingsBackend>(directory);
}

}  // namespace kestrova
