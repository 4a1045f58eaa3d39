#pragma once
// Names of a position's folder and files. A position is its data path (ending
// with "/") and its extension PositionExt (a dot and the position's name,
// ".12"). Its folder is data path + "SDIR" + name + "/"; its files are
// folder + base name + extension.
#include <string>
#include <string_view>

namespace common {

// "." + name.
std::string PositionExt(std::string_view name);
// The extension without its leading dot (an extension without a dot stays as it is).
std::string PositionName(std::string_view ext);
// data path + "SDIR" + name + "/".
std::string PositionFolder(std::string_view data_path, std::string_view ext);
// folder + name + ext, plain concatenation.
std::string BuildFileName(std::string_view folder, std::string_view name, std::string_view ext);
// "0" followed by the load-case number in decimal: 1 gives "01", 12 gives "012".
std::string CurrentLoadCaseText(int load_case);

class Position {
 public:
  Position() = default;
  // A data path without its final "/" gets one.
  Position(std::string data_path, std::string ext);

  const std::string& data_path() const { return data_path_; }
  const std::string& ext() const { return ext_; }
  std::string name() const { return PositionName(ext_); }
  std::string folder() const { return PositionFolder(data_path_, ext_); }

  // folder + base + ext, e.g. ".../SDIR12/NODES.12".
  std::string File(std::string_view base) const;
  // A text file: ".TXT" behind the extension, e.g. ".../SDIR12/ECHO_G.12.TXT".
  std::string TextFile(std::string_view base) const;
  // folder + base + CurrentLoadCaseText + ext, e.g. ".../SDIR12/LKNOTENR012.12".
  std::string LoadCaseFile(std::string_view base, int load_case) const;
  // A file of the folder without the position's extension (FILES, LASTD).
  std::string FolderFile(std::string_view name) const;

 private:
  std::string data_path_;
  std::string ext_;
};

// Creates the position's folder when it does not exist; true when it exists afterwards.
bool EnsurePositionFolder(const Position& position);

}  // namespace common
