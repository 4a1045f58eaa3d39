// compute-position and ZEDIR on whole positions: the example positions through the real programs, their
// results checked against hand calculations, jobs with a missing load case, and two runs on one position.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "common/position/position.h"
#include "common/position/solver_job_file.h"
#include "common/records/load_case_diary.h"
#include "common/records/model_tables.h"
#include "common/records/record_files.h"
#include "common/settings_files.h"
#include "platform/binary_io.h"
#include "tests/e2e/file_bytes.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/testing/testing.h"
#include "platform/testing/write_faults.h"
#include "tests/e2e/e2e_positions.h"

namespace {

using e2e::ComputedExample;
using e2e::ComputePosition;
using e2e::ExampleText;
using e2e::PositionWithEchoes;
using e2e::ReadBytes;

template <class T>
std::vector<T> ReadValues(const std::string& path) {
  const std::string bytes = ReadBytes(path);
  std::vector<T> values(bytes.size() / sizeof(T));
  if (!values.empty()) std::memcpy(values.data(), bytes.data(), values.size() * sizeof(T));
  return values;
}

std::vector<int> DiaryLoadCases(const common::Position& position) {
  auto diary = common::ReadBlockRecord<common::LoadCaseDiary>(position.File("DIARY"));
  std::vector<int> load_cases;
  for (int k = 1; k <= diary.record.count() && k <= common::LoadCaseDiary::kMaxEntries; ++k) {
    load_cases.push_back(diary.record.load_case(k));
  }
  return load_cases;
}

// A line of FILES: the page and the load case ("" for pages of no load case).
struct ListedPage {
  std::string page, load_case, contents;
};

std::vector<ListedPage> OutputList(const common::Position& position) {
  std::vector<ListedPage> pages;
  std::istringstream lines(ReadBytes(position.FolderFile("FILES")));
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() < 48) continue;
    auto trim = [](std::string s) {
      s.erase(0, s.find_first_not_of(' '));
      s.erase(s.find_last_not_of(' ') + 1);
      return s;
    };
    pages.push_back({trim(line.substr(14, 10)), trim(line.substr(24, 18)), trim(line.substr(42))});
  }
  return pages;
}

// The load cases of the result pages in FILES, in order.
std::vector<int> ResultPageLoadCases(const common::Position& position) {
  std::vector<int> load_cases;
  for (const ListedPage& p : OutputList(position)) {
    if (p.contents == "Results") load_cases.push_back(std::atoi(p.load_case.c_str()));
  }
  return load_cases;
}

TEST(ComputePositionProgram, ComputesEveryExamplePosition) {
  struct Example {
    const char* name;
    int elements;
    int equations;
  } examples[] = {{"BEAM2", 2, 9}, {"PORTAL", 3, 12}, {"ARCH", 8, 27}};
  for (const Example& example : examples) {
    SCOPED_TRACE(example.name);
    const common::Position position = ComputedExample(example.name);
    const std::vector<int> load_cases = DiaryLoadCases(position);
    ASSERT_FALSE(load_cases.empty());

    for (int lc : load_cases) {
      SCOPED_TRACE(lc);
      EXPECT_EQ(ReadBytes(position.LoadCaseFile("UT8", lc)).size(), 1001u * 8u);
      EXPECT_EQ(ReadBytes(position.LoadCaseFile("KLAGER", lc)).size(), 4u * static_cast<unsigned>(example.equations));
      for (char letter : {'U', 'W', 'M', 'V', 'N'}) {
        for (int e = 1; e <= example.elements; ++e) {
          const std::string curve = position.File(std::string(1, letter) + common::CurrentLoadCaseText(lc) + "E" +
                                                  std::to_string(e));
          EXPECT_EQ(ReadBytes(curve).size(), 204u) << curve;
        }
      }
    }

    // Two pages per load case, in the job's order, each listed in FILES and written.
    std::vector<std::string> expected, listed;
    for (int lc : load_cases) {
      expected.push_back(std::to_string(lc) + " Results");
      expected.push_back(std::to_string(lc) + " Nodal Displacements");
    }
    for (const ListedPage& p : OutputList(position)) {
      if (p.contents != "Results" && p.contents != "Nodal Displacements") continue;
      listed.push_back(p.load_case + " " + p.contents);
      const std::string page = ReadBytes(position.folder() + p.page + ".TXT");
      EXPECT_EQ(page.rfind("LC " + p.load_case + "\r\n", 0), 0u) << p.page;
    }
    EXPECT_EQ(listed, expected);

    // Every text file of the position folder ends its lines in CR LF.
    int text_files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(position.folder())) {
      const std::string file = entry.path().filename().string();
      if (file != "FILES" && !(file.size() > 4 && file.substr(file.size() - 4) == ".TXT")) continue;
      ++text_files;
      const std::string text = ReadBytes(entry.path().string());
      for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
          ADD_FAILURE() << file << " holds a bare LF at byte " << i;
          break;
        }
      }
    }
    EXPECT_GT(text_files, 10);
    EXPECT_FALSE(plat::FileExists(position.File("ZEDIRLOCK")));
  }
}

