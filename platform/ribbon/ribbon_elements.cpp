#include "platform/ribbon/ribbon_elements.h"

#include <QBoxLayout>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>
#include <QWidget>

#include "platform/controls/combo_box.h"
#include "platform/controls/control.h"
#include "platform/controls/edit.h"
#include "platform/dc/qt_bitmap.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_frame.h"
#include "platform/frames/qt_menus.h"
#include "platform/ribbon/ribbon_bar.h"

namespace plat {

namespace {

constexpr int kFieldHeight = 22;
constexpr int kLargeButtonHeight = 64;
constexpr int kSmallButtonHeight = 22;

QWidget* LabelledField(std::string_view text, QWidget* field) {
  auto* box = new QWidget;
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(4);
  if (!text.empty()) row->addWidget(new QLabel(detail::QtText(text)));
  row->addWidget(field);
  return box;
}

}  // namespace

// ---- RibbonElement ----

RibbonElement::RibbonElement(Kind kind, UINT id, std::string_view text, RibbonPanel* panel)
    : kind_(kind), id_(id), text_(text), panel_(panel) {}

RibbonElement::~RibbonElement() = default;

RibbonCategory* RibbonElement::GetParentCategory() const { return panel_ ? panel_->GetParentCategory() : nullptr; }

bool RibbonElement::IsEnabled() const {
  QWidget* w = Widget();
  return w && w->isEnabled();
}

void RibbonElement::SetEnabled(bool enabled) {
  if (QWidget* w = Widget(); w && w->isEnabled() != enabled) w->setEnabled(enabled);
}

Rect RibbonElement::GetRect() const {
  QWidget* w = Widget();
  RibbonCategory* category = GetParentCategory();
  RibbonBar* bar = category ? category->GetParentRibbonBar() : nullptr;
  if (!w || !bar || !bar->GetSafeHwnd() || !w->isVisible()) return {};
  QWidget* host = detail::WidgetOfWindow(*bar);
  if (!host || !host->isAncestorOf(w)) return {};
  const QPoint at = w->mapTo(host, QPoint(0, 0));
  return Rect{at.x(), at.y(), at.x() + w->width(), at.y() + w->height()};
}

// ---- RibbonButton ----

RibbonButton::RibbonButton(UINT id, std::string_view text, RibbonButtonSize size, Bitmap image, RibbonPanel* panel)
    : RibbonElement(Kind::kButton, id, text, panel), size_(size), image_(std::move(image)) {
  button_ = new QToolButton;
  button_->setText(detail::QtText(text));
  button_->setToolTip(detail::QtText(WithoutMnemonic(text)));
  button_->setFocusPolicy(Qt::NoFocus);
  button_->setAutoRaise(true);
  button_->setCheckable(true);
  const bool has_image = !image_.IsEmpty();
  if (has_image) button_->setIcon(QIcon(QPixmap::fromImage(QtImage(image_))));
  if (size_ == RibbonButtonSize::kLarge) {
    button_->setToolButtonStyle(has_image ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextOnly);
    button_->setIconSize(QSize(32, 32));
    button_->setMinimumSize(48, kLargeButtonHeight);
    button_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
  } else {
    button_->setToolButtonStyle(has_image ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextOnly);
    button_->setIconSize(QSize(16, 16));
    button_->setMinimumHeight(kSmallButtonHeight);
    button_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  }
  // The whole text stays readable: a narrow ribbon gets no narrower buttons.
  button_->setMinimumWidth(button_->sizeHint().width());
  QObject::connect(button_, &QToolButton::clicked, button_, [this] {
    // The check is the update handlers' to set, not the click's.
    if (button_->isChecked() != checked_) button_->setChecked(checked_);
    if (RibbonCategory* c = GetParentCategory(); c && c->GetParentRibbonBar()) {
      c->GetParentRibbonBar()->SendCommand(GetID());
    }
  });
}

QWidget* RibbonButton::Widget() const { return button_; }

bool RibbonButton::IsChecked() const { return button_ && button_->isChecked(); }

void RibbonButton::SetChecked(bool checked) {
  checked_ = checked;
  if (button_ && button_->isChecked() != checked) button_->setChecked(checked);
}

// ---- RibbonField ----

RibbonField::RibbonField(Kind kind, UINT id, std::string_view text, RibbonPanel* panel)
    : RibbonElement(kind, id, text, panel) {}

RibbonField::~RibbonField() = default;

void RibbonField::SetEnabled(bool enabled) {
  if (Window* c = GetControl(); c && c->IsWindowEnabled() != enabled) c->EnableWindow(enabled);
}

bool RibbonField::IsEnabled() const {
  Window* c = GetControl();
  return c && c->IsWindowEnabled();
}

// ---- RibbonComboBox ----

RibbonComboBox::RibbonComboBox(UINT id, std::string_view text, bool editable, RibbonPanel* panel)
    : RibbonField(Kind::kComboBox, id, text, panel), editable_(editable) {}

RibbonComboBox::~RibbonComboBox() = default;

Window* RibbonComboBox::GetControl() const { return combo_.get(); }

int RibbonComboBox::AddItem(std::string_view text, std::uint64_t data) {
  if (!combo_) return -1;
  const int index = combo_->AddString(text);
  if (index >= 0) combo_->SetItemData(index, data);
  return index;
}

void RibbonComboBox::RemoveAllItems() {
  if (combo_) combo_->ResetContent();
}

int RibbonComboBox::GetCount() const { return combo_ ? combo_->GetCount() : 0; }

std::string RibbonComboBox::GetItem(int index) const { return combo_ ? combo_->GetLBText(index) : std::string(); }

std::uint64_t RibbonComboBox::GetItemData(int index) const { return combo_ ? combo_->GetItemData(index) : 0; }

bool RibbonComboBox::SelectItem(int index) {
  if (!combo_ || index < 0 || index >= combo_->GetCount()) return false;
  return combo_->SetCurSel(index) == index;
}

bool RibbonComboBox::SelectItem(std::string_view text) {
  if (!combo_) return false;
  const int index = combo_->FindStringExact(-1, text);
  return index >= 0 && SelectItem(index);
}

int RibbonComboBox::GetCurSel() const { return combo_ ? combo_->GetCurSel() : -1; }

std::string RibbonComboBox::GetEditText() const {
  if (!combo_) return {};
  if (editable_) return combo_->GetWindowText();
  const int sel = combo_->GetCurSel();
  return sel >= 0 ? combo_->GetLBText(sel) : std::string();
}

void RibbonComboBox::SetEditText(std::string_view text) {
  if (combo_) combo_->SetWindowText(text);
}

// ---- RibbonEdit ----

RibbonEdit::RibbonEdit(UINT id, std::string_view text, RibbonPanel* panel)
    : RibbonField(Kind::kEdit, id, text, panel) {}

RibbonEdit::~RibbonEdit() = default;

Window* RibbonEdit::GetControl() const { return edit_.get(); }

std::string RibbonEdit::GetEditText() const { return edit_ ? edit_->GetWindowText() : std::string(); }

void RibbonEdit::SetEditText(std::string_view text) {
  if (edit_) edit_->SetWindowText(text);
}

// ---- RibbonLabel ----

RibbonLabel::RibbonLabel(std::string_view text, RibbonPanel* panel)
    : RibbonElement(Kind::kLabel, 0, text, panel), label_(new QLabel(detail::QtText(text))) {}

QWidget* RibbonLabel::Widget() const { return label_; }

void RibbonLabel::SetText(std::string_view text) {
  if (label_) label_->setText(detail::QtText(text));
}

// ---- RibbonPanel ----

RibbonPanel::RibbonPanel(std::string_view name, RibbonCategory* category) : name_(name), category_(category) {
  auto* frame = new QFrame;
  frame->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
  auto* column = new QVBoxLayout(frame);
  column->setContentsMargins(4, 4, 4, 2);
  column->setSpacing(2);
  auto* row = new QHBoxLayout;
  row->setSpacing(2);
  column->addLayout(row, 1);
  auto* caption = new QLabel(detail::QtText(name));
  caption->setAlignment(Qt::AlignHCenter);
  column->addWidget(caption);
  frame_ = frame;
  row_ = row;
}

RibbonPanel::~RibbonPanel() = default;

RibbonBar* RibbonPanel::Bar() const { return category_ ? category_->GetParentRibbonBar() : nullptr; }

void RibbonPanel::Place(QWidget* widget, bool small) {
  if (!small) {
    column_ = nullptr;
    row_->addWidget(widget);
    return;
  }
  if (!column_ || column_count_ == 3) {
    column_ = new QVBoxLayout;
    column_->setSpacing(0);
    row_->addLayout(column_);
    column_count_ = 0;
  }
  column_->addWidget(widget);
  ++column_count_;
}

RibbonElement* RibbonPanel::GetElement(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return elements_[static_cast<std::size_t>(index)].get();
}

RibbonButton* RibbonPanel::AddButton(UINT id, std::string_view text, RibbonButtonSize size, Bitmap image) {
  auto* button = new RibbonButton(id, text, size, std::move(image), this);
  elements_.emplace_back(button);
  Place(button->button(), size == RibbonButtonSize::kSmall);
  return button;
}

template <typename Field>
Field* RibbonPanel::PlaceField(std::unique_ptr<Field> field, int width) {
  Window* control = field->GetControl();
  control->SetFont(&Dialog::DialogFont(), false);
  QWidget* widget = detail::WidgetOfWindow(*control);
  widget->setFixedSize(width, kFieldHeight);
  field->box_ = LabelledField(field->GetText(), widget);
  Place(field->box_, true);
  elements_.push_back(std::move(field));
  return static_cast<Field*>(elements_.back().get());
}

RibbonComboBox* RibbonPanel::AddComboBox(UINT id, std::string_view text, bool editable, int width) {
  RibbonBar* bar = Bar();
  if (!bar || !bar->GetSafeHwnd()) return nullptr;
  auto element = std::unique_ptr<RibbonComboBox>(new RibbonComboBox(id, text, editable, this));
  element->combo_ = std::make_unique<ComboBox>();
  const DWORD style = (editable ? CBS_DROPDOWN : CBS_DROPDOWNLIST) | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP |
                      WS_BORDER | WS_VISIBLE;
  if (!element->combo_->Create(style, Rect{0, 0, width, kFieldHeight}, bar, id)) return nullptr;
  return PlaceField(std::move(element), width);
}

RibbonEdit* RibbonPanel::AddEdit(UINT id, std::string_view text, int width) {
  RibbonBar* bar = Bar();
  if (!bar || !bar->GetSafeHwnd()) return nullptr;
  auto element = std::unique_ptr<RibbonEdit>(new RibbonEdit(id, text, this));
  element->edit_ = std::make_unique<Edit>();
  const DWORD style = ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER | WS_VISIBLE;
  if (!element->edit_->Create(style, Rect{0, 0, width, kFieldHeight}, bar, id)) return nullptr;
  return PlaceField(std::move(element), width);
}

RibbonLabel* RibbonPanel::AddLabel(std::string_view text) {
  auto* label = new RibbonLabel(text, this);
  elements_.emplace_back(label);
  Place(label->label_, true);
  return label;
}

void RibbonPanel::AddSeparator() {
  auto* line = new QFrame;
  line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
  Place(line, false);
}

// ---- RibbonCategory ----

RibbonCategory::RibbonCategory(std::string_view name, RibbonBar* bar, QWidget* page)
    : name_(name), bar_(bar), page_(page) {
  auto* row = new QHBoxLayout(page);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(4);
  row->addStretch(1);
  row_ = row;
}

RibbonCategory::~RibbonCategory() = default;

RibbonPanel* RibbonCategory::AddPanel(std::string_view name) {
  auto* panel = new RibbonPanel(name, this);
  panels_.emplace_back(panel);
  row_->insertWidget(row_->count() - 1, panel->frame_);
  return panel;
}

RibbonPanel* RibbonCategory::GetPanel(int index) const {
  if (index < 0 || index >= GetPanelCount()) return nullptr;
  return panels_[static_cast<std::size_t>(index)].get();
}

}  // namespace plat
