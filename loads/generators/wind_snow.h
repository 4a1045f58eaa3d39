#pragma once
// The wind and snow generators: from the frame's geometry alone they pick the
// elements that carry a lateral (wind) or a vertical (snow) line load, strip by
// strip, and turn them into the line loads of the current load case.
#include <vector>

#include "loads/model/load_model.h"

namespace pundf {

struct Strip {
  float middle = 0.0f;    // z (wind) or x (snow) of the strip's middle
  float crossing = 0.0f;  // x (wind) or z (snow) where the picked element crosses it
  int element = 0;        // the picked element; 0 when no element crosses the strip
};

// The node levels z from the lowest up: each next level is the smallest node z
// more than 0.05 above the last, until one lies within 0.1 of the largest z.
std::vector<float> WindLevels(const common::NodeTable& nodes);

// One strip between each pair of neighbouring levels; its element is the one
// that crosses the strip's middle leftmost (smallest x; the lower number on a
// tie).
std::vector<Strip> MakeWindLoads(const Geometry& geometry);

// One strip between each pair of neighbouring node abscissae more than 0.1
// apart; its element is the one that crosses the strip's middle with the
// largest z (the lower number on a tie), the element the snow lies on.
std::vector<Strip> MakeSnowLoads(const Geometry& geometry);

// The wind and snow commands: the current load case's line loads become one
// whole-element load per element picked by the strips (each element once):
// wind 'X' with A = B = value; snow 'Y' with A = B = value * |x_b - x_a| / l
// (the load per horizontal metre spread over the element's length). Title
// "Load case <n>", origin 2, gravity off, the generated flag set, the value kept
// in PL byte 364 (wind) or 368 (snow). The caller stores the load case.
void GenerateWindLoadCase(LoadModel& model, float value);
// The floor load: every element at least 0.1 in cosine and flatter than 45
// degrees (|sine / cosine| < 1) gets 'Y' with A = B = value; the value kept
// as the load case's uniform load (PL byte 292). Otherwise as above.
void GenerateFloorLoadCase(LoadModel& model, float value);
void GenerateSnowLoadCase(LoadModel& model, float value);

}  // namespace pundf
