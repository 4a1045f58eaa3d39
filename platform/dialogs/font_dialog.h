#pragma once
// The font choice (Win32's ChooseFont, MFC's CFontDialog): the face, the size
// and the style of a font. Sizes are in points at 96 pixels per inch: a
// height of -16 is 12 points.
#include "platform/dc/gdi_objects.h"
#include "platform/dialogs/common_dialog.h"

namespace plat {

class FontDialog : public CommonDialog {
 public:
  // `initial`: the font shown at the start (nullptr: ARIAL, 10 points).
  explicit FontDialog(const Font* initial = nullptr, Window* owner = nullptr);
  Kind kind() const override { return Kind::kFont; }

  // IDOK when a font was chosen.
  int DoModal();
  // The chosen font (its height negative: the character height in pixels).
  const Font& GetFont() const { return font_; }
  std::string GetFaceName() const { return font_.face; }
  // The size in tenths of a point.
  int GetSize() const;
  bool IsBold() const { return font_.weight >= FW_BOLD; }
  bool IsItalic() const { return font_.italic; }

  // What a person chose.
  void Choose(const Font& font) { font_ = font; }

 private:
  int AskPerson();
  Font font_;
};

}  // namespace plat
