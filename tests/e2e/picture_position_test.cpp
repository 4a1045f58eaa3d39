// picture-position on the example positions computed by compute-position: every picture kind of every
// load case drawn through the viewer's code, the viewer's curve files equal to the solver's, each output
// format, and the failures that write no file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "common/position/position.h"
#include "platform/testing/testing.h"
#include "tests/e2e/e2e_positions.h"

namespace {

using e2e::ComputedExample;
using e2e::ReadBytes;

const std::vector<std::string> kKinds = {"frame",     "loads",       "deflection", "N",
                                         "V",         "M",           "reactions",  "nodal-loads",
                                         "energy",    "green-node:2:y", "green-node:1:phi", "green-element:1:6",
                                         "green-element:1:2:1.5"};

struct Drawn {
  int exit_code = -1;
  std::string error;  // the line on stderr
};

// The lines of the program's own on stderr (the window system may add its notes).
int MessageLines(const std::string& error) {
  int n = 0;
  for (std::size_t at = error.find("picture-position: "); at != std::string::npos;
       at = error.find("picture-position: ", at + 1)) {
    n += at == 0 || error[at - 1] == '\n';
  }
  return n;
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// picture-position with its stderr kept.
Drawn PicturePosition(const common::Position& position, int lc, const std::string& kind, const std::string& out,
                      const std::string& size = "") {
  const std::string err = plat::testing::TestFolder() + "stderr.txt";
  std::string command = Quoted(plat::testing::BinFolder() + "picture-position") + " " +
                        Quoted(position.data_path()) + " " + position.name() + " " + std::to_string(lc) + " " +
                        Quoted(kind) + " " + Quoted(out) + (size.empty() ? "" : " " + size) + " 2> " + Quoted(err);
  const int status = std::system(command.c_str());
  Drawn d;
  d.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  d.error = ReadBytes(err);
  return d;
}

// Width and height of a PNG image from its header, 0 x 0 for another file.
std::pair<int, int> PngSize(const std::string& path) {
  const std::string png = ReadBytes(path);
  if (png.size() < 24 || png.substr(0, 8) != "\x89PNG\r\n\x1a\n") return {0, 0};
  auto be = [&](std::size_t at) {
    int v = 0;
    for (std::size_t k = 0; k < 4; ++k) v = v * 256 + static_cast<unsigned char>(png[at + k]);
    return v;
  };
  return {be(16), be(20)};
}

std::vector<float> Floats(const std::string& path) {
  const std::string bytes = ReadBytes(path);
  std::vector<float> v(bytes.size() / sizeof(float));
  if (!v.empty()) std::memcpy(v.data(), bytes.data(), v.size() * sizeof(float));
  return v;
}

struct CurveFiles {
  char viewer;  // the viewer's letter
  char solver;  // ZEDIR's letter
  double near_zero;
};

// The viewer's curve file of each element equals the solver's.
void ExpectCurvesOfTheSolver(const common::Position& position, int lc, const CurveFiles& files, int elements) {
  const std::string lc_text = "0" + std::to_string(lc);
  for (int e = 1; e <= elements; ++e) {
    const std::string viewer_name = std::string(1, files.viewer) + std::to_string(e) + lc_text;
    const std::string solver_name = std::string(1, files.solver) + lc_text + "E" + std::to_string(e);
    const std::vector<float> viewer = Floats(position.FolderFile(viewer_name));
    const std::vector<float> solver = Floats(position.File(solver_name));
    ASSERT_EQ(solver.size(), 51u) << solver_name;
    ASSERT_EQ(viewer.size(), 51u) << viewer_name;
    for (std::size_t k = 0; k < 51; ++k) {
      EXPECT_NEAR(viewer[k], solver[k], std::max(files.near_zero, 1e-5 * std::fabs(solver[k])))
          << viewer_name << " sample " << k + 1;
    }
  }
}

TEST(PicturePosition, EveryKindOfEveryLoadCaseOfBeam2) {
  const common::Position position = ComputedExample("BEAM2");
  const std::string out = plat::testing::TestFolder() + "picture.png";
  for (int lc = 1; lc <= 5; ++lc) {
    for (const std::string& kind : kKinds) {
      std::filesystem::remove(out);
      const Drawn d = PicturePosition(position, lc, kind, out);
      EXPECT_EQ(d.exit_code, 0) << lc << " " << kind << ": " << d.error;
      EXPECT_EQ(PngSize(out), (std::pair<int, int>{1000, 700})) << lc << " " << kind;
      if (kind == "M") ExpectCurvesOfTheSolver(position, lc, {'M', 'M', 1e-4}, 2);
      if (kind == "V") ExpectCurvesOfTheSolver(position, lc, {'S', 'V', 1e-4}, 2);
      if (kind == "N") ExpectCurvesOfTheSolver(position, lc, {'N', 'N', 1e-4}, 2);
      if (kind == "deflection") {
        ExpectCurvesOfTheSolver(position, lc, {'W', 'W', 1e-9}, 2);
        ExpectCurvesOfTheSolver(position, lc, {'U', 'U', 1e-9}, 2);
      }
    }
  }
}

TEST(PicturePosition, EveryKindOfTheOtherExamples) {
  for (const char* name : {"PORTAL", "ARCH"}) {
    const common::Position position = ComputedExample(name);
    const std::string out = plat::testing::TestFolder() + name + ".png";
    for (const std::string& kind : kKinds) {
      std::filesystem::remove(out);
      const Drawn d = PicturePosition(position, 1, kind, out);
      EXPECT_EQ(d.exit_code, 0) << name << " " << kind << ": " << d.error;
      EXPECT_EQ(PngSize(out), (std::pair<int, int>{1000, 700})) << name << " " << kind;
    }
  }
}

TEST(PicturePosition, EachOutputFormat) {
  const common::Position position = ComputedExample("PORTAL");
  const std::string folder = plat::testing::TestFolder();
  EXPECT_EQ(PicturePosition(position, 1, "M", folder + "m.png", "640x480").exit_code, 0);
  EXPECT_EQ(PngSize(folder + "m.png"), (std::pair<int, int>{640, 480}));
  EXPECT_EQ(PicturePosition(position, 1, "M", folder + "m.jpg").exit_code, 0);
  EXPECT_EQ(ReadBytes(folder + "m.jpg").substr(0, 3), "\xff\xd8\xff");
  EXPECT_EQ(PicturePosition(position, 1, "M", folder + "m.bmp").exit_code, 0);
  EXPECT_EQ(ReadBytes(folder + "m.bmp").substr(0, 2), "BM");
  EXPECT_EQ(PicturePosition(position, 1, "M", folder + "m.pdf").exit_code, 0);
  EXPECT_EQ(ReadBytes(folder + "m.pdf").substr(0, 5), "%PDF-");
}

struct FailingCase {
  std::string name;  // the position
  int lc;
  std::string kind;
  std::string out;
  std::string size;
  std::string message;  // part of the line on stderr
};

TEST(PicturePosition, FailuresWriteNoFile) {
  const common::Position position = ComputedExample("BEAM2");
  // The same position stored but not computed: its load cases without the solver's displacements.
  const common::Position stored(position.data_path(), ".STORED");
  ASSERT_TRUE(common::EnsurePositionFolder(stored));
  for (const auto& entry : std::filesystem::directory_iterator(position.data_path() + "SDIRBEAM2")) {
    std::string file = entry.path().filename().string();
    if (file.rfind("UT8", 0) == 0) continue;
    const std::size_t dot = file.find(".BEAM2");
    if (dot != std::string::npos) file = file.substr(0, dot) + ".STORED" + file.substr(dot + 6);
    std::filesystem::copy_file(entry.path(), stored.data_path() + "SDIRSTORED/" + file);
  }
  const std::string folder = plat::testing::TestFolder();
  const FailingCase cases[] = {
      {"BEAM2", 1, "bogus", "a.png", "", "unknown kind bogus"},
      {"NOPOS", 1, "frame", "b.png", "", "PARAMR"},
      {"BEAM2", 9, "frame", "c.png", "", "load case 9 is not in the diary"},
      {"STORED", 1, "M", "d.png", "", "no results for load case 1"},
      {"STORED", 1, "green-node:2:y", "e.png", "", "no results for load case 1"},
      {"BEAM2", 1, "green-node:9:x", "f.png", "", "node 9 is out of range"},
      {"BEAM2", 1, "green-element:3:1", "g.png", "", "element 3 is out of range"},
      {"BEAM2", 1, "green-element:1:7", "h.png", "", "Green kind 7 is out of range"},
      {"BEAM2", 1, "green-element:1:1:7", "i.png", "", "position 7 is off the element"},
      {"BEAM2", 1, "M", "j.png", "5x5", "size 5x5 is out of range"},
      {"BEAM2", 1, "M", "k.gif", "", "unknown output format"},
      {"BEAM2", 1, "M", "missing/l.png", "", "missing/l.png"},
  };
  for (const FailingCase& c : cases) {
    const common::Position p(position.data_path(), "." + c.name);
    const Drawn d = PicturePosition(p, c.lc, c.kind, folder + c.out, c.size);
    EXPECT_NE(d.exit_code, 0) << c.out;
    EXPECT_NE(d.error.find(c.message), std::string::npos) << c.out << ": " << d.error;
    EXPECT_EQ(MessageLines(d.error), 1) << d.error;
    EXPECT_FALSE(std::filesystem::exists(folder + c.out)) << c.out;
  }
  // The stored position still draws its frame with its loads.
  EXPECT_EQ(PicturePosition(stored, 1, "frame", folder + "frame.png").exit_code, 0);
  EXPECT_EQ(PngSize(folder + "frame.png"), (std::pair<int, int>{1000, 700}));
}

}  // namespace
