// A composed picture of BEAM2 computed by the real programs: the remembered scales, the frame with its
// loads when nothing else is asked for, the export of a picture and the three page heads on a PDF page.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>
#include <string>
#include <vector>

#include "common/page/heading_files.h"
#include "common/page/page_header_file.h"
#include "graphics/compose/draw_picture.h"
#include "graphics/compose/export_picture.h"
#include "graphics/compose/page_heads.h"
#include "graphics/settings/small_settings_files.h"
#include "graphics/tests/composed_picture.h"
#include "graphics/tests/computed_example.h"
#include "platform/dc/recording_dc.h"
#include "platform/print/picture.h"
#include "platform/print/printer_dc.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/testing/testing.h"

namespace revuzavi {
namespace {

constexpr char kBeam2[] = "BEAM2";
using Beam2 = testing::ComputedExampleTest<kBeam2>;

std::vector<std::string> Texts(const plat::RecordingDc& dc) {
  std::vector<std::string> texts;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText) texts.push_back(op.text);
  }
  return texts;
}

bool HasTextEndingIn(const std::vector<std::string>& texts, const std::string& unit) {
  for (const std::string& t : texts) {
    if (t.size() >= unit.size() && t.compare(t.size() - unit.size(), unit.size(), unit) == 0) return true;
  }
  return false;
}

using Composed = testing::ComposedPicture;

void Compose(ViewerState& state, PictureRequest& request, Composed& c) {
  request.client_width = c.dc.GetDeviceCaps(plat::HORZRES);
  request.client_height = c.dc.GetDeviceCaps(plat::VERTRES);
  DrawPicture(state, c.view, c.picture, c.memory, request, c.dc);
}

TEST_F(Beam2, RememberedMomentScaleIsCutTo1000) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  RememberedScales scales;
  scales.set_field(1, 5000.0f);
  scales.set_field(2, 3.0f);
  ASSERT_TRUE(WriteRememberedScales(state, 1, scales));
  PictureRequest request;
  request.moments = true;
  Composed c;
  RefreshRememberedScales(state, c.memory, request);
  EXPECT_TRUE(request.scales_read);
  EXPECT_EQ(request.scales.moment, 1000.0f);
  EXPECT_EQ(request.scales.shear, 3.0f);
  // Drawn at 1000 the moments would leave the window: the picture fits their scale.
  Compose(state, request, c);
  EXPECT_LT(request.scales.moment, 1.0f);
  EXPECT_EQ(request.scales.shear, 3.0f);
  EXPECT_EQ(request.world.x1, state.extents.xmin());
  std::filesystem::remove(state.position.File("MEMSCALEGLF101"));
}

TEST_F(Beam2, WithoutResultsTheFrameWithItsLoads) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  state.results_present = false;
  PictureRequest request;
  request.node_labels = true;
  Composed c;
  Compose(state, request, c);
  const std::vector<std::string> texts = Texts(c.dc);
  EXPECT_TRUE(HasTextEndingIn(texts, "kN/m"));
  EXPECT_FALSE(HasTextEndingIn(texts, "kNm"));
  EXPECT_NE(std::find(texts.begin(), texts.end(), "N 3"), texts.end());

  // The moment picture adds its diagram and its labels.
  PictureRequest moments;
  moments.moments = true;
  state.results_present = true;
  Composed m;
  Compose(state, moments, m);
  EXPECT_TRUE(HasTextEndingIn(Texts(m.dc), "kNm"));
  EXPECT_GT(moments.scales.moment, 0.0f);
}

// Load case 3 of BEAM2 heats both spans, load case 4 prestresses them.
TEST_F(Beam2, TemperatureAndPrestressLabels) {
  for (const auto& [lc, label] : {std::pair<int, std::string>{3, "T = 10.00 Delta T = 20.00"},
                                  std::pair<int, std::string>{4, "5.000E+02 kN"}}) {
    ViewerState state = testing::ViewerOn(*position_, lc);
    PictureRequest request;
    Composed c;
    Compose(state, request, c);
    const std::vector<std::string> texts = Texts(c.dc);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), label), 2) << lc;
  }
}

TEST(PictureList, CaptionAndColumns) {
  EXPECT_EQ(PictureCaption("REVUZAVI - Position BEAM2: Moments", "BEAM2"), "Moments");
  EXPECT_EQ(PictureCaption("  Shear forces", "BEAM2"), "Shear forces");
  EXPECT_EQ(PictureListLine("G1.jpg", "M"), std::string(14, ' ') + "G1.jpg" + std::string(4, ' ') + "M");
  EXPECT_EQ(PictureListLine("G9.jpg", "M"), std::string(14, ' ') + "G9.jpg" + std::string(4, ' ') + "M");
  EXPECT_EQ(PictureListLine("G10.jpg", "M"), std::string(14, ' ') + "G10.jpg" + std::string(3, ' ') + "M");
  EXPECT_EQ(PictureListLine("G100.jpg", "M"), std::string(14, ' ') + "G100.jpg" + std::string(2, ' ') + "M");
  EXPECT_EQ(PictureListLine("G1000.jpg", "M"), std::string(14, ' ') + "G1000.jpg " + "M");
}

