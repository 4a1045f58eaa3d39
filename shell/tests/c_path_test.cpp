#include "shell/files/c_path.h"

#include <gtest/gtest.h>

namespace quentaris {
namespace {

TEST(CPath, SplitsFolderTitleAndExtension) {
  struct Case {
    std::string text;
    std::string folder;
    std::string title;
    std::string extension;
    bool relative;
  };
  const Case cases[] = {
      {"/x/ECHO_G.BEAM2.TXT", "/x/", "ECHO_G.BEAM2", "TXT", false},
      {"\"/a b/ACADGEO.A1\"", "/a b/", "ACADGEO", "A1", false},
      {"/x/ARCH.tar.gz", "/x/", "ARCH.tar", "gz", false},
      {"rel/f", "rel/", "f", "", true},
      {"", "", "", "", false},
      {"\"\"", "", "", "", false},
      {"/x/.cfg", "/x/", "", "", false},
      {"/x/name.", "/x/", "name", "", false},
      {"plain", "", "plain", "", false},
      {"/x/dir.d/file", "/x/dir.d/", "file", "", false},
  };
  for (const Case& c : cases) {
    const CPath path(c.text);
    EXPECT_EQ(path.folder(), c.folder) << c.text;
    EXPECT_EQ(path.title(), c.title) << c.text;
    EXPECT_EQ(path.extension(), c.extension) << c.text;
    EXPECT_EQ(path.relative(), c.relative) << c.text;
    EXPECT_EQ(path.text(), c.text);
  }
}

TEST(CPath, JoinsItsParts) {
  CPath path("\"/a b/ACADGEO.A1\"");
  EXPECT_EQ(path.extension_with_point(), ".A1");
  EXPECT_EQ(path.full_path(), "/a b/ACADGEO.A1");
  path.Set("/x/README");
  EXPECT_EQ(path.extension_with_point(), "");
  EXPECT_EQ(path.full_path(), "/x/README");
}

}  // namespace
}  // namespace quentaris
