#pragma once
// The texts of the pictures: values and labels on rotated fonts, the legend of
// a printed page, and the outline of a label the user drags.
#include <functional>
#include <string_view>
#include <vector>

#include "graphics/picture/canvas.h"

namespace revuzavi {

// Text colours by kind.
inline constexpr int kBlueText = 17;
inline constexpr int kRedText = 4;
inline constexpr int kGreenText = 2;

// A font of `face`, `height` and `width` tenths of a point (width 0: the
// face's proportion), style bits (0 bold, 1 italic, 2 underline, 3
// strike-out), escapement in tenths of a degree; pixels per inch from
// LOGPIXELSX/Y with `logical_pixels`, else from the device's size.
plat::Font MakeRotatedFont(plat::Dc& dc, std::string_view face, int height, int width, int style, int escapement,
                           bool logical_pixels);

// Escapement of a text along `angle` (radians, clockwise as seen): -angle /
// (2 pi) 3600 tenths of a degree.
int EscapementOf(double angle);

// A value or label whose middle lies on world point (x, y), turned by `angle`,
// "ARIAL" at text scale x 80 x `height_factor`; kind 17 blue, 4 red, any
// other black. Nothing when the text scale is 0 and texts are not forced.
// With a `kind_word` other than 0 its box goes to the text-box table with
// `kind_word` and `tag`, so that the user can drag it.
void DrawValueText(Canvas& c, double x, double y, std::string_view text, int kind, double height_factor,
                   double angle, int tag = 0, int kind_word = 0);

// The kind word of the point loads' value labels (their tag is the load's number).
inline constexpr int kPointLoadLabelWord = 12;

// A label at world point (x, y), "ARIAL" at text scale x 80, turned by
// `angle`; `centred` moves it onto the point along its direction and, for
// kinds other than 1, 2 and 4, across it (see the label offset of the views).
// Kind 4 red and 2 green, both like kind 1 (black) on an opaque background;
// other kinds black on a transparent one. Its box goes to the text-box
// table with `kind_word` and `tag` while the table has room. Nothing when the
// text scale is 0.
void DrawRotatedText(Canvas& c, double x, double y, std::string_view text, int kind, double angle, int tag,
                     int kind_word, bool centred);

// While it lives, the texts of DrawValueText and DrawRotatedText are held; its
// end draws them in their order, over the shapes drawn meanwhile.
class TextsOnTop {
 public:
  explicit TextsOnTop(Canvas& c);
  ~TextsOnTop();
  TextsOnTop(const TextsOnTop&) = delete;
  TextsOnTop& operator=(const TextsOnTop&) = delete;

 private:
  Canvas& c_;
  std::vector<std::function<void()>>* outer_;
  std::vector<std::function<void()>> held_;
};

// The height of one line of labels as DrawRotatedText draws them, in world units.
double LabelLineHeight(Canvas& c);
// The width of `text` as DrawRotatedText draws it unturned, in world units.
double LabelWidth(Canvas& c, std::string_view text);

// The legend of a printed page at (x, y) fractions of the device's size.
void DrawLegendText(Canvas& c, std::string_view text, double x_fraction, double y_fraction);

// Outlines box `b` of the table moved by (mouse - start) (logical units) by
// inverting the pixels, so that drawing it twice restores the picture.
// Returns the middle of the moved box's first diagonal in world units; (0, 0)
// for a box the table does not hold.
WorldPoint DrawRubberBand(Canvas& c, const TextBoxTable& boxes, int mouse_x, int mouse_y, int b, int start_x,
                          int start_y);

}  // namespace revuzavi
