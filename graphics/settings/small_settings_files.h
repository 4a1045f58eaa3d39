#pragma once
// The viewer's small remembered files: "Scales", ISEITE, CLIP, GRAPHRDB, the
// remembered diagram scales of a load case (MEMSCALEGLF1<lc>) and of a Green
// function (MEMSCALEGFE<n>).
#include <array>
#include <optional>

#include "common/records/byte_record.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

inline constexpr const char* kReanalysisScalesFile = "Scales";  // position folder, no extension
inline constexpr const char* kPageNumberFile = "ISEITE";
inline constexpr const char* kPictureCounterFile = "CLIP";
inline constexpr const char* kLineWidthsFile = "GRAPHRDB";  // settings folder
inline constexpr const char* kRememberedScalesFile = "MEMSCALEGLF1";
inline constexpr const char* kGreenScalesFile = "MEMSCALEGFE";

// Reads the first float of "Scales" into state.scales_factor (zero below 1e-6
// in magnitude sets scales_factor_zero); a missing file is created with 0.0,
// 1e-7, 1e-9, 100000, 500000.
void ReadReanalysisScales(ViewerState& state);

// ISEITE into page_number (1 when missing), CLIP into picture_counter (0); a count beyond
// 999999999 is read as that, so that counting on never overflows.
void ReadPageCounters(ViewerState& state);

// GRAPHRDB: the two line widths, written into the settings folder only (a
// failure names the file). Reading keeps the widths in the state when the file
// is missing or short.
void ReadViewSettings(ViewerState& state);
common::Result WriteViewSettings(const ViewerState& state);

// MEMSCALEGLF1<lc>: twelve 4-byte fields. Fields 1..9 are the moment, shear,
// normal-force and fourth diagram scales, four further factors and the
// displacement scale.
class RememberedScales : public common::ByteRecord<48> {
 public:
  // Field k = 1..12 as a float.
  float field(int k) const { return Item<float, 0, 12>(k); }
  void set_field(int k, float v) { SetItem<float, 0, 12>(k, v); }
};
static_assert(sizeof(RememberedScales) == 48);

// Writes the twelve fields of load case lc with fields 5 and 8 clamped to
// 0.001..1; false when the file cannot be written.
bool WriteRememberedScales(const ViewerState& state, int load_case, RememberedScales scales);

// Fields 1..9 of load case lc, clamped: the moment, shear, normal-force and
// displacement scales to 1e-6..1000, the fourth scale to at least 0.01, fields
// 5 and 8 to 0.001..1. nullopt when the file is missing, short or holds a
// number that is not finite.
std::optional<std::array<float, 9>> ReadRememberedScales(const ViewerState& state, int load_case);

// ISEITE, then the remembered scales of the current load case.
bool WritePageNumber(const ViewerState& state, const RememberedScales& scales);

// MEMSCALEGFE<n>: seven floats. ReadGreenScales gives zeros and false when the file is missing.
bool WriteGreenScales(const ViewerState& state, int n, const std::array<float, 7>& scales);
bool ReadGreenScales(const ViewerState& state, int n, std::array<float, 7>& scales);

}  // namespace revuzavi
