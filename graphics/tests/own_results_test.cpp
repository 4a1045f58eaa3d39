// REVUZAVI in process on BEAM2: every result picture shows the load case's own results whatever
// picture came before, a load case without usable results shows none, damaged result and
// settings files are named, the support reactions are drawn, and the tool bar reaches its commands.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "common/position/file_names.h"
#include "common/print_scales_file.h"
#include "common/settings.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/green_dialogs.h"
#include "graphics/app/picture_menu.h"
#include "graphics/app/tool_images.h"
#include "graphics/loads/recomputed_reactions.h"
#include "graphics/loads/support_reactions.h"
#include "graphics/picture/element_values.h"
#include "graphics/settings/small_settings_files.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/opened_viewer.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/frame_testing.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

namespace fn = common::file_names;
constexpr char kBeam2[] = "BEAM2";
using Beam2 = testing::ComputedExampleTest<kBeam2>;
using testing::OpenedViewer;

// The viewer's curve files of load case 1 of BEAM2's two elements, by name.
std::map<std::string, std::string> CurveFiles(const common::Position& position) {
  std::map<std::string, std::string> files;
  for (const char letter : {'U', 'W', 'N', 'M', 'S'}) {
    for (const int e : {1, 2}) {
      const std::string name = std::string(1, letter) + std::to_string(e) + "01";
      files[name] = testing::ReadBytes(position.FolderFile(name));
    }
  }
  return files;
}

// The message boxes shown, as "caption|text".
std::vector<std::string> Boxes(const plat::testing::DialogScript& script) {
  std::vector<std::string> texts;
  for (const auto& shown : script.shown()) {
    if (shown.kind == plat::testing::ShownDialog::Kind::kMessageBox) texts.push_back(shown.caption + "|" + shown.text);
  }
  return texts;
}

// The viewer on load case lc with a click where it shows the world point (x, z).
struct Viewer : OpenedViewer {
  explicit Viewer(const common::Position& position, int lc = 1) { EXPECT_TRUE(Open(position, lc)); }
  ~Viewer() { app.ExitInstance(); }
  void ClickAt(float x, float z) {
    plat::testing::Click(view(), view().ClientPointOf(x, z));
    plat::testing::PumpMessages();
  }
};

// Results of the load case: the moments over the middle support and in span 1, the shear at the
// middle support, the sag of span 1 (mm).
struct ResultKey {
  int key;
  std::vector<std::string> labels;
};
const ResultKey kResultKeys[] = {
    {'M', {"-44.94 kNm", "25.33 kNm"}},
    {'S', {"-37.5 kN", "37.5 kN"}},
    {'D', {"2.49"}},
};

TEST_F(Beam2, AResultCommandShowsTheLoadCasesOwnResultsWhateverPictureCameBefore) {
  std::map<std::string, std::string> own;
  {
    Viewer fresh(*position_);
    for (const int key : {'D', 'N', 'M', 'S'}) {
      fresh.Key(key);
      fresh.Texts();  // drawn: the curve files written
    }
    own = CurveFiles(*position_);
    for (const auto& [name, bytes] : own) ASSERT_EQ(bytes.size(), 204u) << name;
  }
  struct Case {
    const char* name;
    std::function<void(Viewer&)> before;
    bool keeps_itself_on_d = false;
  };
  const Case cases[] = {
      {"shape functions and a click on node 2",
       [](Viewer& v) {
         v.Command(ids::kShapeFunctions);
         v.ClickAt(6.0f, 0.0f);
         EXPECT_EQ(v.app.session().request.shape_dof, v.app.session().state.nodes[2].dof_u());
       }},
      {"shape functions and the frame",
       [](Viewer& v) {
         v.Command(ids::kShapeFunctions);
         v.Command(ids::kFrame);
       }},
      {"GF-Anywhere of M at a point",
       [](Viewer& v) {
         v.dialogs.OnNextDialog([](plat::Dialog& d) { plat::testing::SetChecked(d, CDiaGreenAny::kFunctionIds[5], true); });
         v.Command(ids::kGreenAnywhere);
         ASSERT_TRUE(v.view().SetGreenPoint(1, 20));
       },
       true},
      {"GF-Nodes",
       [](Viewer& v) {
         v.dialogs.PressNext(plat::IDOK);
         v.Command(ids::kNodeGreen);
       }},
      {"GF-Elements",
       [](Viewer& v) {
         v.dialogs.OnNextDialog([](plat::Dialog& d) {
           plat::testing::TypeInto(d, CDiaGreenElement::kElementEdit, "1");
           plat::testing::Press(d, plat::IDOK);
         });
         v.Command(ids::kElementGreen);
       },
       true},
      {"GF-Supports", [](Viewer& v) { v.Command(ids::kSupportGreen); }},
      {"Flex", [](Viewer& v) { v.Command(ids::kFlex); }},
  };
  for (const Case& c : cases) {
    for (const ResultKey& k : kResultKeys) {
      Viewer v(*position_);
      c.before(v);
      v.Texts();
      EXPECT_EQ(CurveFiles(*position_), own) << c.name << ": the picture wrote another field into the curve files";
      v.Key(k.key);
      EXPECT_EQ(CurveFiles(*position_), own) << c.name << ", then " << static_cast<char>(k.key);
      if (k.key == 'D' && c.keeps_itself_on_d) {  // D does nothing in these pictures: they stay as they were
        EXPECT_TRUE(v.Shows("GF ")) << c.name;
        continue;
      }
      for (const std::string& label : k.labels) {
        EXPECT_TRUE(v.Shows(label)) << c.name << ", then " << static_cast<char>(k.key) << ": " << label;
      }
      EXPECT_FALSE(v.app.session().state.foreign_field) << c.name;
    }
  }
}

