#pragma once
// What the table tests share: a position folder of their own without the
// frame's files.
#include <gtest/gtest.h>

#include <string>

#include "common/position/position.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace kelmf::testing {

inline common::Position FreshTablePosition(const std::string& name) {
  common::Position position(plat::testing::TestFolder() + "tables/", "." + name);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  for (const char* f : {"ELEMENTS", "NODES", "LKNOTENR", "CROSS", "MATR", "GEOMETRY", "EXTENSIOR", "INVERSE"}) {
    plat::RemoveFile(position.File(f));
  }
  return position;
}

}  // namespace kelmf::testing
