#include "LERVENTA/app/page_address.h"

#include <cctype>

#include "platform/files.h"

namespace lerventa {
namespace {

// Each part of a relative path found in its folder ignoring case.
std::string FindRelative(const std::string& folder, std::string_view relative) {
  std::string path = folder;
  std::size_t start = 0;
  while (start <= relative.size()) {
    const std::size_t slash = relative.find('/', start);
    const std::size_t end = slash == std::string_view::npos ? relative.size() : slash;
    const std::string part(relative.substr(start, end - start));
    if (!part.empty()) path = plat::FindCaseInsensitive(path, part);
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  return path;
}

}  // namespace

bool IsPdfName(std::string_view name) {
  constexpr std::string_view kPdf = ".pdf";
  if (name.size() < kPdf.size()) return false;
  const std::string_view end = name.substr(name.size() - kPdf.size());
  for (std::size_t i = 0; i < kPdf.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(end[i])) != kPdf[i]) return false;
  }
  return true;
}

PageRequest ResolvePage(std::string_view command_line, const std::string& page_folder) {
  if (command_line.empty()) return {};
  const std::string path = command_line.front() == '/' ? std::string(command_line)
                                                       : FindRelative(page_folder, command_line);
  if (!plat::FileExists(path)) return {PageRequest::Kind::kMissing, path};
  return {IsPdfName(path) ? PageRequest::Kind::kPdf : PageRequest::Kind::kPage, path};
}

}  // namespace lerventa
