// Benchmark entry point: the same headless environment as the tests, so that painting
// benchmarks measure what the tests check.
#include "headless_app.h"

#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv)
{
    vektest::PrepareHeadlessEnvironment();
    QApplication app(argc, argv);
    vektest::ConfigureHeadlessApplication();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
