#pragma once
// The sections of the geometry echo text: their keywords and the column kinds
// of their data lines, shared by the writer and the reader.
#include <array>

#include "common/echo/column_kind.h"
#include "common/echo/echo_text.h"

namespace kelmf::echo {

// The kind each keyword gives its line.
enum SectionKind : int {
  kParameterSection = 1,
  kTitleSection = 2,
  kMaterialSection = 3,
  kCrossSectionSection = 4,
  kElementSection = 5,
  kNodeSection = 6,
  kSupportSection = 7,
  kParabolaSection = 8,
};

// The writer opens with "TITEL"; it is read like "TITLE", so that the title
// survives where no PARAMR exists yet.
inline constexpr const char* kTitleKeyword = "TITEL";
inline constexpr const char* kMaterialKeyword = "MATERIAL";
inline constexpr const char* kCrossSectionKeyword = "CROSSECTIONS";
inline constexpr const char* kElementKeyword = "ELEMENTS";
inline constexpr const char* kNodeKeyword = "NODES";
inline constexpr const char* kSupportKeyword = "SUPPORTS";
inline constexpr const char* kParabolaKeyword = "PARABOLA";

inline constexpr std::array<common::echo::Keyword, 9> kKeywords = {{
    {"PARAMETER", kParameterSection},
    {"TITLE", kTitleSection},
    {kTitleKeyword, kTitleSection},
    {kMaterialKeyword, kMaterialSection},
    {kCrossSectionKeyword, kCrossSectionSection},
    {kElementKeyword, kElementSection},
    {kNodeKeyword, kNodeSection},
    {kSupportKeyword, kSupportSection},
    {kParabolaKeyword, kParabolaSection},
}};

// The reader keeps at most this many lines (comments not counted).
inline constexpr std::size_t kMaxEchoLines = 1500;

namespace columns {
using K = common::echo::ColumnKind;
// number, E, second value
inline constexpr std::array<K, 3> kMaterial = {K::kWhole, K::kDecimal, K::kDecimal};
// number, b, h, A, I
inline constexpr std::array<K, 5> kCrossSection = {K::kWhole, K::kDecimal, K::kDecimal, K::kReal, K::kReal};
// number, xa, za, xb, zb, hinge a, hinge b, material, cross section,
// compression flag, tension flag
inline constexpr std::array<K, 11> kElement = {K::kWhole, K::kDecimal, K::kDecimal, K::kDecimal,
                                               K::kDecimal, K::kWhole,   K::kWhole,   K::kWhole,
                                               K::kWhole,   K::kWhole,   K::kWhole};
// number, x, z, support in x, vertical, rotation
inline constexpr std::array<K, 6> kNode = {K::kWhole, K::kReal, K::kReal, K::kReal, K::kReal, K::kReal};
// node number, support in x, vertical, rotation
inline constexpr std::array<K, 4> kSupport = {K::kWhole, K::kDecimal, K::kDecimal, K::kDecimal};
// span, rise, number of elements
inline constexpr std::array<K, 3> kParabola = {K::kReal, K::kReal, K::kWhole};
}  // namespace columns

}  // namespace kelmf::echo
