#pragma once
// The main of a benchmark program that shows widgets: the application lives on main's stack and
// the program's window is taken down before it, so nothing of Qt is left to static destruction
// (which ends such a program with a crash, and bench/run stops at a program that fails).

#include <QApplication>
#include <benchmark/benchmark.h>

#include <functional>

namespace gr2::bench {

inline int runGuiBenchmarks(int argc, char** argv, const std::function<void()>& takeDownWindow)
{
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    takeDownWindow();
    benchmark::Shutdown();
    return 0;
}

} // namespace gr2::bench