// The node's Green's function shown again after the load case's results: the INVERSE column again,
// not the displacements left from the load case.
TEST_F(Beam2, TheNodesGreenFunctionAgainAfterTheLoadCaseIsItsColumnAgain) {
  Viewer v(*position_);
  std::vector<double> column;
  ASSERT_TRUE(ReadInverseColumn(v.app.session().state, 1, v.app.session().state.equation_count(), column).ok());
  for (const int leave : {plat::VK_ESCAPE, static_cast<int>('M')}) {
    v.dialogs.PressNext(plat::IDOK);
    v.Command(ids::kNodeGreen);
    v.Texts();
    const std::vector<double>& shown = v.app.session().state.displacements;
    EXPECT_EQ(std::vector<double>(shown.begin(), shown.begin() + static_cast<std::ptrdiff_t>(column.size())), column)
        << leave;
    v.Key(leave);
    v.Texts();
    EXPECT_FALSE(v.app.session().state.foreign_field) << leave;
  }
}

// A load case without usable results (its UT8 missing or short) draws no diagram and writes no
// curve file; the result commands say so; the load cases with results stay as they were.
TEST_F(Beam2, ALoadCaseWithoutUsableResultsDrawsNoDiagram) {
  const std::string ut803 = position_->LoadCaseFile(fn::kDisplacements, 3);
  const std::string kept = testing::ReadBytes(ut803);
  ASSERT_EQ(kept.size(), 8008u);
  struct Case {
    const char* name;
    std::string bytes;  // empty: the file is missing
    std::vector<std::string> boxes;
  } cases[] = {
      {"missing", "", {"OK|No results for this load case"}},
      {"short", kept.substr(0, 100),
       {"Error|The file " + ut803 + " is damaged: it holds 100 bytes instead of 8008.",
        "OK|No results for this load case"}},
  };
  for (const Case& c : cases) {
    plat::RemoveFile(ut803);
    if (!c.bytes.empty()) {
      ASSERT_TRUE(plat::WriteBlock(ut803, c.bytes.data(), c.bytes.size()));
    }
    for (const char* name : {"M103", "M203"}) plat::RemoveFile(position_->FolderFile(name));
    {
      Viewer v(*position_, 2);
      v.Key('M');
      EXPECT_TRUE(v.Shows("kNm")) << c.name;
      v.Command(ids::kNextLoadCase);
      EXPECT_EQ(Boxes(v.dialogs), c.boxes) << c.name;
      EXPECT_TRUE(v.Shows("LC 3 of 5 (no results)")) << c.name;
      EXPECT_FALSE(v.Shows("kNm")) << c.name << ": a diagram without results";
      EXPECT_FALSE(plat::FileExists(position_->FolderFile("M103"))) << c.name;
      v.Key('D');
      EXPECT_EQ(Boxes(v.dialogs).back(), "OK|No results for this load case") << c.name;
      EXPECT_FALSE(v.Shows(" mm")) << c.name;
      v.Command(ids::kPreviousLoadCase);
      EXPECT_TRUE(v.Shows("kNm")) << c.name << ": load case 2 keeps its moments";
    }
    EXPECT_FALSE(plat::FileExists(position_->FolderFile("M103"))) << c.name;
  }
  ASSERT_TRUE(plat::WriteBlock(ut803, kept.data(), kept.size()));
}