TEST(ComputePositionProgram, TwoSpanBeamMomentAtTheMiddleSupport) {
  const common::Position position = ComputedExample("BEAM2");
  // Load case 1: q = 10 kN/m on two spans of l = 6 m; over the middle support M = -q l^2 / 8 = -45 kNm.
  const double expected = -10.0 * 6.0 * 6.0 / 8.0;
  const std::vector<float> span1 = ReadValues<float>(position.File("M01E1"));
  const std::vector<float> span2 = ReadValues<float>(position.File("M01E2"));
  ASSERT_EQ(span1.size(), 51u);
  ASSERT_EQ(span2.size(), 51u);
  EXPECT_NEAR(span1[50], expected, 0.005 * 45.0);
  EXPECT_NEAR(span2[0], expected, 0.005 * 45.0);
  // The end supports take 3/8 q l, the middle one 10/8 q l.
  const std::vector<float> reactions = ReadValues<float>(position.LoadCaseFile("KLAGER", 1));
  ASSERT_EQ(reactions.size(), 9u);
  EXPECT_NEAR(reactions[1], 22.5, 0.005 * 22.5);
  EXPECT_NEAR(reactions[4], 75.0, 0.005 * 75.0);
  EXPECT_NEAR(reactions[7], 22.5, 0.005 * 22.5);
}

// The loads of a load case, summed by hand from the echo text, in the user's axes x and z = -y: the forces
// Fx and Fz and their moment about the origin, x Fz - z Fx, counterclockwise. A 'Y' load acts against z.
struct LoadSums {
  const char* position;
  int load_case;
  double fx, fz, moment;
};

// Reactions as KLAGER holds them (and the result page prints them): Rx, Rz and, at rotations, the moment
// (clockwise). Every equation that is neither a u nor a v of a node is a rotation.
LoadSums ReactionSums(const common::Position& position, int load_case) {
  auto nodes = common::ReadTable<common::NodeTable>(position.File("NODES"));
  const std::vector<float> r = ReadValues<float>(position.LoadCaseFile("KLAGER", load_case));
  LoadSums sums{"", load_case, 0, 0, 0};
  std::set<int> translations;
  for (const common::NodeRecord& node : nodes.table.used()) {
    const int u = node.dof_u(), v = node.dof_v();
    translations.insert(u);
    translations.insert(v);
    const double rx = u >= 1 && u <= static_cast<int>(r.size()) ? r[static_cast<std::size_t>(u - 1)] : 0.0;
    const double rz = v >= 1 && v <= static_cast<int>(r.size()) ? r[static_cast<std::size_t>(v - 1)] : 0.0;
    const double x = node.x(), z = node.z();
    sums.fx += rx;
    sums.fz += rz;
    sums.moment += x * rz - z * rx;
  }
  for (int q = 1; q <= static_cast<int>(r.size()); ++q) {
    if (!translations.count(q)) sums.moment -= r[static_cast<std::size_t>(q - 1)];
  }
  return sums;
}

