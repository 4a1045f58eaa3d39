// Binary input that cannot be computed with: files of the wrong size or with
// numbers that are not finite are damaged and named; a solution that is not
// finite fails its load case; no page ever gets "nan" or "inf".
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "Quon/tests/support/solver_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace zedir {
namespace {

using testing::LoadCaseFiles;
using testing::SolverFixture;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

LoadCaseFiles ForceAtMidspan() {
  LoadCaseFiles lc;
  lc.point_loads.Append(testing::ForceAcross(1, 3.0f, 10.0f));
  return lc;
}

// Puts the bytes of `value` into the file at `offset`.
template <class T>
void Patch(const std::string& path, std::size_t offset, T value) {
  std::vector<std::byte> bytes = plat::ReadWholeFile(path).value_or(std::vector<std::byte>{});
  ASSERT_GE(bytes.size(), offset + sizeof value) << path;
  std::memcpy(bytes.data() + offset, &value, sizeof value);
  ASSERT_TRUE(plat::WriteBlock(path, bytes.data(), bytes.size()));
}

// A page of the folder that holds "nan" or "inf" as a word of its own (any case), or "".
std::string PageWithNonFinite(const std::string& folder) {
  auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
  for (const std::string& name : plat::ListFolder(folder, "*.TXT")) {
    std::string text;
    for (std::byte b : plat::ReadWholeFile(folder + name).value_or(std::vector<std::byte>{})) {
      text += static_cast<char>(std::tolower(static_cast<unsigned char>(b)));
    }
    for (const char* word : {"nan", "inf"}) {
      for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        if ((at == 0 || !letter(text[at - 1])) && (at + 3 == text.size() || !letter(text[at + 3]))) return name;
      }
    }
  }
  return {};
}

TEST(DamagedInput, FilesThatCannotBeComputedWithAreNamed) {
  struct Case {
    const char* what;
    const char* file;  // base name of the file of the position
    bool load_case_file;
    std::function<void(SolverFixture&, LoadCaseFiles&, const std::string&)> damage;
    std::string problem;
  };
  const Case cases[] = {
      {"INVERSE with NaN", "INVERSE", false,
       [](SolverFixture&, LoadCaseFiles&, const std::string& path) { Patch(path, 8 * 7, std::nan("")); },
       "it holds a value that is not finite"},
      {"ELEMENTS with an infinite EA", "ELEMENTS", false,
       [](SolverFixture&, LoadCaseFiles&, const std::string& path) { Patch(path, 2 + 140, kInf); },
       "record 1 holds a number that is not finite at byte 140"},
      {"ELEMENTS with an element of length 0", "ELEMENTS", false,
       [](SolverFixture&, LoadCaseFiles&, const std::string& path) { Patch(path, 2 + 68, 0.0f); },
       "element 1 has a length that is not greater than 0"},
      {"PARAMR with a NaN support stiffness", "PARAMR", false,
       [](SolverFixture&, LoadCaseFiles&, const std::string& path) { Patch(path, 704, kNaN); },
       "it holds a number that is not finite at byte 704"},
      {"LLOAD with a NaN force", "LLOAD", true,
       [](SolverFixture& s, LoadCaseFiles& lc, const std::string&) {
         lc.line_loads.Append(testing::StoredLineLoad(s.model, 1, 'Y', 5.0f, 5.0f));
         lc.line_loads[1].set_global_force(2, kNaN);
       },
       "record 1 holds a number that is not finite at byte 172"},
      {"TEMPELEMENTS with an infinite T", "TEMPELEMENTS", true,
       [](SolverFixture&, LoadCaseFiles& lc, const std::string&) {
         common::TemperatureLoadRecord t;
         t.set_uniform_t(-kInf);
         t.set_loaded(1);
         lc.temperatures.Append(t);
       },
       "record 1 holds a number that is not finite at byte 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SolverFixture solver(testing::SimpleBeam());
    LoadCaseFiles lc = ForceAtMidspan();
    const std::string path = c.load_case_file ? solver.pos.LoadCaseFile(c.file, 1) : solver.pos.File(c.file);
    c.damage(solver, lc, path);
    const common::Result result = solver.ComputePass(lc);
    EXPECT_EQ(result.text(), "The file " + path + " is damaged: " + c.problem + ".");
    EXPECT_EQ(result.caption(), "Error");
    EXPECT_FALSE(plat::FileExists(solver.pos.position().FolderFile("D3.TXT")));
    EXPECT_EQ(PageWithNonFinite(solver.pos.position().folder()), "");
  }
}

// Finite input whose results overflow: the load case fails with a message and
// writes no page; neither its displacements nor its curves hold an infinity.
TEST(DamagedInput, ResultsThatAreNotFiniteWriteNoPage) {
  struct Case {
    const char* what;
    std::function<void(SolverFixture&, LoadCaseFiles&)> input;
  };
  const Case cases[] = {
      {"an inverse of huge values",
       [](SolverFixture& s, LoadCaseFiles& lc) {
         for (std::size_t k = 0; k < 36; ++k) Patch(s.pos.File("INVERSE"), 8 * k, 1e300);
         lc.point_loads.Append(testing::ForceAcross(1, 3.0f, 3e38f));
       }},
      {"a line load whose axial part overflows the curves",
       [](SolverFixture& s, LoadCaseFiles& lc) {
         lc.line_loads.Append(testing::StoredLineLoad(s.model, 1, 'Y', 5.0f, 5.0f));
         lc.line_loads[1].set_axial_at_start(6.1e37f);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SolverFixture solver(testing::SimpleBeam());
    LoadCaseFiles lc;
    c.input(solver, lc);
    const common::Result result = solver.ComputePass(lc);
    EXPECT_EQ(result.text(),
              "The results of load case 1 are not finite: its loads or the frame are beyond what can be computed. "
              "Its pages are not written.");
    EXPECT_FALSE(plat::FileExists(solver.pos.position().FolderFile("D3.TXT")));
    EXPECT_EQ(PageWithNonFinite(solver.pos.position().folder()), "");
    for (char letter : {'U', 'W', 'M', 'V', 'N'}) {
      for (float v : solver.Curve(letter, 1)) EXPECT_TRUE(std::isfinite(v)) << letter;
    }
  }
}

}  // namespace
}  // namespace zedir
