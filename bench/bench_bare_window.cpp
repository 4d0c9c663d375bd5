// The baseline of bench_splash: a bare Qt program, linked with Qt Widgets only, that shows one
// window of the splash's size and prints the time once that window stands painted.
#include "shell/ShowPainted.h"

#include <QApplication>
#include <QWidget>

#include <time.h>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(379, 123);
    ShowPaintedNow(window);
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    std::printf("drawn %.3f\n", double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6);
    return 0;
}
