// How REVUZAVI's pictures use a window of 1024 x 768 on BEAM2, PORTAL and ARCH computed by the real
// programs: every result curve inside the window and large enough to read, whatever scale was
// remembered, and no value label on another one or cut at the window's edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "graphics/app/graph_ids.h"
#include "graphics/app/green_dialogs.h"
#include "graphics/settings/small_settings_files.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/opened_viewer.h"
#include "graphics/tests/picture_room.h"
#include "platform/binary_io.h"
#include "platform/dc/painter_dc.h"
#include "platform/files.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

constexpr char kBeam2[] = "BEAM2";
constexpr char kPortal[] = "PORTAL";
constexpr char kArch[] = "ARCH";
using Beam2 = testing::ComputedExampleTest<kBeam2>;
using Portal = testing::ComputedExampleTest<kPortal>;
using Arch = testing::ComputedExampleTest<kArch>;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

struct Viewer : testing::OpenedViewer {
  explicit Viewer(const common::Position& position, int lc = 1) { EXPECT_TRUE(Open(position, lc)); }
  ~Viewer() { app.ExitInstance(); }
  // A click on element e at `share` of its length from its start.
  void ClickOn(int e, float share) {
    const common::ElementRecord& el = app.session().state.elements[e];
    const float x = el.xa() + share * (el.xb() - el.xa()), z = el.za() + share * (el.zb() - el.za());
    plat::testing::Click(view(), view().ClientPointOf(x, z));
    plat::testing::PumpMessages();
  }
  testing::PictureRoom Room() { return testing::MeasureRoom(view(), app.session(), kWidth, kHeight); }
};

// The picture at 1024 x 768 for a look, in the folder SUITE_KEEP_PICTURES names.
void Keep(Viewer& v, std::string name) {
  const char* keep = std::getenv("SUITE_KEEP_PICTURES");
  if (keep == nullptr) return;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  plat::Bitmap picture(kWidth, kHeight);
  {
    plat::PainterDc dc(picture);
    v.view().DrawOn(dc, kWidth, kHeight);
  }
  EXPECT_TRUE(picture.Save(std::string(keep) + "/room_" + v.app.session().state.position.name() + "_" + name + ".png").ok());
}

// The room a picture takes: its curve inside, large enough, its labels clear.
void ExpectReadable(Viewer& v, const std::string& what) {
  Keep(v, what);
  const testing::PictureRoom room = v.Room();
  EXPECT_GT(room.curve_points, 0) << what;
  EXPECT_EQ(room.curve_outside, std::vector<std::string>{}) << what;
  EXPECT_GE(room.largest_ordinate, kHeight / 20.0) << what;
  EXPECT_EQ(room.texts_outside, std::vector<std::string>{}) << what;
  EXPECT_EQ(room.overlapping, std::vector<std::string>{}) << what;
}

// Two eigenmodes of the frame: the load case's displacements made tiny, then huge.
void WriteModes(const common::Position& position, const ViewerState& state) {
  const int n = state.equation_count();
  double largest = 0.0;
  for (int i = 1; i <= n; ++i) largest = std::max(largest, std::fabs(state.displacements[static_cast<std::size_t>(i)]));
  ASSERT_GT(largest, 0.0);
  std::vector<double> modes;
  for (const double size : {1e-7, 50.0}) {
    for (int i = 1; i <= n; ++i) modes.push_back(state.displacements[static_cast<std::size_t>(i)] / largest * size);
  }
  const std::vector<double> values = {12.5, 80.0};
  ASSERT_TRUE(plat::WriteBlock(position.File("EV"), modes.data(), modes.size() * sizeof(double)));
  ASSERT_TRUE(plat::WriteBlock(position.File("EIGV"), values.data(), values.size() * sizeof(double)));
}

// Remembered scales a picture cannot be read with: every diagram scale a millionth.
void CollapseScales(const common::Position& position, int lc) {
  RememberedScales collapsed;
  for (int k = 1; k <= 12; ++k) collapsed.set_field(k, 1e-6f);
  ASSERT_TRUE(plat::WriteBlock(position.File(std::string(kRememberedScalesFile) + std::to_string(lc)),
                               collapsed.bytes().data(), RememberedScales::kSize));
}

