#include "loads/store/load_listing.h"

#include <gtest/gtest.h>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "loads/model/read_geometry.h"
#include "loads/store/store_load_case.h"
#include "loads/tests/frame_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace pundf {
namespace {
namespace fn = common::file_names;
using testing::Bar;

common::PointLoadRecord PointLoad(int placement, int kind, int at, float value, char dir, float distance = 0) {
  common::PointLoadRecord p;
  p.set_placement(static_cast<std::int16_t>(placement));
  p.set_kind(static_cast<std::uint8_t>(kind));
  if (placement == common::PointLoadRecord::kAtNode) {
    p.set_node(static_cast<std::int16_t>(at));
  } else {
    p.set_element(static_cast<std::int16_t>(at));
  }
  p.set_value(value);
  p.set_direction(dir);
  p.set_distance(distance);
  return p;
}

common::NoteRecord Note(const char* text) {
  common::NoteRecord n;
  n.set_text(text);
  return n;
}

// Element 1 from (0,0) to (4,0), element 2 from (4,0) up to (4,3); supports at
// nodes 1 and 3.
LoadModel AngleModel() {
  Geometry g = testing::MakeGeometry({Bar{{0, 0}, {4, 0}}, Bar{{4, 0}, {4, 3}}});
  for (int node : {1, 3}) {
    common::NodeRefRecord s;
    s.set_node(static_cast<std::int16_t>(node));
    g.supports.Append(s);
  }
  return testing::LoadedModel(g);
}

TEST(WriteLoadListing, SectionOfEveryKindOfLoad) {
  LoadModel model = AngleModel();
  auto& lc = model.load_case;
  auto& p = lc.params;
  p.set_load_case(5);
  p.set_title("Roof");
  p.set_gravity_flag(1);
  p.set_gamma(25.0);
  p.set_covering(1.5);
  p.set_temperature_flag(1);
  p.set_delta_t(20.0);
  p.set_alpha_t(1.2e-5);
  p.set_settlement_flag(1);
  p.set_prestress_flag(1);

  const Geometry& g = model.geometry;
  lc.line_loads.Append(testing::WholeLoad(g, 1, 'Y', 10, 10));
  lc.line_notes.Append(Note("dead"));
  lc.line_loads.Append(testing::WholeLoad(g, 2, 'X', 2, 6));
  lc.line_notes.Append(Note(""));
  for (const auto& [xa, xb, a, b] : {std::array<float, 4>{1, 3, 5, 5}, std::array<float, 4>{0.5f, 2.5f, 2, 4}}) {
    auto part = testing::WholeLoad(g, 1, 'Y', a, b);
    part.set_whole_element(0);
    part.set_xa(xa);
    part.set_xb(xb);
    part.set_x1(xa);
    part.set_x2(xb);
    lc.line_loads.Append(part);
    lc.line_notes.Append(Note(""));
  }
  lc.point_loads.Append(PointLoad(1, 0, 2, 7, 'X'));
  lc.point_notes.Append(Note("wind"));
  lc.point_loads.Append(PointLoad(1, 1, 3, 5, '0'));
  lc.point_loads.Append(PointLoad(1, 2, 2, 0.01f, '0'));
  lc.point_loads.Append(PointLoad(2, 0, 2, -3, 'N', 1.5f));
  lc.point_loads.Append(PointLoad(2, 1, 1, 4, '0', 2));
  lc.point_loads.Append(PointLoad(2, 4, 1, 0.002f, '0', 1));
  lc.point_notes.SetCount(6);
  lc.settlements[1].set_settlement(2, -0.01f);
  lc.settlements[1].set_settled(1);
  common::PrestressTable prestress;
  common::PrestressEntry entry;
  entry.set_element(2);
  entry.set_force(500.0f);
  prestress.Append(entry);
  lc.prestress = prestress;  // the store writes PRESTRESS, which the listing reads

  ASSERT_TRUE(StoreLoadCase(model).ok());

  const std::string r73(73, '-'), r71(71, '-');
  const std::string expected =
      " " + r73 + "\r\n" +
      " LC 5 Roof\r\n" +
      " " + r73 + "\r\n" +
      " Spec. Weight =  25.00 kN/m3, covering etc. = 1.50 kN/m sum = 24.50 kN\r\n" +
      " " + r71 + "\r\n" +
      " Line loads\r\n" +
      " " + r71 + "\r\n" +
      "  1  Element  1   10.00 kN/m  direction = Y  sum =  40.00 kN dead\r\n"
      "  2  Element  2    2.00 kN/m    6.00 kN/m  direction = X  sum =  12.00 kN \r\n"
      "  3  Element  1    5.00 kN/m on xb - xa = 3.0 - 1.0 m   direction = Y  sum =  10.00 kN \r\n"
      "  4  Element  1    2.00 kN/m    4.00 kN/m xa = 0.5 m,  xb = 2.5 m  direction = Y  sum =   6.00 kN \r\n"
      " Uneven Temperature Delta T =    20.00\r\n"
      " Temperature coefficient     Alpha T = 1.200E-05\r\n"
      " Point loads\r\n" +
      " " + r71 + "\r\n" +
      " Nr. \r\n"
      "   1  Force at Node    2   F =   7.00 kN  direction = X  wind\r\n"
      "   2  Moment at Node   3   M =   5.00 kNm  \r\n"
      "   3   Kink  at Node   2     0.01   direction = 0  \r\n"
      "   4 Force on element    2  distance =   1.50 m  F =  -3.00 kN direction = N  \r\n"
      "   5 Moment on element   1  distance =   2.00 m  M =   4.00 kNm  \r\n"
      "   6 Vertical Dislocation on element   1  distance =   1.00 m     0.00   direction = 0  \r\n"
      "               Coordinates             Settlement\r\n"
      " Node       x [m]     y [m]     u [m]   v [m]   phi [tan]\r\n" +
      " " + r71 + "\r\n" +
      "   1         0.00      0.00      0.000   -0.010   0.000\r\n"
      " Prestressed elements\r\n"
      " Element    Force [kN]\r\n" +
      " " + r71 + "\r\n" +
      "   2         5.000E+02\r\n";
  EXPECT_EQ(testing::ReadText(model.position.FolderFile("D2.TXT")), expected);
}

// Stores the load cases one after the other, each with its title.
void StoreAll(LoadModel& model, const std::vector<std::pair<int, std::string>>& cases) {
  for (const auto& [number, title] : cases) {
    model.load_case = EmptyLoadCase(model.geometry, number);
    model.load_case.params.set_title(title);
    if (title.starts_with("loaded")) {
      model.load_case.line_loads.Append(testing::WholeLoad(model.geometry, 1, 'Y', 3, 3));
    }
    const auto report = StoreLoadCase(model);
    ASSERT_TRUE(report.ok()) << report.refused.text();
    ASSERT_TRUE(report.messages.empty()) << report.messages.front().text();
  }
}

// A listing whose sections were replaced reads as one written afresh.
TEST(ListingWithCase, ReplacedListingEqualsAFreshOne) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, std::string>> stores, fresh;
  };
  const Case cases[] = {
      {"in the middle", {{1, "a"}, {12, "b"}, {2, "c"}, {12, "loaded b"}}, {{1, "a"}, {12, "loaded b"}, {2, "c"}}},
      {"the first", {{1, "loaded a"}, {2, "b"}, {1, "a"}}, {{1, "a"}, {2, "b"}}},
      {"the last", {{1, "a"}, {2, "b"}, {2, "loaded b"}}, {{1, "a"}, {2, "loaded b"}}},
      {"twice", {{1, "a"}, {2, "b"}, {3, "c"}, {2, "x"}, {2, "loaded y"}}, {{1, "a"}, {2, "loaded y"}, {3, "c"}}},
  };
  const Geometry frame = testing::PortalFrame();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LoadModel replaced = testing::LoadedModel(frame, ".R" + std::to_string(&c - cases));
    StoreAll(replaced, c.stores);
    LoadModel fresh = testing::LoadedModel(frame, ".F" + std::to_string(&c - cases));
    StoreAll(fresh, c.fresh);
    EXPECT_EQ(testing::ReadText(replaced.position.FolderFile("D2.TXT")),
              testing::ReadText(fresh.position.FolderFile("D2.TXT")));
  }
}

