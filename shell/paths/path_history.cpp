#include "shell/paths/path_history.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/text_file.h"
#include "platform/whole_file.h"

namespace quentaris {

std::vector<std::string> ReadPathHistory(const std::string& history) {
  auto lines = plat::ReadLines(history);
  return lines ? std::move(*lines) : std::vector<std::string>{};
}

bool WritePathHistory(const std::string& history, const std::string& temp, const std::vector<std::string>& paths) {
  std::string text;
  for (const std::string& path : paths) text += path + "\r\n";  // CR LF, as every text file of the suite
  if (!plat::WriteNewFile(temp, text.data(), text.size())) return false;
  if (plat::RenameFile(temp, history)) return true;
  plat::RemoveFile(temp);
  return false;
}

bool AddToPathHistory(const std::string& history, const std::string& temp, const std::string& path) {
  std::vector<std::string> paths = ReadPathHistory(history);
  if (std::find(paths.begin(), paths.end(), path) != paths.end()) return true;
  paths.push_back(path);
  return WritePathHistory(history, temp, paths);
}

}  // namespace quentaris
