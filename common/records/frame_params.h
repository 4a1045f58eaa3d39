#pragma once
// FrameParams: the 744-byte block of PARAMR with the table counts, the title and
// the model-wide settings. Every program reads it whole and the geometry input
// writes it whole, so bytes without an accessor travel unchanged.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/records/byte_record.h"
#include "common/records/number_runs.h"

namespace common {

class FrameParams : public ByteRecord<744> {
 public:
  // The numbers computed with: the support stiffness.
  static constexpr NumberRun kNumberRuns[] = {{704, 1}};
  static constexpr std::size_t kTitleWidth = 360;
  static constexpr std::size_t kTitleMaxLength = 240;  // what the editors accept

  // Entries of the results viewer's list of supported degrees of freedom.
  std::int16_t support_dof_count() const { return At<std::int16_t, 6>(); }
  void set_support_dof_count(std::int16_t v) { SetAt<std::int16_t, 6>(v); }
  // Number of equations n (at most 1000); 0 means no frame for the solver.
  std::int16_t equation_count() const { return At<std::int16_t, 38>(); }
  void set_equation_count(std::int16_t v) { SetAt<std::int16_t, 38>(v); }
  // Written together with the number of equations.
  std::int16_t equation_word() const { return At<std::int16_t, 40>(); }
  void set_equation_word(std::int16_t v) { SetAt<std::int16_t, 40>(v); }
  // Number of per-element result files.
  std::int16_t element_result_file_count() const { return At<std::int16_t, 66>(); }
  void set_element_result_file_count(std::int16_t v) { SetAt<std::int16_t, 66>(v); }
  // Setting of the arc and parabola generators.
  std::int16_t arc_setting() const { return At<std::int16_t, 52>(); }
  void set_arc_setting(std::int16_t v) { SetAt<std::int16_t, 52>(v); }
  // Defaults of the geometry editor's input (-1 and 20 in a model without an
  // echo text); their meaning is the editor's.
  std::int16_t editor_default_68() const { return At<std::int16_t, 68>(); }
  void set_editor_default_68(std::int16_t v) { SetAt<std::int16_t, 68>(v); }
  std::int32_t editor_default_108() const { return At<std::int32_t, 108>(); }
  void set_editor_default_108(std::int32_t v) { SetAt<std::int32_t, 108>(v); }
  std::int16_t editor_state() const { return At<std::int16_t, 98>(); }
  void set_editor_state(std::int16_t v) { SetAt<std::int16_t, 98>(v); }
  std::int16_t concrete_class() const { return At<std::int16_t, 110>(); }
  void set_concrete_class(std::int16_t v) { SetAt<std::int16_t, 110>(v); }

  std::int16_t material_count() const { return At<std::int16_t, 124>(); }
  void set_material_count(std::int16_t v) { SetAt<std::int16_t, 124>(v); }
  std::int16_t cross_section_count() const { return At<std::int16_t, 126>(); }
  void set_cross_section_count(std::int16_t v) { SetAt<std::int16_t, 126>(v); }
  std::int16_t element_count() const { return At<std::int16_t, 128>(); }
  void set_element_count(std::int16_t v) { SetAt<std::int16_t, 128>(v); }
  std::int16_t node_count() const { return At<std::int16_t, 130>(); }
  void set_node_count(std::int16_t v) { SetAt<std::int16_t, 130>(v); }
  // Copy of the number of equations, written with it.
  std::int16_t equation_count_copy() const { return At<std::int16_t, 132>(); }
  void set_equation_count_copy(std::int16_t v) { SetAt<std::int16_t, 132>(v); }

  std::string title() const { return TextAt<136, kTitleWidth>(); }
  // Cut to the 240 characters that the editors accept.
  void set_title(std::string_view text) { SetTextAt<136, kTitleWidth>(text, kTitleMaxLength); }

  // Model constant, 0.16 in a new model.
  double model_constant_496() const { return At<double, 496>(); }
  void set_model_constant_496(double v) { SetAt<double, 496>(v); }
  double tolerance() const { return At<double, 512>(); }
  void set_tolerance(double v) { SetAt<double, 512>(v); }
  // Set to 1.0 by the results viewer when it reads the frame.
  double viewer_factor_656() const { return At<double, 656>(); }
  void set_viewer_factor_656(double v) { SetAt<double, 656>(v); }
  // Modulus of elasticity of a new material [kN/m2].
  double default_modulus() const { return At<double, 536>(); }
  void set_default_modulus(double v) { SetAt<double, 536>(v); }

