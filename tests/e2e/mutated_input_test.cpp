// Seeded mutations of a position's inputs (geometry and load echo texts, the
// binary model, load-case and job files) through the real programs: no
// sanitizer report, no hang, no echo text lost or changed by a refused input,
// and no success with "nan" or "inf" in a page. The seed, the time budget and
// the most mutations come from SUITE_MUTATION_SEED, SUITE_MUTATION_SECONDS and
// SUITE_MUTATION_COUNT (defaults 2511, 45 and 400); a failure names the seed,
// the iteration and the mutation.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/position/position.h"
#include "common/records/load_case_diary.h"
#include "common/records/record_files.h"
#include "common/settings.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "tests/e2e/captured_run.h"
#include "tests/e2e/file_bytes.h"
#include "tests/support/position_road.h"

namespace {

constexpr const char* kExample = "PORTAL";
constexpr double kRunSeconds = 60.0;  // a run that takes longer hangs

using e2e::ReadBytes;

bool WriteBytes(const std::string& path, const std::string& bytes) {
  return plat::WriteBlock(path, bytes.data(), bytes.size());
}

long EnvNumber(const char* name, long fallback) {
  const char* text = std::getenv(name);
  return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

// Whether the text holds "nan" or "inf" as a word of its own (any case), as
// printf writes them; "infinity" is a word of the pages' own sentences (a pole
// at infinity).
bool HoldsNonFinite(const std::string& text) {
  auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
    std::string word = text.substr(i, 3);
    for (char& c : word) c = static_cast<char>(c | 0x20);
    if (word != "nan" && word != "inf") continue;
    if ((i == 0 || !letter(text[i - 1])) && (i + 3 == text.size() || !letter(text[i + 3]))) {
      return true;
    }
  }
  return false;
}

// The load cases of a load echo text: the numbers of its lines "LC <number>"
// (the digits read; a later entry of the same number replaces the earlier).
std::set<int> LoadCaseNumbers(const std::string& text) {
  std::set<int> numbers;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find('\n', at);
    const std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (line.size() > 3 && line.compare(0, 3, "LC ") == 0 && line[3] >= '0' && line[3] <= '9') {
      numbers.insert(std::atoi(line.substr(3, 6).c_str()));
    }
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return numbers;
}

// The load-case numbers of the position's DIARY (none when it does not read).
std::set<int> DiaryNumbers(const common::Position& position) {
  std::set<int> numbers;
  const auto diary = common::ReadBlockRecord<common::LoadCaseDiary>(position.File("DIARY"));
  if (!diary.status.ok() || !diary.record.has_valid_count()) return numbers;
  for (int k = 1; k <= diary.record.count(); ++k) numbers.insert(diary.record.load_case(k));
  return numbers;
}

class Mutator {
 public:
  explicit Mutator(std::uint32_t seed) : rng_(seed) {}

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  // One change of an echo text; `what` says which.
  std::string MutateText(std::string text, std::string& what) {
    static const char* kNumbers[] = {"1E+99", "1e999", "-1E+39", "1234567890123456789012345678901234567890",
                                     "3.5E+38", "-0", "0", "32767", "101", "-32768", "1e-999", "2147483648",
                                     "0.000001", "1E"};
    if (text.empty()) text = " ";
    std::vector<std::size_t> starts;  // the start of every number in the text
    for (std::size_t i = 0; i < text.size(); ++i) {
      const bool digit = text[i] >= '0' && text[i] <= '9';
      if (digit && (i == 0 || text[i - 1] == ' ' || text[i - 1] == '\n' || text[i - 1] == '-')) starts.push_back(i);
    }
    const std::size_t at = static_cast<std::size_t>(Pick(static_cast<int>(text.size())));
    switch (Pick(6)) {
      case 0:
      case 1: {  // a number replaced by one at or beyond the limits
        if (starts.empty()) break;
        const std::size_t s = starts[static_cast<std::size_t>(Pick(static_cast<int>(starts.size())))];
        const std::size_t e = text.find_first_of(" \r\n", s);
        const char* number = kNumbers[Pick(static_cast<int>(std::size(kNumbers)))];
        what = "number at " + std::to_string(s) + " -> " + number;
        return text.replace(s, (e == std::string::npos ? text.size() : e) - s, number);
      }
      case 2: {  // a line dropped
        const std::size_t s = text.rfind('\n', at);
        const std::size_t from = s == std::string::npos ? 0 : s + 1;
        const std::size_t e = text.find('\n', at);
        what = "line at " + std::to_string(from) + " dropped";
        return text.erase(from, (e == std::string::npos ? text.size() : e + 1) - from);
      }
      case 3: {  // a line doubled
        const std::size_t s = text.rfind('\n', at);
        const std::size_t from = s == std::string::npos ? 0 : s + 1;
        const std::size_t e = text.find('\n', at);
        const std::string line = text.substr(from, (e == std::string::npos ? text.size() : e + 1) - from);
        what = "line at " + std::to_string(from) + " doubled";
        return text.insert(from, line);
      }
      case 4:  // cut
        what = "cut at " + std::to_string(at);
        return text.substr(0, at);
      default: {  // a byte changed
        static const char kBytes[] = {'\0', '\r', '\n', ' ', '-', 'E', ',', '.', '9', '\xC4', ';'};
        const char byte = kBytes[Pick(static_cast<int>(sizeof kBytes))];
        what = "byte " + std::to_string(at) + " -> " + std::to_string(static_cast<unsigned char>(byte));
        text[at] = byte;
        return text;
      }
    }
    what = "unchanged";
    return text;
  }

