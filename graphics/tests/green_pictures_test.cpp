// The picture window's Green's-function, flexibility and shape-function
// pictures on BEAM2 computed by the real programs: the element function's
// kinds with their remembered scales, the dialogs' checks, FLEXMAX's checks,
// the support and shape-function steps and the way back to the load case.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "graphics/app/graph_app.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/green_dialogs.h"
#include "graphics/app/green_pictures.h"
#include "graphics/app/main_frame.h"
#include "graphics/loads/green_forces.h"
#include "graphics/settings/small_settings_files.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/picture_room.h"
#include "graphics/tests/picture_texts.h"
#include "platform/binary_io.h"
#include "platform/dc/painter_dc.h"
#include "platform/dc/recording_dc.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

constexpr char kBeam2[] = "BEAM2";
using Beam2Pictures = testing::ComputedExampleTest<kBeam2>;

// REVUZAVI opened in process on a load case, with the acts of a person.
struct Viewer {
  plat::testing::DialogScript dialogs;
  CGRAPHApp app;
  std::optional<plat::testing::QuitCatcher> quit;  // made after the start, which may see an earlier end

  explicit Viewer(const common::Position& position) {
    const bool open = app.Open(position.ext() + " @" + position.data_path() + " @1");
    plat::testing::PumpMessages();
    EXPECT_TRUE(open);
    quit.emplace();
  }
  ~Viewer() { app.ExitInstance(); }
  ViewerSession& session() { return app.session(); }
  CGRAPHView& view() { return *dynamic_cast<CGRAPHView*>(app.main_frame()->PictureFrame()->GetActiveView()); }
  void Command(plat::UINT id) {
    app.main_frame()->SendMessage(plat::WM_COMMAND, id);
    plat::testing::PumpMessages();
  }
  void Key(int vk) {
    plat::testing::PressKey(view(), vk, 0);
    plat::testing::PumpMessages();
  }
  void RightClick() {
    view().SendMessage(plat::WM_CONTEXTMENU, 0, 0);
    plat::testing::PumpMessages();
  }
  std::vector<std::string> Texts() { return testing::PictureTexts(view()); }
  bool Shows(const std::string& piece) { return testing::PictureShows(view(), piece); }
  // The displacements [0..n] held.
  std::vector<double> Field() {
    const std::vector<double>& u = session().state.displacements;
    return {u.begin(), u.begin() + session().state.equation_count() + 1};
  }
  float GreenScale() {
    Texts();  // a drawing fits a scale that is not set
    return session().request.scales.displacement;
  }
};

std::vector<std::string> BoxTexts(const plat::testing::DialogScript& script) {
  std::vector<std::string> texts;
  for (const auto& shown : script.shown()) {
    if (shown.kind == plat::testing::ShownDialog::Kind::kMessageBox) texts.push_back(shown.caption + "|" + shown.text);
  }
  return texts;
}

TEST(GreenKinds, UpAndDownWrapAndTakeTheirScales) {
  std::array<float, 7> none{};
  std::array<float, 7> kept{};
  kept[2] = 7.0f;
  kept[4] = 3.0f;
  struct Case {
    int kind;
    bool next;
    const std::array<float, 7>& remembered;
    int to;
    float scale;
  } cases[] = {
      {6, true, none, 1, 10.0f},   {1, false, none, 6, 10.0f},  {3, true, none, 4, 0.1f},
      {5, false, none, 4, 10.0f},  {3, false, none, 2, 0.01f},  {1, true, none, 2, 10.0f},
      {3, true, kept, 4, 3.0f},    {3, false, kept, 2, 7.0f},   {0, true, none, 2, 10.0f},
  };
  for (const Case& c : cases) {
    const GreenKindStep step = NextGreenKind(c.kind, 10.0f, c.next, c.remembered);
    EXPECT_EQ(step.kind, c.to) << c.kind << (c.next ? " up" : " down");
    EXPECT_FLOAT_EQ(step.scale, c.scale) << c.kind << (c.next ? " up" : " down");
  }
}

TEST(GreenKinds, WrappedStepGoesRoundTheList) {
  const int cases[][4] = {{1, 4, 1, 2}, {4, 4, 1, 1}, {1, 4, 0, 4}, {3, 4, 0, 2}, {0, 4, 1, 1}, {1, 0, 1, 0}};
  for (const auto& c : cases) EXPECT_EQ(WrappedStep(c[0], c[1], c[2] != 0), c[3]) << c[0] << " of " << c[1];
}

