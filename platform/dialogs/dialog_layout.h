#pragma once
// The template of a dialog built in code: boxes that line up controls in
// columns and rows (Qt's layouts underneath), so that sizes follow the texts
// and the font instead of fixed dialog units. Controls are made in the order
// they are added, which is the order of Tab.
//
//   void BuildLayout(plat::DialogLayout& layout) override {   // a column
//     auto form = layout.Form();
//     form.Field("&Mesh width [m]:").EditBox(1000);
//     form.Field("&Snap radius [m]:").EditBox(1005);
//     auto group = layout.Group("Solution");
//     group.RadioButton("&Iterative", 1068, true);
//     group.RadioButton("&Direct", 1013);
//     layout.Grid(1014, 400, 300);          // a placeholder for a custom window
//     layout.OkCancel("OK", "&Stop");
//   }
//
// Every function that makes a control returns it; a caller may pass its own
// object (a class derived from the control) to be made instead of one that
// the dialog keeps. Widths are in average characters of the dialog font,
// heights in lines, where not in pixels.
#include <string_view>

#include "platform/window/window.h"

namespace plat {

class Button;
class ComboBox;
class Dialog;
class Edit;
class ListBox;
class ProgressCtrl;
class RichEdit;
class Static;

namespace detail {
struct LayoutBox;
}

class DialogLayout {
 public:
  DialogLayout(Dialog& dialog, detail::LayoutBox* box) : dialog_(&dialog), box_(box) {}

  // ---- Controls ----
  Static& Text(std::string_view text, UINT id = 0xFFFF, DWORD style = 0, Static* object = nullptr);
  // A single-line edit (ES_AUTOHSCROLL is usual) `chars` wide.
  Edit& EditBox(UINT id, DWORD style = 0x0080, int chars = 12, Edit* object = nullptr);
  // A multi-line edit (ES_MULTILINE is added), `chars` by `lines`; it grows with the dialog.
  Edit& MultiLineEdit(UINT id, DWORD style, int chars, int lines, Edit* object = nullptr);
  // A rich edit (a multi-line edit with a character format), `chars` by `lines`; it grows.
  RichEdit& RichText(UINT id, DWORD style, int chars, int lines, RichEdit* object = nullptr);
  Button& PushButton(std::string_view text, UINT id, DWORD style = 0, Button* object = nullptr);
  Button& DefPushButton(std::string_view text, UINT id, Button* object = nullptr);
  Button& CheckBox(std::string_view text, UINT id, DWORD style = 0x0003, Button* object = nullptr);
  // `first` starts a new group (WS_GROUP).
  Button& RadioButton(std::string_view text, UINT id, bool first = false, DWORD style = 0x0009,
                      Button* object = nullptr);
  // A list box `chars` by `lines` (WS_VSCROLL and WS_BORDER are usual); it grows.
  ListBox& List(UINT id, DWORD style, int chars, int lines, ListBox* object = nullptr);
  // A combo box `chars` wide whose list shows `lines` lines when dropped.
  ComboBox& Combo(UINT id, DWORD style, int chars, int lines = 8, ComboBox* object = nullptr);
  ProgressCtrl& Progress(UINT id, int chars = 30, ProgressCtrl* object = nullptr);
  // An empty place `width` by `height` pixels for a custom window that
  // Dialog::AttachToPlaceholder makes later; it grows with the dialog.
  Window& Grid(UINT id, int width, int height);
  // A custom window made here, `width` by `height` pixels; it grows.
  Window& Custom(Window& window, UINT id, DWORD style, int width, int height);

  // ---- Boxes ----
  DialogLayout Row();
  DialogLayout Column();
  // A group box with its caption around a column.
  DialogLayout Group(std::string_view caption, UINT id = 0xFFFF);
  // Two columns: labels on the left, fields on the right.
  DialogLayout Form();
  // In a form: a row with a label (a static whose "&" letter reaches the
  // first control of the row); other boxes treat it as Row() after a Text.
  DialogLayout Field(std::string_view label);
  // A row of push buttons at the right end: OK (IDOK, the default button) and
  // Cancel (IDCANCEL).
  DialogLayout OkCancel(std::string_view ok = "OK", std::string_view cancel = "Cancel");

  // ---- Spacing ----
  // Room that takes what space is left over.
  void Stretch(int factor = 1);
  void Space(int pixels);
  // The last control made in this box keeps its preferred size (no growing).
  void Fixed();

 private:
  Window& Place(Window& control, int width, int height, bool grows);
  DialogLayout Nested(int kind, std::string_view caption, UINT id);

  Dialog* dialog_;
  detail::LayoutBox* box_;
};

}  // namespace plat
