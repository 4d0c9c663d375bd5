#include "images/FRImageList.h"

#include <QApplication>
#include <QIcon>
#include <QProxyStyle>
#include <QPushButton>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <climits>

namespace {

struct NamedPicture
{
    int index;
    const char *meaning;
};

// Every index that some action, tool button or tree node names, with what
// its users do. Pictures of different commands must not look alike.
constexpr NamedPicture NamedPictures[] = {
    {0, "checklist task"},
    {1, "copy plot bitmap to clipboard"},
    {6, "new window"},
    {7, "open: load curve, load dialog settings"},
    {8, "save: save curve, save dialog settings"},
    {9, "print preview"},
    {12, "zoom"},
    {13, "unzoom"},
    {14, "print"},
    {15, "tile windows one above the other"},
    {16, "tile windows side by side"},
    {17, "cascade windows"},
    {18, "cancel step by step"},
    {21, "frequency to minimum"},
    {23, "frequency to maximum"},
    {24, "frequency step up, next step"},
    {26, "frequency step down, previous step"},
    {30, "save setup and curves"},
    {39, "save all curves in all windows"},
    {40, "help contents"},
    {46, "lock dialog"},
    {47, "step by step guide"},
    {48, "five frequency steps down"},
    {49, "five frequency steps up"},
    {50, "frequency to curve point left"},
    {51, "frequency to curve point right"},
    {52, "enter frequency value"},
    {53, "level step down"},
    {54, "level step up"},
    {55, "level to minimum"},
    {56, "level to maximum"},
    {57, "five level steps down"},
    {58, "five level steps up"},
    {59, "enter level value"},
    {60, "marker to peak"},
    {61, "marker to next peak down"},
    {62, "marker to next peak left"},
    {63, "marker to next peak right"},
    {64, "marker to next peak up"},
    {70, "repaint grid and curves"},
    {71, "hide grid lines"},
    {72, "colours and line styles"},
    {73, "curve points as a line"},
    {74, "curve points as spectral lines"},
    {75, "curve points as cross tick marks"},
    {76, "curve points as a list"},
    {77, "frequency scale"},
    {78, "level scale"},
    {79, "display measured values"},
    {80, "show checklist"},
    {81, "load setup and curves"},
    {82, "save all curves in the active window"},
    {83, "plot"},
    {84, "plot code into a file"},
    {86, "comment to active curve"},
    {87, "comment to curve point"},
    {88, "show comments in grid"},
    {89, "delete curve"},
    {90, "copy curve"},
    {91, "curves in active window"},
    {92, "curve math"},
    {93, "diagonal cross marker"},
    {94, "cross marker"},
    {95, "circle marker"},
    {96, "T marker"},
    {97, "triangle marker"},
    {100, "marker x values in grid"},
    {101, "marker y values in grid"},
    {102, "catch peak with the mouse"},
    {103, "hide active marker"},
    {104, "hide all markers"},
    {105, "stop sweep"},
    {107, "start new sweep"},
    {108, "continue sweep"},
    {109, "start sweep macro"},
    {110, "continue sweep macro"},
    {111, "power on/off"},
    {112, "emergency power off"},
    {113, "modulation on/off"},
    {114, "modulation parameters"},
    {115, "select test standard"},
    {116, "frequency parameters"},
    {117, "level parameters"},
    {118, "EUT monitoring"},
    {119, "check EUT function"},
    {120, "EUT reset"},
    {121, "limit line"},
    {122, "limit line power"},
};

QImage render16(int index)
{
    return TImageList().Pixmap(index).toImage().convertToFormat(QImage::Format_ARGB32);
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255;
    return count;
}

// Pixels that differ clearly in colour or coverage.
int differingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q))
                        + qAbs(qBlue(p) - qBlue(q)) + qAbs(qAlpha(p) - qAlpha(q));
            count += d > 96;
        }
    }
    return count;
}

} // namespace

class TestImages : public QObject
{
    Q_OBJECT

private slots:
    void listSettings();
    void framesRenderNothingUntilAsked();
    void everyPictureHasOpaquePixels_data();
    void everyPictureHasOpaquePixels();
    void noPictureOutsideTheList_data();
    void noPictureOutsideTheList();
    void framesSharePixels();
    void iconsShareTheStore();
    void disabledIconIsGreyed();
    void namedPicturesAreDistinct_data();
    void namedPicturesAreDistinct();
    void programPictures_data();
    void programPictures();
    void standardGlyphsAreMadeWhenDrawn();
    void vectorIconSizes_data();
    void vectorIconSizes();
    void vectorIconOfMissingResourceIsNull();
};

void TestImages::listSettings()
{
    TFrameImageList frame;
    QVERIFY(frame.ImageListAll);
    QCOMPARE(frame.ImageListAll->Width, 16);
    QCOMPARE(frame.ImageListAll->Height, 16);
    QCOMPARE(frame.ImageListAll->Count(), 127);
    QVERIFY(!frame.isVisible());
    QVERIFY(frame.isHidden());
    QCOMPARE(frame.geometry(), QRect(0, 0, 104, 55));
}

