// Start-up cost of the main window against a bare Qt main window with the same frame, in one run.
//
// Prints the median build-and-show time of each, their ratio and the peak resident memory.
// Usage: bench_startup [rounds]   (offscreen by default)
#include "BenchUtil.h"
#include "mainwindow/FVEXAMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double MedianMs(int rounds, const std::function<QWidget *()> &build)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        QWidget *w = build();
        w->showMaximized();
        QCoreApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        delete w;
        QCoreApplication::processEvents();
    }
    return Bench::Median(times);
}

QWidget *BareWindow()
{
    auto *w = new QMainWindow;
    w->setMenuBar(new QMenuBar(w));
    w->setCentralWidget(new QMdiArea(w));
    w->statusBar();
    return w;
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::UseOffscreenByDefault();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 30;

    const double bare = MedianMs(rounds, BareWindow);
    const double main = MedianMs(rounds, [] { return new TFormVEXAMain; });

    std::printf("%-28s %12s\n", "benchmark", "median ms");
    std::printf("%-28s %12.3f\n", "bare QMainWindow (baseline)", bare);
    std::printf("%-28s %12.3f\n", "TFormVEXAMain", main);
    std::printf("%-28s %12.2f\n", "ratio main/baseline", bare > 0 ? main / bare : 0.0);
    std::printf("%-28s %12ld\n", "peak RSS (KiB)", Bench::PeakRssKiB());
    Bench::SummaryRow("building the main window / a bare QMainWindow", main, bare, "ms", "");
    return 0;
}