TEST_F(Beam2Pictures, ElementGreenChecksItsNumberAndStepsItsKindsWithTheirScales) {
  Viewer v(*position_);
  const std::vector<double> ut8 = v.session().state.displacements;
  const std::string memory = position_->File(std::string(kGreenScalesFile) + "1");
  plat::RemoveFile(memory);
  for (const char* wrong : {"0", "3", "x"}) {
    v.dialogs.OnNextDialog([wrong](plat::Dialog& d) {
      plat::testing::TypeInto(d, CDiaGreenElement::kElementEdit, wrong);
      plat::testing::Press(d, plat::IDOK);
      EXPECT_FALSE(d.Ended()) << wrong;  // the dialog stays open
      plat::testing::TypeInto(d, CDiaGreenElement::kElementEdit, "1");
      plat::testing::Press(d, plat::IDOK);
    });
  }
  v.Command(ids::kElementGreen);
  EXPECT_EQ(BoxTexts(v.dialogs), std::vector<std::string>{"?|Wrong input"});
  EXPECT_TRUE(v.Shows("Position BEAM2 Element 1 GF Displacement u [mm]  Nodal sums: H = "));
  EXPECT_EQ(v.view().HintText(), "Up key or right mouse button is next value");
  // Each kind is drawn at the scale it takes (NextGreenKind), fitted where that would not read.
  std::vector<float> drawn{0.0f};
  for (int i = 0; i < 3; ++i) {
    drawn.push_back(v.GreenScale());
    ASSERT_GT(drawn.back(), 0.0f);
    v.Key(plat::VK_UP);
  }
  EXPECT_EQ(v.session().view.green.kind, 4);
  EXPECT_TRUE(testing::CurveReads(v.view(), v.session())) << "kind 4 at a hundredth of kind 3's scale, or fitted";
  EXPECT_TRUE(v.Shows("Element 1 GF N [kN/kN]"));
  // MEMSCALEGFE1: seven floats, the scales left behind for kinds 1, 2, 3.
  const std::string bytes = testing::ReadBytes(memory);
  ASSERT_EQ(bytes.size(), 28u);
  for (int slot = 0; slot < 7; ++slot) {
    float f;
    std::memcpy(&f, bytes.data() + 4 * slot, 4);
    EXPECT_FLOAT_EQ(f, slot >= 1 && slot <= 3 ? drawn[static_cast<std::size_t>(slot)] : 0.0f) << slot;
  }
  // The field is kind 4 of element 1 as the solver's weights give it.
  std::vector<double> field;
  ASSERT_TRUE(GreenDisplacements(v.session().state, 1, 4, field));
  EXPECT_EQ(v.Field(), field);

  v.Key(plat::VK_ESCAPE);
  EXPECT_FALSE(v.quit->code().has_value());
  EXPECT_FALSE(v.session().request.AnyResult());
  EXPECT_EQ(v.session().state.displacements, ut8);

  // Afresh from kind 1 without MEMSCALEGFE: down five times to kind 2 at a thousandth.
  plat::RemoveFile(memory);
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::TypeInto(d, CDiaGreenElement::kElementEdit, "1");
    plat::testing::Press(d, plat::IDOK);
  });
  v.Command(ids::kElementGreen);
  for (int i = 0; i < 5; ++i) v.Key(plat::VK_DOWN);
  EXPECT_EQ(v.session().view.green.kind, 2);
  EXPECT_TRUE(testing::CurveReads(v.view(), v.session())) << "kind 2 at a thousandth of kind 3's scale, or fitted";
  v.RightClick();  // the right button is Up
  EXPECT_EQ(v.session().view.green.kind, 3);
}

TEST_F(Beam2Pictures, ElementGreenStopGivesTheLoadCaseBack) {
  Viewer v(*position_);
  v.dialogs.PressNext(plat::IDCANCEL);
  v.Command(ids::kElementGreen);
  EXPECT_FALSE(v.session().request.green_family_2);
  EXPECT_TRUE(v.session().request.deflection);
}

