// The test program of scripted runs: a frame with the menu File (Store,
// Dialog, Locked: always disabled, Open: a file dialog, Size: notes the view's
// size), a view that notes its clicks, drags, wheel turns, keys and
// characters, and a modal dialog with the edit 1000, the check box 1001, the
// list 1002 and OK. What reaches it is appended, a line each, to the file
// argv[1]; with argv[2] "max" the frame is shown maximised.
#include <cstdio>
#include <string>

#include "platform/controls/list_box.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/dialogs/file_dialog.h"
#include "platform/frames/accelerators.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/view.h"
#include "platform/frames/win_app.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace {

constexpr plat::UINT kStore = 32771;
constexpr plat::UINT kDialog = 32772;
constexpr plat::UINT kLocked = 32773;
constexpr plat::UINT kOpen = 32774;
constexpr plat::UINT kSize = 32775;

std::string notes_path;

void Note(const std::string& line) {
  if (std::FILE* f = std::fopen(notes_path.c_str(), "ab")) {
    std::fprintf(f, "%s\n", line.c_str());
    std::fclose(f);
  }
}

class ValueDialog : public plat::Dialog {
 public:
  explicit ValueDialog(plat::Window* owner) : Dialog(100, "Value", owner) {}
  std::string value;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override {
    auto row = layout.Row();
    row.Text("&Value:");
    row.EditBox(1000);
    layout.CheckBox("&Fine", 1001);
    list_ = &layout.List(1002, plat::LBS_NOTIFY | plat::WS_VSCROLL | plat::WS_BORDER, 10, 3);
    layout.OkCancel();
  }
  bool OnInitDialog() override {
    for (const char* entry : {"first", "second", "third"}) list_->AddString(entry);
    return Dialog::OnInitDialog();
  }
  void OnOK() override {
    value = GetDlgItemText(1000);
    if (IsDlgButtonChecked(1001) || list_->GetCurSel() >= 0) {
      value += " fine " + std::to_string(IsDlgButtonChecked(1001)) + " entry " + std::to_string(list_->GetCurSel());
    }
    Dialog::OnOK();
  }

 private:
  plat::ListBox* list_ = nullptr;
};

class NoteView : public plat::View {
 protected:
  void OnDraw(plat::Dc& dc) override {
    dc.FillRect(plat::Rect{10, 10, 110, 60}, plat::Brush::Solid(plat::Rgb(0, 0, 160)));
    dc.TextOut(10, 70, "Script test");
  }
  void OnLButtonDown(plat::UINT flags, plat::Point p) override {
    dragged_ = false;
    Note("click " + Where(p) + (flags & plat::MK_SHIFT ? " Shift" : "") + (flags & plat::MK_CONTROL ? " Ctrl" : ""));
  }
  void OnLButtonDblClk(plat::UINT, plat::Point p) override { Note("double " + Where(p)); }
  void OnRButtonDown(plat::UINT, plat::Point p) override { Note("right " + Where(p)); }
  void OnMouseMove(plat::UINT flags, plat::Point) override { dragged_ = dragged_ || (flags & plat::MK_LBUTTON); }
  void OnLButtonUp(plat::UINT, plat::Point p) override {
    if (dragged_) Note("dragged to " + Where(p));
    dragged_ = false;
  }
  bool OnMouseWheel(plat::UINT flags, short delta, plat::Point) override {
    Note("wheel " + std::to_string(delta) + (flags & plat::MK_CONTROL ? " Ctrl" : ""));
    return true;
  }
  void OnKeyDown(plat::UINT vk, plat::UINT, plat::UINT) override {
    if (vk == plat::VK_CONTROL || vk == plat::VK_MENU) return;
    const bool ctrl = plat::GetKeyState(plat::VK_CONTROL) < 0;
    Note("key " + std::string(ctrl ? "Ctrl+" : "") + std::to_string(vk));
  }
  void OnChar(plat::UINT ch, plat::UINT, plat::UINT) override {
    if (ch >= 32) Note("char " + std::string(1, static_cast<char>(ch)));
  }
  void OnKeyUp(plat::UINT vk, plat::UINT, plat::UINT) override {
    if (vk == plat::VK_SHIFT) Note("key up " + std::to_string(vk));
  }

 private:
  static std::string Where(plat::Point p) { return std::to_string(p.x) + " " + std::to_string(p.y); }
  bool dragged_ = false;
};

class NoteFrame : public plat::FrameWnd {
 public:
  NoteFrame() {
    MapCommand(kStore, [] { Note("command store"); });
    MapCommand(kLocked, [] { Note("command locked"); });
    MapUpdate(kLocked, [](plat::CmdUI& ui) { ui.Enable(false); });
    MapCommand(kDialog, [this] {
      ValueDialog dialog(this);
      const int result = dialog.DoModal();
      Note("dialog " + std::to_string(result) + " " + dialog.value);
    });
    MapCommand(kSize, [this] {
      plat::Rect r;
      GetActiveView()->GetClientRect(&r);
      Note("view " + std::to_string(r.Width()) + " " + std::to_string(r.Height()));
    });
    MapCommand(kOpen, [this] {
      plat::FileDialog dialog(true, "txt", "", 0, "Text files (*.txt)|*.txt||", this);
      const int result = dialog.DoModal();
      Note("open " + std::to_string(result) + " " + (result == plat::IDOK ? dialog.GetPathName() : ""));
    });
  }

 protected:
  void OnClose() override {
    plat::Rect r;
    GetWindowRect(&r);
    Note("frame " + std::to_string(r.Width()) + " " + std::to_string(r.Height()));
    FrameWnd::OnClose();
  }
};

class ScriptTestApp : public plat::WinApp {
 public:
  explicit ScriptTestApp(bool show_maximised) : WinApp("SCRIPTTEST"), maximised(show_maximised) {}
  bool maximised;
  bool InitInstance() override {
    plat::Menu file = plat::Menu::Popup();
    file.AppendMenu(plat::MF_STRING, kStore, "&Store\tCtrl+S");
    file.AppendMenu(plat::MF_STRING, kDialog, "&Dialog\tCtrl+D");
    file.AppendMenu(plat::MF_STRING, kLocked, "&Locked");
    file.AppendMenu(plat::MF_STRING, kOpen, "&Open");
    file.AppendMenu(plat::MF_STRING, kSize, "Si&ze");
    plat::Menu bar;
    bar.AppendMenu(plat::MF_POPUP, std::move(file), "&File");
    plat::CreateContext context;
    context.new_view = [] { return new NoteView; };
    auto* frame = new NoteFrame;
    frame->auto_delete = true;
    const plat::Rect place{40, 40, 520, 400};
    if (!frame->Create("Script test", plat::WS_OVERLAPPEDWINDOW, place, nullptr, bar, &context)) return false;
    frame->SetAccelerators(plat::AcceleratorTable({{plat::FVIRTKEY | plat::FCONTROL, 'D', kDialog}}));
    SetMainWnd(frame);
    frame->ShowWindow(maximised ? plat::SW_SHOWMAXIMIZED : plat::SW_SHOW);
    return true;
  }
};

}  // namespace

int main(int argc, char** argv) {
  notes_path = argc > 1 ? argv[1] : "/dev/null";
  ScriptTestApp app(argc > 2 && std::string(argv[2]) == "max");
  return app.Run(argc, argv);
}
