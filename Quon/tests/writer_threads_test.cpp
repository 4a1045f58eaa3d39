#include "Quon/results/writer_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace zedir {
namespace {

// Every item taken once from a shared counter, whatever the number of threads; a batch asked for
// from inside a batch runs on its thread.
TEST(WriterThreads, EveryItemOnceAndNestedBatchesInline) {
  for (const int threads : {1, 2, 8}) {
    constexpr int kItems = 1000;
    std::vector<std::atomic<int>> done(kItems);
    std::atomic<int> next{0};
    DrainOnHelpers(threads, [&] {
      for (int k; (k = next.fetch_add(1)) < kItems;) {
        int inner = 0;
        DrainOnHelpers(threads, [&] { ++inner; });
        done[static_cast<std::size_t>(k)] += inner;
      }
    });
    for (const auto& count : done) ASSERT_EQ(count.load(), 1) << threads << " threads";
  }
}

TEST(WriterThreads, FailureOnTheCallingThreadWaitsForTheHelpers) {
  const std::thread::id caller = std::this_thread::get_id();
  std::atomic<int> started{0}, finished{0};
  EXPECT_THROW(DrainOnHelpers(4,
                              [&] {
                                if (std::this_thread::get_id() == caller) throw std::runtime_error("no room");
                                ++started;
                                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                                ++finished;
                              }),
               std::runtime_error);
  EXPECT_EQ(finished.load(), started.load());  // no helper is still at work on the batch
  std::atomic<int> after{0};
  DrainOnHelpers(4, [&] { ++after; });  // and the helpers take the next batch
  EXPECT_GE(after.load(), 1);
}

TEST(WriterThreads, TextPartsInTheItemsOrder) {
  for (const int count : {0, 3, 200}) {
    const std::vector<plat::TextBlock> parts =
        TextParts(count, [](int k, plat::TextBlock& text) { text.Append(std::to_string(k) + ";"); });
    ASSERT_EQ(parts.size(), static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k) EXPECT_EQ(parts[static_cast<std::size_t>(k - 1)].text(), std::to_string(k) + ";");
  }
}

}  // namespace
}  // namespace zedir
