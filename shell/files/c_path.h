#pragma once
// A file path split into folder, title and extension (dropped echo files,
// archive names).
#include <string>
#include <string_view>

namespace quentaris {

class CPath {
 public:
  CPath() = default;
  explicit CPath(std::string_view text) { Set(text); }

  // Removes surrounding double quotes, then splits: the folder up to and with
  // the last "/", the title up to the last point of the name, the extension
  // after it without points. A name that begins with its only point (".cfg")
  // has an empty title and no extension; an empty text leaves all parts empty.
  void Set(std::string_view text);

  const std::string& text() const { return text_; }
  const std::string& folder() const { return folder_; }
  const std::string& title() const { return title_; }
  const std::string& extension() const { return extension_; }
  // The folder is not empty and does not begin with "/".
  bool relative() const { return relative_; }

  // "." + extension, or empty without one.
  std::string extension_with_point() const;
  // folder + title + extension_with_point().
  std::string full_path() const;

 private:
  std::string text_;
  std::string folder_;
  std::string title_;
  std::string extension_;
  bool relative_ = false;
};

}  // namespace quentaris
