#pragma once
// LoadCaseParams: the PL block of one load case, 400 bytes, with the counts of
// its load files, its flags, title and load values.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/records/byte_record.h"
#include "common/records/number_runs.h"

namespace common {

class LoadCaseParams : public ByteRecord<400> {
 public:
  // The numbers computed with: uniform load, temperature, gravity values; uniform T, wind, snow.
  static constexpr NumberRun kNumberRuns[] = {{292, 5, true}, {360, 3}};
  static constexpr std::size_t kTextWidth = 162;
  static constexpr std::size_t kTitleWidth = 82;
  static constexpr std::size_t kTitleMaxLength = 81;

  // Records in SRC_L and SOUTXT.
  std::int16_t point_load_count() const { return At<std::int16_t, 4>(); }
  void set_point_load_count(std::int16_t v) { SetAt<std::int16_t, 4>(v); }
  // Records in LLOAD and LLTXT: user line loads plus gravity loads.
  std::int16_t line_load_record_count() const { return At<std::int16_t, 14>(); }
  void set_line_load_record_count(std::int16_t v) { SetAt<std::int16_t, 14>(v); }
  // CurrentLoadCase, 1..99.
  std::int16_t load_case() const { return At<std::int16_t, 16>(); }
  void set_load_case(std::int16_t v) { SetAt<std::int16_t, 16>(v); }
  // Reserved; byte 340 tells whether it is above zero.
  std::int16_t field_22() const { return At<std::int16_t, 22>(); }
  void set_field_22(std::int16_t v) { SetAt<std::int16_t, 22>(v); }
  // Reserved; set to zero by every store.
  std::int16_t field_26() const { return At<std::int16_t, 26>(); }
  void set_field_26(std::int16_t v) { SetAt<std::int16_t, 26>(v); }
  // 1 stored through the save dialog, 2 made by a load command, else 0.
  std::int16_t origin() const { return At<std::int16_t, 28>(); }
  void set_origin(std::int16_t v) { SetAt<std::int16_t, 28>(v); }
  std::int16_t user_line_load_count() const { return At<std::int16_t, 30>(); }
  void set_user_line_load_count(std::int16_t v) { SetAt<std::int16_t, 30>(v); }
  std::int16_t gravity_line_load_count() const { return At<std::int16_t, 32>(); }
  void set_gravity_line_load_count(std::int16_t v) { SetAt<std::int16_t, 32>(v); }
  std::int16_t settled_support_count() const { return At<std::int16_t, 34>(); }
  void set_settled_support_count(std::int16_t v) { SetAt<std::int16_t, 34>(v); }
  std::int16_t prestress_count() const { return At<std::int16_t, 36>(); }
  void set_prestress_count(std::int16_t v) { SetAt<std::int16_t, 36>(v); }

  // CurrentLoadCaseText ("0%d" of the load case).
  std::string load_case_text() const { return TextAt<48, kTextWidth>(); }
  void set_load_case_text(std::string_view text) { SetTextAt<48, kTextWidth>(text); }
  // At most 81 characters.
  std::string title() const { return TextAt<210, kTitleWidth>(); }
  void set_title(std::string_view text) { SetTextAt<210, kTitleWidth>(text, kTitleMaxLength); }

  // Uniform line load of the uniform-load command [kN/m].
  double uniform_load() const { return At<double, 292>(); }
  void set_uniform_load(double v) { SetAt<double, 292>(v); }
  // Temperature difference between the faces [K].
  double delta_t() const { return At<double, 300>(); }
  void set_delta_t(double v) { SetAt<double, 300>(v); }
  // Coefficient of thermal expansion [1/K].
  double alpha_t() const { return At<double, 308>(); }
  void set_alpha_t(double v) { SetAt<double, 308>(v); }
  // Unit weight (gamma) of the gravity load [kN/m3].
  double gamma() const { return At<double, 316>(); }
  void set_gamma(double v) { SetAt<double, 316>(v); }
  // Additional line load on every element of the gravity load [kN/m].
  double covering() const { return At<double, 324>(); }
  void set_covering(double v) { SetAt<double, 324>(v); }

  // 1 when the line loads were made by the uniform-load, wind or snow command.
  std::uint8_t generated_flag() const { return At<std::uint8_t, 336>(); }
  void set_generated_flag(std::uint8_t v) { SetAt<std::uint8_t, 336>(v); }
  std::uint8_t editor_flag_338() const { return At<std::uint8_t, 338>(); }
  void set_editor_flag_338(std::uint8_t v) { SetAt<std::uint8_t, 338>(v); }
  std::uint8_t editor_flag_339() const { return At<std::uint8_t, 339>(); }
  void set_editor_flag_339(std::uint8_t v) { SetAt<std::uint8_t, 339>(v); }
  // 1 when field_22 is above zero.
  std::uint8_t field_22_flag() const { return At<std::uint8_t, 340>(); }
  void set_field_22_flag(std::uint8_t v) { SetAt<std::uint8_t, 340>(v); }
  std::uint8_t temperature_flag() const { return At<std::uint8_t, 342>(); }
  void set_temperature_flag(std::uint8_t v) { SetAt<std::uint8_t, 342>(v); }
  std::uint8_t settlement_flag() const { return At<std::uint8_t, 347>(); }
  void set_settlement_flag(std::uint8_t v) { SetAt<std::uint8_t, 347>(v); }
  std::uint8_t gravity_flag() const { return At<std::uint8_t, 348>(); }
  void set_gravity_flag(std::uint8_t v) { SetAt<std::uint8_t, 348>(v); }
  std::uint8_t prestress_flag() const { return At<std::uint8_t, 353>(); }
  void set_prestress_flag(std::uint8_t v) { SetAt<std::uint8_t, 353>(v); }

  // Uniform temperature change of the temperature load [K].
  float uniform_temperature() const { return At<float, 360>(); }
  void set_uniform_temperature(float v) { SetAt<float, 360>(v); }
  float wind_value() const { return At<float, 364>(); }
  void set_wind_value(float v) { SetAt<float, 364>(v); }
  float snow_value() const { return At<float, 368>(); }
  void set_snow_value(float v) { SetAt<float, 368>(v); }

  void TerminateTexts() {
    TerminateTextAt<48, kTextWidth>();
    TerminateTextAt<210, kTitleWidth>();
  }
};
static_assert(sizeof(LoadCaseParams) == 400);

}  // namespace common
