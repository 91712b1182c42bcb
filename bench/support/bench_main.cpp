// bench_main.cpp — the entry of every benchmark program: the allocator is
// set up as the program sets it up, then Google Benchmark runs.
#include <benchmark/benchmark.h>

#include "platform/heap_pages.h"

int main(int argc, char** argv) {
  vendaro::reserveHeapOnLargePages();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