// A damaged UT8 or RHSG of the load case the viewer starts on is named; the viewer opens with that
// load case shown without results, and the others are reached as before.
TEST_F(Beam2, ADamagedResultOfTheStartLoadCaseIsNamedAndTheOthersStayReachable) {
  for (const std::string& path : {position_->LoadCaseFile(fn::kDisplacements, 1),
                                  position_->FolderFile(std::string(fn::kLoadVector) + "01")}) {
    const std::string kept = testing::ReadBytes(path);
    ASSERT_GT(kept.size(), 20u) << path;
    ASSERT_TRUE(plat::WriteBlock(path, kept.data(), 20));
    {
      Viewer v(*position_, 1);
      ASSERT_NE(v.app.main_frame(), nullptr) << path;
      ASSERT_EQ(Boxes(v.dialogs).size(), 1u) << path;
      EXPECT_EQ(Boxes(v.dialogs)[0].rfind("Error|The file " + path + " is damaged: it holds 20 bytes instead of ", 0), 0u)
          << Boxes(v.dialogs)[0];
      EXPECT_TRUE(v.Shows("LC 1 of 5 (no results)")) << path;
      v.Key('M');
      EXPECT_FALSE(v.Shows("kNm")) << path;
      v.Command(ids::kNextLoadCase);
      v.Key('M');
      EXPECT_TRUE(v.Shows("LC 2 of 5  Moments")) << path;
      EXPECT_TRUE(v.Shows("kNm")) << path;
    }
    ASSERT_TRUE(plat::WriteBlock(path, kept.data(), kept.size()));
  }
}

TEST_F(Beam2, ADamagedEnergiesFileIsNamedAndNoEnergyIsShown) {
  const std::string path = position_->LoadCaseFile("ENERGIES", 1);
  const std::string kept = testing::ReadBytes(path);
  ASSERT_EQ(kept.size(), 12u);  // the largest, then elements 1 and 2
  ASSERT_TRUE(plat::WriteBlock(path, kept.data(), 10));
  {
    Viewer v(*position_);
    v.Key('W');
    EXPECT_EQ(Boxes(v.dialogs),
              std::vector<std::string>{"Error|The file " + path + " is damaged: it holds 10 bytes instead of 12."});
    EXPECT_FALSE(v.app.session().request.energies);
    EXPECT_FALSE(v.Shows("Total ="));
  }
  ASSERT_TRUE(plat::WriteBlock(path, kept.data(), kept.size()));
}

// The texts "%.2f kN" of the vertical reactions at BEAM2's three supports.
std::vector<std::string> VerticalReactionTexts(const ViewerState& state, const std::vector<float>& reactions) {
  std::vector<std::string> texts;
  for (int n = 1; n <= 3; ++n) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f kN",
                  std::fabs(static_cast<double>(reactions[static_cast<std::size_t>(state.nodes[n].dof_v())])));
    texts.push_back(text);
  }
  return texts;
}

// The device distance of label `text` from the beam's axis.
int LabelDistance(Viewer& v, const std::string& text) {
  plat::RecordingDc dc;
  v.view().DrawOn(dc);
  const int axis = v.view().ClientPointOf(0.0f, 0.0f).y;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText && op.text == text) return std::abs(op.origin.y - axis);
  }
  return -1;
}

TEST_F(Beam2, TheFramePictureOfAComputedLoadCaseShowsItsSupportReactions) {
  Viewer v(*position_);
  std::vector<float> klager;
  ASSERT_TRUE(ReadSupportReactions(v.app.session().state, klager).ok());
  const std::vector<std::string> texts = VerticalReactionTexts(v.app.session().state, klager);
  EXPECT_EQ(texts[1].substr(0, 2), "74") << "the middle support takes 10/8 of the span's load";
  for (const std::string& t : texts) EXPECT_TRUE(v.Shows(t)) << t;
  v.Key('M');
  EXPECT_FALSE(v.Shows(texts[1])) << "a result picture shows no reactions";
  v.Command(ids::kFrame);
  EXPECT_TRUE(v.Shows(texts[1]));

  // The wheel's target "Support Reactions" scales them: the label at the arrow's end moves out.
  const int before = LabelDistance(v, texts[1]);
  v.Command(ids::kWheelTarget);
  v.Command(ids::kWheelTarget);
  EXPECT_EQ(v.app.session().wheel_status, "Wheel scales Support Reactions (click to change)");
  v.Wheel(120);
  const int after = LabelDistance(v, texts[1]);
  EXPECT_GT(before, 0);
  EXPECT_GT(after, before + before / 4) << before << " -> " << after;
}