// The releases of the table: the key of the picture shown, the release key, the element and the
// share of its length clicked. A cut is tried where the frame stays stable with it.
struct Release {
  int picture;
  int key;
  int element;
  float share;
};

// The pictures of load case lc, whose results hold some of each kind.
void CheckPictures(const common::Position& position, int lc, const std::vector<Release>& releases) {
  for (const int key : {'D', 'N', 'M', 'S'}) {
    for (const bool collapsed : {false, true}) {
      if (collapsed) CollapseScales(position, lc);
      Viewer v(position, lc);
      v.Key(key);
      ExpectReadable(v, std::string(1, static_cast<char>(key)) + (collapsed ? " from collapsed scales" : ""));
      plat::RemoveFile(position.File(std::string(kRememberedScalesFile) + std::to_string(lc)));
    }
  }
  {
    Viewer v(position);
    WriteModes(position, v.app.session().state);
    v.Command(ids::kEigen);
    ExpectReadable(v, "eigenmode 1");
    v.Key(plat::VK_UP);
    ExpectReadable(v, "eigenmode 2");
    plat::RemoveFile(position.File("EV"));
    plat::RemoveFile(position.File("EIGV"));
  }
  {
    Viewer v(position);
    v.dialogs.PressNext(plat::IDOK);
    v.Command(ids::kNodeGreen);
    for (int dof = 1; dof <= 3; ++dof) {
      ExpectReadable(v, "GF-Nodes, equation " + std::to_string(dof));
      v.Key(plat::VK_UP);
    }
  }
  {
    Viewer v(position);
    v.dialogs.OnNextDialog([](plat::Dialog& d) {
      plat::testing::TypeInto(d, CDiaGreenElement::kElementEdit, "1");
      plat::testing::Press(d, plat::IDOK);
    });
    v.Command(ids::kElementGreen);
    for (int kind = 1; kind <= 6; ++kind) {
      ExpectReadable(v, "GF-Elements, kind " + std::to_string(kind));
      v.Command(ids::kFitDiagrams);
      ExpectReadable(v, "GF-Elements, kind " + std::to_string(kind) + " after Fit");
      v.Key(plat::VK_UP);
    }
  }
  {
    Viewer v(position);
    v.Command(ids::kSupportGreen);
    ExpectReadable(v, "GF-Supports");
  }
  for (int kind = 1; kind <= 6; ++kind) {
    Viewer v(position);
    v.dialogs.OnNextDialog([kind](plat::Dialog& d) {
      if (kind == 1) {
        plat::testing::Press(d, plat::IDOK);  // the function checked at the start
      } else {
        plat::testing::SetChecked(d, CDiaGreenAny::kFunctionIds[kind - 1], true);
      }
    });
    v.Command(ids::kGreenAnywhere);
    ASSERT_TRUE(v.view().SetGreenPoint(1, 20));
    ExpectReadable(v, "GF-Anywhere, kind " + std::to_string(kind));
  }
  for (const Release& r : releases) {
    Viewer v(position);
    v.Key(r.picture);
    v.Key(r.key);
    v.ClickOn(r.element, r.share);
    const std::string what = std::string("after ") + static_cast<char>(r.key) + " on element " + std::to_string(r.element);
    ASSERT_GT(v.app.session().run.releases.count(), 0) << what;
    ExpectReadable(v, what);
  }
}

// The moments of the kinks and jumps of load case 5 (thousands of kNm) and of the temperature and
// settlement of load case 3, at the scale every load case starts with.
TEST_F(Beam2, TheMomentsOfEveryLoadCaseReadInTheWindow) {
  for (const int lc : {3, 5}) {
    Viewer v(*position_, lc);
    v.Key('M');
    ExpectReadable(v, "M of load case " + std::to_string(lc));
  }
}

TEST_F(Beam2, EveryPictureReadsInTheWindow) {
  // Load case 2 has normal forces too. A cut leaves the continuous beam a mechanism: a hinge and a
  // shear hinge.
  CheckPictures(*position_, 2, {{'M', 'F', 1, 0.35f}, {'S', 'G', 2, 0.6f}});
}

