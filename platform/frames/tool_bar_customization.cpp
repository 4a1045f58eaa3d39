#include "platform/frames/tool_bar_customization.h"

#include <algorithm>
#include <cctype>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/frames/customize_dialog.h"
#include "platform/frames/doc_template.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/win_app.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "platform/whole_file.h"
#include "platform/window/system_metrics.h"

namespace plat {

namespace {

std::vector<UINT> IdsOf(const std::vector<ToolButton>& buttons) {
  std::vector<UINT> ids;
  for (const ToolButton& b : buttons) ids.push_back(b.id);
  return ids;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// A floating place on the screen as it is now (a bar kept from a larger screen stays reachable).
Point OnScreen(Point place) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  if (width <= 0 || height <= 0) return place;
  constexpr int kReachable = 40;
  return Point{std::clamp(place.x, 0, std::max(0, width - kReachable)),
               std::clamp(place.y, 0, std::max(0, height - kReachable))};
}

}  // namespace

ToolBarCustomization::ToolBarCustomization(FrameWnd& frame, const std::vector<ToolBar*>& standard,
                                           UINT customize_command, std::string customize_text,
                                           std::string settings_file)
    : frame_(frame),
      customize_command_(customize_command),
      customize_text_(std::move(customize_text)),
      settings_file_(std::move(settings_file)) {
  for (ToolBar* bar : standard) {
    if (!bar || !bar->GetSafeHwnd()) continue;
    standard_.push_back(Standard{bar->GetSafeHwnd(), bar->GetButtons()});
    bar->EnableCustomizeButton(true, customize_command_, customize_text_);
  }
  saved_ = FormatToolBarsSetup(Setup());
}

ToolBarCustomization::~ToolBarCustomization() = default;

ToolBar* ToolBarCustomization::StandardBar(const Standard& standard) const {
  return dynamic_cast<ToolBar*>(Window::FromHandle(standard.bar));
}

const ToolBarCustomization::Standard* ToolBarCustomization::StandardOf(const ToolBar& bar) const {
  for (const Standard& s : standard_) {
    if (s.bar == bar.GetSafeHwnd()) return &s;
  }
  return nullptr;
}

std::vector<ToolBar*> ToolBarCustomization::Bars() const {
  std::vector<ToolBar*> bars;
  for (const Standard& s : standard_) {
    if (ToolBar* bar = StandardBar(s)) bars.push_back(bar);
  }
  for (const auto& bar : user_) bars.push_back(bar.get());
  return bars;
}

bool ToolBarCustomization::IsStandard(const ToolBar& bar) const { return StandardOf(bar) != nullptr; }

bool ToolBarCustomization::NameTaken(std::string_view name, const ToolBar* except) const {
  for (ToolBar* bar : Bars()) {
    if (bar != except && SameName(bar->GetWindowText(), name)) return true;
  }
  return false;
}

UINT ToolBarCustomization::FreeUserBarId() const {
  for (UINT id = kFirstUserToolBarId; IsUserToolBarId(id); ++id) {
    const bool taken = std::any_of(user_.begin(), user_.end(), [id](const auto& b) { return b->GetDlgCtrlID() == id; });
    if (!taken) return id;
  }
  return 0;
}

ToolBar* ToolBarCustomization::MakeUserBar(UINT id, std::string_view name) {
  auto bar = std::make_unique<ToolBar>();
  if (!bar->Create(&frame_, id)) return nullptr;
  bar->SetWindowText(name);
  bar->EnableCustomizeButton(true, customize_command_, customize_text_);
  user_.push_back(std::move(bar));
  return user_.back().get();
}

ToolBar* ToolBarCustomization::AddUserBar(std::string_view name) {
  if (UserBarCount() >= kMaxUserToolBars || !ToolBarNameProblem(name).empty() || NameTaken(name)) return nullptr;
  const UINT id = FreeUserBarId();
  return id ? MakeUserBar(id, name) : nullptr;
}

void ToolBarCustomization::DeleteUserBar(ToolBar& bar) {
  const auto it = std::find_if(user_.begin(), user_.end(), [&bar](const auto& b) { return b.get() == &bar; });
  if (it == user_.end()) return;
  std::unique_ptr<ToolBar> gone = std::move(*it);
  user_.erase(it);
  gone->DestroyWindow();
  frame_.RecalcLayout();
}

void ToolBarCustomization::ResetBar(ToolBar& bar) {
  if (const Standard* s = StandardOf(bar)) bar.SetButtons(s->defaults);
}

std::vector<CommandCategory> ToolBarCustomization::Categories() const {
  std::vector<const Menu*> menus{frame_.GetMenu(), frame_.GetDisplayedMenu()};
  if (WinApp* app = WinApp::Get()) {
    for (int i = 0; i < app->GetDocTemplateCount(); ++i) menus.push_back(&app->GetDocTemplate(i)->GetMenu());
  }
  std::vector<CommandCategory> categories = CommandsOfMenus(menus);
  for (const Standard& s : standard_) {
    ToolBar* bar = StandardBar(s);
    if (!bar) continue;
    CommandCategory category{bar->GetWindowText(), {}};
    for (const ToolButton& b : s.defaults) {
      if (b.id != 0) category.commands.push_back({b.id, b.text, {}});
    }
    if (!category.commands.empty()) AddToCategories(categories, std::move(category));
  }
  for (CommandCategory& category : categories) {
    std::erase_if(category.commands, [this](const CatalogueCommand& c) { return c.id == customize_command_; });
  }
  return categories;
}

ToolButton ToolBarCustomization::ButtonFor(UINT id, std::string_view text) const {
  for (const Standard& s : standard_) {
    for (const ToolButton& b : s.defaults) {
      if (b.id == id && id != 0) {
        ToolButton button = b;
        button.hidden = false;
        return button;
      }
    }
  }
  return ToolButton(id, std::string(text));
}

ToolBarsSetup ToolBarCustomization::Setup() const {
  ToolBarsSetup setup;
  for (ToolBar* bar : Bars()) {
    ToolBarSetup b;
    b.id = bar->GetDlgCtrlID();
    b.name = bar->GetWindowText();
    b.side = bar->GetDockSide();
    b.shown = bar->IsBarVisible();
    b.float_place = bar->GetFloatingPlace();
    if (const Standard* s = StandardOf(*bar)) b.defaults = IdsOf(s->defaults);
    b.buttons = bar->GetButtons();
    for (ToolButton& button : b.buttons) button.image = Bitmap();
    setup.bars.push_back(std::move(b));
  }
  return setup;
}

void ToolBarCustomization::ApplyPlace(ToolBar& bar, const ToolBarSetup& setup) {
  bar.SetFloatingPlace(OnScreen(setup.float_place));
  bar.DockAt(setup.side);
  frame_.ShowControlBar(&bar, setup.shown);
}

void ToolBarCustomization::Apply(const ToolBarsSetup& setup) {
  for (const ToolBarSetup& kept : setup.bars) {
    std::vector<ToolButton> buttons;
    for (const ToolButton& b : kept.buttons) {
      ToolButton button = b.id == 0 ? ToolButton() : ButtonFor(b.id, b.text);
      if (b.id != 0) button.text = b.text;
      button.hidden = b.hidden;
      buttons.push_back(std::move(button));
    }
    ToolBar* bar = nullptr;
    if (IsUserToolBarId(kept.id)) {
      bar = MakeUserBar(kept.id, kept.name);
      if (bar) bar->SetButtons(std::move(buttons));
    } else {
      for (const Standard& s : standard_) {
        if (StandardBar(s) && StandardBar(s)->GetDlgCtrlID() == kept.id) bar = StandardBar(s);
      }
      // Buttons kept from the program's present defaults; other ones give way to them.
      if (bar && kept.defaults == IdsOf(StandardOf(*bar)->defaults)) bar->SetButtons(std::move(buttons));
    }
    if (bar) ApplyPlace(*bar, kept);
  }
}

void ToolBarCustomization::Restore() {
  if (FileExists(settings_file_)) {
    const auto bytes = ReadWholeFile(settings_file_);
    const std::string text = bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : std::string();
    std::vector<UINT> standard_ids;
    for (ToolBar* bar : Bars()) standard_ids.push_back(bar->GetDlgCtrlID());
    const ParsedToolBars parsed = bytes ? ParseToolBarsSetup(text, standard_ids)
                                        : ParsedToolBars{std::nullopt, "it cannot be read"};
    if (parsed.setup) {
      Apply(*parsed.setup);
    } else {
      MessageBox("The file " + settings_file_ + " is damaged: " + parsed.problem + ". The default tool bars are shown.",
                 "Error", MB_OK);
    }
  }
  saved_ = FormatToolBarsSetup(Setup());
}

bool ToolBarCustomization::Save() {
  const std::string text = FormatToolBarsSetup(Setup());
  std::string bytes;
  TextWriter writer;
  writer.OpenText(bytes);
  writer.Write(text);
  const std::size_t slash = settings_file_.rfind('/');
  const bool folder = slash == std::string::npos || MakeFolder(settings_file_.substr(0, slash));
  if (!writer.Close() || !folder || !ReplaceWholeFile(settings_file_, bytes)) {
    MessageBox("The tool bars could not be stored in the file " + settings_file_ + ".", "Error", MB_OK);
    return false;
  }
  saved_ = text;
  return true;
}

void ToolBarCustomization::SaveIfChanged() {
  for (const Standard& s : standard_) {
    if (!StandardBar(s)) return;
  }
  if (FormatToolBarsSetup(Setup()) != saved_) Save();
}

void ToolBarCustomization::Customize() {
  ToolBarsCustomizeDialog dialog(*this);
  dialog.DoModal();
  SaveIfChanged();
}

void ToolBarCustomization::ShowContextMenu(Point screen) {
  Menu menu = Menu::Popup();
  const std::vector<ToolBar*> bars = Bars();
  for (ToolBar* bar : bars) {
    menu.AppendMenu(MF_STRING | (bar->IsBarVisible() ? MF_CHECKED : MF_UNCHECKED), bar->GetDlgCtrlID(),
                    bar->GetWindowText());
  }
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING, customize_command_, customize_text_);
  const UINT chosen = menu.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, screen.x, screen.y, &frame_);
  if (chosen == 0) return;
  if (chosen == customize_command_) {
    Customize();
    return;
  }
  for (ToolBar* bar : Bars()) {
    if (bar->GetDlgCtrlID() == chosen) {
      frame_.ShowControlBar(bar, !bar->IsBarVisible());
      SaveIfChanged();
      return;
    }
  }
}

}  // namespace plat
