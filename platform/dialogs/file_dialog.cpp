#include "platform/dialogs/file_dialog.h"

#include <QFileDialog>
#include <QStringList>

#include <algorithm>
#include <filesystem>

#include "platform/message_box.h"
#include "platform/text_codec.h"
#include "platform/dialogs/dialog_frame.h"

namespace plat {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Trim(std::string_view s) {
  std::size_t a = 0, b = s.size();
  while (a < b && s[a] == ' ') ++a;
  while (b > a && s[b - 1] == ' ') --b;
  return std::string(s.substr(a, b - a));
}

// A pattern as a Qt name filter that matches whatever the case: "*.txt" -> "*.[tT][xX][tT]".
QString CaseFreePattern(const std::string& pattern) {
  QString out;
  for (char c : pattern) {
    const char lower = Lower(c);
    const char upper = (lower >= 'a' && lower <= 'z') ? static_cast<char>(lower - 'a' + 'A') : lower;
    if (lower != upper) {
      out += QString("[%1%2]").arg(QChar(lower)).arg(QChar(upper));
    } else {
      out += QString::fromStdString(Cp1252ToUtf8(std::string(1, c)));
    }
  }
  return out;
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(std::filesystem::path(Cp1252ToUtf8(path)), ec);
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view filter) {
  std::vector<FileFilter> out;
  std::vector<std::string> parts;
  std::string part;
  for (char c : filter) {
    if (c == '|') {
      parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty()) break;
    FileFilter f{parts[i], {}};
    std::string pattern;
    for (char c : parts[i + 1] + ";") {
      if (c == ';') {
        if (!Trim(pattern).empty()) f.patterns.push_back(Trim(pattern));
        pattern.clear();
      } else {
        pattern += c;
      }
    }
    out.push_back(std::move(f));
  }
  return out;
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  // "*.*" matches every name, also one without a point, as on Windows.
  if (pattern == "*.*" || pattern == "*") return true;
  std::size_t n = 0, p = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

FileDialog::FileDialog(bool open, std::string_view default_ext, std::string_view file_name, DWORD flags,
                       std::string_view filter, Window* owner)
    : CommonDialog(open ? "Open" : "Save As", owner),
      open_(open),
      default_ext_(default_ext),
      file_name_(file_name),
      flags_(flags),
      filters_(ParseFileFilter(filter)) {
  // A proposed path brings its folder along.
  if (const std::size_t slash = file_name_.rfind('/'); slash != std::string::npos) {
    folder_ = file_name_.substr(0, slash + 1);
    file_name_ = file_name_.substr(slash + 1);
  }
}

std::string FileDialog::GetFileName() const {
  const std::size_t slash = path_.rfind('/');
  return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

std::string FileDialog::GetFileTitle() const {
  const std::string name = GetFileName();
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string FileDialog::GetFileExt() const {
  const std::string name = GetFileName();
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string FileDialog::GetFolderPath() const {
  const std::size_t slash = path_.rfind('/');
  return slash == std::string::npos ? std::string() : path_.substr(0, slash + 1);
}

std::vector<std::string> FileDialog::FilesShown(const std::string& folder) const {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(Cp1252ToUtf8(folder)), ec)) {
    if (!entry.is_regular_file(ec)) continue;
    const std::string name = Utf8ToCp1252(entry.path().filename().string());
    bool shown = filters_.empty();
    if (!filters_.empty()) {
      const FileFilter& f = filters_[static_cast<std::size_t>(std::clamp<int>(filter_index_, 0, static_cast<int>(filters_.size()) - 1))];
      for (const std::string& p : f.patterns) shown = shown || MatchesPattern(name, p);
    }
    if (shown) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool FileDialog::Choose(std::string name) {
  if (name.empty()) name = file_name_;
  if (name.empty()) return false;
  std::string path = name.find('/') == std::string::npos ? folder_ : std::string();
  if (!path.empty() && path.back() != '/') path += '/';
  path += name;
  const std::size_t slash = path.rfind('/');
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  if (!default_ext_.empty() && base.find('.') == std::string::npos) path += "." + default_ext_;
  const std::string shown_name = path.substr(path.rfind('/') + 1);
  if (open_ && (flags_ & OFN_FILEMUSTEXIST) && !Exists(path)) {
    MessageBox(shown_name + "\nFile not found.\nCheck the file name and try again.", title(), MB_OK | MB_ICONWARNING);
    return false;
  }
  if (!open_ && (flags_ & OFN_OVERWRITEPROMPT) && Exists(path)) {
    if (MessageBox(shown_name + " already exists.\nDo you want to replace it?", title(),
                   MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) {
      return false;
    }
  }
  path_ = path;
  return true;
}

int FileDialog::DoModal() {
  path_.clear();
  return Ask([this] { return AskPerson(); });
}

int FileDialog::AskPerson() {
  QWidget* parent = owner() ? detail::WidgetOfWindow(*owner()) : nullptr;
  QFileDialog dialog(parent, QString::fromStdString(Cp1252ToUtf8(title())));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);  // asked as a message box, like the rest
  dialog.setAcceptMode(open_ ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open_ ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  QStringList qt_filters;
  for (const FileFilter& f : filters_) {
    QStringList patterns;
    for (const std::string& p : f.patterns) patterns << ((p == "*.*") ? QString("*") : CaseFreePattern(p));
    qt_filters << QString::fromStdString(Cp1252ToUtf8(f.description)) + " (" + patterns.join(' ') + ")";
  }
  if (!qt_filters.isEmpty()) {
    dialog.setNameFilters(qt_filters);
    dialog.selectNameFilter(qt_filters.value(std::clamp<int>(filter_index_, 0, qt_filters.size() - 1)));
  }
  if (!folder_.empty()) dialog.setDirectory(QString::fromStdString(Cp1252ToUtf8(folder_)));
  if (!file_name_.empty()) dialog.selectFile(QString::fromStdString(Cp1252ToUtf8(file_name_)));
  while (dialog.exec() == QDialog::Accepted) {
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) continue;
    filter_index_ = std::max<int>(0, qt_filters.indexOf(dialog.selectedNameFilter()));
    if (Choose(Utf8ToCp1252(files.front().toStdString()))) return IDOK;
  }
  return IDCANCEL;
}

}  // namespace plat