TEST_F(Beam2Pictures, FlexibilitiesStepThroughFlexmax) {
  const std::string flexmax = position_->File("FLEXMAX");
  const std::string bytes = testing::ReadBytes(flexmax);
  ASSERT_EQ(bytes.size(), 9u * 12u);
  std::int32_t node, equation;
  float f;
  std::memcpy(&node, bytes.data() + 12, 4);
  std::memcpy(&equation, bytes.data() + 16, 4);
  std::memcpy(&f, bytes.data() + 20, 4);
  char second[160];
  std::snprintf(second, sizeof second, "Node %i  Flexibility of dofs in decreasing order  f(%i,%i) = %.3e  (2/9)",
                node, equation, equation, static_cast<double>(f));
  Viewer v(*position_);
  v.Command(ids::kFlex);
  EXPECT_TRUE(v.Shows("(1/9)"));
  EXPECT_EQ(v.view().HintText(), "Up key or right mouse button is next value");
  v.Key(plat::VK_DOWN);
  EXPECT_TRUE(v.Shows("(1/9)"));
  v.RightClick();
  EXPECT_TRUE(v.Shows(second));
  EXPECT_EQ(v.session().request.influence_column, equation);
  EXPECT_TRUE(v.dialogs.shown().empty());
  for (int i = 0; i < 12; ++i) v.Key(plat::VK_UP);
  EXPECT_TRUE(v.Shows("(9/9)"));
  v.Key(plat::VK_ESCAPE);
  EXPECT_FALSE(v.session().request.AnyResult());
  EXPECT_FALSE(v.quit->code().has_value());
}

TEST_F(Beam2Pictures, DamagedOrMissingFlexmaxIsReportedAndNothingChanges) {
  const std::string flexmax = position_->File("FLEXMAX");
  const std::string good = testing::ReadBytes(flexmax);
  auto with = [&](std::size_t offset, std::int32_t value) {
    std::string b = good;
    std::memcpy(b.data() + offset, &value, 4);
    return b;
  };
  struct Case {
    std::string bytes;
    bool write;
    std::string text;
  } cases[] = {
      {good.substr(0, good.size() - 12), true, "is damaged: it holds 96 bytes, not 12 for each of the 9 equations."},
      {with(12, 4), true, "is damaged: entry 2 names no node."},
      {with(4, 10), true, "is damaged: entry 1 names no equation."},
      {with(8, 0x7F800000), true, "is damaged: entry 1 holds no number."},
      {"", false, "is missing. Store the frame in Frame once more."},
  };
  for (const Case& c : cases) {
    plat::RemoveFile(flexmax);
    if (c.write) {
      ASSERT_TRUE(plat::WriteBlock(flexmax, c.bytes.data(), c.bytes.size()));
    }
    Viewer v(*position_);
    v.Command(ids::kMoments);
    v.Command(ids::kFlex);
    const std::vector<std::string> boxes = BoxTexts(v.dialogs);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(flexmax + " " + c.text), std::string::npos) << boxes[0];
    EXPECT_TRUE(v.session().request.moments);
  }
  ASSERT_TRUE(plat::WriteBlock(flexmax, good.data(), good.size()));
}

TEST_F(Beam2Pictures, PicturesOfTheInverseSayWhenItIsMissing) {
  const std::string inverse = position_->File("INVERSE");
  const std::string kept = testing::ReadBytes(inverse);
  ASSERT_TRUE(plat::RemoveFile(inverse));
  for (const plat::UINT command : {ids::kElementGreen, ids::kSupportGreen, ids::kFlex}) {
    Viewer v(*position_);
    v.Command(ids::kMoments);
    v.dialogs.OnNextDialog([](plat::Dialog& d) {
      plat::testing::TypeInto(d, CDiaGreenElement::kElementEdit, "1");
      plat::testing::Press(d, plat::IDOK);
    });
    v.Command(command);
    EXPECT_EQ(BoxTexts(v.dialogs), std::vector<std::string>{"REVUZAVI|The inverse stiffness matrix is missing. Open "
                                                            "Frame in the main menu of the program and click on save!"})
        << command;
    EXPECT_TRUE(v.session().request.moments) << command;
  }
  ASSERT_TRUE(plat::WriteBlock(inverse, kept.data(), kept.size()));
}

