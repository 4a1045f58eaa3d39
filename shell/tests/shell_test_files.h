#pragma once
// Small helpers of the shell's tests: the test's settings folder and files in it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace quentaris::testing {

inline std::string SettingsFolder() { return plat::testing::TestFolder() + "xdg/QUENTARIS"; }

inline void PutFile(const std::string& path, std::string_view bytes) {
  const std::size_t slash = path.rfind('/');
  ASSERT_TRUE(plat::MakeFolder(path.substr(0, slash)));
  ASSERT_TRUE(plat::WriteBlock(path, bytes.data(), bytes.size()));
}

inline void PutSetting(const std::string& name, std::string_view bytes) {
  PutFile(SettingsFolder() + "/" + name, bytes);
}

inline std::string FileText(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return "(missing)";
  return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

}  // namespace quentaris::testing
