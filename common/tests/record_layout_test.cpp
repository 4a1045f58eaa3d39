// Every accessor writes its value at the layout's offset with the layout's
// width and touches no other byte; offsets are typed from the file layouts.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/records/dof_record.h"
#include "common/records/drawing_extents.h"
#include "common/records/element_record.h"
#include "common/records/frame_params.h"
#include "common/records/line_load_record.h"
#include "common/records/load_case_diary.h"
#include "common/records/load_case_params.h"
#include "common/records/node_record.h"
#include "common/records/print_scales.h"
#include "common/records/node_ref_record.h"
#include "common/records/note_record.h"
#include "common/records/point_load_record.h"
#include "common/records/prestress_entry.h"
#include "common/records/section_records.h"
#include "common/records/solver_job.h"
#include "common/records/temperature_load_record.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Values whose bytes are all distinct from zero, so that a wrong width shows.
constexpr std::int16_t kI16 = 0x1234;
constexpr std::int32_t kI32 = 0x12345678;
constexpr std::uint8_t kU8 = 0xA5;
constexpr float kF = -123.456f;
constexpr double kD = 1234.5678;

template <class T>
Bytes Enc(T value) {
  Bytes b(sizeof value);
  std::memcpy(b.data(), &value, sizeof value);
  return b;
}
Bytes Enc(const char* text) {
  Bytes b(text, text + std::strlen(text));
  b.push_back(0);
  return b;
}

template <class R>
struct FieldCase {
  std::string name;
  std::size_t offset;
  Bytes bytes;
  std::function<void(R&)> set;
  std::function<bool(const R&)> reads_back;
};

#define FIELD(off, field, value)                                                         \
  {                                                                                      \
    #field, off, Enc(value), [](auto& r) { r.set_##field(value); },                     \
        [](const auto& r) { return r.field() == value; }                                 \
  }
#define ITEM(off, field, k, value)                                                       \
  {                                                                                      \
    #field "(" #k ")", off, Enc(value), [](auto& r) { r.set_##field(k, value); },       \
        [](const auto& r) { return r.field(k) == value; }                                \
  }

template <class R>
void CheckFields(const std::vector<FieldCase<R>>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    R r;
    c.set(r);
    for (std::size_t i = 0; i < R::kSize; ++i) {
      const std::uint8_t expected = i >= c.offset && i < c.offset + c.bytes.size() ? c.bytes[i - c.offset] : 0;
      ASSERT_EQ(static_cast<std::uint8_t>(r.bytes()[i]), expected) << "byte " << i;
    }
    EXPECT_TRUE(c.reads_back(r));
  }
}

TEST(RecordLayout, FrameParams) {
  CheckFields<common::FrameParams>({
      FIELD(6, support_dof_count, kI16),
      FIELD(38, equation_count, kI16),
      FIELD(40, equation_word, kI16),
      FIELD(52, arc_setting, kI16),
      FIELD(66, element_result_file_count, kI16),
      FIELD(98, editor_state, kI16),
      FIELD(110, concrete_class, kI16),
      FIELD(124, material_count, kI16),
      FIELD(126, cross_section_count, kI16),
      FIELD(128, element_count, kI16),
      FIELD(130, node_count, kI16),
      FIELD(132, equation_count_copy, kI16),
      FIELD(136, title, "Two-span beam"),
      FIELD(496, model_constant_496, kD),
      FIELD(512, tolerance, kD),
      FIELD(536, default_modulus, kD),
      FIELD(656, viewer_factor_656, kD),
      FIELD(665, editor_flag, kU8),
      FIELD(667, model_option_667, kU8),
      FIELD(668, exchange_flag, kU8),
      FIELD(669, column_flag, kU8),
      FIELD(671, single_support_flag, kU8),
      FIELD(674, matrix_present_flag, kU8),
      FIELD(676, matrix_missing_flag, kU8),
      FIELD(678, material_input_flag, kU8),
      FIELD(679, angle_convention, kU8),
      FIELD(680, display_flag, kU8),
      FIELD(686, material_input_flag_686, kU8),
      FIELD(687, model_option_687, kU8),
      FIELD(691, arc_marker, kU8),
      FIELD(696, vertical_sign, kI16),
      FIELD(698, span_count, kI16),
      FIELD(700, storey_count, kI16),
      FIELD(702, support_count, kI16),
      FIELD(704, support_stiffness, kF),
      FIELD(716, model_constant_716, kF),
  });
}

