#include "shell/frame/program_starts.h"

#include "platform/message_box.h"
#include "platform/process.h"

namespace quentaris {

std::vector<std::string> PositionArguments(const ShellState& state) {
  return {"." + state.position_name, "@" + state.data_path};
}

bool StartBeside(const std::string& program, const std::vector<std::string>& args, const std::string& caption) {
  const common::Result started = plat::StartDetached(plat::SiblingProgram(program), args);
  if (started) return true;
  plat::MessageBox(started.text(), caption, plat::MB_OK | plat::MB_ICONINFORMATION);
  return false;
}

bool RunKelmf(const ShellState& state, plat::Window* owner) {
  std::string error;
  if (plat::RunAndWaitPainted(owner, plat::SiblingProgram("KELMF"), PositionArguments(state), {}, &error)) return true;
  plat::MessageBox(error, "KELMF.EXE", plat::MB_OK | plat::MB_ICONINFORMATION);
  return false;
}

bool OpenExplorer(const std::string& folder) {
  const common::Result opened = plat::OpenDocument(folder);
  if (opened) return true;
  plat::MessageBox(opened.text(), "EXPLORER.EXE", plat::MB_OK | plat::MB_ICONINFORMATION);
  return false;
}

}  // namespace quentaris
