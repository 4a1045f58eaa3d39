#pragma once
// Selects a font into a Dc for the lifetime of the object and puts the old
// one back at the end.
#include "platform/dc/dc.h"
#include "platform/dc/gdi_objects.h"

namespace plat {

class SelectedFont {
 public:
  SelectedFont(Dc& dc, const Font& font) : dc_(dc), old_(dc.SelectFont(font)) {}
  ~SelectedFont() { dc_.SelectFont(old_); }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  Dc& dc_;
  Font old_;
};

}  // namespace plat
