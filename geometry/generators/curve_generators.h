#pragma once
// The circular arc and the parabola, each a chain of straight elements.
#include "common/position/position.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"
#include "geometry/model/parabola_input.h"

namespace kelmf {

// n elements on the circle of radius R around the origin, from the larger of
// the two angles [degrees] down to the smaller one in equal steps: point k at
// theta_k, x = R cos theta_k, z = R sin theta_k. Sets the vertical-axis sign to
// -1; the elements replace the frame and the nodes are rebuilt (supports stay
// with their points). Writes "ELEMENTS", "EXTENSIOR", "NODES", "LKNOTENR" and
// "GEOMETRY" (0, the inverse files deleted: only a Store checks the frame).
// Refused, changing nothing: n < 1, n > 100 ("Too many elements, max = 100",
// the editor's error flag set), R not above 0, an angle that is no number, and
// elements shorter than 0.05 m (equal angles among them).
common::Result GenerateArc(FrameModel& model, int n, double radius, double angle1, double angle2,
                           const common::Position& position);

// input.elements elements through the points x_k = (k - 1) L / n,
// z_k = 4 f x_k (L - x_k) / L^2; otherwise as GenerateArc. The input becomes
// model.parabola. Refused, changing nothing (the parabola input included):
// n < 1, n > 100 (flag set), L not above 0, f no number, elements shorter than
// 0.05 m.
common::Result GenerateParabola(FrameModel& model, const ParabolaInput& input, const common::Position& position);

}  // namespace kelmf
