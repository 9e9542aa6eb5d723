#pragma once
// The main() of a benchmark that needs Qt's event loop: offscreen unless a
// platform is named, and no quitting when a window closes.
#include <QApplication>

#include <benchmark/benchmark.h>

inline int runQtBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