TEST_F(Beam2, AModifiedFrameShowsItsRecomputedReactions) {
  testing::WriteReanalysisScales(*position_, 0.5f);
  Viewer v(*position_);
  std::vector<float> klager;
  ASSERT_TRUE(ReadSupportReactions(v.app.session().state, klager).ok());
  const std::vector<std::string> stored = VerticalReactionTexts(v.app.session().state, klager);
  v.Key('C');
  v.ClickAt(3.0f, 0.0f);  // element 1 at half its stiffness
  ASSERT_EQ(v.app.session().run.picked_elements.count(), 1);
  const auto recomputed = RecomputedReactions(v.app.session().state);
  ASSERT_TRUE(recomputed.ok());
  const std::vector<std::string> texts = VerticalReactionTexts(v.app.session().state, recomputed.value());
  EXPECT_NE(texts[1], stored[1]) << "the softer span 1 moves load to its neighbours";
  for (const std::string& t : texts) EXPECT_TRUE(v.Shows(t)) << t;
  EXPECT_FALSE(v.Shows(stored[1]));
  v.Key(plat::VK_ESCAPE);
  EXPECT_TRUE(v.Shows(stored[1])) << "the stored frame's again";
  plat::RemoveFile(position_->FolderFile("Scales"));
}

// A modification begun in a picture of another field is computed from the load case's results, as
// one begun in the frame picture.
TEST_F(Beam2, AModificationBegunInAGreenPictureStartsFromTheLoadCasesResults) {
  testing::WriteReanalysisScales(*position_, 0.5f);
  std::vector<std::vector<double>> fields;
  for (const bool green_first : {false, true}) {
    Viewer v(*position_);
    if (green_first) v.Command(ids::kSupportGreen);
    v.Key('C');
    EXPECT_FALSE(v.app.session().request.support_green);
    v.ClickAt(3.0f, 0.0f);
    ASSERT_EQ(v.app.session().run.picked_elements.count(), 1) << green_first;
    fields.push_back(v.app.session().state.displacements);
  }
  EXPECT_EQ(fields[1], fields[0]);
  plat::RemoveFile(position_->FolderFile("Scales"));
}

// Each command of the picture that the Parts give a tool-bar button has one, with its face, and
// a click on it reaches the command.
TEST_F(Beam2, TheToolBarReachesThePictureCommands) {
  Viewer v(*position_);
  plat::ToolBar& bar = v.frame().tool_bar();
  for (const plat::UINT id : {ids::kEquivalentNodalForces, ids::kOneClickMode, ids::kEndSelection, ids::kResetScales,
                              ids::kAlignText, plat::ID_FILE_PRINT, plat::ID_FILE_PRINT_PREVIEW}) {
    EXPECT_GE(bar.CommandToIndex(id), 0) << id;
    EXPECT_TRUE(plat::testing::ToolButtonEnabled(bar, id)) << id;
    EXPECT_FALSE(ToolImage(id).IsEmpty()) << id;
  }
  ViewerSession& s = v.app.session();
  v.Key('M');
  ASSERT_TRUE(plat::testing::ClickToolButton(bar, ids::kEquivalentNodalForces));
  plat::testing::PumpMessages();
  EXPECT_TRUE(s.request.nodal_loads);
  ASSERT_TRUE(plat::testing::ClickToolButton(bar, ids::kOneClickMode));
  plat::testing::PumpMessages();
  EXPECT_TRUE(v.view().modes().one_click);
  EXPECT_NE(v.frame().status_bar().GetPaneText(2).find("C-key has been pressed"), std::string::npos);
  ASSERT_TRUE(plat::testing::ClickToolButton(bar, ids::kEndSelection));
  plat::testing::PumpMessages();
  EXPECT_FALSE(v.view().modes().one_click);

  v.Wheel(120);
  const float wheeled = s.request.scales.moment;
  ASSERT_TRUE(plat::testing::ClickToolButton(bar, ids::kResetScales));
  plat::testing::PumpMessages();
  EXPECT_NE(s.request.scales.moment, wheeled);
  const auto stored = ReadRememberedScales(s.state, 1);
  ASSERT_TRUE(stored.has_value());
  EXPECT_FLOAT_EQ((*stored)[1], 0.1f);

  // A label moved by the user goes back to its own place.
  const auto places = [&v] {
    std::vector<std::pair<int, int>> at;
    plat::RecordingDc dc;
    v.view().DrawOn(dc);
    for (const plat::DeviceOp& op : dc.ops()) {
      if (op.kind == plat::DeviceOp::Kind::kText && op.text == "25.33 kNm") at.emplace_back(op.origin.x, op.origin.y);
    }
    return at;
  };
  const auto own = places();
  ASSERT_EQ(own.size(), 2u);
  const common::LabelPosition first = s.picture.labels.moment.At(1);
  ASSERT_TRUE(s.picture.labels.moment.Move(1, first.x + 2.0f, first.z));
  EXPECT_NE(places(), own);
  ASSERT_TRUE(plat::testing::ClickToolButton(bar, ids::kAlignText));
  plat::testing::PumpMessages();
  EXPECT_EQ(places(), own);
}