TEST_F(Beam2, ExportedPicturesAreCountedAndListed) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  ASSERT_EQ(state.picture_counter, 0);
  PictureRequest request;
  request.moments = true;
  ViewState view;
  PictureState picture;
  PictureMemory memory;
  const plat::Bitmap image = plat::RenderPicture(400, 300, [&](plat::Dc& dc) {
    request.client_width = 400;
    request.client_height = 300;
    DrawPicture(state, view, picture, memory, request, dc);
  });
  std::string last;
  for (int k = 1; k <= 10; ++k) {
    ASSERT_TRUE(ExportPicture(state, image, "REVUZAVI - Position BEAM2: Moments", last).ok()) << k;
  }
  EXPECT_EQ(last, "G10.jpg");
  EXPECT_EQ(testing::ReadBytes(state.position.FolderFile("G1.jpg")).substr(0, 3), "\xff\xd8\xff");
  EXPECT_TRUE(std::filesystem::exists(state.position.FolderFile("G10.jpg")));
  EXPECT_EQ(testing::ReadBytes(state.position.File("CLIP")), std::string("\x0a\0\0\0", 4));
  const std::string list = testing::ReadBytes(state.position.FolderFile("GRAPHICFILES.TXT"));
  const std::string blanks(14, ' ');
  EXPECT_EQ(list.substr(0, list.find('\n') + 1), blanks + "G1.jpg    Moments\r\n");
  EXPECT_NE(list.find("\n" + blanks + "G10.jpg   Moments\r\n"), std::string::npos);
  EXPECT_EQ(plat::GetClipboardImage().width(), 400);

  // The export format switch stores bitmaps.
  state.picture_counter = 0;
  state.graphics.set_export_format(1);
  ASSERT_TRUE(ExportPicture(state, image, "Deflection", last).ok());
  EXPECT_EQ(last, "G1.bmp");
  EXPECT_EQ(testing::ReadBytes(state.position.FolderFile("G1.bmp")).substr(0, 2), "BM");
}

// One landscape PDF page with the head of the state's style; its text.
std::string PrintedHead(const ViewerState& state, int page, const std::string& file) {
  const std::string pdf = plat::testing::TestFolder() + file;
  auto dc = plat::PrinterDc::ForPdfFile(pdf, plat::DMORIENT_LANDSCAPE);
  EXPECT_TRUE(dc != nullptr);
  if (!dc) return {};
  dc->StartDoc("heads");
  dc->StartPage();
  state.page_head_style == 2 ? DrawPageHead(state, ViewState{}, *dc, 80, page, TodayText())
                             : DrawStyledPageHead(state, ViewState{}, *dc, page);
  dc->EndPage();
  EXPECT_EQ(dc->EndDoc(), 1);
  return plat::testing::PdfPageText(pdf, 1);
}

TEST_F(Beam2, PageHeadsOfTheThreeStyles) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  const std::string inc1 = common::JoinSettingsPath(state.settings, common::kFirstHeadingFile);
  const std::string fkopf = common::JoinSettingsPath(state.settings, common::kPageHeaderFile);
  std::filesystem::remove(inc1);
  std::filesystem::remove(fkopf);

  // pdftotext joins blanks: the heading is checked whole here.
  EXPECT_EQ(PositionHeading(state), "Pos. BEAM2  Two-span continuous beam, spans of 6 m");
  state.page_head_style = 1;
  std::string text = PrintedHead(state, 1, "style1.pdf");
  EXPECT_NE(text.find("Pos. BEAM2 Two-span continuous beam, spans of 6 m"), std::string::npos) << text;
  EXPECT_NE(text.find("Page 1"), std::string::npos) << text;

  state.page_head_style = 2;
  text = PrintedHead(state, 0, "style2-0.pdf");
  EXPECT_NE(text.find("SEITE:\n"), std::string::npos) << text;
  EXPECT_NE(text.find("VERFASSER:\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Datum: " + TodayText()), std::string::npos) << text;
  common::PageHeader header;
  header[common::PageHeader::kAuthor] = "A. Builder";
  header[common::PageHeader::kDate] = "01.01.1999";
  ASSERT_TRUE(common::WritePageHeaderFile(fkopf, header));
  text = PrintedHead(state, 3, "style2-3.pdf");
  EXPECT_NE(text.find("SEITE: 3"), std::string::npos) << text;
  EXPECT_NE(text.find("VERFASSER: A. Builder"), std::string::npos) << text;
  EXPECT_EQ(text.find("1999"), std::string::npos) << text;

  state.page_head_style = 3;
  text = PrintedHead(state, 2, "style3-none.pdf");
  EXPECT_NE(text.find("Pos. BEAM2 Two-span continuous beam, spans of 6 m"), std::string::npos) << text;
  ASSERT_TRUE(common::WriteHeadingFile(inc1, "Bridge over the Wiese"));
  text = PrintedHead(state, 2, "style3.pdf");
  EXPECT_NE(text.find("Bridge over the Wiese"), std::string::npos) << text;
  EXPECT_EQ(text.find("Pos. BEAM2"), std::string::npos) << text;
  std::filesystem::remove(inc1);
  std::filesystem::remove(fkopf);
}

}  // namespace
}  // namespace revuzavi
