#include "Quon/job/job_entry.h"

#include <gtest/gtest.h>

#include <vector>

namespace zedir {
namespace {

struct Entry {
  int load_case;
  int step;
};

common::SolverJob Job(int count, const std::vector<Entry>& entries) {
  common::SolverJob job;
  job.set_count(static_cast<std::int16_t>(count));
  for (std::size_t k = 0; k < entries.size(); ++k) {
    job.set_load_case(static_cast<int>(k + 1), static_cast<std::uint8_t>(entries[k].load_case));
    job.set_step(static_cast<int>(k + 1), static_cast<std::uint8_t>(entries[k].step));
  }
  return job;
}

// The load cases of every pass, in order.
std::vector<int> Walk(const common::SolverJob& job) {
  std::vector<int> passes;
  JobCursor cursor;
  while (auto next = NextJobEntry(job, cursor)) {
    cursor = *next;
    passes.push_back(job.load_case(cursor.entry_index));
    if (passes.size() > 1000) break;
  }
  return passes;
}

TEST(JobEntry, PassesFollowTheEntriesAndTheirSteps) {
  struct Case {
    const char* what;
    common::SolverJob job;
    std::vector<int> passes;
  } cases[] = {
      {"three entries, steps 0", Job(3, {{4, 0}, {1, 0}, {7, 0}}), {4, 1, 7}},
      {"entry 1 three times", Job(2, {{2, 3}, {5, 0}}), {2, 2, 2, 5}},
      {"step 1 is once", Job(2, {{2, 1}, {5, 1}}), {2, 5}},
      {"one entry", Job(1, {{9, 0}}), {9}},
      {"load case 0 is skipped", Job(4, {{0, 0}, {3, 0}, {0, 2}, {6, 0}}), {3, 6}},
      {"entries beyond the count are not read", Job(1, {{3, 0}, {4, 0}}), {3}},
      {"count 0", Job(0, {{3, 0}}), {}},
      {"negative count", Job(-2, {{3, 0}}), {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Walk(c.job), c.passes) << c.what;
}

TEST(JobEntry, CountBeyondOneHundredComputesAtMostOneHundredEntries) {
  std::vector<Entry> entries;
  for (int k = 1; k <= 100; ++k) entries.push_back({k % 99 + 1, 0});
  const common::SolverJob job = Job(300, entries);
  EXPECT_EQ(UsableEntryCount(job), 100);
  EXPECT_EQ(Walk(job).size(), 100u);
}

TEST(JobEntry, CursorMovesLikeTheRunDriver) {
  const common::SolverJob job = Job(2, {{2, 2}, {5, 0}});
  auto first = NextJobEntry(job, JobCursor{});
  ASSERT_TRUE(first);
  EXPECT_EQ(first->entry_index, 1);
  EXPECT_EQ(first->step_counter, 1);
  auto second = NextJobEntry(job, *first);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->entry_index, 1);
  EXPECT_EQ(second->step_counter, 2);
  auto third = NextJobEntry(job, *second);
  ASSERT_TRUE(third);
  EXPECT_EQ(third->entry_index, 2);
  EXPECT_EQ(third->step_counter, 1);
  EXPECT_FALSE(NextJobEntry(job, *third));
}

TEST(JobEntry, JobsThatCannotBeWalkedAreRefused) {
  EXPECT_TRUE(CheckJob("/d/SDIR7/BATCH.7", Job(1, {{3, 0}})).ok());
  common::Result negative = CheckJob("/d/SDIR7/BATCH.7", Job(-1, {{3, 0}}));
  EXPECT_EQ(negative.text(), "The file /d/SDIR7/BATCH.7 is damaged: its count -1 is negative.");
  std::vector<Entry> hundred(100, Entry{3, 0});
  EXPECT_TRUE(CheckJob("/d/SDIR7/BATCH.7", Job(100, hundred)).ok());
  for (const int count : {101, 32767}) {
    EXPECT_EQ(CheckJob("/d/SDIR7/BATCH.7", Job(count, hundred)).text(),
              "The file /d/SDIR7/BATCH.7 is damaged: its count " + std::to_string(count) +
                  " is beyond the 100 entries it holds.");
  }
  common::Result empty = CheckJob("/d/SDIR7/BATCH.7", Job(2, {{0, 0}, {0, 0}}));
  EXPECT_EQ(empty.text(), "The solver job /d/SDIR7/BATCH.7 holds no load case to compute.");
}

}  // namespace
}  // namespace zedir
