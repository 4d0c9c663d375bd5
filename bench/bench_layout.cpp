// The main window's bars built from the design tables against read from the design's layout file, in
// one run, and the time to save the layout file.
//
// Prints the medians over the rounds of
//   (a) BuildBars on the main manager, the views rebuilding included,
//   (b) LoadLayoutFromFile of a file written from the design (read, check, views rebuilding),
//   their ratio b/a (goal: at most 1.5), what (b) spends in ReadLayout alone, and
//   (c) SaveLayoutToFile into a temporary directory.
// Usage: bench_layout [rounds] [copy-to]   (offscreen by default)
//   copy-to: also keeps the design's layout file there (fuzz/corpus/layout/design.act is made so).
#include "BenchUtil.h"
#include "actions/ActnBars.h"
#include "actions/ActnMan.h"
#include "actions/CatalogueTest.h"
#include "actions/LayoutFile.h"
#include "mainwindow/FVEXAMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

//! Takes the layout prompts silently and counts them; a valid file and a writable directory give none.
class QuietHost : public TActionHost
{
public:
    int prompts = 0;
    TMDIFrame *FindMDIFrame() override { return nullptr; }
    bool RunDialog(TCommonDialogAction &) override { return false; }
    void QuitHelp() override {}
    void CloseMainForm() override {}
    void ShowHelpContents() override {}
    void ShowCustomizeDialog(TActionManager &, bool) override {}
    bool ErrorQuestion(const QString &) override { return ++prompts, false; }
    void ShowMessage(const QString &) override { ++prompts; }
};

//! Median milliseconds of `step`; pending deletions (the views' old menus) are done between rounds, untimed.
double MedianMs(int rounds, const std::function<void()> &step)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    return Bench::Median(times);
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::UseOffscreenByDefault();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 50;

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary directory\n");
        return 1;
    }
    const QString path = dir.filePath(QStringLiteral("VEXA.act"));
    const QString savePath = dir.filePath(QStringLiteral("saved/VEXA.act"));
    QDir(dir.path()).mkdir(QStringLiteral("saved"));

    QuietHost host;
    TFormVEXAMain form;
    TActionManager &manager = *form.ActionManagerTest;
    manager.SetHost(&host);
    manager.SaveLayoutToFile(path);
    if (argc > 2) {
        QFile::remove(QString::fromLocal8Bit(argv[2]));
        QFile::copy(path, QString::fromLocal8Bit(argv[2]));
    }
    QFile file(path);
    const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const TLayoutNames names = LayoutNamesOf(manager);

    // Warm both paths once so that neither pays for first-use costs.
    BuildBars(manager.ActionBars(), BarDesignsTest(), manager);
    manager.LoadLayoutFromFile(path);

    const double build = MedianMs(rounds, [&] { BuildBars(manager.ActionBars(), BarDesignsTest(), manager); });
    const double load = MedianMs(rounds, [&] { manager.LoadLayoutFromFile(path); });
    const double read = MedianMs(rounds, [&] {
        TActionBars bars;
        ReadLayout(content, names, bars);
    });
    const double views = MedianMs(rounds, [&] { manager.ActionBars().NotifyChanged(); });
    const double save = MedianMs(rounds, [&] { manager.SaveLayoutToFile(savePath); });

    std::printf("%-40s %12s\n", "benchmark", "median ms");
    std::printf("%-40s %12.3f\n", "(a) build bars from the design tables", build);
    std::printf("%-40s %12.3f\n", "(b) load the design's layout file", load);
    std::printf("%-40s %12.3f\n", "    of which ReadLayout alone", read);
    std::printf("%-40s %12.3f\n", "    views rebuilding alone", views);
    std::printf("%-40s %12.2f   (goal <= 1.5)\n", "ratio b/a", build > 0 ? load / build : 0.0);
    std::printf("%-40s %12.3f\n", "(c) save the layout file", save);
    std::printf("%-40s %12d bytes, %d rounds\n", "layout file", int(content.size()), rounds);
    Bench::SummaryRow("loading the layout file / building the bars from the design", load, build, "ms", "<= 1.5");
    if (host.prompts)
        std::printf("unexpected prompts: %d\n", host.prompts);
    return host.prompts ? 1 : 0;
}
