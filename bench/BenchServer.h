#pragma once

#include <QString>

#include <benchmark/benchmark.h>

// The URI of the PostgreSQL server the *OnServer benchmarks use (without a database), from
// QUILLET_BENCH_SERVER; without one the benchmark is skipped with a word on how to set it and the
// text is empty.
QString BenchServer(benchmark::State& state);
