#include "loads/manage/copy_load_case.h"

#include <cstring>
#include <string>

#include "common/position/file_names.h"
#include "loads/model/load_checks.h"
#include "loads/model/read_load_case.h"
#include "platform/files.h"

namespace pundf {
namespace {

common::Result Refusal(const std::string& why) { return common::Result::Fail(why, "Error"); }

// Bytes of the PL block that stay the current load case's in a replacing copy:
// the counts and flags of the files that the copy does not bring.
void KeepOwnFileData(const common::LoadCaseParams& own, common::LoadCaseParams& into) {
  struct Span {
    std::size_t offset, width;
  };
  for (const Span s : {Span{16, 2}, Span{48, common::LoadCaseParams::kTextWidth}, Span{34, 2}, Span{36, 2},
                       Span{300, 16}, Span{342, 1}, Span{347, 1}, Span{353, 1}, Span{360, 4}}) {
    std::memcpy(into.bytes().data() + s.offset, own.bytes().data() + s.offset, s.width);
  }
}

void MovePointLoad(common::PointLoadRecord& p, float dx, float dy, float factor) {
  p.set_x(p.x() + dx);
  p.set_y(p.y() + dy);
  p.set_z(-p.y());
  p.set_value(p.value() * factor);
  p.set_force_x(p.force_x() * factor);
  p.set_force_y(p.force_y() * factor);
  p.set_force_normal(p.force_normal() * factor);
  p.set_force_along(p.force_along() * factor);
  p.set_kind_value(p.kind_value() * factor);
}

void MoveLineLoad(common::LineLoadRecord& q, float dx, float dy, float factor) {
  q.set_x1(q.x1() + dx);
  q.set_y1(q.y1() + dy);
  q.set_z1(-q.y1());
  q.set_x2(q.x2() + dx);
  q.set_y2(q.y2() + dy);
  q.set_z2(-q.y2());
  q.set_value_a(q.value_a() * factor);
  q.set_value_b(q.value_b() * factor);
}

template <class Loads, class Notes>
bool AppendAll(const Loads& loads, const Notes& notes, Loads& into_loads, Notes& into_notes) {
  if (into_loads.count() + loads.count() > Loads::kCapacity) return false;
  for (int k = 1; k <= loads.count(); ++k) {
    into_loads.Append(loads[k]);
    into_notes.SetCount(into_loads.count() - 1);
    into_notes.Append(notes[k]);
  }
  return true;
}

}  // namespace

common::Result CopyLoadCase(LoadModel& model, const CopySource& source, int mode, float shift_x, float shift_y,
                            float factor) {
  if (mode != kCopyReplace && mode != kCopyAdd) return Refusal("Unknown copy mode " + std::to_string(mode) + ".");
  LoadCase copy = model.load_case;
  if (mode == kCopyReplace) {
    const std::string own = model.position.LoadCaseFile(common::file_names::kLoadCaseParams, copy.number());
    if (!plat::FileExists(own)) return Refusal("The file " + own + " is missing");
  }
  LoadCase src;
  const ReadOutcome read = ReadStoredLoads(source.position, source.number, src);
  // Whatever the source lacks, the editor and its unsaved work stay.
  if (!read.ok()) return read.message();

  for (auto& p : src.point_loads.used()) MovePointLoad(p, shift_x, shift_y, factor);
  for (auto& q : src.line_loads.used()) MoveLineLoad(q, shift_x, shift_y, factor);

  if (mode == kCopyReplace) {
    common::LoadCaseParams params = src.params;
    KeepOwnFileData(copy.params, params);
    copy.params = params;
    copy.point_loads = src.point_loads;
    copy.point_notes = src.point_notes;
    copy.line_loads = src.line_loads;
    copy.line_notes = src.line_notes;
  } else {
    if (!AppendAll(src.point_loads, src.point_notes, copy.point_loads, copy.point_notes)) {
      return Refusal("The copied point loads do not fit: at most 100 point loads.");
    }
    if (!AppendAll(src.line_loads, src.line_notes, copy.line_loads, copy.line_notes)) {
      return Refusal("The copied line loads do not fit: at most 100 line loads.");
    }
    const auto& s = src.params;
    if (s.generated_flag() != 0) {
      auto& p = copy.params;
      p.set_generated_flag(s.generated_flag());
      p.set_editor_flag_338(s.editor_flag_338());
      p.set_editor_flag_339(s.editor_flag_339());
      p.set_gravity_flag(s.gravity_flag());
      p.set_gamma(s.gamma() * factor);
      p.set_covering(s.covering() * factor);
      p.set_uniform_load(s.uniform_load() * factor);
    }
  }
  Problem problem = CheckPointLoads(copy.point_loads, model.geometry);
  if (!problem) problem = CheckLineLoads(copy.line_loads, model.geometry);
  if (problem) return Refusal("The loads cannot be copied: " + *problem + ".");
  // The PL counts follow the tables (in an adding copy they grow by the source's).
  copy.params.set_point_load_count(static_cast<std::int16_t>(copy.point_loads.count()));
  copy.params.set_user_line_load_count(static_cast<std::int16_t>(copy.line_loads.count()));
  copy.params.set_line_load_record_count(static_cast<std::int16_t>(copy.line_loads.count()));
  model.load_case = std::move(copy);
  return common::Result::Ok();
}

}  // namespace pundf
