#include "images/FRImageList.h"

#include <QHash>

#include <QApplication>
#include <QCoreApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

// Outside any namespace: the resource's init function is a global symbol.
// Calling it also keeps the linker from dropping the pictures when the
// list comes from a static library.
static void initImageResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(images);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

TImageList::Store *g_store = nullptr;

// The device pixel ratio a painter draws at.
qreal painterScale(const QPainter *painter)
{
    return painter->device() ? painter->device()->devicePixelRatio() : 1.0;
}

// Draws `pixmap` at `shown` device-independent pixels, centred in `rect`.
void drawCentred(QPainter *painter, const QRect &rect, const QSize &shown, const QPixmap &pixmap)
{
    if (pixmap.isNull())
        return;
    const QPoint offset((rect.width() - shown.width()) / 2, (rect.height() - shown.height()) / 2);
    painter->drawPixmap(QRect(rect.topLeft() + offset, shown), pixmap);
}

/*
    Draws a picture from the shared store at whatever size and mode is asked
    for. Qt's own pixmap engine would keep private copies of every pixmap
    added to it; this one keeps nothing but the index.
*/
class TStoreIconEngine final : public QIconEngine
{
public:
    explicit TStoreIconEngine(int index) : m_index(index) {}

    QIconEngine *clone() const override { return new TStoreIconEngine(m_index); }
    QString key() const override { return QStringLiteral("TStoreIconEngine"); }
    bool isNull() override { return false; }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return side > 0 ? QSize(side, side) : QSize();
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(TImageList::Width, TImageList::Height)};
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        if (side <= 0)
            return QPixmap();
        return TImageList::SharedStore().PixmapAt(m_index, side, mode);
    }

    // size is already in device pixels here.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal) override
    {
        return pixmap(size, mode, state);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override
    {
        const QSize square(qMin(rect.width(), rect.height()), qMin(rect.width(), rect.height()));
        drawCentred(painter, rect, square, pixmap(square * painterScale(painter), mode, state));
    }

private:
    const int m_index;
};

/*
    One of the style's standard glyphs, asked of the style only when it is first drawn or
    measured: the style reads several image files for each glyph, and most buttons that show
    one (the hidden dialog panel, the document window buttons of the menu bar, the dialogs)
    are not on the screen while the program starts. Copies of one icon share one resolution.
*/
class TStandardIconEngine final : public QIconEngine
{
public:
    explicit TStandardIconEngine(QStyle::StandardPixmap glyph) : m_glyph(glyph) {}

    QIconEngine *clone() const override { return new TStandardIconEngine(*this); }
    QString key() const override { return QStringLiteral("TStandardIconEngine"); }
    // Known to be a picture before it is made, so a button reserves its room without making it.
    bool isNull() override { return m_resolved && m_icon.isNull(); }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Icon().pixmap(size, scale, mode, state);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    const QIcon &Icon()
    {
        if (!m_resolved) {
            m_icon = QApplication::style()->standardIcon(m_glyph);
            m_resolved = true;
        }
        return m_icon;
    }

    const QStyle::StandardPixmap m_glyph;
    bool m_resolved = false;
    QIcon m_icon;
};

// A vector picture rendered at the given size in device pixels, antialiased, on transparent.
QPixmap renderVector(QSvgRenderer &renderer, const QSize &pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), pixels));
    }
    return QPixmap::fromImage(std::move(image));
}

QPixmap renderPicture(int index, int pixelSize)
{
    QSvgRenderer renderer(TImageList::Store::SourceName(index));
    if (!renderer.isValid())
        return QPixmap();
    QPixmap pixmap = renderVector(renderer, QSize(pixelSize, pixelSize));
    pixmap.setDevicePixelRatio(qreal(pixelSize) / TImageList::Width);
    return pixmap;
}

QPixmap derivedPicture(const QPixmap &normal, QIcon::Mode mode);

/*
    A vector picture of the program's own (the program picture, the window icon), drawn with
    the SVG renderer straight away: Qt's icon engine for SVG files is a plug-in that would
    be looked up and loaded while the splash window waits to be shown. Each size is rendered
    once, its proportions kept; copies of one icon share the renderings.
*/
class TVectorIconEngine final : public QIconEngine
{
public:
    explicit TVectorIconEngine(const QString &source) : m_source(source) {}