TEST_F(Portal, EveryPictureReadsInTheWindow) {
  CheckPictures(*position_, 1, {{'M', 'F', 2, 0.35f}, {'S', 'G', 2, 0.6f}, {'M', 'H', 2, 0.5f}});
}

TEST_F(Arch, EveryPictureReadsInTheWindow) {
  CheckPictures(*position_, 1, {{'M', 'F', 3, 0.5f}, {'N', 'G', 6, 0.5f}});
}

// The kink of BEAM2's load case 5 stands where no other label covers it; the functions of N, V and
// M anywhere are labelled with their influence values.
TEST_F(Beam2, TheKinksLabelIsNotOverprintedAndInfluenceValuesAreLabelledAsSuch) {
  {
    Viewer v(*position_, 5);
    EXPECT_TRUE(v.Shows("Kink Delta"));
    EXPECT_EQ(v.Room().overlapping, std::vector<std::string>{});
  }
  Viewer v(*position_);
  v.dialogs.OnNextDialog([](plat::Dialog& d) { plat::testing::SetChecked(d, CDiaGreenAny::kFunctionIds[5], true); });
  v.Command(ids::kGreenAnywhere);
  ASSERT_TRUE(v.view().SetGreenPoint(1, 20));
  EXPECT_TRUE(v.Shows("GF M [m]"));
  // The moment at station 20 of span 1 under a unit force somewhere on the beam: about a metre.
  bool metres = false, millimetres = false;
  for (const std::string& t : v.Texts()) {
    char* end = nullptr;
    const double value = std::strtod(t.c_str(), &end);
    if (end == t.c_str() || *end != '\0') continue;
    metres = metres || (std::fabs(value) > 0.05 && std::fabs(value) < 5.0);
    millimetres = millimetres || std::fabs(value) >= 50.0;
  }
  EXPECT_TRUE(metres);
  EXPECT_FALSE(millimetres);
}

// A picture after a modification is fitted, whatever scale it was read with: as Fit fits it.
TEST_F(Beam2, APictureAfterAModificationIsFitted) {
  testing::WriteReanalysisScales(*position_, 0.5f);
  Viewer v(*position_);
  v.Key('M');
  v.Texts();
  for (int i = 0; i < 2; ++i) v.Wheel(-120);  // smaller than fitted, still read
  v.Texts();
  const float wheeled = v.app.session().request.scales.moment;
  v.Key('C');
  v.ClickOn(1, 0.5f);  // span 1 at half its stiffness
  ASSERT_EQ(v.app.session().run.picked_elements.count(), 1);
  v.Texts();
  const float after = v.app.session().request.scales.moment;
  EXPECT_GT(after, wheeled);
  v.Command(ids::kFitDiagrams);
  v.Texts();
  EXPECT_FLOAT_EQ(v.app.session().request.scales.moment, after);
  plat::RemoveFile(position_->FolderFile("Scales"));
}

// A scale remembered too small to be seen is fitted and the fitted one remembered; Fit enlarges.
TEST_F(Beam2, ACollapsedScaleIsFittedAndRememberedAndFitAlsoEnlarges) {
  CollapseScales(*position_, 1);
  const std::string file = position_->File(std::string(kRememberedScalesFile) + "1");
  {
    Viewer v(*position_);
    v.Key('M');
    v.Texts();
    const float fitted = v.app.session().request.scales.moment;
    EXPECT_GT(fitted, 1e-3f);
    const auto stored = ReadRememberedScales(v.app.session().state, 1);
    ASSERT_TRUE(stored.has_value());
    EXPECT_FLOAT_EQ((*stored)[0], fitted);
    for (int i = 0; i < 3; ++i) v.Wheel(-120);  // small, but read
    v.Texts();
    const float small = v.app.session().request.scales.moment;
    EXPECT_LT(small, fitted);
    v.Command(ids::kFitDiagrams);
    v.Texts();
    EXPECT_FLOAT_EQ(v.app.session().request.scales.moment, fitted) << "Fit makes it larger again";
  }
  plat::RemoveFile(file);
}

}  // namespace
}  // namespace revuzavi
