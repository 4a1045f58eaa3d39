#pragma once
// Positions for the tests of the start-up load and the Store: a small echo
// text, the example positions of the source tree, and the files' values.
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

// A single span of 5 m from (0, 0) to (5, 0), u and v held at node 1 and v at node 2.
inline constexpr const char* kSingleSpanEcho =
    "TITEL\n"
    "Single span\n"
    "MATERIAL\n"
    "1\n"
    "1 30000000.00 0.000000\n"
    "CROSSECTIONS\n"
    "1\n"
    "1 0.300 0.500 1.5000E-01 3.1250E-03\n"
    "ELEMENTS\n"
    "1\n"
    "1 0.00 0.00 5.00 0.00 0 0 1 1 1 1\n"
    "NODES\n"
    "2\n"
    "1 0.00 0.00  1.0000E+00  1.0000E+00  0.0000E+00\n"
    "2 5.00 0.00  0.0000E+00  1.0000E+00  0.0000E+00\n"
    "SUPPORTS\n"
    "2\n"
    "1 1.000000 1.000000 0.000000\n"
    "2 0.000000 1.000000 0.000000\n";

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