TEST(RecordLayout, PrintScales) {
  CheckFields<common::PrintScales>({
      FIELD(80, text_scale, kD),
      FIELD(92, pen_factor, kF),
  });
}

TEST(RecordLayout, NodeRecord) {
  CheckFields<common::NodeRecord>({
      ITEM(0, support_flag, 1, kU8),
      ITEM(2, support_flag, 3, kU8),
      ITEM(4, changed_support_mark, 1, kU8),
      ITEM(6, changed_support_mark, 3, kU8),
      FIELD(8, x, kF),
      FIELD(12, y, kF),
      FIELD(16, z, kF),
      ITEM(20, support, 1, kF),
      ITEM(24, support, 2, kF),
      ITEM(28, support, 3, kF),
      ITEM(32, changed_support, 1, kF),
      ITEM(40, changed_support, 3, kF),
      FIELD(110, dof_u, kI16),
      FIELD(112, dof_v, kI16),
      ITEM(116, rotation_dof, 1, kI16),
      ITEM(156, rotation_dof, 21, kI16),
      FIELD(158, end_count, kI16),
      ITEM(162, element, 1, kI16),
      ITEM(180, element, 10, kI16),
      FIELD(182, hinged_end_count, kI16),
      FIELD(184, rotation_count, kI16),
      FIELD(186, dof_count, kI16),
      FIELD(188, first_element, kI16),
      FIELD(190, second_element, kI16),
      FIELD(192, number, kI16),
      FIELD(194, mixed_hinges, kI16),
  });
}

TEST(RecordLayout, ElementRecord) {
  CheckFields<common::ElementRecord>({
      FIELD(0, modified_flag, kI32),
      FIELD(4, switched_off_flag, kI32),
      FIELD(16, own_stiffness_flag, kI32),
      FIELD(20, xa, kF),
      FIELD(24, ya, kF),
      FIELD(28, za, kF),
      FIELD(32, xb, kF),
      FIELD(36, yb, kF),
      FIELD(40, zb, kF),
      FIELD(44, minus_sine, kF),
      FIELD(48, normal_cosine, kF),
      FIELD(52, cosine, kF),
      FIELD(56, sine, kF),
      FIELD(60, dx, kF),
      FIELD(64, dy, kF),
      FIELD(68, length, kF),
      FIELD(72, angle, kF),
      FIELD(88, min_normal_force, kF),
      FIELD(92, max_normal_force, kF),
      FIELD(104, hinge_a, kI16),
      FIELD(106, hinge_b, kI16),
      FIELD(108, node_a, kI16),
      FIELD(110, node_b, kI16),
      FIELD(112, material, kI16),
      FIELD(114, cross_section, kI16),
      ITEM(116, dof, 1, kI16),
      ITEM(126, dof, 6, kI16),
      FIELD(128, compression_flag, kI16),
      FIELD(130, tension_flag, kI16),
      FIELD(136, stiffness_factor, kF),
      FIELD(140, ea, kF),
      FIELD(144, ei, kF),
  });
}

TEST(RecordLayout, MinusZeroSineIsItsOwnBitPattern) {
  // A horizontal element stores -sin = -0.0f: 00 00 00 80, not four zeros.
  common::ElementRecord e;
  e.set_minus_sine(-0.0f);
  const Bytes expected = {0x00, 0x00, 0x00, 0x80};
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(static_cast<std::uint8_t>(e.bytes()[44 + i]), expected[i]);
}

TEST(RecordLayout, ModelRecords) {
  CheckFields<common::NodeRefRecord>({
      FIELD(0, node, kI16),
      ITEM(4, settlement, 1, kF),
      ITEM(8, settlement, 2, kF),
      ITEM(12, settlement, 3, kF),
      ITEM(16, support, 1, kF),
      ITEM(20, support, 2, kF),
      ITEM(24, support, 3, kF),
      ITEM(28, support_flag, 1, kU8),
      ITEM(29, support_flag, 2, kU8),
      ITEM(30, support_flag, 3, kU8),
      FIELD(31, settled, kU8),
  });
  CheckFields<common::CrossSectionRecord>({
      FIELD(84, width, kF),
      FIELD(88, height, kF),
      FIELD(96, inertia, kF),
      FIELD(100, area, kF),
      FIELD(104, further_value, kF),
      FIELD(132, number, kI16),
  });
  CheckFields<common::MaterialRecord>({
      FIELD(84, modulus, kF),
      FIELD(88, second_value, kF),
      FIELD(104, number, kI16),
  });
  CheckFields<common::DrawingExtents>({
      FIELD(0, xmin, kF),
      FIELD(4, zmin, kF),
      FIELD(8, xmax, kF),
      FIELD(12, zmax, kF),
  });
  CheckFields<common::DofRecord>({
      FIELD(0, node, kI32),
      FIELD(4, equation, kI32),
      FIELD(8, kind, kI32),
  });
}

