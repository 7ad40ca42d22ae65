#include "BenchServer.h"

QString BenchServer(benchmark::State& state)
{
    const QString server = qEnvironmentVariable("QUILLET_BENCH_SERVER");
    if (server.isEmpty()) {
        state.SkipWithError("set QUILLET_BENCH_SERVER to a server URI such as postgresql://USER@127.0.0.1:PORT/");
    }
    return server;
}
