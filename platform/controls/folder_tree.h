#pragma once
// A tree of the file system's folders that a dialog can hold (a tree view
// control that lists folders): the roots "/" and the home folder, children
// read when an item is first expanded (folders only, never "." or ".."; files
// where ShowFile accepts them), one selected item.
//
// - The user: a click on an item's box expands or collapses it, a click on its
//   text selects it, a double click selects it, toggles it and sends NM_DBLCLK;
//   Up and Down move the selection, Right expands (or goes to the first child),
//   Left collapses (or goes to the parent); the wheel and the scroll bar
//   (WS_VSCROLL) scroll.
// - The parent hears WM_NOTIFY with an NMHDR: TVN_SELCHANGED after every change
//   of the selection, NM_DBLCLK after a double click on an item.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls/control.h"

namespace plat {

inline constexpr int NM_DBLCLK = -3;
inline constexpr int TVN_SELCHANGED = -402;

class FolderTree : public Control {
 public:
  FolderTree();
  bool Create(DWORD style, const Rect& rect, Window* parent, UINT id);

  // Drops every item and puts the two roots back, none selected.
  void Fill();
  // Expands the items down to `path` and selects it; false (the selection
  // kept) when a part of the path is not there.
  bool SelectPath(std::string_view path);
  // The full path of the selected item; empty when none is selected.
  std::string GetSelectedPath() const;

  // Where the item of `path` lies in the client area and where its expand box
  // is, when it is shown (its parents expanded); nullopt otherwise.
  std::optional<Rect> ItemRect(std::string_view path) const;
  std::optional<Rect> ButtonRect(std::string_view path) const;
  // Whether the item of `path` is there and expanded.
  bool IsExpanded(std::string_view path) const;
  // Scrolls so that the item of `path` is in view (when it is shown).
  void EnsureVisible(std::string_view path);

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // Whether a file (not a folder) of an expanded folder is listed; none by default.
  virtual bool ShowFile(std::string_view name);
  void OnPaint(Dc& dc) override;
  bool OnEraseBkgnd(Dc& dc) override;

 private:
  struct Item {
    std::string text;
    std::string path;
    Item* parent = nullptr;
    std::vector<std::unique_ptr<Item>> children;
    bool is_folder = true;
    bool read = false;      // the children were read
    bool expanded = false;
  };

  void MakeRoots();
  std::vector<Item*> Rows() const;
  int RowOf(const Item* item) const;
  int Depth(const Item* item) const;
  int RowHeight() const;
  const Item* Find(std::string_view path) const;
  void ReadChildren(Item& item);
  void Expand(Item& item, bool expand);
  void Select(Item* item, bool by_user);
  void ScrollTo(int row);
  void UpdateScrollBar();
  void ClickAt(Point point, bool double_click);
  void KeyDown(UINT vk);
  void Notify(int code);

  std::vector<std::unique_ptr<Item>> roots_;
  Item* selected_ = nullptr;
  int top_ = 0;
  bool focused_ = false;
  int row_height_ = 0;  // measured in the control's font when first needed
};

}  // namespace plat