TEST_F(Beam2Pictures, SupportGreenGoesRoundTheSupportedDofs) {
  Viewer v(*position_);
  v.Command(ids::kSupportGreen);
  ASSERT_EQ(v.session().state.support_dofs.size(), 4u);
  EXPECT_TRUE(v.Shows("support x at node 1 moved by 1: the node moves "));
  v.Key(plat::VK_DOWN);
  EXPECT_TRUE(v.Shows("support y at node 3 moved by 1: the node moves "));
  v.Key(plat::VK_UP);
  v.RightClick();
  EXPECT_TRUE(v.Shows("support y at node 1 moved by 1: the node moves "));
  EXPECT_TRUE(v.dialogs.shown().empty());
  v.Command(ids::kDisplacements);  // the load case's displacements again
  EXPECT_TRUE(v.session().request.deflection);
  Viewer fresh(*position_);
  EXPECT_EQ(v.session().state.displacements, fresh.session().state.displacements);
}

TEST_F(Beam2Pictures, ShapeFunctionsShowTheUnitDisplacementsWithTheirLoads) {
  Viewer v(*position_);
  const std::vector<double> ut8 = v.session().state.displacements;
  v.Command(ids::kShapeFunctions);
  ASSERT_TRUE(v.session().request.shape_function);
  EXPECT_EQ(v.view().HintText(), "Click on node, right mouse button = next, or click N, M, V");
  EXPECT_TRUE(v.Shows("Shape function of DOF 1"));
  const std::vector<double>& f = v.session().state.right_hand_side;
  v.RightClick();
  char label[32];
  std::snprintf(label, sizeof label, "f 2 = %.2f", f[2]);
  EXPECT_TRUE(v.Shows(label));
  std::vector<double> unit(ut8.size(), 0.0);
  unit[2] = 1.0;
  EXPECT_EQ(v.session().state.displacements, unit);
  EXPECT_TRUE(v.dialogs.shown().empty());
  v.Key(plat::VK_ESCAPE);
  EXPECT_FALSE(v.session().request.shape_function);
  EXPECT_EQ(v.session().state.displacements, ut8);
  EXPECT_FALSE(v.quit->code().has_value());
}

// The hint asks for a click on a node: it shows the shape of the node's first
// degree of freedom and modifies nothing.
TEST_F(Beam2Pictures, ShapeFunctionsShowTheClickedNodesFirstDegreeOfFreedom) {
  Viewer v(*position_);
  v.Command(ids::kShapeFunctions);
  const int node = v.session().state.nodes.count();
  const common::NodeRecord& record = v.session().state.nodes[node];
  const int dof = record.dof_u();
  ASSERT_GT(dof, 1);
  plat::testing::Click(v.view(), v.view().ClientPointOf(record.x(), record.z()), plat::testing::MouseButton::kLeft);
  plat::testing::PumpMessages();
  EXPECT_EQ(v.session().request.shape_dof, dof);
  EXPECT_TRUE(v.Shows("Shape function of DOF " + std::to_string(dof)));
  EXPECT_DOUBLE_EQ(v.session().state.displacements[static_cast<std::size_t>(dof)], 1.0);
  EXPECT_EQ(v.view().HintText(), "Click on node, right mouse button = next, or click N, M, V");
  EXPECT_TRUE(v.session().run.picked_elements.empty());
}

TEST_F(Beam2Pictures, ShapeFunctionsWithoutTheLoadVectorShowNothing) {
  const std::string rhsg = position_->FolderFile("RHSG01");
  const std::string kept = testing::ReadBytes(rhsg);
  ASSERT_FALSE(kept.empty());
  ASSERT_TRUE(plat::RemoveFile(rhsg));
  {
    Viewer v(*position_);
    v.Command(ids::kShapeFunctions);
    EXPECT_EQ(BoxTexts(v.dialogs), std::vector<std::string>{"No results found|Nothing to show"});
    EXPECT_FALSE(v.session().request.shape_function);
  }
  ASSERT_TRUE(plat::WriteBlock(rhsg, kept.data(), kept.size()));
}

