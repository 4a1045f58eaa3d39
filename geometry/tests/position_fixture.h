#pragma once
// Positions for the tests of the start-up load and the Store: the example
// positions of the source tree and the stored-geometry marker.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "common/position/position.h"
#include "common/settings.h"
#include "common/settings_files.h"
#include "geometry/tests/echo_fixture.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace kelmf::testing {

inline common::SettingsContext TestSettings() { return common::SettingsContext::Discover(); }

// The example position `name` (BEAM2, PORTAL, ARCH) of the source tree: its
// echo text in the folder of position "." + name under the test folder.
inline common::Position ExamplePosition(const std::string& name) {
  common::Position position(plat::testing::TestFolder() + "data/", "." + name);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  const std::string source = plat::testing::SourceFolder() + "examples/ECHO_G." + name + ".TXT";
  EXPECT_TRUE(plat::CopyFile(source, position.TextFile("ECHO_G"), true)) << source;
  return position;
}

// The int32 of GEOMETRY; nullopt when the file is missing.
inline std::optional<std::int32_t> GeometryMarker(const common::Position& position) {
  return common::ReadInt32File(position.File("GEOMETRY"));
}

}  // namespace kelmf::testing
