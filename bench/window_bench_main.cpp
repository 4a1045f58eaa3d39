// The main of the benchmarks that draw: the window system's application
// object first, then the benchmarks.
#include <benchmark/benchmark.h>

#include "platform/application.h"

int main(int argc, char** argv) {
  plat::Application app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
