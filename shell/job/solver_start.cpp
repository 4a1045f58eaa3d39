#include "shell/job/solver_start.h"

#include <cstdlib>

#include "common/position/solver_job_file.h"
#include "common/settings_files.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/frames/win_app.h"
#include "platform/whole_file.h"
#include "shell/files/replace_file.h"
#include "shell/frame/main_frame.h"
#include "shell/job/position_archive.h"

namespace quentaris {

namespace {

void Show(const common::Result& failure) { plat::MessageBox(failure.text(), failure.caption()); }

}  // namespace

common::Outcome<std::vector<int>> LoadCasesOfRows(const std::vector<std::string>& rows) {
  std::vector<int> load_cases;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].empty()) continue;
    // atoi's reading, without its undefined overflow: a long number is out of range too.
    const long value = std::strtol(rows[i].c_str(), nullptr, 10);
    if (value == 0) continue;
    if (value < 1 || value > common::LoadCaseDiary::kMaxEntries) {
      return common::Result::Fail("Row " + std::to_string(i + 1) + ": load case " + std::to_string(value) +
                                      " lies outside 1..99.",
                                  "Attention");
    }
    load_cases.push_back(static_cast<int>(value));
  }
  return load_cases;
}

std::string SolverEndText(const plat::ProgramEnd& end) {
  if (end.code == 0) return "ZEDIR: the computation is done.";
  std::string message = end.errors;
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  for (char& c : message) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  if (message.empty()) return "ZEDIR failed (exit code " + std::to_string(end.code) + ").";
  return "ZEDIR failed: " + message;
}

bool StartSolverJob(const ShellState& state, const std::vector<std::string>& rows) {
  return StartSolverJob(state, rows, [](const plat::ProgramEnd& end) {
    if (plat::WinApp* app = plat::WinApp::Get()) {
      if (auto* frame = dynamic_cast<CMainFrame*>(app->GetMainWnd())) frame->OnSolverEnded(end);
    }
  });
}

bool StartSolverJob(const ShellState& state, const std::vector<std::string>& rows, SolverEnded ended) {
  const auto load_cases = LoadCasesOfRows(rows);
  if (!load_cases) {
    Show(load_cases.failure());
    return false;
  }
  const auto job = common::MakeSolverJob(*load_cases);
  if (!job) {
    Show(job.failure());
    return false;
  }
  // A job that is not written would leave the solver the previous one.
  if (const common::Result written = common::WriteSolverJob(state.position(), *job); !written) {
    Show(written);
    return false;
  }
  const std::string archive = CPosition(state.position_ext).Serialize();
  if (!plat::ReplaceWholeFile(state.SettingsWritePath(kPositionArchiveFile), archive)) {
    plat::MessageBox(" ", "Kann Datei EXTV nicht anlegen");
    return false;
  }
  const std::string ext_path = state.SettingsWritePath(kPositionExtFile);
  if (!common::WriteTextBlock(ext_path, state.position_ext)) {
    Show(CannotStore(ext_path));
    return false;
  }
  const common::Result started = plat::StartWatched(plat::SiblingProgram(kSolverProgram), {}, std::move(ended));
  if (!started) {
    plat::MessageBox(started.text(), kSolverProgram, plat::MB_OK | plat::MB_ICONINFORMATION);
    return false;
  }
  return true;
}

}  // namespace quentaris
