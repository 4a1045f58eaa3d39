#include "platform/controls/folder_tree.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/window/virtual_keys.h"

namespace plat {
namespace {

constexpr int kIndent = 16;  // pixels a level is set in
constexpr int kBox = 9;      // the expand box's side

// The home folder, without a final "/"; empty when unknown or "/".
std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  std::string path = home ? home : "";
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path == "/" ? std::string{} : path;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

}  // namespace

FolderTree::FolderTree() { MakeRoots(); }

bool FolderTree::Create(DWORD style, const Rect& rect, Window* parent, UINT id) {
  return Control::Create("", style, rect, parent, id);
}

void FolderTree::Fill() {
  MakeRoots();
  UpdateScrollBar();
  Invalidate();
}

void FolderTree::MakeRoots() {
  roots_.clear();
  selected_ = nullptr;
  top_ = 0;
  auto root = std::make_unique<Item>();
  root->text = root->path = "/";
  roots_.push_back(std::move(root));
  if (const std::string home = HomeFolder(); !home.empty()) {
    auto item = std::make_unique<Item>();
    item->text = item->path = home;
    roots_.push_back(std::move(item));
  }
}

// ---- Items ----

void FolderTree::ReadChildren(Item& item) {
  if (item.read) return;
  item.read = true;
  std::vector<std::string> folders, files;
  std::error_code error;
  for (std::filesystem::directory_iterator it(item.path, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name == "." || name == "..") continue;
    std::error_code kind_error;
    if (it->is_directory(kind_error)) {
      folders.push_back(name);
    } else if (ShowFile(name)) {
      files.push_back(name);
    }
  }
  std::sort(folders.begin(), folders.end());
  std::sort(files.begin(), files.end());
  for (const auto* names : {&folders, &files}) {
    for (const std::string& name : *names) {
      auto child = std::make_unique<Item>();
      child->text = name;
      child->path = JoinPath(item.path, name);
      child->parent = &item;
      child->is_folder = names == &folders;
      child->read = !child->is_folder;
      item.children.push_back(std::move(child));
    }
  }
}

bool FolderTree::ShowFile(std::string_view) { return false; }

void FolderTree::Expand(Item& item, bool expand) {
  if (!item.is_folder || item.expanded == expand) return;
  if (expand) ReadChildren(item);
  item.expanded = expand;
  if (!expand) {
    // A selection inside the collapsed item moves to it, as it can no longer be seen.
    for (const Item* up = selected_ ? selected_->parent : nullptr; up; up = up->parent) {
      if (up == &item) {
        Select(&item, true);
        break;
      }
    }
  }
  UpdateScrollBar();
  Invalidate();
}

std::vector<FolderTree::Item*> FolderTree::Rows() const {
  std::vector<Item*> rows;
  std::vector<Item*> stack;
  for (auto it = roots_.rbegin(); it != roots_.rend(); ++it) stack.push_back(it->get());
  while (!stack.empty()) {
    Item* item = stack.back();
    stack.pop_back();
    rows.push_back(item);
    if (!item->expanded) continue;
    for (auto it = item->children.rbegin(); it != item->children.rend(); ++it) stack.push_back(it->get());
  }
  return rows;
}

int FolderTree::RowOf(const Item* item) const {
  const std::vector<Item*> rows = Rows();
  const auto at = std::find(rows.begin(), rows.end(), item);
  return at == rows.end() ? -1 : static_cast<int>(at - rows.begin());
}

int FolderTree::Depth(const Item* item) const {
  int depth = 0;
  for (const Item* up = item->parent; up; up = up->parent) ++depth;
  return depth;
}

int FolderTree::RowHeight() const {
  if (row_height_ == 0) {
    auto* self = const_cast<FolderTree*>(this);
    self->row_height_ = std::max(kBox + 4, self->MeasureText("Xg").cy + 2);
  }
  return row_height_;
}

const FolderTree::Item* FolderTree::Find(std::string_view path) const {
  for (const auto& root : roots_) {
    std::vector<const Item*> stack{root.get()};
    while (!stack.empty()) {
      const Item* item = stack.back();
      stack.pop_back();
      if (item->path == path) return item;
      for (const auto& child : item->children) stack.push_back(child.get());
    }
  }
  return nullptr;
}

bool FolderTree::SelectPath(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  if (path.empty() || path.front() != '/') return false;
  Item* item = roots_.front().get();
  std::size_t start = 1;
  while (start < path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view part = path.substr(start, end - start);
    start = end + 1;
    if (part.empty()) continue;
    ReadChildren(*item);
    const auto child = std::find_if(item->children.begin(), item->children.end(),
                                    [&](const std::unique_ptr<Item>& c) { return c->text == part; });
    if (child == item->children.end()) return false;
    Expand(*item, true);
    item = child->get();
  }
  Select(item, false);
  return true;
}

std::string FolderTree::GetSelectedPath() const { return selected_ ? selected_->path : std::string{}; }

void FolderTree::Select(Item* item, bool) {
  if (item == selected_) return;
  selected_ = item;
  if (item) ScrollTo(RowOf(item));
  Invalidate();
  Notify(TVN_SELCHANGED);
}

void FolderTree::Notify(int code) {
  Window* parent = GetParent();
  if (!parent) return;
  NMHDR header;
  header.hwndFrom = GetSafeHwnd();
  header.idFrom = GetDlgCtrlID();
  header.code = code;
  parent->SendMessage(WM_NOTIFY, GetDlgCtrlID(), reinterpret_cast<LPARAM>(&header));
}

// ---- Geometry and scrolling ----

std::optional<Rect> FolderTree::ItemRect(std::string_view path) const {
  const Item* item = Find(path);
  const int row = item ? RowOf(item) : -1;
  if (row < 0) return std::nullopt;
  Rect client;
  GetClientRect(&client);
  const int y = (row - top_) * RowHeight();
  return Rect{Depth(item) * kIndent + kIndent, y, client.right, y + RowHeight()};
}

std::optional<Rect> FolderTree::ButtonRect(std::string_view path) const {
  const std::optional<Rect> text = ItemRect(path);
  if (!text) return std::nullopt;
  const int x = text->left - kIndent + (kIndent - kBox) / 2;
  const int y = text->top + (RowHeight() - kBox) / 2;
  return Rect{x, y, x + kBox, y + kBox};
}

bool FolderTree::IsExpanded(std::string_view path) const {
  const Item* item = Find(path);
  return item && item->expanded;
}

void FolderTree::EnsureVisible(std::string_view path) {
  if (const Item* item = Find(path)) ScrollTo(RowOf(item));
}

void FolderTree::ScrollTo(int row) {
  if (row < 0) return;
  Rect client;
  GetClientRect(&client);
  const int page = std::max(1, client.bottom / RowHeight());
  if (row < top_) top_ = row;
  if (row >= top_ + page) top_ = row - page + 1;
  UpdateScrollBar();
  Invalidate();
}

void FolderTree::UpdateScrollBar() {
  if (!(GetStyle() & WS_VSCROLL)) return;
  Rect client;
  GetClientRect(&client);
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(0, static_cast<int>(Rows().size()) - 1);
  info.nPage = static_cast<UINT>(std::max(1, client.bottom / RowHeight()));
  info.nPos = top_;
  SetScrollInfo(SB_VERT, info);
}

// ---- Input ----

void FolderTree::ClickAt(Point point, bool double_click) {
  const std::vector<Item*> rows = Rows();
  const int row = top_ + point.y / RowHeight();
  if (point.y < 0 || row < 0 || row >= static_cast<int>(rows.size())) return;
  Item* item = rows[static_cast<std::size_t>(row)];
  const int text_left = Depth(item) * kIndent + kIndent;
  if (point.x < text_left - kIndent) return;
  if (point.x < text_left) {  // the expand box
    Expand(*item, !item->expanded);
    return;
  }
  Select(item, true);
  if (!double_click) return;
  Expand(*item, !item->expanded);
  Notify(NM_DBLCLK);
}

void FolderTree::KeyDown(UINT vk) {
  const std::vector<Item*> rows = Rows();
  if (rows.empty()) return;
  const int row = selected_ ? RowOf(selected_) : -1;
  switch (vk) {
    case VK_UP: Select(rows[static_cast<std::size_t>(std::max(0, row - 1))], true); break;
    case VK_DOWN:
      Select(rows[static_cast<std::size_t>(std::min(static_cast<int>(rows.size()) - 1, row + 1))], true);
      break;
    case VK_HOME: Select(rows.front(), true); break;
    case VK_END: Select(rows.back(), true); break;
    case VK_RIGHT:
      if (!selected_) break;
      if (!selected_->expanded) {
        Expand(*selected_, true);
      } else if (!selected_->children.empty()) {
        Select(selected_->children.front().get(), true);
      }
      break;
    case VK_LEFT:
      if (!selected_) break;
      if (selected_->expanded) {
        Expand(*selected_, false);
      } else if (selected_->parent) {
        Select(selected_->parent, true);
      }
      break;
    default: break;
  }
}

LRESULT FolderTree::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_SETFOCUS:
      focused_ = true;
      Invalidate(false);
      return 0;
    case WM_KILLFOCUS:
      focused_ = false;
      Invalidate(false);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const HWND self = GetSafeHwnd();
      SetFocus();
      if (!IsWindow(self)) return 0;
      ClickAt(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, message == WM_LBUTTONDBLCLK);
      return 0;
    }
    case WM_KEYDOWN: KeyDown(static_cast<UINT>(wParam)); return 0;
    case WM_VSCROLL:
    case WM_MOUSEWHEEL: {
      Rect client;
      GetClientRect(&client);
      const int page = std::max(1, client.bottom / RowHeight());
      const int n = static_cast<int>(Rows().size());
      const std::optional<int> top =
          message == WM_VSCROLL
              ? ScrolledTopLine(wParam, top_, page, n)
              : std::clamp(top_ - 3 * GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA, 0, std::max(0, n - page));
      if (!top) return 0;
      top_ = *top;
      UpdateScrollBar();
      Invalidate();
      return message == WM_MOUSEWHEEL ? 1 : 0;
    }
    case WM_SETFONT: {
      const LRESULT result = Control::DefWindowProc(message, wParam, lParam);
      row_height_ = 0;
      UpdateScrollBar();
      return result;
    }
    case WM_SIZE: UpdateScrollBar(); return 0;
    default: return Control::DefWindowProc(message, wParam, lParam);
  }
}

