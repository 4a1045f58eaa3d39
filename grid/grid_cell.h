#pragma once
// A cell of the grid and GridItem, the record through which a cell is set and read.
#include <cstdint>
#include <string>

#include "platform/dc/gdi_objects.h"

namespace grid {

// Cell state bits.
inline constexpr unsigned kStateFocused = 1;
inline constexpr unsigned kStateSelected = 2;
inline constexpr unsigned kStateDropTarget = 4;
inline constexpr unsigned kStateReadOnly = 8;

// GridItem mask bits: which fields SetItem writes and GetItem reads.
inline constexpr unsigned kMaskText = 1;
inline constexpr unsigned kMaskImage = 2;
inline constexpr unsigned kMaskData = 4;
inline constexpr unsigned kMaskState = 8;
inline constexpr unsigned kMaskBackground = 16;
inline constexpr unsigned kMaskTextColour = 32;
inline constexpr unsigned kMaskFormat = 64;
inline constexpr unsigned kMaskFont = 128;

// A cell colour that means "the grid's colour for this kind of cell".
inline constexpr plat::ColorRef kDefaultColour = 0xFF000000;

// One cell, made by CGridCtrl::NewCell and owned by the grid. Programs may
// derive their own cells (NewCell is virtual).
class CGridCell {
 public:
  virtual ~CGridCell() = default;

  unsigned state = 0;
  unsigned format = 0;  // DrawText flags (DT_LEFT, DT_RIGHT, DT_SINGLELINE ...)
  std::string text;     // Windows-1252
  int image = -1;       // index into the grid's image list; -1 none
  plat::ColorRef background = kDefaultColour;
  plat::ColorRef text_colour = kDefaultColour;
  std::uint32_t data = 0;  // free for the owner
  plat::Font font;
};

struct GridItem {
  int row = 0;
  int col = 0;
  unsigned mask = 0;
  unsigned state = 0;
  unsigned format = 0;
  std::string text;
  int image = -1;
  plat::ColorRef background = kDefaultColour;
  plat::ColorRef text_colour = kDefaultColour;
  std::uint32_t data = 0;
  plat::Font font;
};

}  // namespace grid
