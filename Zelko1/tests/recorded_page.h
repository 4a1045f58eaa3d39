#pragma once
// A recorded page read back: its line segments and its texts by their top
// left corners.
#include <string>
#include <vector>

#include "platform/dc/recording_dc.h"

namespace zevril::testing {

// The caps of an A4 page of the PDF printer: 4958 x 7017 pixels at 600 dpi.
plat::DeviceCaps A4Caps(bool landscape = false);

struct Segment {
  int x1, y1, x2, y2;  // the upper (or left) end first
  bool operator==(const Segment&) const = default;
};
struct PlacedText {
  std::string text;
  int left, top;
  int height;  // the font's height in pixels
  bool operator==(const PlacedText&) const = default;
};

std::vector<Segment> Segments(const plat::RecordingDc& dc);
std::vector<PlacedText> Texts(const plat::RecordingDc& dc);
// The texts that start with a prefix.
std::vector<PlacedText> TextsStartingWith(const plat::RecordingDc& dc, const std::string& prefix);

}  // namespace zevril::testing