TEST(ComputePositionProgram, ReactionsBalanceTheLoadsOfEveryExampleLoadCase) {
  // By hand from the echo texts (a load over a stretch acts at its resultant; self weight is gamma A per
  // metre; temperature, settlements, prestress, kinks and jumps are self-equilibrated):
  const LoadSums loads[] = {
      // Two spans: q 10 on 0..6 and 6..12.
      {"BEAM2", 1, 0.0, -120.0, -720.0},
      // Trapezoid 4..8 on 7.5..10.5 (18 kN at 9.1667), T 2 on span 1 (12), N 3 on 0..2.5 (7.5 at 1.25),
      // 20 at 3, 5 across at 8, 6 along at 10, 7.5 along x at node 3, moment 15.
      {"BEAM2", 2, 25.5, -50.5, -18.0 * 9.166667 - 7.5 * 1.25 - 20.0 * 3.0 - 5.0 * 8.0 + 15.0},
      {"BEAM2", 3, 0.0, 0.0, 0.0},
      // gamma 25 times A 0.08 plus the covering 1.5 = 3.5 kN/m on 12 m.
      {"BEAM2", 4, 0.0, -42.0, -252.0},
      {"BEAM2", 5, 0.0, 0.0, 0.0},
      // Roof 12 kN/m on 6 m at x = 3.
      {"PORTAL", 1, 0.0, -72.0, -216.0},
      // 1.5 and 0.75 kN/m on 4 m columns (at z = 2), 10 kN at z = 4.
      {"PORTAL", 2, 19.0, 0.0, -(6.0 * 2.0 + 3.0 * 2.0 + 10.0 * 4.0)},
      {"PORTAL", 3, 0.0, 0.0, 0.0},
      // Columns 25 x 0.08 x 4 = 8 kN at x = 0 and 6, beam 25 x 0.18 x 6 = 27 kN at x = 3, crane 40 kN at
      // x = 2, moment -12, 8 kN across the left column at node 2 (0, 4), pointing to +x.
      {"PORTAL", 4, 8.0, -83.0, -(8.0 * 6.0 + 27.0 * 3.0 + 40.0 * 2.0) - 12.0 - 32.0},
      // Snow 2 kN/m along 31.2169 m of arch, symmetric about x = 10.
      {"ARCH", 1, 0.0, -62.4338, -624.338},
      // Crown 50 kN at x = 10; 3 kN normal to element 3 at (4.0725, 7.8352) along (0.55647, -0.83087);
      // 1.94978 kN along element 6 at (15.45, 8.155) along (0.83087, -0.55647).
      {"ARCH", 2, 1.66941 + 1.62001, -50.0 - 2.49261 - 1.08501,
       -500.0 + (4.07245 * -2.49261 - 7.83515 * 1.66941) + (15.45 * -1.08501 - 8.155 * 1.62001)},
      {"ARCH", 3, 0.0, 0.0, 0.0},
  };
  std::string computed_position;
  common::Position position;
  for (const LoadSums& lc : loads) {
    SCOPED_TRACE(std::string(lc.position) + " load case " + std::to_string(lc.load_case));
    if (computed_position != lc.position) {
      position = ComputedExample(lc.position);
      computed_position = lc.position;
    }
    const LoadSums r = ReactionSums(position, lc.load_case);
    EXPECT_NEAR(r.fx + lc.fx, 0.0, 0.01);
    EXPECT_NEAR(r.fz + lc.fz, 0.0, 0.01);
    EXPECT_NEAR(r.moment + lc.moment, 0.0, 0.05);
  }
}

