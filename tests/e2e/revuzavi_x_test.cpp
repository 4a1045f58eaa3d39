// The real REVUZAVI on a private X server, acted on with real mouse and key events as a person
// does: the shape functions, a click on a node, M: the viewer's moment curve files of BEAM2's load
// case 1 hold its own moments; M, the tool bar's button of the equivalent nodal forces and a click
// on element 1 open that element's moment plot with the moments of the listing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "graphics/app/graph_ids.h"
#include "graphics/app/tool_images.h"
#include "graphics/tests/computed_example.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/print/tests/pdf_reading.h"
#include "tests/e2e/x_session.h"

namespace {

// The screen for a look, as a PPM image in the folder SUITE_KEEP_PICTURES names.
void Keep(const e2e::XPicture& p, const std::string& name) {
  const char* keep = std::getenv("SUITE_KEEP_PICTURES");
  if (keep == nullptr) return;
  std::string bytes = "P6\n" + std::to_string(p.width) + " " + std::to_string(p.height) + "\n255\n";
  bytes.append(reinterpret_cast<const char*>(p.rgb.data()), p.rgb.size());
  EXPECT_TRUE(plat::WriteBlock(std::string(keep) + "/" + name + ".ppm", bytes.data(), bytes.size()));
}

bool Same(const e2e::XPicture& p, int x, int y, plat::ColorRef c) {
  const std::size_t at = (static_cast<std::size_t>(y) * p.width + x) * 3;
  return p.rgb[at] == plat::GetRValue(c) && p.rgb[at + 1] == plat::GetGValue(c) && p.rgb[at + 2] == plat::GetBValue(c);
}

// Where the face of a tool-bar button shows on the screen: its middle, found pixel for pixel.
std::optional<std::pair<int, int>> FindFace(const e2e::XPicture& screen, const plat::Bitmap& face) {
  const int w = face.width(), h = face.height();
  for (int y = 0; y + h <= screen.height; ++y) {
    for (int x = 0; x + w <= screen.width; ++x) {
      bool all = true;
      for (int j = 0; all && j < h; ++j) {
        for (int i = 0; all && i < w; ++i) all = Same(screen, x + i, y + j, face.Pixel(i, j));
      }
      if (all) return std::pair{x + w / 2, y + h / 2};
    }
  }
  return std::nullopt;
}

// The floats of a curve file.
std::vector<float> Floats(const std::string& path) {
  const std::string bytes = revuzavi::testing::ReadBytes(path);
  std::vector<float> v(bytes.size() / sizeof(float));
  if (!v.empty()) std::memcpy(v.data(), bytes.data(), v.size() * sizeof(float));
  return v;
}

}  // namespace

// Runs of dark pixels along a row band, as [first, last] columns, split where a gap is wider than `gap`.
std::vector<std::pair<int, int>> DarkRuns(const e2e::XPicture& p, int x0, int x1, int y0, int y1, int gap) {
  std::vector<std::pair<int, int>> runs;
  int last = -1000;
  for (int x = std::max(0, x0); x < std::min(p.width, x1); ++x) {
    bool dark = false;
    for (int y = std::max(0, y0); !dark && y < std::min(p.height, y1); ++y) {
      const std::size_t at = (static_cast<std::size_t>(y) * p.width + x) * 3;
      dark = p.rgb[at] < 90 && p.rgb[at + 1] < 90 && p.rgb[at + 2] < 90;
    }
    if (!dark) continue;
    if (x - last > gap) runs.emplace_back(x, x);
    runs.back().second = x;
    last = x;
  }
  return runs;
}

// Where the picture shows BEAM2: the middles of its two elements (the middles of their blue labels,
// which stand over the element's middle) and the row of the beam's axis just below them.
struct Beam {
  int middle1 = 0, middle2 = 0, axis = 0;
};