TEST_F(Beam2Pictures, GreenAnywhereTakesItsFunctionAndPointAndItsEnergyLegend) {
  Viewer v(*position_);
  v.dialogs.OnNextDialog([](plat::Dialog& d) { plat::testing::SetChecked(d, CDiaGreenAny::kFunctionIds[5], true); });
  v.Command(ids::kGreenAnywhere);
  EXPECT_EQ(v.view().green().any_number, 6);
  EXPECT_TRUE(v.Shows("GF M [m]"));
  ASSERT_TRUE(v.view().SetGreenPoint(2, 10));
  EXPECT_EQ(v.session().view.green.sample, 10);
  EXPECT_FLOAT_EQ(v.session().view.green.position, 1.2f);
  std::vector<double> field;
  ASSERT_TRUE(GreenDisplacementsAt(v.session().state, 2, 6, 10 * 0.02 * 6.0, field));  // station 10 of 6 m
  EXPECT_EQ(v.Field(), field);
  v.Key('W');
  EXPECT_TRUE(v.Shows("Strain energy products g^T K u (elementwise) between u and Green's function for M"));
  const std::vector<float> products = GreenEnergyProducts(v.session().state, field, Viewer(*position_).Field());
  EXPECT_EQ(std::vector<float>(v.session().state.energies.begin() + 1, v.session().state.energies.begin() + 3),
            std::vector<float>(products.begin() + 1, products.end()));
  v.Key('W');
  EXPECT_TRUE(v.session().request.green_family_1);
  // The right button opens the dialog again; Cancel leaves the number -1.
  v.dialogs.PressNext(CDiaGreenAny::kCancel);
  v.RightClick();
  EXPECT_EQ(v.view().green().any_number, -1);
  EXPECT_FALSE(v.session().request.green_family_1);
  EXPECT_EQ(v.Field(), Viewer(*position_).Field());
  EXPECT_EQ(v.dialogs.shown().back().template_id, 348u);
}

TEST_F(Beam2Pictures, TheWheelScalesEachGreenPicture) {
  struct Case {
    plat::UINT command;
    int delta;
    float factor;
  } cases[] = {
      {ids::kElementGreen, 120, 2.5f}, {ids::kElementGreen, -120, 1.0f / 1.5f}, {ids::kSupportGreen, 120, 1.5f},
      {ids::kSupportGreen, -120, 1.0f / 1.5f}, {ids::kFlex, 120, 1.1f},          {ids::kFlex, -120, 1.0f / 1.1f},
  };
  for (const Case& c : cases) {
    Viewer v(*position_);
    v.dialogs.OnNextDialog([](plat::Dialog& d) {
      plat::testing::TypeInto(d, CDiaGreenElement::kElementEdit, "2");
      plat::testing::Press(d, plat::IDOK);
    });
    v.Command(c.command);
    const float s = v.GreenScale();
    ASSERT_GT(s, 0.0f) << c.command;
    const std::string remembered = testing::ReadBytes(position_->File(std::string(kRememberedScalesFile) + "1"));
    plat::testing::Wheel(v.view(), c.delta, 0);
    plat::testing::PumpMessages();
    // By the wheel's factor, no further than the range the curve reads in.
    const float wheeled = v.GreenScale();
    EXPECT_TRUE(wheeled == s * c.factor ||
                ((wheeled - s) * (c.factor - 1.0f) > 0.0f && std::fabs(wheeled - s) < std::fabs(s * c.factor - s)))
        << c.command << " " << c.delta << ": " << s << " -> " << wheeled;
    // The load case's own scales stay as they were.
    EXPECT_EQ(testing::ReadBytes(position_->File(std::string(kRememberedScalesFile) + "1")), remembered);
  }
}

TEST_F(Beam2Pictures, AnotherLoadCaseKeepsTheGreenFunctionAndItsScale) {
  Viewer v(*position_);
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::TypeInto(d, CDiaGreenElement::kElementEdit, "2");
    plat::testing::Press(d, plat::IDOK);
  });
  v.Command(ids::kElementGreen);
  const float s = v.GreenScale();
  const std::vector<double> field = v.Field();
  v.Command(ids::kNextLoadCase);
  EXPECT_EQ(v.session().state.current_load_case, 2);
  EXPECT_TRUE(v.session().request.green_family_2);
  EXPECT_EQ(v.Field(), field);
  EXPECT_FLOAT_EQ(v.GreenScale(), s);
}

