#include "platform/files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace plat {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool FolderExists(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

std::optional<std::int64_t> FileSize(const std::string& path) {
  std::error_code ec;
  auto size = fs::file_size(path, ec);
  if (ec) return std::nullopt;
  return static_cast<std::int64_t>(size);
}

std::optional<std::int64_t> FileTime(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
}

bool RemoveFile(const std::string& path) {
  std::error_code ec;
  return fs::remove(path, ec) && !ec;
}

std::FILE* OpenForReplace(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), W_OK) == 0) {
    ::unlink(path.c_str());
  }
  return std::fopen(path.c_str(), "wb");
}

bool RenameFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(from, to, ec);
  return !ec;
}

bool MoveOntoFreedName(const std::string& from, const std::string& to) {
  if (::unlink(to.c_str()) != 0 && errno != ENOENT) return false;
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool CopyFile(const std::string& from, const std::string& to, bool overwrite) {
  std::error_code ec;
  auto options = overwrite ? fs::copy_options::overwrite_existing : fs::copy_options::none;
  return fs::copy_file(from, to, options, ec) && !ec;
}

bool MakeFolder(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  return FolderExists(path);
}

std::vector<std::string> ListFolder(const std::string& folder, std::string_view pattern) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    std::string name = it->path().filename().string();
    if (WildcardMatch(pattern, name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

namespace {
bool MatchFrom(std::string_view p, std::string_view n) {
  // Iterative match with one backtrack point for the last '*'.
  size_t pi = 0, ni = 0, star = std::string_view::npos, mark = 0;
  auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || (p[pi] != '*' && lower(p[pi]) == lower(n[ni])))) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      mark = ni;
    } else if (star != std::string_view::npos) {
      pi = star + 1;
      ni = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}
}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*" || pattern == "*") return true;
  // As on Windows, a pattern ending in ".*" also matches a name without a dot.
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
      name.find('.') == std::string_view::npos) {
    return MatchFrom(pattern.substr(0, pattern.size() - 2), name);
  }
  return MatchFrom(pattern, name);
}

std::string FindCaseInsensitive(const std::string& folder, const std::string& name) {
  std::string joined = folder;
  if (!joined.empty() && joined.back() != '/') joined += '/';
  if (fs::exists(joined + name)) return joined + name;
  std::error_code ec;
  auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  const std::string wanted = lower(name);
  for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::string entry = it->path().filename().string();
    if (lower(entry) == wanted) return joined + entry;
  }
  return joined + name;
}

}  // namespace plat
