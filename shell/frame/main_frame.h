#pragma once
// The shell's main window: the ribbon with every command of the shell, the
// status bar with the mouse's coordinates, and the view of the position's
// frame. Commands open the shell's dialogs, start the suite's programs or
// change the current position and data path.
#include <string>

#include "platform/frames/accelerators.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/status_bar.h"
#include "platform/process.h"
#include "platform/ribbon/ribbon_bar.h"
#include "shell/state/shell_state.h"
#include "shell/texts/dia_texte.h"  // kShowTextsMessage

namespace quentaris {

namespace ids {
inline constexpr plat::UINT kPositionCombo = 32780;
inline constexpr plat::UINT kDataPathEdit = 317;
inline constexpr plat::UINT kSavePosition = 32794;
inline constexpr plat::UINT kReset = 1084;
inline constexpr plat::UINT kClone = 32785;
inline constexpr plat::UINT kDelete = 32787;
inline constexpr plat::UINT kFrame = 1085;
inline constexpr plat::UINT kLoad = 1086;
inline constexpr plat::UINT kCompute = 32779;
inline constexpr plat::UINT kGraphics = 32786;
inline constexpr plat::UINT kTexts = 33807;
inline constexpr plat::UINT kPathData = 33805;
inline constexpr plat::UINT kExplorer = 32819;
inline constexpr plat::UINT kAppDir = 33796;
inline constexpr plat::UINT kAppData = 33797;
inline constexpr plat::UINT kSdir = 32818;
inline constexpr plat::UINT kLoadFromArchive = 33788;
inline constexpr plat::UINT kEchos = 32790;
inline constexpr plat::UINT kInfo = 33798;
inline constexpr plat::UINT kFirstSteps = 33800;
inline constexpr plat::UINT kManual = 32805;
inline constexpr plat::UINT kKeys = 33801;
inline constexpr plat::UINT kSendingEchoFiles = 33804;
inline constexpr plat::UINT kPlotScales = 32796;
inline constexpr plat::UINT kPlotScales2 = 32772;
inline constexpr plat::UINT kPlots = 32791;
inline constexpr plat::UINT kPrinter = 32817;
inline constexpr plat::UINT kHeadings = 1088;
inline constexpr plat::UINT kLecture = 310;
}  // namespace ids

// Messages the main window takes.
inline constexpr plat::UINT kPickedFolderMessage = plat::WM_USER + 40;
inline constexpr plat::UINT kLoadCaseMessage = plat::WM_USER + 50;
inline constexpr plat::UINT kRepaintMessage = plat::WM_USER + 2000;

inline constexpr const char* kStatusText = "Space bar = View on/off";
inline constexpr const char* kKeysPage = "TASTATUR.HTM";
inline constexpr const char* kEchoMailPage = "ECHOSENDEN.HTM";
inline constexpr const char* kLectureDocument = "VORLESUNG.PDF";
inline constexpr const char* kManualDocument = "QUENTARIS.PDF";

// The shell's keys that carry commands: Ctrl+S saves the position.
plat::AcceleratorTable ShellAccelerators();

class CMainFrame : public plat::FrameWnd {
 public:
  // `start_folder`: the folder the program started in (ends with "/").
  CMainFrame(ShellState& state, std::string start_folder);

  plat::RibbonBar& ribbon() { return ribbon_; }
  plat::StatusBar& status_bar() { return status_; }
  const std::string& status_text() const { return status_text_; }

  // The position combo: the current name, then the position list's names (at most 20).
  void FillPositionCombo();
  // The view invalidated whole.
  void RepaintView();
  // The settings and the position read again, the view repainted.
  void ReadPositionAgain();

  bool PreTranslateMessage(plat::MSG* msg) override;

  // ZEDIR, started by Compute!, ended: the status bar says how, and an open
  // texts list shows the outputs afresh.
  void OnSolverEnded(const plat::ProgramEnd& end);

 protected:
  int OnCreate(const plat::CREATESTRUCT& create) override;
  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;
  // A position rebuilt from the echo file in state.start_file (WM_USER+41);
  // `started_with_file` when it was the program's argument.
  void OnRebuildFromEcho(bool started_with_file);

 private:
  void BuildRibbon();
  void MapCommands();
  void OnNewPosition();
  void OnPositionCombo();
  void OnOpen();
  void OnReset();
  void OnDelete();
  void OnFrame();
  void OnLoad();
  void OnGraphics();
  void OnDataPath();
  void OnLecture();
  // Save position, Load from Archive and Clone (position_commands.cpp).
  void OnSavePosition();
  void OnLoadFromArchive();
  void OnClone();
  // The echo files of `source` copied into the position `name`, which becomes
  // the current one (EXTR written); false after a message.
  bool CopyEchoFilesIn(const std::string& source, const std::string& name, bool* load_copied);
  // KELMF and PUNDF "@G", then the position read again; false after "No frame".
  bool RebuildAndReread();
  void OnPickedFolder(const std::string& folder);
  // KELMF waited for, then the settings and the position read again.
  void RunKelmfAndReread();
  // The PL block of a load case (WM_USER+50) into the state; 0 or a missing file keeps it.
  void ReadLoadCaseBlock(plat::WPARAM number);
  bool TypedCaseKept(plat::HWND target) const;

  ShellState& state_;
  std::string start_folder_;
  std::string status_text_;
  plat::RibbonBar ribbon_;
  plat::StatusBar status_;
};

}  // namespace quentaris