TEST(ComputePositionProgram, SymmetricLoadOnTheArchGivesSymmetricResults) {
  const common::Position position = ComputedExample("ARCH");
  // Load case 1, snow on every element: element e mirrors element 9 - e, sample k mirrors sample 52 - k.
  for (int e = 1; e <= 4; ++e) {
    const int mirror = 9 - e;
    for (char letter : {'M', 'N', 'V'}) {
      SCOPED_TRACE(std::string(1, letter) + " of element " + std::to_string(e));
      const auto a = ReadValues<float>(position.File(std::string(1, letter) + "01E" + std::to_string(e)));
      const auto b = ReadValues<float>(position.File(std::string(1, letter) + "01E" + std::to_string(mirror)));
      ASSERT_EQ(a.size(), 51u);
      ASSERT_EQ(b.size(), 51u);
      const double sign = letter == 'V' ? -1.0 : 1.0;  // the shear turns with the direction of the element
      double largest = 0.0;
      for (float v : a) largest = std::max(largest, std::fabs(static_cast<double>(v)));
      EXPECT_GT(largest, 0.1);
      for (int k = 0; k < 51; ++k) EXPECT_NEAR(a[k], sign * b[50 - k], 1e-3 * largest + 1e-4) << "sample " << k + 1;
    }
  }
  // Nodes k and 10 - k move alike vertically and opposite horizontally; the crown does not move sideways.
  auto nodes = common::ReadTable<common::NodeTable>(position.File("NODES"));
  const std::vector<double> u = ReadValues<double>(position.LoadCaseFile("UT8", 1));
  ASSERT_EQ(nodes.table.count(), 9);
  ASSERT_EQ(u.size(), 1001u);
  for (int k = 1; k <= 4; ++k) {
    const common::NodeRecord& a = nodes.table[k];
    const common::NodeRecord& b = nodes.table[10 - k];
    EXPECT_NEAR(u[a.dof_u()], -u[b.dof_u()], 1e-6) << k;
    EXPECT_NEAR(u[a.dof_v()], u[b.dof_v()], 1e-6) << k;
  }
  EXPECT_NEAR(u[nodes.table[5].dof_u()], 0.0, 1e-6);
  const std::vector<float> r = ReadValues<float>(position.LoadCaseFile("KLAGER", 1));
  EXPECT_NEAR(r[0], -r[24], 0.01);  // the horizontal reactions of the feet
  EXPECT_NEAR(r[1], r[25], 0.01);   // the vertical ones, half the snow each
  EXPECT_NEAR(r[1], 62.4338 / 2.0, 0.01);
}

// The examples stand upright: their z points up and a 'Y' load (along the records' y = -z) down, so an
// arch under snow and the columns of a portal under its roof load are compressed (N < 0).
TEST(ComputePositionProgram, ArchAndPortalStandUpright) {
  const common::Position arch = ComputedExample("ARCH");
  for (int e = 1; e <= 8; ++e) {
    const auto n = ReadValues<float>(arch.File("N01E" + std::to_string(e)));
    ASSERT_EQ(n.size(), 51u) << e;
    for (int k = 0; k < 51; ++k) EXPECT_LT(n[k], -1.0f) << "element " << e << " sample " << k + 1;
  }

  // Load case 1, 12 kN/m on the beam: the two columns carry its 72 kN between them.
  const common::Position portal = ComputedExample("PORTAL");
  const auto left = ReadValues<float>(portal.File("N01E1"));
  const auto right = ReadValues<float>(portal.File("N01E3"));
  ASSERT_EQ(left.size(), 51u);
  ASSERT_EQ(right.size(), 51u);
  for (int k = 0; k < 51; ++k) {
    EXPECT_LT(left[k], -1.0f) << k + 1;
    EXPECT_LT(right[k], -1.0f) << k + 1;
    EXPECT_NEAR(left[k] + right[k], -72.0, 0.01) << k + 1;
  }
}

