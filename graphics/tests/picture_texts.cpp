#include "graphics/tests/picture_texts.h"

#include <algorithm>

#include "platform/dc/recording_dc.h"

namespace revuzavi::testing {

std::vector<std::string> PictureTexts(CGRAPHView& view) {
  plat::RecordingDc dc;
  view.DrawOn(dc);
  std::vector<std::string> texts;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (!op.text.empty()) texts.push_back(op.text);
  }
  return texts;
}

bool PictureShows(CGRAPHView& view, const std::string& piece) {
  const std::vector<std::string> texts = PictureTexts(view);
  return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return t.find(piece) != std::string::npos; });
}

}  // namespace revuzavi::testing
