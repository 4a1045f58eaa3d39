#include "shell/frame/echo_rebuild.h"

#include <cctype>
#include <cstdio>
#include <filesystem>

#include "common/position/file_names.h"
#include "common/settings_files.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "shell/files/c_path.h"
#include "shell/frame/program_starts.h"
#include "shell/settings/read_settings.h"

namespace quentaris {
namespace {

bool RunWaitedRebuild(const ShellState& state, const std::string& program, plat::Window* owner) {
  std::vector<std::string> args = PositionArguments(state);
  args.push_back("@G");
  std::string error;
  if (plat::RunAndWaitPainted(owner, plat::SiblingProgram(program), args, {}, &error)) return true;
  plat::MessageBox(error, program + ".EXE", plat::MB_OK | plat::MB_ICONINFORMATION);
  return false;
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

}  // namespace

bool FrameStored(const ShellState& state) {
  if (!state.has_position()) return false;
  const std::optional<std::int32_t> marker =
      common::ReadInt32File(state.position_folder + common::file_names::kGeometryMarker + state.position_ext);
  return marker && *marker == 1;
}

bool RebuildFromEchoFiles(ShellState& state, plat::Window* owner) {
  RunWaitedRebuild(state, "KELMF", owner);
  ReadSettings(state);
  if (!FrameStored(state)) return false;
  RunWaitedRebuild(state, "PUNDF", owner);
  return true;
}

void SetCurrentPosition(ShellState& state, std::string_view name) {
  state.position_name = std::string(name);
  state.position_ext = common::PositionExt(state.position_name);
  state.position_folder = common::PositionFolder(state.data_path, state.position_ext);
}

bool HasGeometryEcho(const std::string& data_path, std::string_view name) {
  const std::string ext = common::PositionExt(std::string(name));
  std::error_code ec;
  return std::filesystem::exists(common::PositionFolder(data_path, ext) + "ECHO_G" + ext + ".TXT", ec);
}

bool OverwriteConfirmed(std::string_view name) {
  char question[400];
  std::snprintf(question, sizeof question, "Overwrite the exsisting position %.300s ?", std::string(name).c_str());
  return plat::MessageBox(question, "Position exists", plat::MB_YESNO) == plat::IDYES;
}

std::string ArchiveEchoPositionName(std::string_view file_name) {
  const std::string upper = Upper(file_name);
  constexpr std::string_view kHead = "ECHO_G.";
  constexpr std::string_view kTail = ".TXT";
  if (upper.size() <= kHead.size() + kTail.size() || !upper.starts_with(kHead) || !upper.ends_with(kTail)) return {};
  return std::string(file_name.substr(kHead.size(), file_name.size() - kHead.size() - kTail.size()));
}

std::string DroppedFilePositionName(std::string_view path, bool* echo_named) {
  const CPath split(path);
  const bool echo = !split.title().empty() && std::tolower(static_cast<unsigned char>(split.title()[0])) == 'e';
  if (echo_named) *echo_named = echo;
  if (!echo) return split.extension();
  const std::string name = split.title() + split.extension_with_point();
  const std::size_t first = name.find('.');
  if (first == std::string::npos) return {};
  const std::size_t second = name.find('.', first + 1);
  return name.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
}

}  // namespace quentaris
