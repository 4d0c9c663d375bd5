#include "mainwindow/CoolBar.h"

#include <QEvent>
#include <QPainter>
#include <QVBoxLayout>

TCoolBand::TCoolBand(QWidget *control, int minHeight, bool visible, QWidget *parent)
    : QWidget(parent), m_control(control), m_minHeight(minHeight)
{
    control->setParent(this);
    control->setVisible(visible);
    setVisible(visible);
    control->installEventFilter(this);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize TCoolBand::sizeHint() const
{
    // Bands are separated by an etched line of two pixels.
    return {GripWidth + m_control->sizeHint().width(), qMax(m_minHeight, m_control->sizeHint().height()) + 2};
}

bool TCoolBand::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_control) {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
            setVisible(!m_control->isHidden());
        else if (event->type() == QEvent::LayoutRequest)
            updateGeometry();
    }
    return QWidget::eventFilter(watched, event);
}

void TCoolBand::resizeEvent(QResizeEvent *)
{
    m_control->setGeometry(GripWidth, 1, width() - GripWidth - 4, height() - 2);
}

void TCoolBand::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette pal = palette();
    // Etched separator above the band and a double grip line at its left.
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(0, 0, width() - 1, 0);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(0, 1, width() - 1, 1);
    for (int x : {2, 5}) {
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(x, 4, x, height() - 4);
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(x + 1, 4, x + 1, height() - 4);
    }
}

TCoolBar::TCoolBar(QWidget *parent) : QWidget(parent), m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

TCoolBand *TCoolBar::AddBand(QWidget *control, int minHeight, bool visible)
{
    auto *band = new TCoolBand(control, minHeight, visible, this);
    m_layout->addWidget(band);
    m_bands.append(band);
    return band;
}

TCoolBand *TCoolBar::BandOf(const QWidget *control) const
{
    for (TCoolBand *band : m_bands)
        if (band->Control() == control)
            return band;
    return nullptr;
}
