#include "common/position/solver_job_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace {

struct JobCase {
  const char* name;
  std::vector<int> numbers;
  std::vector<int> entries;  // empty: refused
};

TEST(MakeSolverJob, EntriesAreTheLowBytesWithoutZeros) {
  const JobCase cases[] = {
      {"one", {12}, {12}},
      {"order and duplicates kept", {3, 1, 3}, {3, 1, 3}},
      {"300 is 44, 256 is left out", {1, 300, 256, 7}, {1, 44, 7}},
      {"nothing", {}, {}},
      {"only multiples of 256", {0, 512}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto job = common::MakeSolverJob(c.numbers);
    if (c.entries.empty()) {
      ASSERT_FALSE(job.ok());
      EXPECT_EQ(job.failure().text(), "No analysis because no loads.");
      EXPECT_EQ(job.failure().caption(), "Attention");
      continue;
    }
    ASSERT_TRUE(job.ok());
    ASSERT_EQ(job->count(), static_cast<int>(c.entries.size()));
    for (std::size_t k = 0; k < c.entries.size(); ++k) EXPECT_EQ(job->load_case(static_cast<int>(k) + 1), c.entries[k]);
    EXPECT_EQ(job->load_case(static_cast<int>(c.entries.size()) + 1), 0);
  }
}

TEST(MakeSolverJob, NinetyNineEntriesAtMost) {
  std::vector<int> numbers(99);
  for (int k = 0; k < 99; ++k) numbers[k] = k + 1;
  auto job = common::MakeSolverJob(numbers);
  ASSERT_TRUE(job.ok());
  EXPECT_EQ(job->count(), 99);
  EXPECT_EQ(job->load_case(99), 99);
  numbers.push_back(100);
  EXPECT_FALSE(common::MakeSolverJob(numbers).ok());
}

TEST(WriteSolverJob, BlockOf1820BytesWithTheEntriesAtTheirOffsets) {
  common::Position pos(plat::testing::TestFolder() + "data/", ".A1");
  ASSERT_TRUE(common::EnsurePositionFolder(pos));
  const std::vector<int> numbers{5, 9};
  auto job = common::MakeSolverJob(numbers);
  ASSERT_TRUE(job.ok());
  ASSERT_TRUE(common::WriteSolverJob(pos, *job).ok());
  auto bytes = plat::ReadWholeFile(pos.folder() + "BATCH.A1");
  ASSERT_TRUE(bytes.has_value());
  ASSERT_EQ(bytes->size(), 1820u);
  std::int16_t n;
  std::memcpy(&n, bytes->data(), 2);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(static_cast<int>((*bytes)[3]), 5);
  EXPECT_EQ(static_cast<int>((*bytes)[4]), 9);
  for (std::size_t k = 2; k < 1820; ++k) {
    if (k == 3 || k == 4) continue;
    ASSERT_EQ(static_cast<int>((*bytes)[k]), 0) << "byte " << k;
  }
}

TEST(WriteSolverJob, UnwritableFileIsNamed) {
  common::Position pos(plat::testing::TestFolder() + "missing/", ".A1");  // no position folder
  auto job = common::MakeSolverJob(std::vector<int>{1});
  ASSERT_TRUE(job.ok());
  const auto r = common::WriteSolverJob(pos, *job);
  ASSERT_FALSE(r.ok());
  EXPECT_NE(r.text().find("BATCH.A1"), std::string::npos);
}

}  // namespace