TEST(RecordLayout, LoadCaseParams) {
  CheckFields<common::LoadCaseParams>({
      FIELD(4, point_load_count, kI16),
      FIELD(14, line_load_record_count, kI16),
      FIELD(16, load_case, kI16),
      FIELD(28, origin, kI16),
      FIELD(30, user_line_load_count, kI16),
      FIELD(32, gravity_line_load_count, kI16),
      FIELD(34, settled_support_count, kI16),
      FIELD(36, prestress_count, kI16),
      FIELD(48, load_case_text, "012"),
      FIELD(210, title, "Dead load"),
      FIELD(292, uniform_load, kD),
      FIELD(300, delta_t, kD),
      FIELD(308, alpha_t, kD),
      FIELD(316, gamma, kD),
      FIELD(324, covering, kD),
      FIELD(336, generated_flag, kU8),
      FIELD(338, editor_flag_338, kU8),
      FIELD(339, editor_flag_339, kU8),
      FIELD(342, temperature_flag, kU8),
      FIELD(347, settlement_flag, kU8),
      FIELD(348, gravity_flag, kU8),
      FIELD(353, prestress_flag, kU8),
      FIELD(360, uniform_temperature, kF),
      FIELD(364, wind_value, kF),
      FIELD(368, snow_value, kF),
  });
}

TEST(RecordLayout, LoadCaseDiary) {
  CheckFields<common::LoadCaseDiary>({
      FIELD(0, count, kI16),
      ITEM(4, load_case, 1, kI16),
      ITEM(200, load_case, 99, kI16),
      ITEM(203, stored_again, 1, kU8),
      ITEM(301, stored_again, 99, kU8),
      ITEM(436, origin, 1, kI16),
      ITEM(632, origin, 99, kI16),
  });
}

TEST(RecordLayout, PointLoadRecord) {
  CheckFields<common::PointLoadRecord>({
      FIELD(0, x, kF),
      FIELD(4, y, kF),
      FIELD(8, z, kF),
      FIELD(20, copy_scaled_value, kF),
      FIELD(36, distance, kF),
      FIELD(40, value, kF),
      FIELD(44, force_x, kF),
      FIELD(48, force_y, kF),
      FIELD(52, force_normal, kF),
      FIELD(56, force_along, kF),
      FIELD(60, kind_value, kF),
      FIELD(76, kind, kU8),
      FIELD(78, node, kI16),
      FIELD(82, element, kI16),
      FIELD(84, release_position_type, kI16),
      FIELD(86, release_number, kI16),
      FIELD(94, placement, kI16),
      FIELD(96, direction, 'N'),
  });
}

TEST(RecordLayout, LineLoadRecord) {
  CheckFields<common::LineLoadRecord>({
      FIELD(0, x1, kF),
      FIELD(4, y1, kF),
      FIELD(8, z1, kF),
      FIELD(12, x2, kF),
      FIELD(16, y2, kF),
      FIELD(20, z2, kF),
      FIELD(24, xa, kF),
      FIELD(28, xb, kF),
      FIELD(32, value_a, kF),
      FIELD(36, along_a, kF),
      FIELD(40, normal_a, kF),
      FIELD(44, value_b, kF),
      FIELD(48, along_b, kF),
      FIELD(52, normal_b, kF),
      FIELD(152, element, kI16),
      FIELD(158, field_158, kI16),
      FIELD(166, direction, 'T'),
      ITEM(168, global_force, 1, kF),
      ITEM(188, global_force, 6, kF),
      ITEM(192, global_force_copy, 1, kF),
      ITEM(212, global_force_copy, 6, kF),
      ITEM(216, negated_force, 1, kF),
      ITEM(236, negated_force, 6, kF),
      ITEM(240, element_force, 1, kF),
      ITEM(260, element_force, 6, kF),
      FIELD(264, normal_resultant, kF),
      FIELD(268, axial_resultant, kF),
      FIELD(272, normal_at_start, kF),
      FIELD(276, normal_slope, kF),
      FIELD(280, axial_at_start, kF),
      FIELD(284, axial_slope, kF),
      FIELD(288, normal_resultant_position, kF),
      FIELD(292, axial_resultant_position, kF),
      FIELD(360, start_node, kI16),
      FIELD(362, end_node, kI16),
      FIELD(370, whole_element, kU8),
      FIELD(371, generated, kU8),
  });
}

