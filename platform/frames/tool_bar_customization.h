#pragma once
// The customisation of a frame's tool bars (MFC's toolbar customisation with
// user-defined tool bars): the frame's standard bars, whose buttons when the
// customisation starts are their defaults, and up to ten bars a person
// makes. Every bar carries the customise button, whose command opens the
// customisation dialog (ToolBarsCustomizeDialog); a right click on a bar
// shows the bars to show or hide and the customise command.
//
// What a person set up is kept in a settings file of the program (replaced
// whole, see tool_bar_setup.h) when the dialog closes, and when the frame goes
// with a bar moved since; the next start restores it. A damaged file is named
// and the default bars are shown. A standard bar whose program buttons
// changed since the file was written shows the program's new buttons.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/frames/command_catalogue.h"
#include "platform/frames/tool_bar.h"
#include "platform/frames/tool_bar_setup.h"

namespace plat {

class FrameWnd;

class ToolBarCustomization {
 public:
  // The frame's standard bars (made, with their buttons); `settings_file` is
  // the path of the file that keeps the set-up.
  ToolBarCustomization(FrameWnd& frame, const std::vector<ToolBar*>& standard, UINT customize_command,
                       std::string customize_text, std::string settings_file);
  ~ToolBarCustomization();
  ToolBarCustomization(const ToolBarCustomization&) = delete;
  ToolBarCustomization& operator=(const ToolBarCustomization&) = delete;

  FrameWnd& frame() const { return frame_; }
  UINT customize_command() const { return customize_command_; }

  // ---- The bars ----
  // The standard bars, then a person's in the order made.
  std::vector<ToolBar*> Bars() const;
  bool IsStandard(const ToolBar& bar) const;
  int UserBarCount() const { return static_cast<int>(user_.size()); }
  // A person's new bar, docked at the top under the others, shown, with the
  // customise button alone; nullptr when there are ten or the name is not
  // usable or taken.
  ToolBar* AddUserBar(std::string_view name);
  void DeleteUserBar(ToolBar& bar);
  // A standard bar gets the program's buttons again.
  void ResetBar(ToolBar& bar);
  // Whether another bar than `except` has this name (case ignored).
  bool NameTaken(std::string_view name, const ToolBar* except = nullptr) const;

  // ---- Commands ----
  // The frame's menus by title, then each standard bar's buttons under its name.
  std::vector<CommandCategory> Categories() const;
  // The button of a command: a standard bar's button for it (text and
  // image), else one with `text`.
  ToolButton ButtonFor(UINT id, std::string_view text) const;

  // ---- Kept between runs ----
  ToolBarsSetup Setup() const;
  // Restores the set-up from the settings file; nothing happens when there
  // is none, and a damaged one is named.
  void Restore();
  // Writes the set-up; a failure is named. True when it was written.
  bool Save();
  // Writes the set-up when it differs from what the file holds (a floating
  // bar moved), while every standard bar is still there.
  void SaveIfChanged();

  // ---- A person ----
  // The dialog; afterwards the set-up is written.
  void Customize();
  // The bars with a check on the shown ones, and the customise command, at a
  // point of the screen.
  void ShowContextMenu(Point screen);

 private:
  struct Standard {
    HWND bar = nullptr;  // the bar goes with the frame's derived part, before the frame
    std::vector<ToolButton> defaults;
  };
  ToolBar* StandardBar(const Standard& standard) const;
  const Standard* StandardOf(const ToolBar& bar) const;
  ToolBar* MakeUserBar(UINT id, std::string_view name);
  UINT FreeUserBarId() const;
  void Apply(const ToolBarsSetup& setup);
  void ApplyPlace(ToolBar& bar, const ToolBarSetup& setup);

  FrameWnd& frame_;
  std::vector<Standard> standard_;
  std::vector<std::unique_ptr<ToolBar>> user_;
  UINT customize_command_;
  std::string customize_text_;
  std::string settings_file_;
  std::string saved_;  // the text the file holds as far as this run knows
};

}  // namespace plat
