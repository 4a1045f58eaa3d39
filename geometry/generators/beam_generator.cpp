#include "geometry/generators/beam_generator.h"

#include <string>
#include <utility>
#include <vector>

#include "geometry/generators/generated_frame.h"
#include "geometry/model/beam_numbering.h"
#include "geometry/model/dof_listing.h"

namespace kelmf {

common::Result GenerateBeam(FrameModel& model, const common::Position& position) {
  const int count = model.spans.count();
  if (count == 0) return common::Result::Ok();
  if (count > kMaxSpans) {
    return RefuseAndFlag(model, InputError("Too many spans, max = " + std::to_string(kMaxSpans)));
  }
  // Negated comparisons, so that a value that is no number is refused too.
  if (!(model.spans[1].x_end() >= 0.00001f)) return InputError("Zero length of field 1");
  std::vector<Segment> segments;
  double start = 0.0;
  for (const SpanRecord& span : model.spans.used()) {
    const double end = span.x_end();
    if (!(end > start)) return InputError("Coordinates of field ends must be increasing, x1 < x2 < x3 ...");
    segments.push_back({start, 0.0, end, 0.0});
    start = end;
  }

  FrameModel trial = model;
  if (common::Result elements = ReplaceElements(trial, segments); !elements) return elements;
  if (common::Result numbered = NumberAndSupportGround(trial); !numbered) return RefuseAndFlag(model, numbered);
  model = std::move(trial);
  WriteElementsNodesListing(position.FolderFile("ELEMENTSNODES.TXT"), model);
  return WriteGeneratedFrame(model, position);
}

}  // namespace kelmf