  // Editor flag of the geometry input (continuous-beam marker).
  std::uint8_t editor_flag() const { return At<std::uint8_t, 665>(); }
  void set_editor_flag(std::uint8_t v) { SetAt<std::uint8_t, 665>(v); }
  std::uint8_t model_option_667() const { return At<std::uint8_t, 667>(); }
  void set_model_option_667(std::uint8_t v) { SetAt<std::uint8_t, 667>(v); }
  // 1 when the factorisation exchanged equations.
  std::uint8_t exchange_flag() const { return At<std::uint8_t, 668>(); }
  void set_exchange_flag(std::uint8_t v) { SetAt<std::uint8_t, 668>(v); }
  // 0 while the first column is solved, 1 for every later column.
  std::uint8_t column_flag() const { return At<std::uint8_t, 669>(); }
  void set_column_flag(std::uint8_t v) { SetAt<std::uint8_t, 669>(v); }
  // 1 when the position has exactly one support entry.
  std::uint8_t single_support_flag() const { return At<std::uint8_t, 671>(); }
  void set_single_support_flag(std::uint8_t v) { SetAt<std::uint8_t, 671>(v); }
  // Set by the solver: 1 when "MATRIX" exists / is missing.
  std::uint8_t matrix_present_flag() const { return At<std::uint8_t, 674>(); }
  void set_matrix_present_flag(std::uint8_t v) { SetAt<std::uint8_t, 674>(v); }
  std::uint8_t matrix_missing_flag() const { return At<std::uint8_t, 676>(); }
  void set_matrix_missing_flag(std::uint8_t v) { SetAt<std::uint8_t, 676>(v); }
  std::uint8_t material_input_flag() const { return At<std::uint8_t, 678>(); }
  void set_material_input_flag(std::uint8_t v) { SetAt<std::uint8_t, 678>(v); }
  // Angle convention: 0 adds pi to every element angle.
  std::uint8_t angle_convention() const { return At<std::uint8_t, 679>(); }
  void set_angle_convention(std::uint8_t v) { SetAt<std::uint8_t, 679>(v); }
  std::uint8_t display_flag() const { return At<std::uint8_t, 680>(); }
  void set_display_flag(std::uint8_t v) { SetAt<std::uint8_t, 680>(v); }
  std::uint8_t material_input_flag_686() const { return At<std::uint8_t, 686>(); }
  void set_material_input_flag_686(std::uint8_t v) { SetAt<std::uint8_t, 686>(v); }
  std::uint8_t model_option_687() const { return At<std::uint8_t, 687>(); }
  void set_model_option_687(std::uint8_t v) { SetAt<std::uint8_t, 687>(v); }
  std::uint8_t arc_marker() const { return At<std::uint8_t, 691>(); }
  void set_arc_marker(std::uint8_t v) { SetAt<std::uint8_t, 691>(v); }

  // Sign of the vertical axis: stored y = sign * the user's z.
  std::int16_t vertical_sign() const { return At<std::int16_t, 696>(); }
  void set_vertical_sign(std::int16_t v) { SetAt<std::int16_t, 696>(v); }
  std::int16_t span_count() const { return At<std::int16_t, 698>(); }
  void set_span_count(std::int16_t v) { SetAt<std::int16_t, 698>(v); }
  std::int16_t storey_count() const { return At<std::int16_t, 700>(); }
  void set_storey_count(std::int16_t v) { SetAt<std::int16_t, 700>(v); }
  std::int16_t support_count() const { return At<std::int16_t, 702>(); }
  void set_support_count(std::int16_t v) { SetAt<std::int16_t, 702>(v); }
  // Largest E times largest A: the stiffness of a fixed support.
  float support_stiffness() const { return At<float, 704>(); }
  void set_support_stiffness(float v) { SetAt<float, 704>(v); }
  // Model constant, 50000.0 in a new model.
  float model_constant_716() const { return At<float, 716>(); }
  void set_model_constant_716(float v) { SetAt<float, 716>(v); }

  void TerminateTexts() { TerminateTextAt<136, kTitleWidth>(); }
};
static_assert(sizeof(FrameParams) == 744);

}  // namespace common
