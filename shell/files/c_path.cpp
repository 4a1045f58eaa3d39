#include "shell/files/c_path.h"

#include <algorithm>

namespace quentaris {

void CPath::Set(std::string_view text) {
  text_ = std::string(text);
  folder_.clear();
  title_.clear();
  extension_.clear();
  relative_ = false;

  std::string_view path = text;
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
  if (path.empty()) return;

  const std::size_t slash = path.rfind('/');
  const std::size_t name_start = slash == std::string_view::npos ? 0 : slash + 1;
  folder_ = std::string(path.substr(0, name_start));
  const std::string_view name = path.substr(name_start);
  const std::size_t point = name.rfind('.');
  title_ = std::string(name.substr(0, point));
  if (point != std::string_view::npos && !title_.empty()) {
    extension_ = std::string(name.substr(point + 1));
    std::erase(extension_, '.');
  }
  relative_ = !folder_.empty() && folder_.front() != '/';
}

std::string CPath::extension_with_point() const { return extension_.empty() ? std::string() : "." + extension_; }

std::string CPath::full_path() const { return folder_ + title_ + extension_with_point(); }

}  // namespace quentaris