  // One change of a binary file.
  std::string MutateBinary(std::string bytes, std::string& what) {
    if (bytes.empty()) bytes.assign(4, '\0');
    const std::size_t at = static_cast<std::size_t>(Pick(static_cast<int>(bytes.size())));
    auto put = [&](const auto value, std::size_t offset) {
      if (offset + sizeof value > bytes.size()) return;
      std::memcpy(bytes.data() + offset, &value, sizeof value);
    };
    switch (Pick(6)) {
      case 0: {
        const float values[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                                -std::numeric_limits<float>::infinity(), 3.4e38f, 1e-40f};
        const std::size_t offset = at & ~std::size_t{3};
        const int k = Pick(static_cast<int>(std::size(values)));
        what = "float " + std::to_string(k) + " at " + std::to_string(offset);
        put(values[k], offset);
        return bytes;
      }
      case 1: {
        const double values[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                                 1e300};
        const std::size_t offset = at & ~std::size_t{7};
        const int k = Pick(static_cast<int>(std::size(values)));
        what = "double " + std::to_string(k) + " at " + std::to_string(offset);
        put(values[k], offset);
        return bytes;
      }
      case 2: {
        const std::int16_t values[] = {-1, 0, 101, 1001, 32767, -32768};
        const std::size_t offset = at & ~std::size_t{1};
        const int k = Pick(static_cast<int>(std::size(values)));
        what = "int16 " + std::to_string(values[k]) + " at " + std::to_string(offset);
        put(values[k], offset);
        return bytes;
      }
      case 3:
        what = "cut at " + std::to_string(at);
        return bytes.substr(0, at);
      case 4:
        what = "grown by " + std::to_string(at % 13 + 1);
        return bytes + std::string(at % 13 + 1, '\x7f');
      default:
        what = "byte " + std::to_string(at) + " -> 0xFF";
        bytes[at] = '\xFF';
        return bytes;
    }
  }