// OK (and Enter, its default button) takes the function checked as it stands; a click on a
// function stays its OK.
TEST_F(Beam2, GreenAnywhereTakesTheCheckedFunctionOnOk) {
  Viewer v(*position_);
  struct Case {
    std::function<void(plat::Dialog&)> act;
    int number;
  } cases[] = {
      {[](plat::Dialog& d) { plat::testing::Press(d, plat::IDOK); }, 1},
      {[](plat::Dialog& d) {
         d.CheckRadioButton(CDiaGreenAny::kFunctionIds[0], CDiaGreenAny::kFunctionIds[5], CDiaGreenAny::kFunctionIds[3]);
         plat::testing::Press(d, plat::IDOK);
       },
       4},
      {[](plat::Dialog& d) { plat::testing::SetChecked(d, CDiaGreenAny::kFunctionIds[1], true); }, 2},
      {[](plat::Dialog& d) { plat::testing::PressKey(*d.GetDlgItem(CDiaGreenAny::kIntegral), plat::VK_RETURN); }, 2},
  };
  for (const auto& c : cases) {
    v.dialogs.OnNextDialog(c.act);
    v.Command(ids::kGreenAnywhere);
    EXPECT_EQ(v.view().green().any_number, c.number);
    EXPECT_TRUE(v.app.session().request.green_family_1);
  }
}

// PSCALA with a text factor that is not a finite number (one byte changed) is named once and the
// factor 1 drawn; a finite one out of range is cut to the range; the file keeps its bytes.
TEST(PrintScalesText, ATextFactorThatIsNotFiniteIsNamedAndTheDefaultDrawn) {
  const common::Position position = testing::ComputedExample("BEAM2");
  if (HasFailure()) return;
  const std::string path = common::JoinSettingsPath(common::SettingsContext::Discover(), fn::kPrintScales);
  struct Case {
    double factor;
    float drawn;
    bool named;
  } cases[] = {{std::numeric_limits<double>::infinity(), 1.0f, true},
               {std::numeric_limits<double>::quiet_NaN(), 1.0f, true},
               {1e300, 10.0f, false},
               {0.05, 1.0f, false},
               {1.5, 1.5f, false}};
  for (const Case& c : cases) {
    common::PrintScales block = common::PrintScales::Default();
    block.set_text_scale(c.factor);
    ASSERT_TRUE(common::WritePrintScalesFile(path, block));
    const std::string bytes = testing::ReadBytes(path);
    {
      Viewer v(position);
      const std::vector<std::string> expected =
          c.named ? std::vector<std::string>{"Error|The file " + path +
                                             " is damaged: its text factor is not a finite number. The factor 1 is drawn."}
                  : std::vector<std::string>{};
      EXPECT_EQ(Boxes(v.dialogs), expected) << c.factor;
      EXPECT_FLOAT_EQ(v.app.session().state.text_scale, c.drawn) << c.factor;
      v.Key('M');
      EXPECT_TRUE(v.Shows("-44.94 kNm")) << c.factor;
      for (int i = 0; i < 40; ++i) v.Wheel(-120, plat::testing::kShift);  // the texts grow, within the range
      EXPECT_LE(v.app.session().state.text_scale, 10.0f);
      EXPECT_TRUE(v.Shows("-44.94 kNm")) << c.factor;
    }
    EXPECT_EQ(testing::ReadBytes(path), bytes) << c.factor;
  }
  plat::RemoveFile(path);
}

}  // namespace
}  // namespace revuzavi
