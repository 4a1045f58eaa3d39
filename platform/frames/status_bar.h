#pragma once
// The status bar of a frame (MFC's CMFCStatusBar): a row of panes along the
// bottom edge, each named by an indicator id, showing a text. The first pane
// of ID_SEPARATOR stretches; the others are as wide as set (100 pixels unless
// SetPaneWidth says otherwise). Panes of other ids take their text and state
// from update handlers of that id (SetText, Enable(false) hides the text).
//
//   const plat::UINT panes[] = {plat::ID_SEPARATOR, plat::ID_SEPARATOR, plat::ID_SEPARATOR,
//                               plat::ID_SEPARATOR, plat::ID_SEPARATOR};
//   status_bar_.Create(this);
//   status_bar_.SetIndicators(panes);
//   status_bar_.SetPaneText(3, "1.25  3.50");
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/frames/command_ids.h"
#include "platform/frames/control_bar.h"

class QLabel;
class QHBoxLayout;

namespace plat {

// Pane styles (MFC's SBPS_ values).
inline constexpr UINT SBPS_NORMAL = 0x0000;
inline constexpr UINT SBPS_NOBORDERS = 0x0100;
inline constexpr UINT SBPS_POPOUT = 0x0200;
inline constexpr UINT SBPS_DISABLED = 0x04000000;
inline constexpr UINT SBPS_STRETCH = 0x08000000;

class StatusBar : public ControlBar {
 public:
  StatusBar();
  ~StatusBar() override;

  bool Create(FrameWnd* frame, UINT id = AFX_IDW_STATUS_BAR);
  // One pane per id, in order (replacing the panes there were).
  bool SetIndicators(std::span<const UINT> ids);
  bool SetIndicators(const UINT* ids, int count) {
    return SetIndicators(std::span<const UINT>(ids, static_cast<std::size_t>(count < 0 ? 0 : count)));
  }

  int GetCount() const { return static_cast<int>(panes_.size()); }
  UINT GetItemID(int index) const;
  // The first pane of an id, -1 when none.
  int CommandToIndex(UINT id) const;
  // False for a pane that does not exist.
  bool SetPaneText(int index, std::string_view text, bool update = true);
  std::string GetPaneText(int index) const;
  void SetPaneWidth(int index, int cx);
  int GetPaneWidth(int index) const;
  void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
  void SetPaneInfo(int index, UINT id, UINT style, int width);
  // A click on the pane posts WM_COMMAND `command` to the frame (0: none).
  void SetPaneCommand(int index, UINT command);
  UINT GetPaneStyle(int index) const;
  void SetPaneStyle(int index, UINT style);

  void UpdateCmdUI(CommandTarget& target, bool disable_if_no_handler) override;

 private:
  struct Pane {
    UINT id = 0;
    UINT style = 0;
    int width = 100;
    std::string text;
    UINT command = 0;  // posted on a click
    QLabel* label = nullptr;
  };
  void Rebuild();
  void ClickPane(int index);
  void Show(Pane& pane);

  QWidget* row_ = nullptr;
  QHBoxLayout* layout_ = nullptr;
  std::vector<Pane> panes_;
};

}  // namespace plat
