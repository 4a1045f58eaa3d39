#pragma once
// The texts of the load picture: load labels (remembered, offset by the view's
// label offset, their boxes kept for picking), and texts at a point, which are
// left out once the picture holds 200 node and support texts.
//
// Angles are those of the records' (x, y), whose y points down: a text turns by
// the escapement -angle 1800 / pi, so that a text on an element rising to the
// right turns counter-clockwise on the screen.
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "loads/picture/picture.h"

namespace pundf::picture {

// A text of printf's format (the picture's texts are short).
template <class... Args>
std::string FormatText(const char* format, Args... args) {
  char text[128];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

// The direction of a segment in the records' (x, y): atan2(dy, dx) when both
// are at least 0.01 in magnitude, else pi/2 when dx is the smaller, else 0.
double SegmentAngle(double dx, double dy);
// The angle folded into [-pi/2, pi/2], so that no text stands on its head.
double FoldedAngle(double angle);
// Tenths of a degree, counter-clockwise on the device.
int Escapement(double angle);

// "ARIAL" of `height` logical units, turned by the angle.
plat::Font TextFont(double height, double angle);
// On the screen no text is lower than this at text size 1 (8 points at 96 dpi).
inline constexpr int kLeastTextPixels = 11;
// "ARIAL" of 80 logical units times the view's text size, turned by the angle;
// on the screen at least kLeastTextPixels device pixels times the text size
// (a printed picture keeps 80).
plat::Font LabelFont(const Picture& picture, double angle);

// The logical centre of a load label at (x, z) with the label offset: none for
// angles within 0.1 of 0 or +-pi, in x only within 0.1 of +-pi/2 or +-1.5 pi,
// else in x and z.
plat::PointD LabelCentre(int scale, double x, double z, double angle, int offset);

// A turned text centred on a logical point: where TextOut starts it (left end
// of the baseline) and its box in device units.
struct TextPlacement {
  plat::Point start;                     // logical, for TA_LEFT | TA_BASELINE
  std::array<plat::Point, 4> corners{};  // device: along the bottom, then back along the top
  plat::Rect bounds;                     // device, normalised
};
// Measured with the font selected in the context.
TextPlacement PlaceText(plat::Dc& dc, plat::PointD centre, std::string_view text, int escapement);

// The texts of one drawing do not overprint each other: a text whose box would
// meet one drawn before moves across its baseline, a step of its height at a
// time, up to kMostTextShifts steps, to the first place where it meets none.
inline constexpr int kMostTextShifts = 8;

// A load label of `kind` and `index` (its table's number) at the world point
// (x, z), turned by `angle`; its box is kept while fewer than 2000 are.
void DrawLoadLabel(Picture& picture, int kind, int index, double x, double z, double angle, std::string_view text);

// The texts of the drawing, each in its font at its place, with a transparent
// background: drawn last, so that no line, band or arrow covers one.
void DrawTexts(Picture& picture);

// A text in `font` centred on the world point (x, z) (element numbers,
// prestress forces, dimensions).
void DrawTurnedText(Picture& picture, std::string_view text, double x, double z, const plat::Font& font);

// A text centred on the world point (x, z), turned by `angle`; nothing once 200
// node and support texts are kept.
void DrawPointText(Picture& picture, std::string_view text, double x, double z, double angle);
// The same, not moved away from other texts: left out when it would meet a
// kept node or support text; otherwise kept.
void DrawBoxedText(Picture& picture, std::string_view text, double x, double z, double angle);

}  // namespace pundf::picture
