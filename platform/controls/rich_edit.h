#pragma once
// The rich edit as the programs use it (MFC's CRichEditCtrl): a multi-line
// edit whose text is shown in one character format, read-only when the
// program shows a listing (ES_READONLY) or editable. Lines are separated by
// "\r\n" in its text; its default limit is larger than an edit's.
#include <string>

#include "platform/controls/edit.h"

namespace plat {

// The character format (Win32's CHARFORMAT, the parts the programs set).
struct CharFormat {
  std::string face = "Courier New";
  int height_twips = 200;  // twentieths of a point: 200 is 10 points
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

inline constexpr UINT EM_EXLIMITTEXT = WM_USER + 53;  // lParam: the limit

class RichEdit : public Edit {
 public:
  // ES_MULTILINE is added; the limit starts at 32767.
  bool Create(DWORD style, const Rect& rect, Window* parent, UINT id);
  // Sets the format of all the text (the font it is drawn in).
  void SetDefaultCharFormat(const CharFormat& format);
  const CharFormat& GetDefaultCharFormat() const { return format_; }
  // The font of a character format at 96 pixels per inch.
  static Font FontOf(const CharFormat& format);

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CharFormat format_;
};

}  // namespace plat