void TestImages::framesRenderNothingUntilAsked()
{
    const int before = TImageList::SharedStore().RenderCount();
    TFrameImageList first, second;
    QCOMPARE(TImageList::SharedStore().RenderCount(), before);
}

void TestImages::everyPictureHasOpaquePixels_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < TImageList::ImageCount; ++i)
        QTest::addRow("%03d", i) << i;
}

void TestImages::everyPictureHasOpaquePixels()
{
    QFETCH(int, index);
    const TImageList list;

    const QPixmap normal = list.Pixmap(index);
    QVERIFY(!normal.isNull());
    QCOMPARE(normal.size(), QSize(16, 16));
    QCOMPARE(normal.devicePixelRatio(), 1.0);
    QVERIFY(opaquePixels(normal.toImage()) > 0);

    const QPixmap doubled = list.Pixmap(index, 2.0);
    QCOMPARE(doubled.size(), QSize(32, 32));
    QCOMPARE(doubled.deviceIndependentSize(), QSizeF(16, 16));
    QVERIFY(opaquePixels(doubled.toImage()) > 0);

    QVERIFY(!list.Icon(index).isNull());
}

void TestImages::noPictureOutsideTheList_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("none") << -1;
    QTest::newRow("one past the end") << 127;
    QTest::newRow("far past the end") << 1000;
    QTest::newRow("most negative") << INT_MIN;
}

void TestImages::noPictureOutsideTheList()
{
    QFETCH(int, index);
    const TImageList list;
    QVERIFY(list.Icon(index).isNull());
    QVERIFY(list.Pixmap(index).isNull());
    QVERIFY(list.Pixmap(index, 2.0).isNull());

    QImage canvas(40, 40, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    const QImage untouched = canvas;
    {
        QPainter painter(&canvas);
        list.Draw(painter, 4, 4, index);
    }
    QCOMPARE(canvas, untouched);
}

void TestImages::framesSharePixels()
{
    TFrameImageList mainWindowList, dialogList;
    const TImageList &a = *mainWindowList.ImageListAll;
    const TImageList &b = *dialogList.ImageListAll;

    // Index 7 is drawn by the main window and by every dialog.
    const QPixmap first = a.Pixmap(7);
    const int rendered = TImageList::SharedStore().RenderCount();
    const QPixmap second = b.Pixmap(7);
    QCOMPARE(second.cacheKey(), first.cacheKey());
    QCOMPARE(TImageList::SharedStore().RenderCount(), rendered);

    for (int i = 0; i < a.Count(); ++i) {
        QCOMPARE(b.Pixmap(i).cacheKey(), a.Pixmap(i).cacheKey());
        QCOMPARE(b.Pixmap(i, 2.0).cacheKey(), a.Pixmap(i, 2.0).cacheKey());
    }
    QVERIFY(a.Pixmap(7).cacheKey() != a.Pixmap(8).cacheKey());
    QVERIFY(a.Pixmap(7).cacheKey() != a.Pixmap(7, 2.0).cacheKey());

    // Drawing goes through the same pixels.
    QImage fromA(16, 16, QImage::Format_ARGB32_Premultiplied), fromB = fromA;
    fromA.fill(Qt::transparent);
    fromB.fill(Qt::transparent);
    {
        QPainter pa(&fromA), pb(&fromB);
        a.Draw(pa, 0, 0, 46);
        b.Draw(pb, 0, 0, 46);
    }
    QCOMPARE(fromA, fromB);
    QCOMPARE(fromA, a.Pixmap(46).toImage().convertToFormat(fromA.format()));
}

void TestImages::iconsShareTheStore()
{
    TFrameImageList one, other;
    const QIcon icon = one.ImageListAll->Icon(8);
    QCOMPARE(other.ImageListAll->Icon(8).cacheKey(), icon.cacheKey());

    const QPixmap small = icon.pixmap(QSize(16, 16), 1.0);
    QCOMPARE(small.cacheKey(), one.ImageListAll->Pixmap(8).cacheKey());
    const QPixmap large = icon.pixmap(QSize(16, 16), 2.0);
    QCOMPARE(large.size(), QSize(32, 32));
    QCOMPARE(large.cacheKey(), one.ImageListAll->Pixmap(8, 2.0).cacheKey());
}

void TestImages::disabledIconIsGreyed()
{
    const TImageList list;
    const QImage normal = list.Icon(105).pixmap(QSize(16, 16), 1.0).toImage();
    const QImage disabled =
        list.Icon(105).pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage();
    QCOMPARE(disabled.size(), normal.size());
    QVERIFY(disabled != normal);
    QVERIFY(opaquePixels(normal) > 0);
}

void TestImages::namedPicturesAreDistinct_data()
{
    QTest::addColumn<int>("index");
    for (const NamedPicture &named : NamedPictures)
        QTest::addRow("%03d %s", named.index, named.meaning) << named.index;
}

void TestImages::namedPicturesAreDistinct()
{
    QFETCH(int, index);
    QCOMPARE(std::size(NamedPictures), size_t(88));
    const QImage mine = render16(index);
    const QByteArray myBytes(reinterpret_cast<const char *>(mine.constBits()), mine.sizeInBytes());
    for (const NamedPicture &other : NamedPictures) {
        if (other.index == index)
            continue;
        const QImage theirs = render16(other.index);
        const QByteArray theirBytes(reinterpret_cast<const char *>(theirs.constBits()),
                                    theirs.sizeInBytes());
        if (myBytes == theirBytes)
            QFAIL(qPrintable(QStringLiteral("same picture as %1 (%2)")
                                 .arg(other.index).arg(QLatin1String(other.meaning))));
        // Not just different bytes: clearly different at a glance.
        if (differingPixels(mine, theirs) < 12)
            QFAIL(qPrintable(QStringLiteral("looks like %1 (%2)")
                                 .arg(other.index).arg(QLatin1String(other.meaning))));
    }
}

void TestImages::programPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("program") << QStringLiteral(":/images/program.svg") << QSize(88, 88);
    QTest::newRow("application icon") << QStringLiteral(":/images/appicon.svg") << QSize(32, 32);
}

