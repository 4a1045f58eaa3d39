// The load editor's small load-case dialogs and the commands that open them.
#include <gtest/gtest.h>

#include <cstring>

#include "loads/dialogs/dia_magnitude.h"
#include "loads/editor/editor_ids.h"
#include "loads/tests/editor_fixture.h"
#include "platform/binary_io.h"

namespace pundf {
namespace {

using testing::EditorCommandLine;
using testing::ExampleWithLoadCases;
using testing::OpenedEditor;

float FloatAt(const std::vector<std::byte>& bytes, std::size_t offset) {
  float v = 0.0f;
  if (offset + sizeof v <= bytes.size()) std::memcpy(&v, bytes.data() + offset, sizeof v);
  return v;
}

TEST(GeneratedLoads, LateralLoadOffersFiveAndStoresOneLoadOnTheLeftColumn) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  LoadModel& model = editor.session().model;
  model.load_case.params.set_wind_value(0.0f);
  std::string shown;
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    shown = plat::testing::ItemText(d, CDiaMagnitude::kValueEdit);
    plat::testing::SetItemText(d, CDiaMagnitude::kValueEdit, "1,5");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kLateralLoad);
  EXPECT_EQ(editor.dialogs.Captions(), (std::vector<std::string>{"Lateral load"}));
  EXPECT_EQ(shown, "  5.0");
  ASSERT_EQ(model.load_case.line_loads.count(), 1);
  const auto& load = model.load_case.line_loads[1];
  EXPECT_EQ(load.element(), 1);
  EXPECT_EQ(load.direction(), 'X');
  EXPECT_FLOAT_EQ(load.value_a(), 1.5f);
  EXPECT_FLOAT_EQ(load.value_b(), 1.5f);
  EXPECT_EQ(load.whole_element(), 1);
  const int number = model.load_case.number();
  EXPECT_EQ(model.load_case.params.title(), "Load case " + std::to_string(number));
  const auto stored = plat::ReadWholeFile(position.LoadCaseFile("PL", number));
  ASSERT_TRUE(stored);
  EXPECT_FLOAT_EQ(FloatAt(*stored, 364), 1.5f);
  EXPECT_EQ(editor.Boxes(), "");
}

TEST(GeneratedLoads, SnowStopChangesNothing) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  LoadModel& model = editor.session().model;
  model.load_case.params.set_snow_value(0.0f);
  const common::LoadCaseParams before = model.load_case.params;
  std::string shown;
  editor.dialogs.OnNextDialog([&](plat::Dialog& d) {
    shown = plat::testing::ItemText(d, CDiaMagnitude::kValueEdit);
    plat::testing::Press(d, plat::IDCANCEL);
  });
  editor.Command(ids::kSnow);
  EXPECT_EQ(editor.dialogs.Captions(), (std::vector<std::string>{"Snow"}));
  EXPECT_EQ(shown, "  1.0");
  EXPECT_TRUE(model.load_case.params == before);
}

}  // namespace
}  // namespace pundf
