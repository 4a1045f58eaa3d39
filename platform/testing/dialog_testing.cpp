#include "platform/testing/dialog_testing.h"

#include "platform/controls/button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/folder_tree.h"
#include "platform/controls/list_box.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/file_dialog.h"
#include "platform/dialogs/folder_dialog.h"
#include "platform/dialogs/font_dialog.h"
#include "platform/message_box.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace plat::testing {
namespace {

template <typename T>
std::optional<T> PopFront(std::deque<std::optional<T>>& queue) {
  if (queue.empty()) return std::nullopt;
  std::optional<T> value = std::move(queue.front());
  queue.pop_front();
  return value;
}

}  // namespace

DialogScript::DialogScript() : previous_dialogs_(hooks::dialogs), previous_box_(hooks::message_box) {
  dialog_handler_.run_modal = [this](Dialog& dialog) {
    shown_.push_back({ShownDialog::Kind::kDialog, dialog.TemplateId(), dialog.Caption(), {}, 0, 0, false});
    const std::size_t entry = shown_.size() - 1;
    const HWND hwnd = dialog.GetSafeHwnd();
    if (!dialog_actions_.empty()) {
      std::function<void(Dialog&)> action = std::move(dialog_actions_.front());
      dialog_actions_.pop_front();
      action(dialog);
      if (IsWindow(hwnd) && !dialog.Ended()) PumpMessages();
    }
    if (IsWindow(hwnd) && !dialog.Ended()) {
      shown_[entry].left_open = true;
      dialog.EndDialog(IDCANCEL);
    }
    shown_[entry].result = dialog.Result();
  };
  dialog_handler_.run_common = [this](CommonDialog& dialog) { return RunCommon(dialog); };
  hooks::dialogs = &dialog_handler_;
  box_handler_.handle = [this](const std::string& text, const std::string& caption, unsigned flags) {
    int answer = DefaultAnswer(flags);
    if (!box_answers_.empty()) {
      answer = box_answers_.front();
      box_answers_.pop_front();
    } else if (previous_box_) {
      answer = previous_box_->handle(text, caption, flags);
    }
    shown_.push_back({ShownDialog::Kind::kMessageBox, 0, caption, text, flags, answer, false});
    return answer;
  };
  hooks::message_box = &box_handler_;
}

DialogScript::~DialogScript() {
  hooks::dialogs = previous_dialogs_;
  hooks::message_box = previous_box_;
}

void DialogScript::OnNextDialog(std::function<void(Dialog&)> action) { dialog_actions_.push_back(std::move(action)); }

void DialogScript::PressNext(UINT id) {
  OnNextDialog([id](Dialog& dialog) { Press(dialog, id); });
}

void DialogScript::AnswerBox(int id) { box_answers_.push_back(id); }
void DialogScript::AnswerFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
void DialogScript::AnswerFolder(std::optional<std::string> folder) { folders_.push_back(std::move(folder)); }
void DialogScript::AnswerFont(std::optional<Font> font) { fonts_.push_back(std::move(font)); }

std::vector<std::string> DialogScript::Captions() const {
  std::vector<std::string> captions;
  for (const ShownDialog& s : shown_) captions.push_back(s.caption);
  return captions;
}

int DialogScript::RunCommon(CommonDialog& dialog) {
  ShownDialog entry{ShownDialog::Kind::kFolder, 0, dialog.title(), {}, 0, IDCANCEL, false};
  const std::size_t at = shown_.size();
  switch (dialog.kind()) {
    case CommonDialog::Kind::kFileOpen:
    case CommonDialog::Kind::kFileSave: {
      entry.kind = dialog.kind() == CommonDialog::Kind::kFileOpen ? ShownDialog::Kind::kFileOpen
                                                                  : ShownDialog::Kind::kFileSave;
      shown_.push_back(entry);
      auto& file = static_cast<FileDialog&>(dialog);
      // A refused choice asks again: the next scripted answer.
      while (std::optional<std::string> path = PopFront(files_)) {
        if (file.Choose(*path)) {
          shown_[at].result = IDOK;
          shown_[at].text = file.GetPathName();
          return IDOK;
        }
      }
      return IDCANCEL;
    }
    case CommonDialog::Kind::kFolder: {
      shown_.push_back(entry);
      auto& folder = static_cast<FolderDialog&>(dialog);
      const std::optional<std::string> answer = PopFront(folders_);
      const bool chosen = answer && folder.Choose(*answer);
      shown_[at].text = folder.StatusText();
      shown_[at].result = chosen ? IDOK : IDCANCEL;
      return shown_[at].result;
    }
    case CommonDialog::Kind::kFont: {
      entry.kind = ShownDialog::Kind::kFont;
      shown_.push_back(entry);
      const std::optional<Font> font = PopFront(fonts_);
      if (!font) return IDCANCEL;
      static_cast<FontDialog&>(dialog).Choose(*font);
      shown_[at].text = font->face;
      shown_[at].result = IDOK;
      return IDOK;
    }
  }
  return IDCANCEL;
}

void TypeInto(Dialog& dialog, UINT id, std::string_view text) {
  Window* control = dialog.GetDlgItem(id);
  if (!control) return;
  dialog.GotoDlgCtrl(control);
  // The keys go where the focus went (the field of a combo box).
  Window* target = Window::GetFocus();
  if (!target || (target != control && !control->IsChild(target))) target = control;
  target->SendMessage(EM_SETSEL, 0, -1);
  PressKey(*target, VK_DELETE);
  TypeText(*target, text);
}

void SetItemText(Dialog& dialog, UINT id, std::string_view text) { dialog.SetDlgItemText(id, text); }

std::string ItemText(Dialog& dialog, UINT id) { return dialog.GetDlgItemText(id); }

