#pragma once
// Lines, polylines and polygons of the pictures, in world units at a scale.
#include "graphics/picture/canvas.h"

namespace revuzavi {

// A line at the drawing scale; with the plotter output on, inside the plot
// window widened by 0.1, also its HPGL text.
void DrawLine(Canvas& c, double x1, double y1, double x2, double y2);

// A line at the drawing scale; with the end dots on, a circle of radius pixel
// step + 3 at both ends.
void DrawWorldLine(Canvas& c, double x1, double y1, double x2, double y2);

// A circle of radius r (logical units) around world point (x, y).
void DrawCircle(Canvas& c, double x, double y, int r);

// Points 1..n of the curve points times `scale`, in pen `pen`; unless
// `straight`, each piece in red where the values are negative and black where
// they are not, a segment crossing zero cut at the crossing. `ordinates` adds
// a line from the axis to every point. Pen 0 is selected at the end; returns
// n (at most the room of the list).
int DrawCurve(Canvas& c, int n, int pen, bool straight, bool ordinates, double scale);

// The strip of a diagram between base points 1, 2 and curve points 1, 2: the
// curve segment in pen 0, the two closing lines in red when value1 + value2 <
// 0, else black.
void DrawDiagramBar(Canvas& c, double value1, double value2);

// The eight curve points filled light grey as one polygon (alternate fill),
// outlined in red where their sign words are negative, else black.
void DrawFilledPolygon(Canvas& c);

// Lines between curve points 1..count; mode 1 fills the polygon light grey,
// mode 2 draws in rose and returns to pen 0.
void DrawPolygonOutline(Canvas& c, int count, int mode);

// A red arrow from (x1, z1) to (x2, z2) with its head at the end.
void DrawArrow(Canvas& c, double x1, double z1, double x2, double z2);

// A mark at a node: kind 4 red, 2 green, any other white; radius 3 pixel steps.
void DrawNodeMark(Canvas& c, int kind, double x, double z);

}  // namespace revuzavi
