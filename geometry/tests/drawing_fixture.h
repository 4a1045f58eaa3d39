#pragma once
// The recording of a picture read back: calls by kind, texts and device points.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/dc/recording_dc.h"

namespace kelmf::testing {

inline std::vector<const plat::DeviceOp*> Calls(const plat::RecordingDc& dc, const std::string& call) {
  std::vector<const plat::DeviceOp*> found;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (call == op.call) found.push_back(&op);
  }
  return found;
}

inline std::vector<std::string> Texts(const plat::RecordingDc& dc) {
  std::vector<std::string> texts;
  for (const plat::DeviceOp* op : Calls(dc, "TextOut")) texts.push_back(op->text);
  return texts;
}

inline const plat::DeviceOp* TextCall(const plat::RecordingDc& dc, const std::string& text) {
  for (const plat::DeviceOp* op : Calls(dc, "TextOut")) {
    if (op->text == text) return op;
  }
  return nullptr;
}

// Device points within one pixel.
inline bool Near(plat::Point a, plat::Point b) { return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1; }

inline bool HasLine(const plat::RecordingDc& dc, plat::Point a, plat::Point b) {
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind != plat::DeviceOp::Kind::kPolyline) continue;
    for (std::size_t i = 0; i + 1 < op.points.size(); ++i) {
      const plat::Point p = op.points[i];
      const plat::Point q = op.points[i + 1];
      if ((Near(p, a) && Near(q, b)) || (Near(p, b) && Near(q, a))) return true;
    }
  }
  return false;
}

// Ellipses drawn with a brush of this colour, by their centres.
inline std::vector<plat::Point> CircleCentres(const plat::RecordingDc& dc, plat::ColorRef fill) {
  std::vector<plat::Point> centres;
  for (const plat::DeviceOp* op : Calls(dc, "Ellipse")) {
    if (op->brush.style != plat::BS_SOLID || op->brush.color != fill) continue;
    centres.push_back({(op->rect.left + op->rect.right - 1) / 2, (op->rect.top + op->rect.bottom - 1) / 2});
  }
  return centres;
}

inline bool HasCircleAt(const plat::RecordingDc& dc, plat::ColorRef fill, plat::Point centre) {
  const auto centres = CircleCentres(dc, fill);
  return std::any_of(centres.begin(), centres.end(), [&](plat::Point c) { return Near(c, centre); });
}

}  // namespace kelmf::testing