std::optional<Beam> FindBeam(const e2e::XPicture& p, const e2e::XGeometry& window) {
  std::vector<std::pair<int, int>> clusters;  // x ranges of the labels' blue pixels
  int bottom = 0;
  for (int x = window.x; x < std::min(p.width, window.x + window.width); ++x) {
    bool blue = false;
    for (int y = window.y + 60; y < std::min(p.height, window.y + window.height); ++y) {
      const std::size_t at = (static_cast<std::size_t>(y) * p.width + x) * 3;
      if (p.rgb[at + 2] > 150 && p.rgb[at] < 60 && p.rgb[at + 1] < 60) {
        blue = true;
        bottom = std::max(bottom, y);
      }
    }
    if (!blue) continue;
    if (clusters.empty() || x - clusters.back().second > 40) clusters.emplace_back(x, x);
    clusters.back().second = x;
  }
  if (clusters.size() != 2) return std::nullopt;
  Beam beam;
  beam.middle1 = (clusters[0].first + clusters[0].second) / 2;
  beam.middle2 = (clusters[1].first + clusters[1].second) / 2;
  for (int y = bottom + 1; y < bottom + 20 && y < p.height; ++y) {
    const std::size_t at = (static_cast<std::size_t>(y) * p.width + beam.middle1) * 3;
    if (p.rgb[at] < 90 && p.rgb[at + 1] < 90 && p.rgb[at + 2] < 90) {
      beam.axis = y;
      return beam;
    }
  }
  return std::nullopt;
}

// Where the viewer's message boxes are logged.
std::string MessagesFile() { return plat::testing::TestFolder() + "messages.txt"; }

// Starts the viewer on load case 1 of the position for a person to act on (its script only waits,
// its boxes go to messages.txt), with `env` besides; -1 when it cannot start.
pid_t StartForAPerson(e2e::XSession& x, const common::Position& position,
                      std::vector<std::pair<std::string, std::string>> env) {
  const std::string folder = plat::testing::TestFolder() + "script/";
  const std::string script = "wait 300000\n";
  if (!plat::MakeFolder(folder) || !plat::WriteBlock(folder + "REVUZAVI.script", script.data(), script.size())) {
    return -1;
  }
  env.emplace_back("PLAT_MESSAGES", MessagesFile());
  env.emplace_back("PLAT_SCRIPT", folder);
  return x.Start("REVUZAVI", {position.ext(), "@" + position.data_path(), "@1"}, env);
}

// The items of the picture window's menu bar: "<", "Frame", ... "Help".
constexpr int kPictureMenuItems = 25;
constexpr int kShapeFunctionsItem = 19;

TEST(RevuzaviX, ResultsAfterTheShapeFunctionsAndTheElementPlotFromTheToolBar) {
  if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
  const common::Position position = revuzavi::testing::ComputedExample("BEAM2");
  if (HasFailure()) return;
  e2e::XSession x(2200, 1000);
  ASSERT_TRUE(x.ok()) << x.error();
  const std::string pdf = plat::testing::TestFolder() + "plot.pdf";
  for (const char* name : {"M101", "M201"}) plat::RemoveFile(position.FolderFile(name));
  const pid_t viewer = StartForAPerson(x, position, {{"PLAT_PRINT_TO_PDF", pdf}});
  ASSERT_GT(viewer, 0);
  const auto window = x.FindWindow("^REVUZAVI");
  ASSERT_TRUE(window) << x.StderrOf(viewer);
  x.Settle(1000);
  ASSERT_TRUE(x.Xdotool({"windowsize", *window, "2100", "900"}));  // every item of the menu bar in sight
  x.Settle(800);
  const auto g = x.Geometry(*window);
  ASSERT_TRUE(g);
  const auto start = x.Grab();
  ASSERT_TRUE(start);
  Keep(*start, "revuzavi_x_start");
  const std::optional<Beam> beam = FindBeam(*start, *g);
  ASSERT_TRUE(beam) << "the element labels of BEAM2 are not in the picture";
  std::vector<std::pair<int, int>> items = DarkRuns(*start, g->x + 4, g->x + g->width - 30, g->y + 2, g->y + 22, 12);
  ASSERT_EQ(items.size(), static_cast<std::size_t>(kPictureMenuItems)) << "the menu bar's items";

  // Shape functions, a click on node 2, M: the moments of the load case.
  const auto [first, last] = items[kShapeFunctionsItem];
  ASSERT_TRUE(x.Click((first + last) / 2, g->y + 12));
  x.Settle(500);
  ASSERT_TRUE(x.Click((beam->middle1 + beam->middle2) / 2, beam->axis));
  x.Settle(500);
  Keep(*x.Grab(), "revuzavi_x_shape_function");
  ASSERT_TRUE(x.Key("m"));
  x.Settle(800);
  Keep(*x.Grab(), "revuzavi_x_moments");
  const std::vector<float> m1 = Floats(position.FolderFile("M101")), m2 = Floats(position.FolderFile("M201"));
  const std::vector<float> solver1 = Floats(position.File("M01E1")), solver2 = Floats(position.File("M01E2"));
  ASSERT_EQ(m1.size(), 51u);
  ASSERT_EQ(m2.size(), 51u);
  ASSERT_EQ(solver1.size(), 51u);
  EXPECT_NEAR(m1[50], -44.94, 0.01);
  EXPECT_NEAR(m2[0], -44.94, 0.01);
  EXPECT_NEAR(*std::max_element(m1.begin(), m1.end()), 25.33, 0.01);
  for (std::size_t k = 0; k < 51; ++k) {
    EXPECT_NEAR(m1[k], solver1[k], 1e-3) << k;
    EXPECT_NEAR(m2[k], solver2[k], 1e-3) << k;
  }

  // The tool bar's equivalent nodal forces, then a click on element 1: its moment plot, exported
  // (C) and printed (P).
  const auto face = FindFace(*start, revuzavi::ToolImage(revuzavi::ids::kEquivalentNodalForces));
  ASSERT_TRUE(face) << "the tool bar's button of the equivalent nodal forces";
  ASSERT_TRUE(x.Click(face->first, face->second));
  x.Settle(500);
  ASSERT_TRUE(x.Click(beam->middle1, beam->axis));
  x.Settle(1000);
  Keep(*x.Grab(), "revuzavi_x_plot");
  ASSERT_TRUE(x.Key("c"));
  x.Settle(800);
  ASSERT_TRUE(x.Key("p"));
  x.Settle(1500);
  EXPECT_EQ(revuzavi::testing::ReadBytes(position.FolderFile("GRAPHICFILES.TXT")),
            "              G1.jpg    MOMENTS [kNm] IN ELEMENT 1 IN LC 1\r\n");
  const std::string page = plat::testing::PdfPageText(pdf, 1);
  for (const char* text : {"-44.94", "25.33"}) EXPECT_NE(page.find(text), std::string::npos) << text << " in\n" << page;
  ASSERT_TRUE(x.Key("Escape"));  // the plot closes
  x.Settle(500);
  ASSERT_TRUE(x.Key("Escape"));  // the picture's Esc ends the viewer
  const std::optional<int> code = x.WaitExit(viewer, 20);
  EXPECT_EQ(code, 0) << x.StderrOf(viewer);
  EXPECT_EQ(revuzavi::testing::ReadBytes(MessagesFile()),
            "OK\tPicture copied to clipboard and stored in file " + position.FolderFile("G1.jpg") + "\n");
}

