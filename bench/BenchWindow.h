#pragma once

#include "support/StartedWindow.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// The real window, started up headless in a throw-away program folder, for
// the benchmarks of one program; set while the benchmarks run.
inline StartedWindow* benchWindow = nullptr;

// The main() of a benchmark program: Qt, the started window, then `prepare`
// (to put the window in the state the benchmarks measure from) and the
// benchmarks themselves.
inline int runBenchmarks(int argc, char** argv, void (*prepare)(StartedWindow&) = nullptr)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    StartedWindow started;
    if (started.failure) {
        qFatal("%s", qPrintable(*started.failure));
    }
    if (prepare) {
        prepare(started);
    }
    benchWindow = &started;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    benchWindow = nullptr;  // the window it points at ends with this function
    return 0;
}
