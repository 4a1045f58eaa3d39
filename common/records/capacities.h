#pragma once
// The limits of the model and of a load case: the capacities of the tables.
namespace common {

inline constexpr int kMaxNodes = 200;
inline constexpr int kMaxElements = 100;
inline constexpr int kMaxSupports = 100;
inline constexpr int kMaxCrossSections = 50;
inline constexpr int kMaxMaterials = 20;

inline constexpr int kMaxLoadCases = 99;
inline constexpr int kMaxPointLoads = 100;
inline constexpr int kMaxLineLoads = 100;  // user and gravity loads together
inline constexpr int kMaxPrestressEntries = 100;

}  // namespace common