// The image-format plug-ins mapped into a running process.
int ImagePluginsOf(pid_t pid) {
  std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
  int mapped = 0;
  for (std::string line; std::getline(maps, line);) mapped += line.find("/imageformats/") != std::string::npos;
  return mapped;
}

// On a screen too narrow for the picture's menu bar, its overflow arrow shows at the bar's right
// end; drawing it loads no image-format plug-in (they cost the viewer's start more than its menu).
TEST(RevuzaviX, TheMenuBarsOverflowArrowShowsWithoutImagePlugIns) {
  if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
  const common::Position position = revuzavi::testing::ComputedExample("BEAM2");
  if (HasFailure()) return;
  e2e::XSession x(1024, 768);
  ASSERT_TRUE(x.ok()) << x.error();
  const pid_t viewer = StartForAPerson(x, position, {});
  ASSERT_GT(viewer, 0);
  const auto window = x.FindWindow("^REVUZAVI");
  ASSERT_TRUE(window) << x.StderrOf(viewer);
  x.Settle(1000);
  ASSERT_TRUE(x.Xdotool({"windowmove", *window, "0", "0"}));
  ASSERT_TRUE(x.Xdotool({"windowsize", *window, "900", "700"}));  // narrower than the menu bar's items
  x.Settle(800);
  const auto g = x.Geometry(*window);
  ASSERT_TRUE(g);
  ASSERT_LE(g->x + g->width, 1024);
  const auto screen = x.Grab();
  ASSERT_TRUE(screen);
  Keep(*screen, "revuzavi_x_overflow");
  // The arrow: dark pixels in the last 24 columns of the menu bar, right of its last item shown.
  const std::vector<std::pair<int, int>> arrow =
      DarkRuns(*screen, g->x + g->width - 24, g->x + g->width, g->y + 2, g->y + 22, 2);
  EXPECT_FALSE(arrow.empty()) << "no overflow arrow at the menu bar's end";
  EXPECT_EQ(ImagePluginsOf(viewer), 0);
  EXPECT_TRUE(x.Running(viewer));
}
