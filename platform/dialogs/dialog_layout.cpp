#include "platform/dialogs/dialog_layout.h"

#include <QGridLayout>

#include <algorithm>
#include <memory>

#include "platform/controls/button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "platform/controls/progress.h"
#include "platform/controls/rich_edit.h"
#include "platform/controls/static.h"
#include "platform/dc/painter_dc.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_frame.h"

namespace plat {
namespace {

enum BoxKind { kRow, kColumn, kGroup, kForm };

// Sizes of texts in the dialog font.
struct Metrics {
  int char_width = 7;
  int line_height = 15;
};

Metrics DialogMetrics() {
  static const Metrics metrics = [] {
    Bitmap scratch(1, 1);
    PainterDc dc(scratch);
    dc.SelectFont(Dialog::DialogFont());
    const TextMetrics tm = dc.GetTextMetrics();
    return Metrics{std::max(1, tm.ave_char_width), std::max(1, tm.height)};
  }();
  return metrics;
}

Size TextSize(std::string_view text) {
  Bitmap scratch(1, 1);
  PainterDc dc(scratch);
  dc.SelectFont(Dialog::DialogFont());
  Rect r{0, 0, 0, 0};
  dc.DrawText(text.empty() ? std::string_view(" ") : text, r, DT_CALCRECT | DT_EXPANDTABS);
  return Size{r.Width(), r.Height()};
}

constexpr DWORD kChildVisible = WS_CHILD | WS_VISIBLE;

}  // namespace

Window& DialogLayout::Place(Window& control, int width, int height, bool grows) {
  control.SetFont(&Dialog::DialogFont(), false);
  QWidget* widget = detail::WidgetOfWindow(control);
  widget->setMinimumSize(width, height);
  if (grows) {
    widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  } else {
    widget->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  }
  if (box_->form) {
    box_->form->addRow(widget);
  } else {
    box_->box->addWidget(widget);
  }
  box_->last = widget;
  // The control after a run of radio buttons starts a new group.
  detail::DialogFrame& frame = *dialog_->frame_;
  const bool radio = (control.SendMessage(WM_GETDLGCODE) & DLGC_RADIOBUTTON) != 0;
  if (frame.after_radio && !radio) control.ModifyStyle(0, WS_GROUP);
  frame.after_radio = radio;
  return control;
}

template <typename T>
static T& MakeOrUse(Dialog&, T* object, std::vector<std::unique_ptr<Window>>& owned) {
  if (object) return *object;
  auto made = std::make_unique<T>();
  T& ref = *made;
  owned.push_back(std::move(made));
  return ref;
}

Static& DialogLayout::Text(std::string_view text, UINT id, DWORD style, Static* object) {
  Static& s = MakeOrUse(*dialog_, object, dialog_->owned_);
  s.Create(text, style | kChildVisible, Rect{0, 0, 10, 10}, dialog_, id);
  const Size size = TextSize(text);
  Place(s, size.cx, size.cy, false);
  return s;
}

Edit& DialogLayout::EditBox(UINT id, DWORD style, int chars, Edit* object) {
  Edit& e = MakeOrUse(*dialog_, object, dialog_->owned_);
  e.Create(style | kChildVisible | WS_TABSTOP | WS_BORDER, Rect{0, 0, 10, 10}, dialog_, id);
  const Metrics m = DialogMetrics();
  Place(e, chars * m.char_width + 8, m.line_height + 6, false);
  detail::WidgetOfWindow(e)->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return e;
}

Edit& DialogLayout::MultiLineEdit(UINT id, DWORD style, int chars, int lines, Edit* object) {
  Edit& e = MakeOrUse(*dialog_, object, dialog_->owned_);
  e.Create(style | ES_MULTILINE | kChildVisible | WS_TABSTOP | WS_BORDER, Rect{0, 0, 10, 10}, dialog_, id);
  const Metrics m = DialogMetrics();
  Place(e, chars * m.char_width + 8, lines * m.line_height + 6, true);
  return e;
}

RichEdit& DialogLayout::RichText(UINT id, DWORD style, int chars, int lines, RichEdit* object) {
  RichEdit& e = MakeOrUse(*dialog_, object, dialog_->owned_);
  e.Create(style | kChildVisible | WS_TABSTOP | WS_BORDER, Rect{0, 0, 10, 10}, dialog_, id);
  const Metrics m = DialogMetrics();
  Place(e, chars * m.char_width + 8, lines * m.line_height + 6, true);
  return e;
}

ListBox& DialogLayout::List(UINT id, DWORD style, int chars, int lines, ListBox* object) {
  ListBox& l = MakeOrUse(*dialog_, object, dialog_->owned_);
  l.Create(style | kChildVisible | WS_TABSTOP, Rect{0, 0, 10, 10}, dialog_, id);
  const Metrics m = DialogMetrics();
  Place(l, chars * m.char_width + 22, lines * (m.line_height + 1) + 4, true);
  return l;
}

ComboBox& DialogLayout::Combo(UINT id, DWORD style, int chars, int lines, ComboBox* object) {
  ComboBox& c = MakeOrUse(*dialog_, object, dialog_->owned_);
  const Metrics m = DialogMetrics();
  c.Create(style | kChildVisible | WS_TABSTOP | WS_BORDER, Rect{0, 0, chars * m.char_width + 26, m.line_height + 6},
           dialog_, id, lines);
  Place(c, chars * m.char_width + 26, m.line_height + 6, false);
  detail::WidgetOfWindow(c)->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return c;
}

Button& DialogLayout::PushButton(std::string_view text, UINT id, DWORD style, Button* object) {
  Button& b = MakeOrUse(*dialog_, object, dialog_->owned_);
  b.Create(text, style | kChildVisible | WS_TABSTOP, Rect{0, 0, 10, 10}, dialog_, id);
  const Size size = TextSize(text);
  Place(b, std::max(75, size.cx + 20), DialogMetrics().line_height + 10, false);
  detail::WidgetOfWindow(b)->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return b;
}

Button& DialogLayout::DefPushButton(std::string_view text, UINT id, Button* object) {
  return PushButton(text, id, BS_DEFPUSHBUTTON, object);
}

Button& DialogLayout::CheckBox(std::string_view text, UINT id, DWORD style, Button* object) {
  Button& b = MakeOrUse(*dialog_, object, dialog_->owned_);
  b.Create(text, style | kChildVisible | WS_TABSTOP, Rect{0, 0, 10, 10}, dialog_, id);
  const Size size = TextSize(text);
  Place(b, size.cx + 22, std::max(size.cy, 13) + 4, false);
  return b;
}

Button& DialogLayout::RadioButton(std::string_view text, UINT id, bool first, DWORD style, Button* object) {
  Button& b = MakeOrUse(*dialog_, object, dialog_->owned_);
  b.Create(text, style | kChildVisible | (first ? WS_GROUP | WS_TABSTOP : 0), Rect{0, 0, 10, 10}, dialog_, id);
  const Size size = TextSize(text);
  Place(b, size.cx + 22, std::max(size.cy, 13) + 4, false);
  return b;
}

ProgressCtrl& DialogLayout::Progress(UINT id, int chars, ProgressCtrl* object) {
  ProgressCtrl& p = MakeOrUse(*dialog_, object, dialog_->owned_);
  p.Create(kChildVisible, Rect{0, 0, 10, 10}, dialog_, id);
  Place(p, chars * DialogMetrics().char_width, 16, false);
  detail::WidgetOfWindow(p)->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return p;
}

Window& DialogLayout::Grid(UINT id, int width, int height) {
  Static& s = MakeOrUse<Static>(*dialog_, nullptr, dialog_->owned_);
  s.Create("", kChildVisible | SS_SUNKEN, Rect{0, 0, width, height}, dialog_, id);
  return Place(s, width, height, true);
}

Window& DialogLayout::Custom(Window& window, UINT id, DWORD style, int width, int height) {
  window.Create("", style | kChildVisible, Rect{0, 0, width, height}, dialog_, id);
  return Place(window, width, height, true);
}

DialogLayout DialogLayout::Nested(int kind, std::string_view caption, UINT id) {
  detail::DialogFrame& frame = *dialog_->frame_;
  detail::LayoutBox* inner = frame.NewBox();
  QLayout* outer_item = nullptr;
  switch (kind) {
    case kRow: inner->box = new QHBoxLayout; break;
    case kColumn: inner->box = new QVBoxLayout; break;
    case kForm: inner->form = new QFormLayout; break;
    default: break;
  }
  if (kind == kGroup) {
    // The group box lies under its column, in the same cell of a grid.
    Button& group = MakeOrUse<Button>(*dialog_, nullptr, dialog_->owned_);
    group.Create(caption, BS_GROUPBOX | kChildVisible, Rect{0, 0, 10, 10}, dialog_, id);
    group.SetFont(&Dialog::DialogFont(), false);
    frame.after_radio = false;
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    QWidget* widget = detail::WidgetOfWindow(group);
    widget->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    widget->setMinimumWidth(TextSize(caption).cx + 20);
    grid->addWidget(widget, 0, 0);
    inner->box = new QVBoxLayout;
    inner->box->setContentsMargins(10, DialogMetrics().line_height + 4, 10, 8);
    grid->addLayout(inner->box, 0, 0);
    outer_item = grid;
  } else {
    outer_item = inner->box ? static_cast<QLayout*>(inner->box) : static_cast<QLayout*>(inner->form);
    outer_item->setContentsMargins(0, 0, 0, 0);
  }
  if (box_->form) {
    box_->form->addRow(outer_item);
  } else {
    box_->box->addLayout(outer_item);
  }
  return DialogLayout(*dialog_, inner);
}

DialogLayout DialogLayout::Row() { return Nested(kRow, {}, 0); }
DialogLayout DialogLayout::Column() { return Nested(kColumn, {}, 0); }
DialogLayout DialogLayout::Group(std::string_view caption, UINT id) { return Nested(kGroup, caption, id); }
DialogLayout DialogLayout::Form() { return Nested(kForm, {}, 0); }

DialogLayout DialogLayout::Field(std::string_view label) {
  if (!box_->form) {
    DialogLayout row = Row();
    row.Text(label);
    return row;
  }
  // The label goes in the left column, a row for the fields in the right one.
  detail::DialogFrame& frame = *dialog_->frame_;
  Static& s = MakeOrUse<Static>(*dialog_, nullptr, dialog_->owned_);
  s.Create(label, kChildVisible, Rect{0, 0, 10, 10}, dialog_, IDC_STATIC);
  s.SetFont(&Dialog::DialogFont(), false);
  const Size size = TextSize(label);
  QWidget* widget = detail::WidgetOfWindow(s);
  widget->setMinimumSize(size.cx, size.cy);
  frame.after_radio = false;
  detail::LayoutBox* inner = frame.NewBox();
  inner->box = new QHBoxLayout;
  inner->box->setContentsMargins(0, 0, 0, 0);
  box_->form->addRow(widget, inner->box);
  return DialogLayout(*dialog_, inner);
}

DialogLayout DialogLayout::OkCancel(std::string_view ok, std::string_view cancel) {
  DialogLayout row = Row();
  row.Stretch();
  row.DefPushButton(ok, IDOK);
  row.PushButton(cancel, IDCANCEL);
  return row;
}

void DialogLayout::Stretch(int factor) {
  if (box_->box) box_->box->addStretch(factor);
}

void DialogLayout::Space(int pixels) {
  if (box_->box) box_->box->addSpacing(pixels);
}

void DialogLayout::Fixed() {
  if (box_->last) box_->last->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

}  // namespace plat
