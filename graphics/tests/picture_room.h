#pragma once
// How a picture of the picture window uses its room, measured on a recording: its result curve
// (the lines drawn with the diagram line width, which the measure makes one no other pen has)
// inside the window and its largest ordinate off the element axes, and the value labels' boxes
// inside the window and off each other (the title line above the picture is no label).
#include <string>
#include <vector>

#include "graphics/app/graph_view.h"
#include "graphics/app/viewer_session.h"
#include "platform/dc/device_op.h"

namespace revuzavi::testing {

struct PictureRoom {
  int width = 0, height = 0;
  int curve_points = 0;
  double largest_ordinate = 0.0;        // device pixels
  std::vector<std::string> curve_outside;  // points "x,y" of the curve outside the window
  std::vector<std::string> texts_outside;  // labels not wholly inside the window
  std::vector<std::string> overlapping;    // pairs "a / b" of labels whose boxes overlap
};

// The pairs "a / b" of the texts of `ops` whose boxes overlap (texts along their baseline, unturned or
// turned a right angle either way), but for `except`.
std::vector<std::string> OverlappingTexts(const std::vector<plat::DeviceOp>& ops,
                                          const plat::DeviceOp* except = nullptr);

// The picture as a window of width x height shows it.
PictureRoom MeasureRoom(CGRAPHView& view, ViewerSession& session, int width, int height);

// At the view's own size: the curve lies inside the window and its largest ordinate is at least a
// twentieth of the window's shorter side.
bool CurveReads(CGRAPHView& view, ViewerSession& session);

}  // namespace revuzavi::testing