    QIconEngine *clone() const override { return new TVectorIconEngine(m_source); }
    QString key() const override { return QStringLiteral("TVectorIconEngine"); }
    bool isNull() override { return !Renderer().isValid(); }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        QSvgRenderer &renderer = Renderer();
        if (!renderer.isValid() || size.isEmpty())
            return QSize();
        return renderer.defaultSize().scaled(size, Qt::KeepAspectRatio);
    }
    // What a window hands its window manager as its icon: the task bar and switcher sizes at
    // single and double scale. Without a list, Qt's X11 window would render sizes up to 128
    // pixels for every window it creates.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // size is already in device pixels here.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        const QSize pixels = actualSize(size, mode, state);
        if (pixels.isEmpty())
            return QPixmap();
        const auto key = std::make_tuple(pixels.width(), pixels.height(), int(mode));
        if (auto found = m_pixmaps.find(key); found != m_pixmaps.end())
            return found->second;
        const QPixmap pixmap = mode == QIcon::Normal ? renderVector(Renderer(), pixels)
                                                     : derivedPicture(scaledPixmap(size, QIcon::Normal, state, 1.0), mode);
        m_pixmaps.emplace(key, pixmap);
        return pixmap;
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painterScale(painter);
        const QPixmap pm = scaledPixmap(rect.size() * scale, mode, state, scale);
        drawCentred(painter, rect, (QSizeF(pm.size()) / scale).toSize(), pm);
    }

private:
    QSvgRenderer &Renderer()
    {
        if (!m_renderer)
            m_renderer = std::make_unique<QSvgRenderer>(m_source);
        return *m_renderer;
    }

    const QString m_source;
    std::unique_ptr<QSvgRenderer> m_renderer;
    std::map<std::tuple<int, int, int>, QPixmap> m_pixmaps;
};

// Greyed and highlighted pictures come from the widget style when there is
// one, so they match the rest of the program; a plain GUI application gets a
// faded grey copy for the disabled state.
QPixmap derivedPicture(const QPixmap &normal, QIcon::Mode mode)
{
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return app->style()->generatedIconPixmap(mode, normal, &option);
    }
    if (mode != QIcon::Disabled)
        return normal;
    QImage image = normal.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
        }
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(normal.devicePixelRatio());
    return pixmap;
}

} // namespace

QString TImageList::Store::SourceName(int index)
{
    return QStringLiteral(":/images/icons/%1.svg").arg(index, 3, 10, QLatin1Char('0'));
}

QPixmap TImageList::Store::PixmapAt(int index, int pixelSize, QIcon::Mode mode) const
{
    if (!TImageList::IsValidIndex(index) || pixelSize <= 0)
        return QPixmap();
    const auto key = std::make_tuple(index, pixelSize, int(mode));
    if (auto found = m_pixmaps.find(key); found != m_pixmaps.end())
        return found->second;

    QPixmap pixmap;
    if (mode == QIcon::Normal) {
        pixmap = renderPicture(index, pixelSize);
        ++m_renderCount;
    } else {
        pixmap = derivedPicture(PixmapAt(index, pixelSize), mode);
    }
    m_pixmaps.emplace(key, pixmap);
    return pixmap;
}

QIcon TImageList::Store::IconAt(int index) const
{
    if (!TImageList::IsValidIndex(index))
        return QIcon();
    auto found = m_icons.find(index);
    if (found == m_icons.end())
        found = m_icons.emplace(index, QIcon(new TStoreIconEngine(index))).first;
    return found->second;
}

const TImageList::Store &TImageList::SharedStore()
{
    if (!g_store) {
        initImageResources();
        g_store = new Store;
        // Pixmaps may not outlive the application object.
        qAddPostRoutine([] {
            delete g_store;
            g_store = nullptr;
        });
    }
    return *g_store;
}

QIcon TImageList::Icon(int index) const
{
    return SharedStore().IconAt(index);
}

QPixmap TImageList::Pixmap(int index, qreal dpr) const
{
    if (!(dpr > 0))
        dpr = 1.0;
    return SharedStore().PixmapAt(index, qMax(1, qRound(Width * dpr)));
}

void TImageList::Draw(QPainter &p, int x, int y, int index) const
{
    if (!IsValidIndex(index))
        return;
    const qreal dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
    p.drawPixmap(x, y, Pixmap(index, dpr));
}

TFrameImageList::TFrameImageList(QWidget *parent)
    : QWidget(parent), ImageListAll(new TImageList)
{
    setObjectName(QStringLiteral("FrameImageList"));
    setGeometry(0, 0, 104, 55);
    setVisible(false);
}

TFrameImageList::~TFrameImageList()
{
    delete ImageListAll;
}

QIcon VectorIcon(const QString &source)
{
    initImageResources();
    return QIcon(new TVectorIconEngine(source));
}

QIcon StandardGlyph(QStyle::StandardPixmap pixmap)
{
    static QHash<int, QIcon> glyphs;
    auto it = glyphs.find(int(pixmap));
    if (it == glyphs.end())
        it = glyphs.insert(int(pixmap), QIcon(new TStandardIconEngine(pixmap)));
    return *it;
}
