#pragma once
// CTitleTip: a small popup laid exactly over a cell whose text is wider than
// the cell, showing the whole text. It holds the mouse capture while shown and
// vanishes when the pointer leaves it, a button or key is pressed or no window
// has the focus, passing that input on to the window underneath.
#include <string>
#include <string_view>

#include "platform/window/window.h"

namespace grid {

class CTitleTip : public plat::Window {
 public:
  // Makes the hidden popup for `parent` (the grid); true when it exists.
  virtual bool Create(plat::Window* parent);
  // Shows `text` over `cell` (the cell's rectangle in the parent's client
  // coordinates, right and bottom included) in `font`, when some window has
  // the focus, the tip is not shown already and the text with a blank on
  // either side is wider than the cell. True when shown.
  bool Show(const plat::Rect& cell, std::string_view text, const plat::Font& font);
  // Hides the tip and gives up the capture.
  void Hide();

  bool PreTranslateMessage(plat::MSG* msg) override;

 protected:
  void OnMouseMove(plat::UINT flags, plat::Point point) override;
  void OnPaint(plat::Dc& dc) override;
  bool OnEraseBkgnd(plat::Dc& dc) override;

 private:
  // The window under a point of this tip's client area (the parent when it
  // is the tip itself), its hit-test code and the screen point.
  plat::Window* TargetUnder(plat::Point client, plat::UINT* hit, plat::Point* screen);

  plat::Window* parent_ = nullptr;
  plat::Rect title_rect_;  // where the pointer keeps the tip open (client coordinates)
  std::string text_;       // with its blanks
  plat::Font font_;
};

}  // namespace grid
