#include "platform/ribbon/ribbon_bar.h"

#include <QBoxLayout>
#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QPixmap>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QWidget>

#include "platform/controls/combo_box.h"
#include "platform/controls/control.h"
#include "platform/controls/edit.h"
#include "platform/dc/qt_bitmap.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/qt_menus.h"
#include "platform/window/virtual_keys.h"

namespace plat {

namespace {

// The text of a menu item of an id, searched through the pop-ups.
std::string MenuText(const Menu& menu, UINT id) {
  for (const Menu::Item& item : menu.items()) {
    if (item.popup) {
      std::string below = MenuText(*item.popup, id);
      if (!below.empty()) return below;
    } else if (!(item.flags & MF_SEPARATOR) && item.id == id) {
      const std::size_t tab = item.text.find('\t');
      return tab == std::string::npos ? item.text : item.text.substr(0, tab);
    }
  }
  return {};
}

}  // namespace

RibbonBar::RibbonBar() = default;

RibbonBar::~RibbonBar() {
  DestroyWindow();
  categories_.clear();
}

bool RibbonBar::Create(FrameWnd* frame, UINT id) {
  auto* root = new QWidget;
  auto* column = new QVBoxLayout(root);
  column->setContentsMargins(0, 0, 0, 2);
  column->setSpacing(0);
  auto* top = new QHBoxLayout;
  top->setContentsMargins(2, 2, 2, 0);
  top->setSpacing(2);
  column->addLayout(top);

  auto* app_button = new QToolButton;
  app_button->setFocusPolicy(Qt::NoFocus);
  app_button->setPopupMode(QToolButton::InstantPopup);
  app_button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  app_button->setText(QStringLiteral("File"));
  auto* app_menu = new QMenu(app_button);
  app_button->setMenu(app_menu);
  top->addWidget(app_button);

  auto* quick = new QHBoxLayout;
  quick->setSpacing(0);
  top->addLayout(quick);

  auto* tabs = new QTabBar;
  tabs->setFocusPolicy(Qt::NoFocus);
  tabs->setDrawBase(false);
  tabs->setExpanding(false);
  top->addWidget(tabs);
  top->addStretch(1);

  auto* pages = new QStackedWidget;
  column->addWidget(pages);
  QObject::connect(tabs, &QTabBar::currentChanged, pages, [pages, this](int index) {
    if (index >= 0 && index < pages->count()) pages->setCurrentIndex(index);
    if (GetFrame()) GetFrame()->RecalcLayout();
  });

  if (!CreateBar(frame, id, root, DockSide::kTop, "Ribbon")) return false;
  app_button_ = app_button;
  quick_row_ = quick;
  tabs_ = tabs;
  pages_ = pages;

  const HWND self = GetSafeHwnd();
  const HWND frame_handle = frame->GetSafeHwnd();
  detail::MenuModel model = [self]() -> Menu* {
    auto* bar = dynamic_cast<RibbonBar*>(Window::FromHandle(self));
    return bar ? &bar->app_menu_ : nullptr;
  };
  detail::MenuActions actions;
  actions.command = [frame_handle](UINT command) {
    plat::PostMessage(frame_handle, WM_COMMAND, MAKEWPARAM(command, 0), 0);
  };
  actions.prepare = [frame_handle](Menu& popup, int index) {
    plat::SendMessage(frame_handle, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(&popup), MAKELPARAM(index, 0));
  };
  QObject::connect(app_menu, &QMenu::aboutToShow, app_menu, [app_menu, model, actions] {
    if (Menu* m = model(); m && actions.prepare) actions.prepare(*m, 0);
    detail::FillQMenu(app_menu, model, actions);
  });
  return true;
}

void RibbonBar::SetApplicationButton(std::string_view text, Menu menu) {
  app_menu_ = std::move(menu);
  if (app_button_) app_button_->setText(detail::QtText(text));
  RebuildQuickAccess();
}

RibbonCategory* RibbonBar::AddCategory(std::string_view name) {
  if (!pages_) return nullptr;
  auto* page = new QWidget;
  categories_.emplace_back(new RibbonCategory(name, this, page));
  pages_->addWidget(page);
  tabs_->addTab(detail::QtText(name));
  tabs_->updateGeometry();
  if (QLayout* layout = content()->layout()) layout->invalidate();
  if (GetFrame()) GetFrame()->RecalcLayout();
  return categories_.back().get();
}

RibbonCategory* RibbonBar::GetCategory(int index) const {
  if (index < 0 || index >= GetCategoryCount()) return nullptr;
  return categories_[static_cast<std::size_t>(index)].get();
}

int RibbonBar::GetCategoryIndex(const RibbonCategory* category) const {
  for (int i = 0; i < GetCategoryCount(); ++i) {
    if (categories_[static_cast<std::size_t>(i)].get() == category) return i;
  }
  return -1;
}

bool RibbonBar::SetActiveCategory(int index) {
  if (!tabs_ || index < 0 || index >= GetCategoryCount()) return false;
  tabs_->setCurrentIndex(index);
  pages_->setCurrentIndex(index);
  return true;
}

RibbonCategory* RibbonBar::GetActiveCategory() const { return GetCategory(GetActiveCategoryIndex()); }

int RibbonBar::GetActiveCategoryIndex() const { return tabs_ ? tabs_->currentIndex() : -1; }

void RibbonBar::SetQuickAccessCommands(std::vector<UINT> ids) {
  quick_ids_ = std::move(ids);
  RebuildQuickAccess();
}

void RibbonBar::RebuildQuickAccess() {
  if (!quick_row_) return;
  for (QToolButton* b : quick_buttons_) {
    quick_row_->removeWidget(b);
    b->deleteLater();
  }
  quick_buttons_.clear();
  for (UINT id : quick_ids_) {
    std::string text = MenuText(app_menu_, id);
    Bitmap image;
    if (auto* element = dynamic_cast<RibbonButton*>(FindByID(id))) {
      if (text.empty()) text = element->GetText();
      image = element->image();
    }
    auto* button = new QToolButton;
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    button->setToolButtonStyle(image.IsEmpty() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    button->setText(detail::QtText(WithoutMnemonic(text.empty() ? std::to_string(id) : text)));
    button->setToolTip(button->text());
    if (!image.IsEmpty()) button->setIcon(QIcon(QPixmap::fromImage(QtImage(image))));
    QObject::connect(button, &QToolButton::clicked, button, [this, id] { SendCommand(id); });
    quick_row_->addWidget(button);
    quick_buttons_.push_back(button);
  }
}

QToolButton* RibbonBar::quick_access_button(int index) const {
  if (index < 0 || index >= static_cast<int>(quick_buttons_.size())) return nullptr;
  return quick_buttons_[static_cast<std::size_t>(index)];
}

RibbonElement* RibbonBar::FindByID(UINT id) const {
  for (RibbonElement* e : GetElements()) {
    if (e->GetID() == id) return e;
  }
  return nullptr;
}

std::vector<RibbonElement*> RibbonBar::GetElements() const {
  std::vector<RibbonElement*> all;
  for (const auto& c : categories_) {
    for (int p = 0; p < c->GetPanelCount(); ++p) {
      RibbonPanel* panel = c->GetPanel(p);
      for (int e = 0; e < panel->GetCount(); ++e) all.push_back(panel->GetElement(e));
    }
  }
  return all;
}

void RibbonBar::UpdateCmdUI(CommandTarget& target, bool disable_if_no_handler) {
  for (RibbonElement* e : GetElements()) {
    if (e->GetID() == 0 || e->kind() == RibbonElement::Kind::kLabel) continue;
    CmdUI ui(e->GetID());
    CommandTarget::DoUpdate(target, ui, disable_if_no_handler);
    if (ui.enabled()) e->SetEnabled(*ui.enabled());
    if (ui.check()) e->SetChecked(*ui.check() != 0);
  }
  for (std::size_t i = 0; i < quick_buttons_.size() && i < quick_ids_.size(); ++i) {
    CmdUI ui(quick_ids_[i]);
    CommandTarget::DoUpdate(target, ui, disable_if_no_handler);
    if (ui.enabled() && quick_buttons_[i]->isEnabled() != *ui.enabled()) quick_buttons_[i]->setEnabled(*ui.enabled());
  }
}


bool RibbonBar::OnCommand(WPARAM wParam, LPARAM) {
  // A combo box's item was chosen; other notifications of the controls stay here.
  if (HIWORD(wParam) == CBN_SELENDOK) SendCommand(LOWORD(wParam));
  return true;
}

void RibbonBar::OnDestroy() {
  categories_.clear();
  quick_buttons_.clear();
  app_button_ = nullptr;
  quick_row_ = nullptr;
  tabs_ = nullptr;
  pages_ = nullptr;
  ControlBar::OnDestroy();
}

bool RibbonBar::PreTranslateMessage(MSG* msg) {
  if (msg->message != WM_KEYDOWN || msg->wParam != static_cast<WPARAM>(VK_RETURN)) return false;
  Window* target = Window::FromHandle(msg->hwnd);
  if (!target) return false;
  // Enter in a combo box's edit or in an edit sends the element's command.
  for (RibbonElement* e : GetElements()) {
    auto* field = dynamic_cast<RibbonField*>(e);
    Window* control = field ? field->GetControl() : nullptr;
    if (!control || (target != control && !control->IsChild(target))) continue;
    if (auto* combo = dynamic_cast<RibbonComboBox*>(e); combo && combo->GetComboBox()->GetDroppedState()) {
      return false;  // the open list takes Enter
    }
    SendCommand(e->GetID());
    return true;
  }
  return false;
}

}  // namespace plat
