#include "mainwindow/Splitter.h"

#include "mainwindow/AlignLayout.h"

#include <QMouseEvent>
#include <QPainter>


void TSplitterPattern::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
}

TSplitter::TSplitter(TAlignLayout *layout, QWidget *control, QWidget *parent)
    : QWidget(parent), m_layout(layout), m_control(control)
{
    setCursor(Qt::SizeHorCursor);
    setAutoFillBackground(true);
}

int TSplitter::ClampWidth(int requested, int clientWidth) const
{
    const int maxSize = clientWidth - width() - MinSize;
    int size = qMin(requested, maxSize);
    if (size < MinSize)
        size = MinSize;
    if (AutoSnap && size <= MinSize)
        size = 0;
    return qMax(size, ControlMinWidth);
}

int TSplitter::ClientWidth() const
{
    return parentWidget() ? parentWidget()->width() : 0;
}

void TSplitter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
}

void TSplitter::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_control)
        return;
    m_pressX = int(event->position().x());
    m_startWidth = m_control->width();
    if (!m_pattern) {
        m_pattern = new TSplitterPattern(parentWidget());
        m_pattern->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_pattern->setGeometry(geometry());
    m_pattern->raise();
    m_pattern->show();
}

void TSplitter::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pattern || !m_pattern->isVisible())
        return;
    const int width = ClampWidth(m_startWidth + int(event->position().x()) - m_pressX, ClientWidth());
    m_pattern->move(m_control->x() + width, y());
}

void TSplitter::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pattern || !m_pattern->isVisible())
        return;
    m_pattern->hide();
    const int width = ClampWidth(m_startWidth + int(event->position().x()) - m_pressX, ClientWidth());
    m_layout->SetExtent(m_control, width);
    emit Moved();
}