TEST(ListingWithCase, SectionMissingFromTheListingIsAppended) {
  LoadModel model = testing::LoadedModel(testing::PortalFrame());
  StoreAll(model, {{1, "a"}, {2, "b"}});
  const std::string listing = model.position.FolderFile("D2.TXT");
  const std::string before = testing::ReadText(listing);
  // A listing that lost section 2, as edited by hand: storing 2 again brings it back.
  ASSERT_TRUE(plat::WriteTextFile(listing, before.substr(0, before.find(" " + std::string(73, '-') + "\r\n LC 2"))));
  StoreAll(model, {{2, "b"}});
  EXPECT_EQ(testing::ReadText(listing), before);

  // Without D2.TXT the listing "D2" is read; without both the section starts a new listing.
  ASSERT_TRUE(plat::RenameFile(listing, model.position.FolderFile("D2")));
  StoreAll(model, {{1, "a"}});
  EXPECT_EQ(testing::ReadText(listing), before);
  ASSERT_TRUE(plat::RemoveFile(listing));
  ASSERT_TRUE(plat::RemoveFile(model.position.FolderFile("D2")));
  StoreAll(model, {{2, "b"}});
  EXPECT_EQ(testing::ReadText(listing), before.substr(before.find(" " + std::string(73, '-') + "\r\n LC 2")));
}

// The lines around the replaced section come back with CR LF, whatever ends they had (a listing
// edited by hand: LF alone, a CR too many, a last line without an end).
TEST(ListingWithCase, LinesAroundTheSectionGetCrLf) {
  LoadModel model = testing::LoadedModel(testing::PortalFrame());
  StoreAll(model, {{1, "a"}, {2, "b"}, {3, "c"}});
  const std::string listing = model.position.FolderFile("D2.TXT");
  const std::string before = testing::ReadText(listing);
  std::string edited;
  for (std::size_t at = 0, k = 0; at < before.size(); ++k) {
    const std::size_t end = before.find("\r\n", at);
    edited += before.substr(at, end - at) + (k % 2 ? "\n" : "\r\r\n");
    at = end + 2;
  }
  edited.resize(edited.size() - (edited.ends_with("\r\r\n") ? 3 : 1));  // the last line without an end
  ASSERT_TRUE(plat::WriteBlock(listing, edited.data(), edited.size()));
  StoreAll(model, {{2, "b"}});
  EXPECT_EQ(testing::ReadText(listing), before);
}

TEST(ListingWithCase, HeadingOfLoadCase1IsNotThatOf12) {
  LoadModel model = testing::LoadedModel(testing::PortalFrame());
  StoreAll(model, {{12, "twelve"}, {1, "one"}, {1, "uno"}});
  const std::string text = testing::ReadText(model.position.FolderFile("D2.TXT"));
  EXPECT_NE(text.find(" LC 12 twelve\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" LC 1 uno\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("one"), std::string::npos) << text;
  EXPECT_LT(text.find("twelve"), text.find("uno"));
}

}  // namespace
}  // namespace pundf
