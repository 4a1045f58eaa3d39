#pragma once
// Point loads in the load picture: force arrows, moment arcs, and the markers
// of kinks and dislocations, each with its label.
#include <vector>

#include "loads/picture/picture.h"

namespace pundf::picture {

// Every point load of the load case whose value is not 0 and at least the
// frame's tolerance in magnitude.
void drawPointLoads(Picture& picture);
// Whether a point load is drawn: its numbers finite, its value not 0 and at
// least the frame's tolerance in magnitude.
bool PointLoadShown(const Geometry& geometry, const common::PointLoadRecord& load);

// The logical points of a force arrow of `value` whose tip stands at `tip`:
// eight points of a local frame, h = value 0.025 zoom load scale, turned
// counter-clockwise on the screen by phi = acos(fy / value), negated when
// fx / value < 0 (fx, fy the global components in the records' axes).
std::vector<plat::Point> ForceArrow(const Picture& picture, WorldPoint tip, double value, double fx, double fy);
// The same points in the world.
std::vector<WorldPoint> ForceArrowPoints(const PictureView& view, WorldPoint tip, double value, double fx, double fy);

// Two concentric arcs about `centre` from `from` to `to` (angles of the
// records' axes) in 12 steps, the outer one of radius 20 size pixel units, with
// an arrow head at the end the moment's sign turns to.
void DrawMomentArc(Picture& picture, WorldPoint centre, double radius_factor, double size, double from, double to,
                   double moment);

}  // namespace pundf::picture
