#include "mainwindow/Panel.h"

#include <QPainter>

TPanel::TPanel(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

int TPanel::FrameWidth() const
{
    return (BevelInner != TBevelCut::bvNone ? BevelWidth : 0) + (BevelOuter != TBevelCut::bvNone ? BevelWidth : 0);
}

void TPanel::SetBevels(TBevelCut inner, TBevelCut outer, int width)
{
    BevelInner = inner;
    BevelOuter = outer;
    BevelWidth = width;
    setContentsMargins(FrameWidth(), FrameWidth(), FrameWidth(), FrameWidth());
    update();
}

namespace {
void DrawBevel(QPainter &p, QRect &r, TBevelCut cut, int width, const QPalette &pal)
{
    if (cut == TBevelCut::bvNone)
        return;
    const QColor light = pal.color(QPalette::Light);
    const QColor dark = pal.color(QPalette::Dark);
    const QColor topLeft = cut == TBevelCut::bvRaised ? light : dark;
    const QColor bottomRight = cut == TBevelCut::bvRaised ? dark : light;
    for (int i = 0; i < width; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    }
}
} // namespace

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = rect();
    DrawBevel(p, r, BevelOuter, BevelWidth, palette());
    DrawBevel(p, r, BevelInner, BevelWidth, palette());
}
