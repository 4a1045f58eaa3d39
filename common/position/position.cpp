#include "common/position/position.h"

#include "platform/files.h"

namespace common {

std::string PositionExt(std::string_view name) { return "." + std::string(name); }

std::string PositionName(std::string_view ext) {
  if (!ext.empty() && ext.front() == '.') ext.remove_prefix(1);
  return std::string(ext);
}

std::string PositionFolder(std::string_view data_path, std::string_view ext) {
  return std::string(data_path) + "SDIR" + PositionName(ext) + "/";
}

std::string BuildFileName(std::string_view folder, std::string_view name, std::string_view ext) {
  std::string path(folder);
  path += name;
  path += ext;
  return path;
}

std::string CurrentLoadCaseText(int load_case) { return "0" + std::to_string(load_case); }

Position::Position(std::string data_path, std::string ext) : data_path_(std::move(data_path)), ext_(std::move(ext)) {
  if (!data_path_.empty() && data_path_.back() != '/') data_path_ += '/';
}

std::string Position::File(std::string_view base) const { return BuildFileName(folder(), base, ext_); }

std::string Position::TextFile(std::string_view base) const { return File(base) + ".TXT"; }

std::string Position::LoadCaseFile(std::string_view base, int load_case) const {
  return BuildFileName(folder(), std::string(base) + CurrentLoadCaseText(load_case), ext_);
}

std::string Position::FolderFile(std::string_view name) const { return folder() + std::string(name); }

bool EnsurePositionFolder(const Position& position) {
  std::string folder = position.folder();
  folder.pop_back();  // the path without its final "/"
  return plat::FolderExists(folder) || plat::MakeFolder(folder);
}

}  // namespace common
