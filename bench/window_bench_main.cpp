// The main of the benchmarks that draw: the window system's application
// object first, then the benchmarks. The runtime and settings folders are
// scratch folders that outlive the application object, so that what the
// programs write up to their end is removed with them.
#include <benchmark/benchmark.h>

#include "bench/scratch_folder.h"
#include "platform/application.h"

int main(int argc, char** argv) {
  const bench::RuntimeFolder runtime;
  const bench::SettingsFolder settings("bench-settings");
  plat::Application app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
