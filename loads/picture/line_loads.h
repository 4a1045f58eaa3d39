#pragma once
// Line loads and gravity in the load picture: the loaded bands, the load
// diagrams with their arrows and the value labels.
#include <span>
#include <vector>

#include "loads/picture/picture.h"

namespace pundf::picture {

// Outline kinds of DrawLoadPolygon.
inline constexpr int kFilledPolygon = 1;
inline constexpr int kOutlinedPolygon = 2;

// A band along every element, as DrawLoadBand.
void DrawGravityBands(Picture& picture);

// The band between two world points: the ends moved by +-0.02 m across the
// segment, hatched red or, with the fill switch, light grey.
void DrawLoadBand(Picture& picture, WorldPoint a, WorldPoint b);

// Every user line load of the load case: its band, its diagram of eleven
// ordinates (0.1 times zoom times load scale metres per kN/m) with arrows
// towards the element, and its value labels.
void drawLineLoads(Picture& picture);

// The corners of a line load's diagram in the world: its foot and ordinate at
// the start, its ordinate and foot at the end (the diagram is straight between
// them); none for a load that is not drawn.
std::vector<WorldPoint> LineLoadOutline(const common::LineLoadRecord& load, const PictureView& view, double sign);

// kFilledPolygon: filled RGB(230, 230, 230) and outlined; kOutlinedPolygon:
// the outline only. Points are logical.
void DrawLoadPolygon(Picture& picture, std::span<const plat::Point> points, int kind);

}  // namespace pundf::picture