 private:
  std::mt19937 rng_;
};

// The files of a computed position that a later run reads, by their names in
// its folder, and which of them the road rebuilds from the echo texts.
struct Target {
  std::string name;
  bool text;  // an echo text, else a binary file
  bool road;  // read through the whole road, else by the solver alone
};

std::vector<Target> Targets(const common::Position& position) {
  static const char* kBinaryBases[] = {"PARAMR", "MATR", "ELEMENTS", "NODES", "LKNOTENR", "CROSS", "INVERSE",
                                       "BATCH",  "PL",   "SRC_L",    "LLOAD", "TEMPELEMENTS", "PRESTRESS", "LASTD"};
  std::vector<Target> targets = {{"ECHO_G" + position.ext() + ".TXT", true, true},
                                 {"ECHO_L" + position.ext() + ".TXT", true, true},
                                 {"DIARY" + position.ext(), false, true}};
  for (const std::string& name : plat::ListFolder(position.folder(), "*")) {
    for (const char* base : kBinaryBases) {
      const std::string b = base;
      if (name.compare(0, b.size(), b) != 0) continue;
      const std::string rest = name.substr(b.size());
      const bool load_case = !rest.empty() && rest[0] >= '0' && rest[0] <= '9';
      if (rest == position.ext() || (load_case && rest.find(position.ext()) != std::string::npos)) {
        targets.push_back({name, false, false});
      }
    }
  }
  return targets;
}

void CopyFolder(const std::string& from, const std::string& to) {
  ASSERT_TRUE(plat::MakeFolder(to) || plat::FolderExists(to));
  for (const std::string& name : plat::ListFolder(from, "*")) {
    if (plat::FileExists(from + name)) {
      ASSERT_TRUE(plat::CopyFile(from + name, to + name, true)) << name;
    }
  }
}

TEST(MutatedInput, TheProgramsReadEveryMutationSafely) {
  const long seed = EnvNumber("SUITE_MUTATION_SEED", 2511);
  const long budget = EnvNumber("SUITE_MUTATION_SECONDS", 45);
  const long most = EnvNumber("SUITE_MUTATION_COUNT", 400);  // so that a fast machine runs the same mutations
  const std::string root = plat::testing::TestFolder();
  const std::string messages = root + "mutation-messages.txt";

  // The example computed once; every mutation starts from a copy of it.
  const common::Position base(root + "base/", std::string(".") + kExample);
  ASSERT_TRUE(common::EnsurePositionFolder(base));
  for (const char* kind : {"ECHO_G", "ECHO_L"}) {
    ASSERT_TRUE(plat::CopyFile(plat::testing::BinFolder() + "EXAMPLES/" + kind + "." + kExample + ".TXT",
                               base.TextFile(kind), true));
  }
  const e2e::CapturedRun first = e2e::RunCaptured("compute-position", {base.data_path(), base.name()}, messages,
                                                  kRunSeconds);
  ASSERT_EQ(first.exit_code, 0) << first.stderr_text << ReadBytes(messages);
  const std::vector<Target> targets = Targets(base);
  ASSERT_GT(targets.size(), 10u);

  Mutator mutator(static_cast<std::uint32_t>(seed));
  const common::SettingsContext settings = common::SettingsContext::Discover();
  const auto start = std::chrono::steady_clock::now();
  const auto end = start + std::chrono::seconds(budget);
  int iterations = 0;
  for (int i = 0; i < most && std::chrono::steady_clock::now() < end; ++i, ++iterations) {
    const common::Position position(root + "m" + std::to_string(i) + "/", base.ext());
    ASSERT_TRUE(common::EnsurePositionFolder(position));
    CopyFolder(base.folder(), position.folder());
    // Half of the mutations go to the three inputs of the whole road, half to the solver's files.
    const std::size_t road_targets = 3;
    const std::size_t k = mutator.Pick(2) == 0
                              ? static_cast<std::size_t>(mutator.Pick(static_cast<int>(road_targets)))
                              : road_targets + static_cast<std::size_t>(
                                                   mutator.Pick(static_cast<int>(targets.size() - road_targets)));
    const Target& target = targets[k];
    const std::string path = position.folder() + target.name;
    std::string what;
    const std::string mutated =
        target.text ? mutator.MutateText(ReadBytes(path), what) : mutator.MutateBinary(ReadBytes(path), what);
    ASSERT_TRUE(WriteBytes(path, mutated));
    const std::string echo_g = ReadBytes(position.TextFile("ECHO_G"));
    const std::string echo_l = ReadBytes(position.TextFile("ECHO_L"));
    SCOPED_TRACE("seed " + std::to_string(seed) + ", iteration " + std::to_string(i) + ": " + target.name + ", " +
                 what);

    // The echo texts and DIARY go through the whole road; the files that the
    // road rebuilds from the echo texts are read by the solver alone.
    plat::RemoveFile(messages);
    const bool road = target.road;
    if (!road) {
      ASSERT_TRUE(support::WritePositionSettings(settings, position).ok());
    }
    const e2e::CapturedRun run =
        road ? e2e::RunCaptured("compute-position", {position.data_path(), position.name()}, messages, kRunSeconds)
             : e2e::RunCaptured("ZEDIR", {}, messages, kRunSeconds);
    const std::string shown = ReadBytes(messages);

    ASSERT_FALSE(run.timed_out);
    ASSERT_EQ(run.stderr_text.find("Sanitizer"), std::string::npos) << run.stderr_text;
    ASSERT_EQ(run.stderr_text.find("runtime error"), std::string::npos) << run.stderr_text;
    ASSERT_EQ(run.signal, 0) << run.stderr_text;

    const bool refused = run.exit_code != 0 || !shown.empty();
    const std::string echo_g_after = ReadBytes(position.TextFile("ECHO_G"));
    const std::string echo_l_after = ReadBytes(position.TextFile("ECHO_L"));
    const bool not_stored = shown.find("\tThe geometry of position ") != std::string::npos ||
                            shown.find("\tStoring the geometry of position ") != std::string::npos;
    if (!road || not_stored) {
      // Nothing before the load input changed the echo texts.
      EXPECT_EQ(echo_g_after, echo_g) << shown;
      EXPECT_EQ(echo_l_after, echo_l) << shown;
    }
    // A load input that refuses an entry keeps it in the echo text; the load cases of the diary
    // that the text lacks are added to it.
    if (road) {
      const std::set<int> before = LoadCaseNumbers(echo_l), after = LoadCaseNumbers(echo_l_after);
      EXPECT_TRUE(std::includes(after.begin(), after.end(), before.begin(), before.end())) << shown;
      const std::set<int> diary = DiaryNumbers(position);
      for (int number : after) EXPECT_TRUE(before.contains(number) || diary.contains(number)) << number << shown;
    }
    EXPECT_FALSE(!echo_g.empty() && !plat::FileExists(position.TextFile("ECHO_G"))) << "ECHO_G lost\n" << shown;
    EXPECT_FALSE(!echo_l.empty() && !plat::FileExists(position.TextFile("ECHO_L"))) << "ECHO_L lost\n" << shown;
    if (!refused) {
      for (const std::string& name : plat::ListFolder(position.folder(), "*.TXT")) {
        EXPECT_FALSE(HoldsNonFinite(ReadBytes(position.folder() + name))) << name << "\n" << shown;
      }
    }
    if (::testing::Test::HasFailure()) break;
    std::error_code ignored;
    std::filesystem::remove_all(root + "m" + std::to_string(i) + "/", ignored);
  }
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start);
  std::printf("%d mutations in %ld s (seed %ld)\n", iterations, static_cast<long>(seconds.count()), seed);
}

}  // namespace
