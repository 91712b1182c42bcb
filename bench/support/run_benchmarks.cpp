// run_benchmarks.cpp — the allocator is set up first, as in the program,
// so that the figures are the ones a user meets.
#include "run_benchmarks.h"

#include <benchmark/benchmark.h>

#include "platform/heap_pages.h"

namespace vendaro::bench {

int runBenchmarks(int argc, char** argv) {
  reserveHeapOnLargePages();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace vendaro::bench
