// Start-up as the user sees it: process start to the splash drawn, the end of the splash wait to the
// main window shown, and the processor time the wait costs, against a bare Qt program showing one window.
//
// Each round starts the programs again as children (offscreen unless QT_QPA_PLATFORM is set), so the
// numbers include loading them. The bare program is its own small program file (bench_bare_window,
// Qt Widgets only). Every window counts as drawn once it is exposed and painted; the program's splash
// counts as drawn where its start-up trace says so. "splash alone" (the splash window without the
// main window built before it, and without the program's font warm-up) shows the floor that drawing
// any text sets: the first text drawn pays for the font system (fontconfig) starting up, which the
// bare window, drawing none, never does.
// Usage: bench_splash [rounds]
#include "BenchUtil.h"
#include "mainwindow/FVEXAMain.h"
#include "shell/Application.h"
#include "shell/Forms.h"
#include "shell/FVEXAStartup.h"
#include "shell/StartupWarmUp.h"

#include <QLoggingCategory>
#include <QProcess>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double NowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

double CpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

// Child: the splash window alone, without the main window before it: what drawing the splash costs.
int RunSplashAlone(int argc, char **argv)
{
    QApplication app(argc, argv);
    TFormVEXAStartup splash(nullptr);
    splash.ShowPainted();
    std::printf("drawn %.3f\n", NowMs());
    return 0;
}

// Child: the real start-up, as the program's own main runs it; prints when the splash stands drawn,
// when the wait ended and when the main window shows.
int RunProgram(int argc, char **argv)
{
    // The start-up trace says when the splash stands painted.
    QLoggingCategory::setFilterRules(QStringLiteral("vexa.startup.debug=true"));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context, const QString &message) {
        if (QByteArray(context.category) == "vexa.startup" && message.startsWith(QLatin1String("splash painted")))
            std::printf("drawn %.3f\n", NowMs());
    });
    static double waitCpuStart = 0;
    static bool first = true;
    TFormVEXAMain::StartupClock.Pause = [] {
        if (first) {
            first = false;
            waitCpuStart = CpuMs();
        }
        timespec pause{0, 2'000'000};
        nanosleep(&pause, nullptr);
    };
    TStartupWarmUp warmUp;
    TApplication app(argc, argv);
    warmUp.ApplicationReady();
    app.SetTitle(QStringLiteral("VEXA-TOLM"));
    app.CreateForm(FormVEXAMain);
    const double waitEnd = NowMs();
    const double waitCpu = CpuMs() - waitCpuStart;
    QTimer::singleShot(0, [waitEnd, waitCpu] {
        std::printf("shown %.3f\nwaitcpu %.3f\n", NowMs() - waitEnd, waitCpu);
        FormVEXAMain->close();
    });
    app.Run();
    return 0;
}

struct Child
{
    double drawnMs = 0, shownMs = 0, waitCpuMs = 0;
};

Child Start(const QString &program, const QStringList &arguments)
{
    QProcess process;
    const double start = NowMs();
    process.start(program, arguments);
    process.waitForFinished(60000);
    Child c;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() != 2)
            continue;
        if (f[0] == "drawn")
            c.drawnMs = f[1].toDouble() - start;
        else if (f[0] == "shown")
            c.shownMs = f[1].toDouble();
        else if (f[0] == "waitcpu")
            c.waitCpuMs = f[1].toDouble();
    }
    return c;
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::UseOffscreenByDefault();
    if (argc > 1 && QByteArray(argv[1]) == "splash")
        return RunSplashAlone(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "program")
        return RunProgram(argc, argv);

    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const QString bareProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_bare_window");
    std::vector<double> bare, alone, splash, shown, cpu;
    for (int i = 0; i < rounds; ++i) {
        bare.push_back(Start(bareProgram, {}).drawnMs);
        alone.push_back(Start(self, {QStringLiteral("splash")}).drawnMs);
        const Child c = Start(self, {QStringLiteral("program")});
        splash.push_back(c.drawnMs);
        shown.push_back(c.shownMs);
        cpu.push_back(c.waitCpuMs);
    }
    const double waitMs = 3000.0;
    std::printf("%-44s %10s\n", "benchmark (median)", "value");
    std::printf("%-44s %10.1f ms\n", "bare program: start to first window drawn", Bench::Median(bare));
    std::printf("%-44s %10.1f ms (%.2f x bare)\n", "splash alone: start to drawn", Bench::Median(alone),
                Bench::Median(alone) / std::max(0.001, Bench::Median(bare)));
    std::printf("%-44s %10.1f ms\n", "start to splash drawn", Bench::Median(splash));
    std::printf("%-44s %10.2f    (goal <= 1.2)\n", "ratio splash/bare", Bench::Median(splash) / std::max(0.001, Bench::Median(bare)));
    std::printf("%-44s %10.1f ms (goal <= 100)\n", "end of wait to main window shown", Bench::Median(shown));
    std::printf("%-44s %10.2f %%  (goal < 5)\n", "processor time during the wait", 100.0 * Bench::Median(cpu) / waitMs);
    Bench::SummaryRow("process start to splash drawn / a bare program's first window", Bench::Median(splash), Bench::Median(bare), "ms", "<= 1.2");
    Bench::SummaryRow("splash alone, without the main window / a bare program's first window", Bench::Median(alone), Bench::Median(bare), "ms", "");
    Bench::SummaryRow("end of the splash wait to main window shown / the 100 ms allowed", Bench::Median(shown), 100.0, "ms", "<= 1");
    Bench::SummaryRow("processor time during the wait / 5 % of the 3000 ms wait", Bench::Median(cpu), 0.05 * waitMs, "ms", "< 1");
    return 0;
}
