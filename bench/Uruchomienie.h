#pragma once
// The main of a benchmark executable: Google Benchmark's own, and for windows the same inside an
// application on the offscreen platform (unless another one is asked for).
#include <QApplication>
#include <benchmark/benchmark.h>

inline int UruchomBenchmarki(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

inline int UruchomBenchmarkiOkien(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    return UruchomBenchmarki(argc, argv);
}
