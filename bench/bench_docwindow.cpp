// Opening a document window on a large text file against a bare plain-text editor given the same text, in one run.
//
// Prints the median time of each, their ratio and the peak resident memory.
// Usage: bench_docwindow [rounds] [MiB]   (offscreen by default; 5 rounds of a 50 MiB file)
#include "BenchUtil.h"
#include "mainwindow/CHILDWIN.h"
#include "mainwindow/FVEXAMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// Lines of 40 to 119 characters, mostly ASCII with a few UTF-8 letters, ending in LF.
QByteArray MakeText(qint64 size)
{
    QByteArray text;
    text.reserve(size);
    quint32 seed = 12345;
    const QByteArray words[] = {"sweep ", "level ", "frequency ", "12.5 ", "kHz ", "dB ", "\xC3\xBC" "ber ", "-3.01 "};
    while (text.size() < size) {
        seed = seed * 1103515245u + 12345u;
        const int length = 40 + int((seed >> 16) % 80);
        const qsizetype start = text.size();
        while (text.size() - start < length) {
            seed = seed * 1103515245u + 12345u;
            text.append(words[(seed >> 16) % 8]);
        }
        text.append('\n');
    }
    text.truncate(size - 1);
    text.append('\n');
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::UseOffscreenByDefault();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const qint64 mib = argc > 2 ? std::max(1, atoi(argv[2])) : 50;

    QTemporaryDir work;
    const QString previousDir = QDir::currentPath();
    QDir::setCurrent(work.path());
    const QString name = QStringLiteral("NONAME1");
    {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(MakeText(mib * 1024 * 1024)) != mib * 1024 * 1024) {
            std::fprintf(stderr, "cannot write the text file\n");
            return 1;
        }
    }

    auto *main = new TFormVEXAMain;
    main->resize(1024, 768);
    main->show();
    QCoreApplication::processEvents();
    const QSize editorSize = [&] {
        main->OpenDocumentWindow(QStringLiteral("probe"));
        QCoreApplication::processEvents();
        QMdiSubWindow *w = main->MDIClient->currentSubWindow();
        const QSize size = w->widget()->size();
        delete w;
        return size;
    }();

    std::vector<double> bareTimes, windowTimes;
    for (int round = 0; round < rounds; ++round) {
        {
            QElapsedTimer timer;
            timer.start();
            auto *edit = new QPlainTextEdit;
            edit->setLineWrapMode(QPlainTextEdit::NoWrap);  // as the document window's editor
            edit->resize(editorSize);
            QFile file(name);
            if (!file.open(QIODevice::ReadOnly))
                return 1;
            edit->setPlainText(QString::fromUtf8(file.readAll()));
            edit->show();
            QCoreApplication::processEvents();
            bareTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
            delete edit;
            QCoreApplication::processEvents();
        }
        {
            QElapsedTimer timer;
            timer.start();
            main->OpenDocumentWindow(name);
            QCoreApplication::processEvents();
            windowTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
            QMdiSubWindow *w = main->MDIClient->currentSubWindow();
            if (!w || qobject_cast<TMDIChild *>(w->widget())->Memo1->blockCount() < 2)
                return 1;
            delete w;
            QCoreApplication::processEvents();
        }
    }
    delete main;
    QDir::setCurrent(previousDir);

    const double bare = Bench::Median(bareTimes), window = Bench::Median(windowTimes);
    std::printf("file: %lld MiB, %d rounds\n", mib, rounds);
    std::printf("%-36s %12s\n", "benchmark", "median ms");
    std::printf("%-36s %12.1f\n", "bare QPlainTextEdit (baseline)", bare);
    std::printf("%-36s %12.1f\n", "OpenDocumentWindow", window);
    std::printf("%-36s %12.2f\n", "ratio window/baseline (goal <= 1.2)", bare > 0 ? window / bare : 0.0);
    std::printf("%-36s %12ld\n", "peak RSS (KiB)", Bench::PeakRssKiB());
    Bench::SummaryRow("opening a 50 MiB text in a document window / a bare QPlainTextEdit", window, bare, "ms", "<= 1.2");
    return 0;
}
