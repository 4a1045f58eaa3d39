#pragma once
// The load cases of the largest frame (bench/column_frame.h) in the solver's job benchmark and the
// viewer's picture benchmark.
#include "Quon/tests/support/frame_builder.h"
#include "Quon/tests/support/test_position.h"
#include "common/records/load_tables.h"
#include "loads/integration/line_load_integration.h"

namespace bench {

// Every kind of load: nodal and element point loads, a line load (over the whole element or a
// part of it) and temperature on every element, prestress, and settlements in every third load
// case.
inline zedir::testing::LoadCaseFiles EveryKindOfLoad(const zedir::testing::FrameModel& model, int lc) {
  zedir::testing::LoadCaseFiles files;
  files.params.set_alpha_t(1e-5);
  for (int k = 1; k <= 100; ++k) {
    if (k <= 50) {
      common::PointLoadRecord load;
      if (k % 2 == 0) {
        load.set_placement(common::PointLoadRecord::kAtNode);
        load.set_node(static_cast<std::int16_t>(2 * k));
        load.set_force_x(static_cast<float>(lc));
        load.set_force_y(-2.0f);
      } else {
        load.set_placement(common::PointLoadRecord::kOnElement);
        load.set_element(static_cast<std::int16_t>(k));
        load.set_kind(static_cast<std::uint8_t>(k % 3 == 0 ? 0 : (k % 3 == 1 ? 1 : 2)));
        load.set_distance(1.5f);
        load.set_value(0.001f);
        load.set_force_normal(10.0f);
        load.set_kind_value(5.0f);
      }
      files.point_loads.Append(load);
    }
    common::LineLoadRecord line;
    line.set_element(static_cast<std::int16_t>(k));
    line.set_direction('X');
    line.set_value_a(static_cast<float>(lc % 7 + 1));
    line.set_value_b(static_cast<float>(lc % 5 + 1));
    if (k % 2 == 0) {
      line.set_whole_element(1);
    } else {
      line.set_xa(1.0f);
      line.set_xb(3.0f);
    }
    pundf::IntegrateLineLoad(line, model.elements[k], model.nodes);
    files.line_loads.Append(line);
    common::TemperatureLoadRecord t;
    t.set_uniform_t(10.0f);
    t.set_delta_t(5.0f);
    t.set_loaded(1);
    files.temperatures.Append(t);
  }
  for (int k = 1; k <= 10; ++k) {
    common::PrestressEntry p;
    p.set_element(10 * k);
    p.set_force(100.0f);
    files.prestress.Append(p);
  }
  if (lc % 3 == 0) {
    for (int k = 1; k <= 100; ++k) {
      common::NodeRefRecord support;
      support.set_node(static_cast<std::int16_t>(2 * k - 1));
      for (int d = 1; d <= 3; ++d) {
        support.set_support(d, 1.0f);
        support.set_support_flag(d, 1);
      }
      if (k % 10 == 0) {
        support.set_settlement(2, -0.01f);
        support.set_settled(1);
      }
      files.settlements.Append(support);
    }
  }
  return files;
}

}  // namespace bench
