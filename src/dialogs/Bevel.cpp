#include "dialogs/Bevel.h"

#include <QPainter>

namespace {
// A lowered edge: shadow line first, highlight line beside it.
constexpr int LineWidth = 2;
}

TBevel::TBevel(QWidget *parent) : QWidget(parent)
{
    // Mouse clicks on the empty part reach whatever lies behind.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::setShape(TBevelShape shape)
{
    if (m_shape == shape)
        return;
    m_shape = shape;
    update();
}

QRect TBevel::LineRect() const
{
    return m_shape == bsTopLine ? QRect(0, 0, width(), LineWidth) : QRect(0, 0, LineWidth, height());
}

void TBevel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    if (m_shape == bsTopLine) {
        p.setPen(shadow);
        p.drawLine(0, 0, width() - 1, 0);
        p.setPen(light);
        p.drawLine(0, 1, width() - 1, 1);
    } else {
        p.setPen(shadow);
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(light);
        p.drawLine(1, 0, 1, height() - 1);
    }
}
