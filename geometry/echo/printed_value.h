#pragma once
// A value as the texts of the geometry print it.
namespace kelmf {

// A negative zero prints as "0.00", not "-0.00"; every other value is unchanged.
inline double Printed(float value) { return static_cast<double>(value) + 0.0; }

}  // namespace kelmf
