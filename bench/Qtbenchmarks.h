#pragma once

// The main of a benchmark program over Qt widgets: on Qt's offscreen platform
// unless another is asked for, with the program's style, then the benchmarks;
// opruimen lets go of what they share before the application goes.

#include "widgets/ProgrammaStijl.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <functional>

inline int DraaiQtBenchmarks(int argc, char** argv, const std::function<void()>& opruimen)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication toepassing(argc, argv);
    vkt::widgets::ZetProgrammaStijl();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    opruimen();
    return 0;
}
