// bench_main.cpp — the entry of benchmark programs without a child mode.
#include "run_benchmarks.h"

int main(int argc, char** argv) { return vendaro::bench::runBenchmarks(argc, argv); }
