#include "platform/frames/win_app.h"

#include <QApplication>
#include <QRect>
#include <QWidget>

#include <cstring>

#include "platform/application.h"
#include "platform/dialogs/dialog_frame.h"
#include "platform/frames/app_look.h"
#include "platform/frames/command_ids.h"
#include "platform/frames/doc_template.h"
#include "platform/frames/frame_wnd.h"
#include "platform/print/print_dialog.h"

namespace plat {

namespace {

WinApp* current_app = nullptr;

void PutInt(std::vector<std::uint8_t>& bytes, std::int32_t v) {
  std::uint8_t b[4];
  std::memcpy(b, &v, 4);  // little-endian, as the platform is
  bytes.insert(bytes.end(), b, b + 4);
}

std::int32_t GetInt32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  std::int32_t v = 0;
  std::memcpy(&v, bytes.data() + at, 4);
  return v;
}

constexpr std::size_t kPlacementSize = 24;  // flags, show command, left, top, right, bottom

}  // namespace

WinApp::WinApp(std::string_view app_name) : app_name_(app_name) { current_app = this; }

WinApp::~WinApp() {
  templates_.clear();
  if (current_app == this) current_app = nullptr;
}

WinApp* WinApp::Get() { return current_app; }

int WinApp::Run(int argc, char** argv) {
  argc_ = argc;
  std::unique_ptr<Application> application;
  if (!QCoreApplication::instance()) application = std::make_unique<Application>(argc_, argv);
  command_line_ = CommandLineText(argc, argv);
  if (!InitApplication()) return -1;
  if (!InitInstance()) {
    if (FrameWnd* main = GetMainWnd()) main->DestroyWindow();
    return ExitInstance();
  }
  quit_code_ = QApplication::exec();
  return ExitInstance();
}

bool WinApp::InitApplication() { return true; }
bool WinApp::InitInstance() { return true; }
int WinApp::ExitInstance() { return quit_code_; }

FrameWnd* WinApp::GetMainWnd() const { return dynamic_cast<FrameWnd*>(Window::FromHandle(main_wnd_)); }

void WinApp::SetMainWnd(FrameWnd* frame) { main_wnd_ = frame ? frame->GetSafeHwnd() : nullptr; }

void WinApp::AddDocTemplate(std::unique_ptr<DocTemplate> doc_template) {
  if (doc_template) templates_.push_back(std::move(doc_template));
}

DocTemplate* WinApp::GetDocTemplate(int index) const {
  if (index < 0 || index >= GetDocTemplateCount()) return nullptr;
  return templates_[static_cast<std::size_t>(index)].get();
}

void WinApp::OnFileNew() {
  if (DocTemplate* t = GetDocTemplate(0)) t->OpenDocumentFile({});
}

void WinApp::OnAppExit() {
  if (FrameWnd* main = GetMainWnd()) main->SendMessage(WM_CLOSE);
}

void WinApp::OnFilePrintSetup() { PrinterSetupDialog(); }

void WinApp::CloseAllDocuments() {
  for (auto& t : templates_) t->CloseAllDocuments();
}

std::string WinApp::SectionKey(std::string_view section) const {
  return "Software/" + company_ + "/" + app_name_ + "/" + std::string(section);
}

int WinApp::GetProfileInt(std::string_view section, std::string_view entry, int default_value) const {
  const auto v = store_.GetDword(SectionKey(section), entry);
  return v ? static_cast<int>(*v) : default_value;
}

bool WinApp::WriteProfileInt(std::string_view section, std::string_view entry, int value) {
  return store_.SetDword(SectionKey(section), entry, static_cast<std::uint32_t>(value));
}

std::string WinApp::GetProfileString(std::string_view section, std::string_view entry,
                                     std::string_view default_value) const {
  const auto v = store_.GetString(SectionKey(section), entry);
  return v ? *v : std::string(default_value);
}

bool WinApp::WriteProfileString(std::string_view section, std::string_view entry, std::string_view value) {
  return store_.SetString(SectionKey(section), entry, value);
}

