// Start to first paint of each windowed program on a private X server (Xvfb), as a person waits
// for it: from just before the program is started to the end of its first paint, which the
// program writes to $PLAT_FIRST_PAINT. Beside it, in the same run and alternately with it, a bare
// Qt window of the same size (bench/bare_window.cpp) gives the yardstick: what a start to a first
// paint costs Qt itself. The programs run on a computed example position as a person starts them
// (no script, no logged message boxes) and are ended after their first paint.
//
// Each benchmark runs its rounds of one program and the bare window, the order switching from
// round to round; its time is the program's, its counters the medians of both, their ratio (the
// target is at most 1.2) and the machine's load when it ended. BM_FirstPaint/bare-main-window
// times a second yardstick the same way: a plain Qt main window with a menu bar, a tool bar and a
// status bar (bench/bare_main_window.cpp), what those elements cost Qt itself.
//
// FIRST_PAINT_ROUNDS=<n> runs n rounds (7 by default, 5 at least); SUITE_BIN_DIR=<folder> runs the
// programs of another build (for instance a copy of bin/ from before a change) beside the same
// bare window.
#include <benchmark/benchmark.h>

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "bench/scratch_folder.h"
#include "bench/side_by_side.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/first_paint_stamp.h"
#include "platform/process.h"
#include "platform/testing/testing.h"
#include "tests/e2e/x_session.h"

namespace {

constexpr int kRounds = 7;  // FIRST_PAINT_ROUNDS=<n> takes more on a busy machine
constexpr double kPaintWait = 60.0;  // seconds a start may take on a loaded machine

bench::ScratchFolder& Scratch() {
  static bench::ScratchFolder folder("first-paint-bench");
  return folder;
}

}  // namespace

// The X session writes the programs' stderr into the test folder: here, the scratch folder.
namespace plat::testing {
std::string TestFolder() { return Scratch().root(); }
}  // namespace plat::testing

namespace {

// The example ARCH computed by compute-position in the scratch folder; the settings folder
// (DPATH and EXTR naming it) there too.
class ComputedExample {
 public:
  ComputedExample() : data_(Scratch().root() + "data/") {
    setenv("SUITE_BIN_DIR", SUITE_BIN_DIR, 0);  // one set already: the programs of another build
    const std::string bin = plat::testing::BinFolder();
    setenv("XDG_DATA_HOME", (Scratch().root() + "xdg").c_str(), 1);
    unsetenv("PLAT_SCRIPT");
    const std::string messages = Scratch().root() + "compute-messages.txt";
    setenv("PLAT_MESSAGES", messages.c_str(), 1);
    const std::string folder = data_ + "SDIR" + kName + "/";
    bool copied = plat::MakeFolder(data_) && plat::MakeFolder(folder);
    for (const char* kind : {"ECHO_G", "ECHO_L"}) {
      const std::string file = std::string(kind) + "." + kName + ".TXT";
      const auto bytes = plat::ReadWholeFile(bin + "EXAMPLES/" + file);
      copied = copied && bytes && plat::WriteBlock(folder + file, bytes->data(), bytes->size());
    }
    const auto code = copied ? plat::RunAndWait(bin + "compute-position", {data_, kName})
                             : std::nullopt;
    ok_ = code && *code == 0 && !plat::ReadWholeFile(messages);
    unsetenv("PLAT_MESSAGES");  // the measured programs show their boxes as for a person
    listing_ = folder + "D1.TXT";  // the first page of the results
  }
  bool ok() const { return ok_; }
  std::string ext() const { return std::string(".") + kName; }
  std::string at_data() const { return "@" + data_; }
  const std::string& listing() const { return listing_; }

 private:
  static constexpr const char* kName = "ARCH";
  bench::RuntimeFolder runtime_;  // the programs' and the bare window's, when the session has none
  std::string data_;
  std::string listing_;
  bool ok_ = false;
};

const ComputedExample& Example() {
  static const ComputedExample example;
  return example;
}

e2e::XSession& Session() {
  static e2e::XSession session;
  return session;
}

// Starts a program and waits for its first paint; the seconds from the start to its end and the
// painted window's size, nullopt when it did not paint. The program is ended either way.
std::optional<plat::FirstPaintStamp> TimeFirstPaint(const std::string& program, const std::vector<std::string>& args,
                                                    std::string* error) {
  const std::string stamp_file = Scratch().root() + "first-paint";
  std::remove(stamp_file.c_str());
  const double start = plat::MonotonicSeconds();
  const pid_t pid = Session().Start(program, args, {{plat::kFirstPaintVariable, stamp_file}});
  if (pid <= 0) {
    *error = program + " did not start";
    return std::nullopt;
  }
  std::optional<plat::FirstPaintStamp> stamp;
  while (!(stamp = plat::ReadFirstPaintStamp(stamp_file.c_str()))) {
    if (!Session().Running(pid) || plat::MonotonicSeconds() - start > kPaintWait) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  const bool running = Session().Running(pid);
  if (running) kill(-pid, SIGKILL);  // its process group: the program and what it started
  const auto code = Session().WaitExit(pid, 10);
  if (!stamp) {
    *error = program + (running ? " painted nothing" : " ended (" + std::to_string(code.value_or(-1)) + ")") +
             " before a first paint: " + Session().StderrOf(pid);
    return std::nullopt;
  }
  stamp->seconds -= start;
  return stamp;
}

void BM_FirstPaint(benchmark::State& state, const std::string& program, std::vector<std::string> args) {
  if (!Example().ok()) return state.SkipWithError("the example position was not computed");
  if (!Session().ok()) return state.SkipWithError(Session().error().c_str());
  std::string error;
  // Once before the rounds, for the size of the bare window and warm file caches.
  const auto first = TimeFirstPaint(program, args, &error);
  if (!first) return state.SkipWithError(error.c_str());
  const std::string size = std::to_string(first->width) + "x" + std::to_string(first->height);
  const auto seconds = [&](const std::string& name, const std::vector<std::string>& arguments) {
    const auto stamp = TimeFirstPaint(name, arguments, &error);
    return stamp ? std::optional<double>(stamp->seconds) : std::nullopt;
  };
  // `error` holds the failed start's words by the time a failure is reported.
  const auto medians = bench::SideBySide(
      state, [&] { return seconds(program, args); }, [&] { return seconds("bare-window", {size}); }, error);
  if (!medians) return;
  state.counters["program_ms"] = medians->ours * 1e3;
  state.counters["bare_ms"] = medians->theirs * 1e3;
  state.counters["ratio"] = medians->theirs > 0 ? medians->ours / medians->theirs : 0.0;
  state.counters["width"] = first->width;
  state.counters["height"] = first->height;
  bench::CountLoad(state);
}

void RegisterAll() {
  const ComputedExample& example = Example();
  const std::vector<std::pair<std::string, std::vector<std::string>>> programs = {
      {"QUENTARIS", {}},
      {"KELMF", {example.ext(), example.at_data()}},
      {"PUNDF", {example.ext(), example.at_data()}},
      {"REVUZAVI", {example.ext(), example.at_data(), "@1"}},
      {"ZEVRIL", {example.listing()}},
      {"LERVENTA", {"TASTATUR.HTM"}},
      {"bare-main-window", {"1024x768"}},
  };
  for (const auto& [program, args] : programs) {
    benchmark::RegisterBenchmark(("BM_FirstPaint/" + program).c_str(), BM_FirstPaint, program, args)
        ->Iterations(bench::RoundsFrom("FIRST_PAINT_ROUNDS", kRounds))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RegisterAll();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
