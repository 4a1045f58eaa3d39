#pragma once
// A file's bytes for the end-to-end tests' checks.
#include <string>

#include "platform/binary_io.h"

namespace e2e {

// The whole file; empty when it cannot be read.
inline std::string ReadBytes(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return {};
  return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

}  // namespace e2e