std::optional<std::vector<std::uint8_t>> WinApp::GetProfileBinary(std::string_view section,
                                                                  std::string_view entry) const {
  return store_.GetBinary(SectionKey(section), entry);
}

bool WinApp::WriteProfileBinary(std::string_view section, std::string_view entry,
                                const std::vector<std::uint8_t>& value) {
  return store_.SetBinary(SectionKey(section), entry, value);
}

int WinApp::GetInt(std::string_view entry, int default_value) const {
  return GetProfileInt("Workspace", entry, default_value);
}

bool WinApp::WriteInt(std::string_view entry, int value) { return WriteProfileInt("Workspace", entry, value); }

bool WinApp::SaveWindowPlacement(FrameWnd& frame, std::string_view name) {
  QWidget* widget = detail::WidgetOfWindow(frame);
  if (!widget) return false;
  const QRect normal = widget->isMaximized() || widget->isMinimized() ? widget->normalGeometry() : widget->geometry();
  std::vector<std::uint8_t> bytes;
  PutInt(bytes, 0);
  PutInt(bytes, widget->isMaximized() ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  PutInt(bytes, normal.left());
  PutInt(bytes, normal.top());
  PutInt(bytes, normal.left() + normal.width());
  PutInt(bytes, normal.top() + normal.height());
  return WriteProfileBinary("Workspace/" + std::string(name), "WindowPlacement", bytes);
}

bool WinApp::ReloadWindowPlacement(FrameWnd& frame, std::string_view name) {
  const auto bytes = GetProfileBinary("Workspace/" + std::string(name), "WindowPlacement");
  if (!bytes || bytes->size() != kPlacementSize || !frame.GetSafeHwnd()) return false;
  const int show = GetInt32(*bytes, 4);
  const Rect r{GetInt32(*bytes, 8), GetInt32(*bytes, 12), GetInt32(*bytes, 16), GetInt32(*bytes, 20)};
  // A damaged or absurd placement is not used.
  constexpr int kLimit = 100000;
  if (r.Width() <= 0 || r.Height() <= 0 || r.Width() > kLimit || r.Height() > kLimit || r.left < -kLimit ||
      r.top < -kLimit || r.left > kLimit || r.top > kLimit) {
    return false;
  }
  frame.MoveWindow(r);
  if (show == SW_SHOWMAXIMIZED) SetShowCmd(SW_SHOWMAXIMIZED);
  return true;
}

int WinApp::GetApplicationLook() const {
  return GetInt("ApplicationLook", static_cast<int>(ID_VIEW_APPLOOK_OFF_2007_BLUE));
}

void WinApp::SetApplicationLook(int look) {
  ApplyApplicationLook(look);
  WriteInt("ApplicationLook", look);
}

void WinApp::AddContextMenu(std::string_view name, Menu menu) {
  Menu popup = Menu::Popup();
  // A menu given as a bar with one pop-up stands for that pop-up (a menu resource).
  if (!menu.IsPopup() && menu.GetMenuItemCount() == 1 && menu.GetSubMenu(0)) {
    popup = *menu.GetSubMenu(0);
  } else {
    popup = std::move(menu);
  }
  context_menus_[std::string(name)] = std::move(popup);
}

Menu* WinApp::GetContextMenu(std::string_view name) {
  auto it = context_menus_.find(std::string(name));
  return it == context_menus_.end() ? nullptr : &it->second;
}

UINT WinApp::ShowPopupMenu(std::string_view name, Point screen, Window* owner) {
  Menu* menu = GetContextMenu(name);
  if (!menu) return 0;
  const UINT id = menu->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, screen.x, screen.y, owner);
  if (id != 0 && owner) {
    // As the framework's context menus: the command goes to the owner's frame.
    Window* target = owner;
    for (Window* w = owner; w; w = w->GetParent()) {
      if (dynamic_cast<FrameWnd*>(w)) target = w;
      if (!(w->GetStyle() & WS_CHILD)) break;
    }
    target->PostMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
  }
  return id;
}

}  // namespace plat
