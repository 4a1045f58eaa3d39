#include "graphics/app/tool_images.h"

#include <initializer_list>

#include "graphics/app/graph_ids.h"
#include "platform/dc/painter_dc.h"
#include "platform/frames/command_ids.h"

namespace revuzavi {
namespace {

constexpr plat::ColorRef kBlack = plat::Rgb(0, 0, 0);
constexpr plat::ColorRef kBlue = plat::Rgb(0, 60, 200);
constexpr plat::ColorRef kRed = plat::Rgb(200, 0, 0);
constexpr plat::ColorRef kGrey = plat::Rgb(128, 128, 128);
constexpr plat::ColorRef kPaper = plat::Rgb(255, 255, 255);

struct Block {
  int left, top, right, bottom;
  plat::ColorRef colour;
};

plat::Bitmap Face(std::initializer_list<Block> blocks) {
  plat::Bitmap face(kToolImageSide, kToolImageSide, plat::Rgb(236, 236, 236));
  plat::PainterDc dc(face);
  for (const Block& b : blocks) dc.FillRect(plat::Rect{b.left, b.top, b.right, b.bottom}, plat::Brush::Solid(b.colour));
  return face;
}

}  // namespace

plat::Bitmap ToolImage(plat::UINT command) {
  switch (command) {
    case ids::kEquivalentNodalForces:  // forces on the nodes of a beam: two arrows down onto it
      return Face({{1, 11, 15, 13, kBlack},
                   {3, 2, 5, 8, kBlue}, {2, 7, 6, 9, kBlue}, {3, 9, 5, 10, kBlue},
                   {11, 2, 13, 8, kBlue}, {10, 7, 14, 9, kBlue}, {11, 9, 13, 10, kBlue}});
    case ids::kEndSelection:  // back to the stored frame: a red bar through a frame
      return Face({{1, 4, 15, 6, kBlack}, {2, 6, 4, 14, kBlack}, {12, 6, 14, 14, kBlack}, {1, 9, 15, 11, kRed}});
    case ids::kOneClickMode:  // one element picked in a beam
      return Face({{1, 7, 5, 9, kBlack}, {5, 6, 11, 10, kRed}, {11, 7, 15, 9, kBlack}});
    case ids::kResetScales:  // 1 : 1
      return Face({{3, 3, 5, 13, kBlack}, {7, 5, 9, 7, kBlack}, {7, 9, 9, 11, kBlack}, {11, 3, 13, 13, kBlack}});
    case plat::ID_FILE_PRINT:  // a printer with its sheet
      return Face({{4, 1, 12, 6, kPaper}, {1, 6, 15, 12, kGrey}, {4, 10, 12, 15, kPaper}, {5, 12, 11, 13, kBlack}});
    case plat::ID_FILE_PRINT_PREVIEW:  // a sheet and a lens
      return Face({{2, 1, 11, 15, kPaper}, {3, 3, 9, 4, kGrey}, {3, 6, 9, 7, kGrey},
                   {8, 8, 13, 13, kBlue}, {9, 9, 12, 12, kPaper}, {12, 12, 15, 15, kBlack}});
    case ids::kAlignText:  // lines of text set anew
      return Face({{2, 3, 14, 5, kBlack}, {2, 7, 11, 9, kBlack}, {2, 11, 13, 13, kBlack}});
    default:
      return plat::Bitmap();
  }
}

}  // namespace revuzavi
