// Writes every picture of the image list onto one PNG, eight to a row, so
// the whole set can be looked over at once:
//     contact_sheet_tool OUTPUT.png [DEVICE-PIXEL-RATIO]
// A ratio of 2 draws the sheet as a 200 % screen would show it.

#include "images/FRImageList.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [DEVICE-PIXEL-RATIO]\n", argv[0]);
        return 2;
    }
    const qreal dpr = argc == 3 ? QByteArray(argv[2]).toDouble() : 1.0;
    if (!(dpr >= 1.0 && dpr <= 8.0)) {
        std::fprintf(stderr, "device pixel ratio must be between 1 and 8\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    constexpr int PerRow = 8;
    constexpr int Cell = 24;
    constexpr int Inset = 4;
    const TImageList list;
    const int rows = (list.Count() + PerRow - 1) / PerRow;

    QImage sheet(QSize(PerRow * Cell, rows * Cell) * dpr, QImage::Format_ARGB32);
    sheet.setDevicePixelRatio(dpr);
    sheet.fill(Qt::transparent);
    {
        QPainter painter(&sheet);
        for (int i = 0; i < list.Count(); ++i)
            list.Draw(painter, (i % PerRow) * Cell + Inset, (i / PerRow) * Cell + Inset, i);
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    if (!sheet.save(output, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