TEST(RecordLayout, SmallLoadRecords) {
  CheckFields<common::TemperatureLoadRecord>({
      FIELD(0, uniform_t, kF),
      FIELD(4, delta_t, kF),
      FIELD(8, alpha_t, kF),
      FIELD(12, loaded, kI32),
  });
  CheckFields<common::PrestressEntry>({
      FIELD(0, element, kI32),
      FIELD(4, force, kF),
  });
  CheckFields<common::NoteRecord>({
      FIELD(0, text, "Crane wheel"),
  });
}

TEST(RecordLayout, SolverJob) {
  CheckFields<common::SolverJob>({
      FIELD(0, count, kI16),
      ITEM(3, load_case, 1, kU8),
      ITEM(101, load_case, 99, kU8),
      ITEM(102, load_case, 100, kU8),
      ITEM(103, step, 1, kU8),
      ITEM(202, step, 100, kU8),
  });
}

TEST(RecordLayout, ArrayIndexOutsideItsArrayIsRefused) {
  common::NodeRecord node;
  EXPECT_THROW(node.rotation_dof(0), std::out_of_range);
  EXPECT_THROW(node.set_rotation_dof(22, 1), std::out_of_range);
  EXPECT_THROW(node.set_element(11, 1), std::out_of_range);
  EXPECT_THROW(node.support(4), std::out_of_range);
  common::LoadCaseDiary diary;
  EXPECT_THROW(diary.set_load_case(100, 1), std::out_of_range);
  common::SolverJob job;
  EXPECT_THROW(job.load_case(101), std::out_of_range);
  common::ElementRecord element;
  EXPECT_THROW(element.dof(7), std::out_of_range);
  EXPECT_THROW(element.Get<float>(146), std::out_of_range);  // 146 + 4 > 148
  EXPECT_THROW(element.Clear(140, 9), std::out_of_range);
  EXPECT_TRUE(node == common::NodeRecord());  // nothing was written
}

TEST(RecordLayout, CountsFromFilesAreChecked) {
  common::LoadCaseDiary diary;
  for (std::int16_t n : {0, 99}) {
    diary.set_count(n);
    EXPECT_TRUE(diary.has_valid_count()) << n;
  }
  for (std::int16_t n : {-1, 100}) {
    diary.set_count(n);
    EXPECT_FALSE(diary.has_valid_count()) << n;
  }
  common::SolverJob job;
  job.set_count(100);
  EXPECT_TRUE(job.has_valid_count());
  job.set_count(101);
  EXPECT_FALSE(job.has_valid_count());
}

TEST(RecordLayout, TextFieldsStayTerminated) {
  common::FrameParams params;
  params.set_title(std::string(400, 'T'));
  EXPECT_EQ(params.title(), std::string(240, 'T'));  // editors accept 240 characters
  EXPECT_EQ(static_cast<char>(params.bytes()[136 + 240]), '\0');

  common::LoadCaseParams lc;
  lc.set_title(std::string(100, 'L'));
  EXPECT_EQ(lc.title(), std::string(81, 'L'));
  EXPECT_EQ(static_cast<char>(lc.bytes()[291]), '\0');
  EXPECT_EQ(static_cast<char>(lc.bytes()[292]), '\0');  // the field ends at 291
  lc.set_title("Wind");
  EXPECT_EQ(lc.title(), "Wind");  // a shorter text clears the rest of the field

  common::NoteRecord note;
  note.set_text(std::string(300, 'n'));
  EXPECT_EQ(note.text().size(), 240u);
  EXPECT_EQ(static_cast<char>(note.bytes()[240]), '\0');
}

}  // namespace