// The two-span beam with load cases 2, 5 and 7 only.
constexpr const char* kLoadCases257 =
    "LOAD CASES\r\n"
    "LC 2\r\n0 1 1\r\nTITLE\r\nTwo\r\nLINELOADS\r\n"
    "1 q\r\n1 1    0.000    0.000    6.000    0.000    0.000    0.000    2.000    2.000 Y\r\n"
    "LC 5\r\n0 1 1\r\nTITLE\r\nFive\r\nLINELOADS\r\n"
    "1 q\r\n1 1    0.000    0.000    6.000    0.000    0.000    0.000    5.000    5.000 Y\r\n"
    "LC 7\r\n0 1 1\r\nTITLE\r\nSeven\r\nLINELOADS\r\n"
    "1 q\r\n1 1    0.000    0.000    6.000    0.000    0.000    0.000    7.000    7.000 Y\r\n";

TEST(ComputePositionProgram, JobOfLoadCasesTwoFiveSevenInOrder) {
  const common::Position position = PositionWithEchoes("JOB", ExampleText("ECHO_G", "BEAM2"), kLoadCases257);
  const auto run = ComputePosition(position);
  ASSERT_EQ(run.exit_code, 0) << run.messages;
  EXPECT_EQ(DiaryLoadCases(position), (std::vector<int>{2, 5, 7}));
  EXPECT_EQ(ResultPageLoadCases(position), (std::vector<int>{2, 5, 7}));
  // Each load case is its own: q on the first span alone gives -q l^2 / 16 over the middle support.
  for (int lc : {2, 5, 7}) {
    const auto m = ReadValues<float>(position.File("M0" + std::to_string(lc) + "E1"));
    ASSERT_EQ(m.size(), 51u);
    EXPECT_NEAR(m[50], -lc * 36.0 / 16.0, 0.005 * lc * 36.0 / 16.0) << lc;
  }
}

TEST(ComputePositionProgram, FailingStepIsReported) {
  // No load echo: PUNDF stores no load case and the job has none.
  common::Position position = PositionWithEchoes("EMPTY", ExampleText("ECHO_G", "BEAM2"), "");
  plat::RemoveFile(position.TextFile("ECHO_L"));
  auto run = ComputePosition(position);
  EXPECT_NE(run.exit_code, 0);
  EXPECT_NE(run.messages.find("compute-position\t"), std::string::npos) << run.messages;

  // A geometry that cannot be stored: a beam without supports.
  position = PositionWithEchoes("BAD",
                                "TITEL\r\nLoose beam\r\nMATERIAL\r\n1\r\n1 26700000.00 0.000000\r\n"
                                "CROSSECTIONS\r\n1\r\n1 0.200 0.400 8.0000E-02 1.0667E-03\r\n"
                                "ELEMENTS\r\n1\r\n1 0.00 0.00 6.00 0.00 0 0 1 1 1 1\r\n"
                                "NODES\r\n2\r\n1 0.00 0.00 0 0 0\r\n2 6.00 0.00 0 0 0\r\nSUPPORTS\r\n0\r\n",
                                kLoadCases257);
  run = ComputePosition(position);
  EXPECT_NE(run.exit_code, 0);
  EXPECT_NE(run.messages.find("The geometry of position BAD was not stored."), std::string::npos) << run.messages;
}

// A load echo text that cannot be read (a folder in its place) stops the road
// with its name; the load cases computed before are not computed again.
TEST(ComputePositionProgram, AnUnreadableLoadEchoStopsTheRoad) {
  const common::Position position = ComputedExample("BEAM2");
  const std::string echo_l = position.TextFile("ECHO_L");
  ASSERT_TRUE(plat::RemoveFile(echo_l));
  ASSERT_TRUE(plat::MakeFolder(echo_l));
  const std::string files = ReadBytes(position.FolderFile("FILES"));
  const std::string lastd = ReadBytes(position.FolderFile("LASTD"));
  const auto run = ComputePosition(position);
  EXPECT_NE(run.exit_code, 0);
  EXPECT_NE(run.messages.find("Error\tThe file " + echo_l + " cannot be read.\n"), std::string::npos) << run.messages;
  EXPECT_EQ(ReadBytes(position.FolderFile("FILES")), files);
  EXPECT_EQ(ReadBytes(position.FolderFile("LASTD")), lastd);
  EXPECT_TRUE(plat::FolderExists(echo_l));
}

