// The suite's help pages beside the programs after a build.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace {

TEST(HelpPages, LieBesideTheProgramsWithATitleAndAHeading) {
  for (const char* name : {"TEXTE.HTM", "TASTATUR.HTM", "ECHOSENDEN.HTM", "KELMFKEYS.HTM"}) {
    SCOPED_TRACE(name);
    const auto bytes = plat::ReadWholeFile(plat::testing::BinFolder() + name);
    ASSERT_TRUE(bytes.has_value());
    const std::string page(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    EXPECT_TRUE(std::regex_search(page, std::regex("<title>[^<]+</title>"))) << page;
    EXPECT_TRUE(std::regex_search(page, std::regex("<h[1-3]>[^<]+</h[1-3]>"))) << page;
  }
}

}  // namespace
