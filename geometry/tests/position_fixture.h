#pragma once
// Positions for the tests of the start-up load and the Store: the example
// positions of the source tree and the stored-geometry marker.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "common/position/position.h"
#include "common/settings.h"
#include "common/settings_files.h"
#include "geometry/app/store_from_echo.h"
#include "geometry/tests/echo_fixture.h"
#include "platform/files.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"

namespace kelmf::testing {

inline common::SettingsContext TestSettings() { return common::SettingsContext::Discover(); }

// The example position `name` (BEAM2, PORTAL, ARCH) of the source tree: its
// echo text in the folder of position "." + name under the test folder's
// data path `data`.
inline common::Position ExamplePosition(const std::string& name, const std::string& data = "data/") {
  common::Position position(plat::testing::TestFolder() + data, "." + name);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  const std::string source = plat::testing::SourceFolder() + "examples/ECHO_G." + name + ".TXT";
  EXPECT_TRUE(plat::CopyFile(source, position.TextFile("ECHO_G"), true)) << source;
  return position;
}

// The int32 of GEOMETRY; nullopt when the file is missing.
inline std::optional<std::int32_t> GeometryMarker(const common::Position& position) {
  return common::ReadInt32File(position.File("GEOMETRY"));
}

// The example position stored and checked as the shell's rebuild stores it.
inline common::Position StoredExample(const std::string& name, const std::string& data = "data/") {
  const common::Position position = ExamplePosition(name, data);
  plat::testing::MessageBoxScript boxes;
  EXPECT_EQ(StoreFromEcho(position.data_path(), position.name()), 0);
  EXPECT_EQ(GeometryMarker(position), 1);
  return position;
}

// The model files, GEOMETRY and the inverse files of a position, by name (ReadBytes).
inline std::map<std::string, std::string> ModelFiles(const common::Position& position) {
  std::map<std::string, std::string> files;
  for (const char* base : {"PARAMR", "ELEMENTS", "NODES", "LKNOTENR", "CROSS", "MATR", "DOFSK", "EXTENSIOR",
                           "GEOMETRY", "INVERSE", "FLEXDIA", "FLEXMAX"}) {
    files[base] = ReadBytes(position.File(base));
  }
  return files;
}

}  // namespace kelmf::testing
