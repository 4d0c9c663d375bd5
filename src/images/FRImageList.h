#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStyle>
#include <QWidget>

#include <map>
#include <tuple>

class QPainter;

/*
    The program's one list of small pictures. Actions, menu rows, toolbar
    buttons and the dialogs' tool buttons name a picture by its zero-based
    index; -1 names none.

    A TImageList holds no pixels of its own: every list reads the same
    process-wide Store, which renders each picture from its vector source the
    first time it is asked for at a given pixel size and keeps the result.
    Handing out a QPixmap or QIcon from the store copies a reference only, so
    any number of windows can carry a list without duplicating pictures.
*/
class TImageList
{
public:
    static constexpr int Width = 16;
    static constexpr int Height = 16;
    static constexpr int ImageCount = 127;

    class Store;

    int Count() const { return ImageCount; }
    static bool IsValidIndex(int index) { return index >= 0 && index < ImageCount; }

    // A null icon for -1 or an index out of range.
    QIcon Icon(int index) const;
    // The picture at Width x Height device-independent pixels, rendered for
    // the given device pixel ratio; null for -1 or an index out of range.
    QPixmap Pixmap(int index, qreal dpr = 1.0) const;
    // Draws the picture with its top-left corner at (x, y), at the painter's
    // device pixel ratio; nothing for -1 or an index out of range.
    void Draw(QPainter &p, int x, int y, int index) const;

    // The store every list draws from (for tests and diagnostics).
    static const Store &SharedStore();
};

/*
    Rendered pictures, keyed by index, square pixel size and icon mode.
    Lazily filled; emptied when the application object goes away, since
    pixmaps must not outlive it.
*/
class TImageList::Store
{
public:
    // Resource path of a picture's vector source.
    static QString SourceName(int index);

    // The picture rendered into a pixelSize x pixelSize pixmap whose device
    // pixel ratio makes it Width logical pixels wide. Rendered once, then
    // shared.
    QPixmap PixmapAt(int index, int pixelSize, QIcon::Mode mode = QIcon::Normal) const;
    // One icon per index, shared by every list.
    QIcon IconAt(int index) const;

    // How many pixmaps have been rendered since the store was last emptied.
    int RenderCount() const { return m_renderCount; }

private:
    friend class TImageList;
    Store() = default;

    mutable std::map<std::tuple<int, int, int>, QPixmap> m_pixmaps;
    mutable std::map<int, QIcon> m_icons;
    mutable int m_renderCount = 0;
};

/*
    An invisible frame carrying the image list, so that each window can
    embed its own FrameImageList1 and point its action manager and toolbars
    at FrameImageList1->ImageListAll.
*/
class TFrameImageList : public QWidget
{
    Q_OBJECT

public:
    explicit TFrameImageList(QWidget *parent = nullptr);
    ~TFrameImageList() override;

    TImageList *const ImageListAll;
};

/*
    A picture drawn from a vector (SVG) resource of the program, such as
    ":/images/appicon.svg": rendered at each size it is asked for, with its
    proportions kept. Null when the resource cannot be read.
*/
QIcon VectorIcon(const QString &source);

/*
    A glyph of the platform's style (OK, Cancel, Help and the like), shared, and
    made when it is first drawn or measured: the style builds each of them from
    several image files.
*/
QIcon StandardGlyph(QStyle::StandardPixmap pixmap);