// ---- Painting ----

bool FolderTree::OnEraseBkgnd(Dc&) { return true; }  // OnPaint fills it all

void FolderTree::OnPaint(Dc& dc) {
  Rect client;
  GetClientRect(&client);
  dc.FillRect(client, Brush::Solid(GetSysColor(COLOR_WINDOW)));
  SelectControlFont(dc);
  dc.SetBkMode(TRANSPARENT);
  const std::vector<Item*> rows = Rows();
  const ColorRef ink = GetSysColor(COLOR_WINDOWTEXT);
  for (int row = top_; row < static_cast<int>(rows.size()); ++row) {
    const int y = (row - top_) * RowHeight();
    if (y >= client.bottom) break;
    const Item* item = rows[static_cast<std::size_t>(row)];
    const int text_left = Depth(item) * kIndent + kIndent;
    // The expand box: "+" until the children are known to be none.
    const bool may_expand = item->is_folder && !(item->read && item->children.empty());
    if (may_expand) {
      const int bx = text_left - kIndent + (kIndent - kBox) / 2, by = y + (RowHeight() - kBox) / 2;
      dc.SelectPen(Pen{PS_SOLID, 0, GetSysColor(COLOR_BTNSHADOW)});
      dc.Rectangle(bx, by, bx + kBox, by + kBox);
      dc.SelectPen(Pen{PS_SOLID, 0, ink});
      dc.MoveTo(bx + 2, by + kBox / 2);
      dc.LineTo(bx + kBox - 2, by + kBox / 2);
      if (!item->expanded) {
        dc.MoveTo(bx + kBox / 2, by + 2);
        dc.LineTo(bx + kBox / 2, by + kBox - 2);
      }
    }
    Rect text{text_left, y, text_left + MeasureText(item->text).cx + 4, y + RowHeight()};
    const bool selected = item == selected_;
    if (selected) dc.FillRect(text, Brush::Solid(GetSysColor(focused_ ? COLOR_HIGHLIGHT : COLOR_BTNFACE)));
    dc.SetTextColor(selected && focused_ ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ink);
    Rect inner{text.left + 2, text.top, text.right, text.bottom};
    dc.DrawText(item->text, inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (selected && focused_) dc.DrawFocusRect(text);
  }
}

}  // namespace plat