bool Press(Dialog& dialog, UINT id) {
  Window* button = dialog.GetDlgItem(id);
  if (!button || !button->IsWindowVisible() || !button->IsWindowEnabled()) return false;
  // A click gives the button the focus first (the field left may check its text).
  const HWND hwnd = button->GetSafeHwnd();
  button->SetFocus();
  if (!IsWindow(hwnd) || !button->IsWindowVisible() || !button->IsWindowEnabled()) return false;
  button->SendMessage(BM_CLICK);
  return true;
}

bool SetChecked(Dialog& dialog, UINT id, bool checked) {
  Window* button = dialog.GetDlgItem(id);
  if (!button) return false;
  for (int i = 0; i < 3 && (button->SendMessage(BM_GETCHECK) == BST_CHECKED) != checked; ++i) {
    if (!Press(dialog, id)) return false;
  }
  return (button->SendMessage(BM_GETCHECK) == BST_CHECKED) == checked;
}

bool IsChecked(Dialog& dialog, UINT id) { return dialog.IsDlgButtonChecked(id) == BST_CHECKED; }

bool Choose(Dialog& dialog, UINT id, int index) {
  Window* control = dialog.GetDlgItem(id);
  if (!control || !control->IsWindowVisible() || !control->IsWindowEnabled()) return false;
  if (auto* list = dynamic_cast<ListBox*>(control)) {
    // As a click on the entry, scrolled into view first.
    if (index < 0 || index >= list->GetCount()) return false;
    if (list->GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
      list->SetSel(-1, false);
    }
    list->SetTopIndex(index);
    Rect item;
    list->GetItemRect(index, &item);
    Click(*list, Point{item.left + 2, item.top + 1});
    return true;
  }
  if (auto* combo = dynamic_cast<ComboBox*>(control)) {
    if (index < 0 || index >= combo->GetCount()) return false;
    // Dropped, the line chosen with the keys, Enter.
    dialog.GotoDlgCtrl(combo);
    combo->ShowDropDown(true);
    Window& keys = combo->GetEdit() ? static_cast<Window&>(*combo->GetEdit()) : *combo;
    PressKey(keys, VK_HOME);
    for (int i = 0; i < index; ++i) PressKey(keys, VK_DOWN);
    PressKey(keys, VK_RETURN);
    return combo->GetCurSel() == index;
  }
  return false;
}

bool ChooseText(Dialog& dialog, UINT id, std::string_view text) {
  Window* control = dialog.GetDlgItem(id);
  int index = -1;
  if (auto* list = dynamic_cast<ListBox*>(control)) {
    for (int i = 0; i < list->GetCount() && index < 0; ++i) index = list->GetText(i) == text ? i : -1;
  } else if (auto* combo = dynamic_cast<ComboBox*>(control)) {
    for (int i = 0; i < combo->GetCount() && index < 0; ++i) index = combo->GetLBText(i) == text ? i : -1;
  }
  return index >= 0 && Choose(dialog, id, index);
}

bool DoubleClickItem(Dialog& dialog, UINT id, int index) {
  auto* list = dynamic_cast<ListBox*>(dialog.GetDlgItem(id));
  if (!list || index < 0 || index >= list->GetCount()) return false;
  list->SetTopIndex(index);
  Rect item;
  list->GetItemRect(index, &item);
  DoubleClick(*list, Point{item.left + 2, item.top + 1});
  return true;
}

namespace {

// Opens the folders above `path` as a person would and shows its item.
FolderTree* ReachTreePath(Dialog& dialog, UINT id, std::string_view path) {
  auto* tree = dynamic_cast<FolderTree*>(dialog.GetDlgItem(id));
  if (!tree || path.empty() || path.front() != '/') return nullptr;
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  std::vector<std::string_view> above;
  if (path != "/") above.push_back("/");
  for (std::size_t end = path.find('/', 1); end != std::string_view::npos; end = path.find('/', end + 1)) {
    above.push_back(path.substr(0, end));
  }
  for (const std::string_view folder : above) {
    if (tree->IsExpanded(folder)) continue;
    tree->EnsureVisible(folder);
    const std::optional<Rect> box = tree->ButtonRect(folder);
    if (!box) return nullptr;
    Click(*tree, Point{(box->left + box->right) / 2, (box->top + box->bottom) / 2});
    if (!tree->IsExpanded(folder)) return nullptr;
  }
  tree->EnsureVisible(path);
  return tree->ItemRect(path) ? tree : nullptr;
}

}  // namespace

bool SelectTreePath(Dialog& dialog, UINT id, std::string_view path) {
  FolderTree* tree = ReachTreePath(dialog, id, path);
  if (!tree) return false;
  const Rect item = *tree->ItemRect(path);
  Click(*tree, Point{item.left + 3, (item.top + item.bottom) / 2});
  return true;
}

bool DoubleClickTreePath(Dialog& dialog, UINT id, std::string_view path) {
  FolderTree* tree = ReachTreePath(dialog, id, path);
  if (!tree) return false;
  const Rect item = *tree->ItemRect(path);
  DoubleClick(*tree, Point{item.left + 3, (item.top + item.bottom) / 2});
  return true;
}

std::vector<ControlInfo> ControlsOf(Dialog& dialog) {
  std::vector<ControlInfo> controls;
  for (Window* w = dialog.GetWindow(GW_CHILD); w; w = w->GetWindow(GW_HWNDNEXT)) {
    ControlInfo info;
    info.id = w->GetDlgCtrlID();
    info.window = w;
    info.visible = w->IsWindowVisible();
    w->GetWindowRect(&info.rect);
    dialog.ScreenToClient(&info.rect);
    controls.push_back(info);
  }
  return controls;
}

}  // namespace plat::testing
