#pragma once
// Two things timed in the same run, one after the other in each round and the order switching from
// round to round, so that a slow phase of a shared machine falls on both alike; their medians and
// the machine's load are the benchmark's counters.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace bench {

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n == 0 ? 0.0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline double SecondsNow() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The seconds `run` took, nullopt when it failed.
inline std::optional<double> Timed(const std::function<bool()>& run) {
  const double start = SecondsNow();
  if (!run()) return std::nullopt;
  return SecondsNow() - start;
}

// The rounds of a benchmark timed with UseManualTime, from the variable `variable` (5 at least),
// `fallback` when it is not set.
inline int RoundsFrom(const char* variable, int fallback) {
  const char* rounds = std::getenv(variable);
  const int n = rounds ? std::atoi(rounds) : 0;
  return n >= 5 ? n : fallback;
}

struct Medians {
  double ours = 0.0;
  double theirs = 0.0;
};

// Runs `ours` and `theirs` once a round, each giving its seconds (nullopt when it failed, which
// ends the benchmark with `failed`); the iteration time is ours. The medians of both, nullopt
// after a failure.
inline std::optional<Medians> SideBySide(benchmark::State& state, const std::function<std::optional<double>()>& ours,
                                         const std::function<std::optional<double>()>& theirs,
                                         const std::string& failed) {
  std::vector<double> our_seconds, their_seconds;
  int round = 0;
  for (auto _ : state) {
    std::optional<double> mine, other;
    if (round++ % 2 == 0) {
      mine = ours();
      other = theirs();
    } else {
      other = theirs();
      mine = ours();
    }
    if (!mine || !other) {
      state.SkipWithError(failed.c_str());
      return std::nullopt;
    }
    state.SetIterationTime(*mine);
    our_seconds.push_back(*mine);
    their_seconds.push_back(*other);
  }
  return Medians{Median(our_seconds), Median(their_seconds)};
}

// The one-minute load average of the machine as the counter "load".
inline void CountLoad(benchmark::State& state) {
  double load[1] = {0.0};
  if (getloadavg(load, 1) == 1) state.counters["load"] = load[0];
}

}  // namespace bench
