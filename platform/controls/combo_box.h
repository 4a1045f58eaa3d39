#pragma once
// The combo box (Win32's COMBOBOX class, MFC's CComboBox): a list that drops
// down under a field. CBS_DROPDOWNLIST shows the chosen line; CBS_DROPDOWN has
// an edit (id 1001) in which the user may also type.
//
// - Closed, Up and Down choose the previous or next line (CBN_SELCHANGE);
//   F4 or Alt+Down, or a click on the arrow (with CBS_DROPDOWNLIST anywhere),
//   drop the list (CBN_DROPDOWN).
// - Dropped, the combo keeps every key: Up and Down move in the list, Enter
//   chooses (CBN_SELENDOK, CBN_SELCHANGE when it changed, CBN_CLOSEUP),
//   Escape closes without choosing (CBN_SELENDCANCEL, CBN_CLOSEUP); a click
//   on a line chooses it.
// - Typing in the edit sends CBN_EDITUPDATE and CBN_EDITCHANGE.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls/control.h"

namespace plat {

class Edit;
class ListBox;

inline constexpr DWORD CBS_SIMPLE = 0x0001;
inline constexpr DWORD CBS_DROPDOWN = 0x0002;
inline constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
inline constexpr DWORD CBS_AUTOHSCROLL = 0x0040;
inline constexpr DWORD CBS_SORT = 0x0100;

inline constexpr UINT CB_GETEDITSEL = 0x0140;
inline constexpr UINT CB_LIMITTEXT = 0x0141;
inline constexpr UINT CB_SETEDITSEL = 0x0142;
inline constexpr UINT CB_ADDSTRING = 0x0143;
inline constexpr UINT CB_DELETESTRING = 0x0144;
inline constexpr UINT CB_GETCOUNT = 0x0146;
inline constexpr UINT CB_GETCURSEL = 0x0147;
inline constexpr UINT CB_GETLBTEXT = 0x0148;
inline constexpr UINT CB_GETLBTEXTLEN = 0x0149;
inline constexpr UINT CB_INSERTSTRING = 0x014A;
inline constexpr UINT CB_RESETCONTENT = 0x014B;
inline constexpr UINT CB_FINDSTRING = 0x014C;
inline constexpr UINT CB_SELECTSTRING = 0x014D;
inline constexpr UINT CB_SETCURSEL = 0x014E;
inline constexpr UINT CB_SHOWDROPDOWN = 0x014F;
inline constexpr UINT CB_GETITEMDATA = 0x0150;
inline constexpr UINT CB_SETITEMDATA = 0x0151;
inline constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
inline constexpr UINT CB_FINDSTRINGEXACT = 0x0158;

inline constexpr int CB_ERR = -1;

inline constexpr UINT CBN_SELCHANGE = 1;
inline constexpr UINT CBN_DBLCLK = 2;
inline constexpr UINT CBN_SETFOCUS = 3;
inline constexpr UINT CBN_KILLFOCUS = 4;
inline constexpr UINT CBN_EDITCHANGE = 5;
inline constexpr UINT CBN_EDITUPDATE = 6;
inline constexpr UINT CBN_DROPDOWN = 7;
inline constexpr UINT CBN_CLOSEUP = 8;
inline constexpr UINT CBN_SELENDOK = 9;
inline constexpr UINT CBN_SELENDCANCEL = 10;

class ComboBox : public Control {
 public:
  ComboBox();
  ~ComboBox() override;

  // `lines`: how many lines the dropped list shows.
  bool Create(DWORD style, const Rect& rect, Window* parent, UINT id, int lines = 8);

  // CComboBox's members; each sends its message.
  int AddString(std::string_view text);
  int InsertString(int index, std::string_view text);
  int DeleteString(int index);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);
  std::string GetLBText(int index) const;
  int FindStringExact(int start_after, std::string_view text) const;
  int SelectString(int start_after, std::string_view text);
  std::uint64_t GetItemData(int index) const;
  int SetItemData(int index, std::uint64_t data);
  void ShowDropDown(bool show = true);
  bool GetDroppedState() const;
  bool LimitText(int limit);
  // The edit of CBS_DROPDOWN (nullptr otherwise).
  Edit* GetEdit() const;

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void OnPaint(Dc& dc) override;
  bool OnEraseBkgnd(Dc& dc) override;

 private:
  class DropList;
  class Field;

  bool HasEdit() const { return (GetStyle() & 0x3) == CBS_DROPDOWN || (GetStyle() & 0x3) == CBS_SIMPLE; }
  int ArrowWidth();
  void Drop(bool show);
  // The user chose `index` (-1: nothing): selection, field text, notifications.
  void UserChose(int index);
  void CloseUp(bool chosen);
  bool Key(UINT vk, bool alt);
  void ShowSelection();
  void ListClicked(int index);

  struct Item {
    std::string text;
    std::uint64_t data = 0;
  };
  std::vector<Item> items_;
  int selected_ = -1;
  int lines_ = 8;
  bool focused_ = false;
  std::unique_ptr<Field> edit_;
  std::unique_ptr<Window> popup_;
  std::unique_ptr<DropList> list_;
};

}  // namespace plat
