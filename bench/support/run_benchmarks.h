// run_benchmarks.h — what every benchmark program's main() does: the
// allocator set up as the program sets it up, then Google Benchmark.
#pragma once

namespace vendaro::bench {

int runBenchmarks(int argc, char** argv);

}  // namespace vendaro::bench