common::Result WriteJob(const common::Position& position, const std::vector<int>& load_cases) {
  auto job = common::MakeSolverJob(load_cases);
  if (!job) return job.failure();
  return common::WriteSolverJob(position, *job);
}

TEST(ZedirProgram, MissingLoadCaseIsReportedAndTheOthersAreComputed) {
  const common::Position position = ComputedExample("BEAM2");
  ASSERT_TRUE(WriteJob(position, {1, 9, 2}).ok());
  for (int lc : {1, 2}) ASSERT_TRUE(plat::RemoveFile(position.LoadCaseFile("UT8", lc)));
  const auto run = plat::testing::RunProgram("ZEDIR", {});
  EXPECT_EQ(run.exit_code, 255);
  EXPECT_EQ(run.messages, "Error\t The file " + position.LoadCaseFile("PL", 9) + " does not exist \n");
  for (int lc : {1, 2}) EXPECT_EQ(ReadBytes(position.LoadCaseFile("UT8", lc)).size(), 8008u) << lc;
  EXPECT_FALSE(plat::FileExists(position.File("ZEDIRLOCK")));
}

// Only a stored and checked frame is computed: beside GEOMETRY 0 the INVERSE
// may be another frame's. ZEDIR says so, ends with 255 and changes no file.
TEST(ZedirProgram, AFrameThatIsNotStoredAndCheckedIsNotComputed) {
  const common::Position position = ComputedExample("BEAM2");
  ASSERT_TRUE(plat::FileExists(position.File("INVERSE")));
  ASSERT_TRUE(common::WriteInt32File(position.File("GEOMETRY"), 0));
  const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(position.folder());
  const auto run = plat::testing::RunProgram("ZEDIR", {});
  EXPECT_EQ(run.exit_code, 255);
  EXPECT_EQ(run.messages,
            "Error\tThe frame of position BEAM2 is not stored and checked. Open the program Frame and click on "
            "Store!\n");
  EXPECT_EQ(plat::testing::SnapshotFolder(position.folder()), before);
}

TEST(ZedirProgram, RunWithoutJobEndsWithItsMessage) {
  const common::Position position = ComputedExample("BEAM2");
  ASSERT_TRUE(plat::RemoveFile(position.File("BATCH")));
  const auto run = plat::testing::RunProgram("ZEDIR", {});
  EXPECT_EQ(run.exit_code, 255);
  EXPECT_EQ(run.messages, "Error\t The file " + position.File("BATCH") + " does not exist \n");
}

TEST(ZedirProgram, SecondRunOnAPositionWaitsForTheFirst) {
  const common::Position position = ComputedExample("BEAM2");
  const std::vector<int> job = DiaryLoadCases(position);
  ASSERT_EQ(job.size(), 5u);
  const std::string log = plat::testing::TestFolder() + "two-runs.txt";
  setenv("PLAT_MESSAGES", log.c_str(), 1);
  int codes[2] = {-2, -2};
  {
    std::vector<std::thread> runs;
    for (int& code : codes) {
      runs.emplace_back([&code] {
        code = plat::RunAndWait(plat::testing::BinFolder() + "ZEDIR", {}).value_or(-2);
      });
    }
    for (std::thread& t : runs) t.join();
  }
  unsetenv("PLAT_MESSAGES");
  EXPECT_EQ(codes[0], 0);
  EXPECT_EQ(codes[1], 0);
  EXPECT_EQ(ReadBytes(log), "");
  // The job three times (compute-position's run and these two), each run's pages together.
  std::vector<int> expected;
  for (int k = 0; k < 3; ++k) expected.insert(expected.end(), job.begin(), job.end());
  EXPECT_EQ(ResultPageLoadCases(position), expected);
  const auto last = ReadValues<std::int16_t>(position.FolderFile("LASTD"));
  ASSERT_EQ(last.size(), 1u);
  EXPECT_EQ(last[0], 2 + 3 * 2 * 5);
  EXPECT_FALSE(plat::FileExists(position.File("ZEDIRLOCK")));
}

}  // namespace