// Over the elements the products add up to g^T K u = g^T f less the supports' springs' share.
TEST_F(Beam2Pictures, GreenEnergyProductsAddUpToTheLoadVectorsWork) {
  const ViewerState state = testing::ViewerOn(*position_, 1);
  std::vector<double> g;
  ASSERT_TRUE(GreenDisplacementsAt(state, 1, 2, 2.0, g));
  const std::vector<double>& u = state.displacements;
  const std::vector<float> products = GreenEnergyProducts(state, g, u);
  ASSERT_EQ(products.size(), 3u);
  EXPECT_EQ(products[0], 0.0f);
  double elements = 0.0, work = 0.0;
  for (std::size_t e = 1; e < products.size(); ++e) elements += products[e];
  for (int i = 1; i <= state.equation_count(); ++i) work += g[static_cast<std::size_t>(i)] * state.right_hand_side[static_cast<std::size_t>(i)];
  for (const SupportDof& d : state.support_dofs) {
    const double k = static_cast<double>(state.nodes[d.node].support(d.direction)) * state.params.support_stiffness();
    work -= g[static_cast<std::size_t>(d.dof)] * k * u[static_cast<std::size_t>(d.dof)];
  }
  EXPECT_NEAR(elements, work, 1e-4 * std::fabs(work));
  EXPECT_GT(std::fabs(work), 0.0);
}

// Each picture as the window shows it, saved for the eye.
TEST_F(Beam2Pictures, PicturesForTheEye) {
  Viewer v(*position_);
  auto save = [&](const std::string& file) {
    plat::Bitmap bitmap(1000, 700);
    {
      plat::PainterDc dc(bitmap);
      v.view().DrawOn(dc);
    }
    EXPECT_TRUE(bitmap.Save(plat::testing::TestFolder() + file).ok());
    if (const char* keep = std::getenv("SUITE_KEEP_PICTURES")) {
      EXPECT_TRUE(bitmap.Save(std::string(keep) + "/" + file).ok());
    }
  };
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::TypeInto(d, CDiaGreenElement::kElementEdit, "1");
    plat::testing::Press(d, plat::IDOK);
  });
  v.Command(ids::kElementGreen);
  v.Key(plat::VK_UP);
  save("green_element_w.png");
  v.Command(ids::kSupportGreen);
  v.Key(plat::VK_UP);
  save("green_support.png");
  v.Command(ids::kFlex);
  save("flexibility.png");
  v.Command(ids::kShapeFunctions);
  v.RightClick();
  save("shape_function.png");
  v.Key(plat::VK_ESCAPE);
  v.dialogs.OnNextDialog([](plat::Dialog& d) { plat::testing::SetChecked(d, CDiaGreenAny::kFunctionIds[5], true); });
  v.Command(ids::kGreenAnywhere);
  v.view().SetGreenPoint(1, 15);
  save("green_anywhere_m.png");
  v.Key('W');
  save("green_anywhere_energy.png");
}

TEST_F(Beam2Pictures, GreenAnywhereHelpOpensItsDocumentElseLerventa) {
  Viewer v(*position_);
  plat::testing::ProcessRecorder processes;
  processes.FailNext("no viewer for PDF");
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::Press(d, CDiaGreenAny::kHelp);
    EXPECT_FALSE(d.Ended());
    plat::testing::Press(d, CDiaGreenAny::kCancel);
  });
  v.Command(ids::kGreenAnywhere);
  ASSERT_EQ(processes.calls().size(), 2u);
  EXPECT_EQ(processes.calls()[0].kind, plat::hooks::ProcessCall::Kind::kOpenDocument);
  EXPECT_EQ(processes.calls()[0].program, plat::ProgramFolder() + "GREENINT.PDF");
  EXPECT_EQ(processes.calls()[1].program, plat::SiblingProgram("LERVENTA"));
  EXPECT_EQ(processes.calls()[1].args, std::vector<std::string>{"REVUZAVI.pdf"});
  EXPECT_FALSE(v.session().request.green_family_1);
}

// At the middle of an element the field anywhere is the solver's Green function.
TEST_F(Beam2Pictures, GreenAnywhereAtTheMiddleIsTheElementsGreenFunction) {
  const ViewerState state = testing::ViewerOn(*position_, 1);
  for (int kind = 1; kind <= 6; ++kind) {
    std::vector<double> middle, at;
    ASSERT_TRUE(GreenDisplacements(state, 2, kind, middle));
    ASSERT_TRUE(GreenDisplacementsAt(state, 2, kind, 3.0, at));
    ASSERT_EQ(at.size(), middle.size());
    double largest = 0.0;
    for (double u : middle) largest = std::max(largest, std::fabs(u));
    for (std::size_t i = 0; i < at.size(); ++i) EXPECT_NEAR(at[i], middle[i], 1e-5 * largest) << kind << " " << i;
  }
}

}  // namespace
}  // namespace revuzavi
