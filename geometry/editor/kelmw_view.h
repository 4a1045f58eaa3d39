#pragma once
// The view of the geometry editor: the frame picture from memory; clicks,
// drags, the wheel and keys as edits of the frame (picking, graphical input,
// zoom); the commands of the position and the messages of the main frame.
#include <memory>
#include <optional>

#include "geometry/editor/editor_session.h"
#include "geometry/editor/input_panel.h"
#include "geometry/tables/table_dialogs.h"
#include "platform/controls/edit.h"
#include "platform/frames/view.h"

namespace kelmf {

// The id of the hint edit of graphical input.
inline constexpr plat::UINT kHintEdit = 1324;
inline constexpr const char* kHintText = "click, click...  SPACE = PAUSE, ESC = stop";
// Posted to the view: opens the elements table.
inline constexpr plat::UINT kOpenElementsTable = plat::WM_USER + 93;

class CKELMWView : public plat::View {
 public:
  CKELMWView();

  EditorSession& session();

  // Store (Ctrl+S): ends the program after a completed model check, else redraws.
  void OnStore();
  // End ("x", the X button, the close box): the echo text, then the program ends.
  void OnEnd();
  // "&Dialog Input": the model defaults, then the Input panel (made once).
  void OnDialogInput();
  // The modeless elements table (made once while it is open).
  void OpenElementsTable();
  CDiaMain* panel() { return panel_.get(); }
  CDiaElemente* elements_table() { return elements_table_.get(); }
  // The hint edit of graphical input (shown while it is on).
  plat::Edit& hint() { return hint_; }

 protected:
  int OnCreate(const plat::CREATESTRUCT& create) override;
  void OnDraw(plat::Dc& dc) override;
  void OnPrepareDC(plat::PrinterDc& dc, plat::PrintInfo& info) override;
  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;
  void OnXButtonDown(plat::UINT flags, plat::UINT button, plat::Point point) override;
  void OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  void OnKeyUp(plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  bool OnMouseWheel(plat::UINT flags, short delta, plat::Point point) override;
  void OnLButtonDown(plat::UINT flags, plat::Point point) override;
  void OnLButtonUp(plat::UINT flags, plat::Point point) override;
  void OnMouseMove(plat::UINT flags, plat::Point point) override;
  void OnRButtonDown(plat::UINT flags, plat::Point point) override;
  void OnRButtonUp(plat::UINT flags, plat::Point point) override;
  void OnContextMenu(plat::Window* window, plat::Point point) override;
  void OnCaptureChanged(plat::Window* window) override;

 private:
  // ---- Mouse (kelmw_view_mouse.cpp) ----
  // A click outside graphical input: the element dialog, else a zoom rectangle.
  void OnPick(plat::Point point);
  // The element dialog of element n; true when the click ends there.
  bool EditElement(int n);
  // A click of graphical input: the first point, or the next element.
  void OnInputClick(plat::Point point);
  void ShowContextMenu(plat::Point screen);
  // The world point of a client pixel, and back.
  plat::PointD ToWorld(plat::Point pixel);
  plat::Point ToPixel(plat::PointD world);
  // Takes away the crosshair, the rubber line and the rubber rectangle.
  void EraseCrosshair();
  void EraseRubberLine();

  // ---- Keys and wheel (kelmw_view_keys.cpp) ----
  // Escape: ends a mode or a zoom; else twice within a second ends the editor.
  void OnEscape();

  // ---- Commands (kelmw_view_commands.cpp) ----
  void MapCommands();
  void OnNew();
  void OnOpen();
  void OnStoreAs();
  void OnCopyToClipboard();
  void OnGraphicalInput();
  void OnGrid();
  void OnKeysHelp();
  // ---- Texts (kelmw_view_texts.cpp) ----
  // The echo text shown for editing; an edited text rebuilds the frame.
  void OnEcho();
  // The dimension listing D1; variant A (the menu) or B (the toolbar).
  void OnListing(bool menu_variant);
  void OnFont();
  // The project title (WM_USER+109 of the panel).
  void OnTitle();
  void ShowHint(bool show);
  void SetPositionTitle();

  // Posts WM_QUIT when a command ends the program, else redraws.
  void Finish(std::optional<int> quit_code);

  // A table or the panel closed (WM_USER+116, WM_USER+91).
  void OnTableClosed(plat::WPARAM how);
  void OnPanelClosing();

  std::unique_ptr<CDiaMain> panel_;
  std::unique_ptr<CDiaElemente> elements_table_;
  plat::Edit hint_;
  plat::Font view_font_;
};

}  // namespace kelmf