void TestImages::programPictures()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    TImageList::SharedStore(); // registers the pictures' resource
    QSvgRenderer renderer(name);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QVERIFY(opaquePixels(image) > size.width() * size.height() / 2);
}

namespace {
// Counts how often the style is asked for a standard glyph.
class CountingStyle : public QProxyStyle
{
public:
    mutable int asked = 0;
    QIcon standardIcon(StandardPixmap glyph, const QStyleOption *option, const QWidget *widget) const override
    {
        ++asked;
        return QProxyStyle::standardIcon(glyph, option, widget);
    }
};
} // namespace

void TestImages::standardGlyphsAreMadeWhenDrawn()
{
    auto *style = new CountingStyle;
    QApplication::setStyle(style);  // the application owns it
    // A glyph no other test of this program asks for, so the shared cache holds none yet.
    const QIcon glyph = StandardGlyph(QStyle::SP_DriveFDIcon);
    QPushButton button(glyph, QStringLiteral("Floppy"));
    QVERIFY(!button.icon().isNull());
    button.sizeHint();
    QCOMPARE(style->asked, 0);

    const QPixmap drawn = button.icon().pixmap(QSize(16, 16));
    QVERIFY(!drawn.isNull());
    QCOMPARE(style->asked, 1);
    // Every copy, and the next request for the same glyph, shares that one answer.
    QVERIFY(!StandardGlyph(QStyle::SP_DriveFDIcon).pixmap(QSize(32, 32)).isNull());
    QVERIFY(!glyph.pixmap(QSize(16, 16), QIcon::Disabled).isNull());
    QCOMPARE(style->asked, 1);
    const QImage expected = style->QProxyStyle::standardIcon(QStyle::SP_DriveFDIcon).pixmap(QSize(16, 16)).toImage();
    QCOMPARE(drawn.toImage().convertToFormat(expected.format()), expected);
}

void TestImages::vectorIconSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QSize>("pixels");
    const QString program = QStringLiteral(":/images/program.svg");
    const QString icon = QStringLiteral(":/images/appicon.svg");
    QTest::newRow("program picture") << program << QSize(88, 88) << 1.0 << QSize(88, 88);
    QTest::newRow("program picture, double scale") << program << QSize(88, 88) << 2.0 << QSize(176, 176);
    QTest::newRow("proportions kept in a wide box") << program << QSize(120, 60) << 1.0 << QSize(60, 60);
    QTest::newRow("window icon") << icon << QSize(32, 32) << 1.0 << QSize(32, 32);
    QTest::newRow("window icon, small") << icon << QSize(16, 16) << 1.0 << QSize(16, 16);
    QTest::newRow("window icon, 1.5 scale") << icon << QSize(32, 32) << 1.5 << QSize(48, 48);
}

void TestImages::vectorIconSizes()
{
    QFETCH(QString, name);
    QFETCH(QSize, asked);
    QFETCH(qreal, scale);
    QFETCH(QSize, pixels);
    const QIcon icon = VectorIcon(name);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.actualSize(asked), pixels / scale);
    const QPixmap pixmap = icon.pixmap(asked, scale);
    QCOMPARE(pixmap.size(), pixels);
    QCOMPARE(pixmap.devicePixelRatio(), scale);
    QVERIFY(opaquePixels(pixmap.toImage()) > pixels.width() * pixels.height() / 2);
    // The sizes a window hands its window manager; none of them larger than 64 pixels.
    QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)}));
    // Drawing into a widget's painter gives the same picture, centred in the box.
    QImage canvas(asked * scale, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(scale);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    icon.paint(&painter, QRect(QPoint(0, 0), asked));
    painter.end();
    QCOMPARE(opaquePixels(canvas), opaquePixels(pixmap.toImage()));
}

void TestImages::vectorIconOfMissingResourceIsNull()
{
    const QIcon icon = VectorIcon(QStringLiteral(":/images/no-such-picture.svg"));
    QVERIFY(icon.isNull());
    QVERIFY(icon.pixmap(QSize(32, 32)).isNull());
    QVERIFY(!icon.actualSize(QSize(32, 32)).isValid());
}

QTEST_MAIN(TestImages)
#include "tst_images.moc"
