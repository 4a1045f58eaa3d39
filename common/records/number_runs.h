#pragma once
// The numbers of a record that the programs compute with: runs of floats or
// doubles at fixed offsets. A record type lists them in `kNumberRuns`; a value
// there that is not finite marks the file that holds the record as damaged.
#include <cmath>
#include <cstddef>
#include <cstring>
#include <optional>

namespace common {

struct NumberRun {
  std::size_t offset;  // the first value's byte
  int count;           // values one after the other
  bool doubles = false;  // 8-byte doubles, else 4-byte floats
};

// The byte offset of the first listed value that is not finite; nullopt when
// all are finite or the record lists none.
template <class R>
std::optional<std::size_t> FirstNonFiniteNumber(const R& record) {
  if constexpr (requires { R::kNumberRuns; }) {
    for (const NumberRun& run : R::kNumberRuns) {
      const std::size_t width = run.doubles ? sizeof(double) : sizeof(float);
      for (int k = 0; k < run.count; ++k) {
        const std::size_t at = run.offset + static_cast<std::size_t>(k) * width;
        double value;
        if (run.doubles) {
          std::memcpy(&value, record.bytes().data() + at, sizeof(double));
        } else {
          float f;
          std::memcpy(&f, record.bytes().data() + at, sizeof(float));
          value = f;
        }
        if (!std::isfinite(value)) return at;
      }
    }
  }
  return std::nullopt;
}

}  // namespace common
