#include "mainwindow/AlignLayout.h"

#include <QWidget>

TAlignLayout::TAlignLayout(QWidget *parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

TAlignLayout::~TAlignLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void TAlignLayout::AddControl(QWidget *widget, TAlign align, int extent)
{
    addChildWidget(widget);
    m_entries.append({new QWidgetItem(widget), align, extent});
    invalidate();
}

void TAlignLayout::SetRemainder(QWidget *widget)
{
    addChildWidget(widget);
    m_remainder = widget;
    m_entries.append({new QWidgetItem(widget), TAlign::alNone, -1});
    invalidate();
}

void TAlignLayout::SetExtent(QWidget *widget, int extent)
{
    for (Entry &e : m_entries)
        if (e.item->widget() == widget && e.extent != extent) {
            e.extent = extent;
            invalidate();
        }
}

int TAlignLayout::Extent(QWidget *widget) const
{
    for (const Entry &e : m_entries)
        if (e.item->widget() == widget)
            return ExtentOf(e);
    return 0;
}

int TAlignLayout::ExtentOf(const Entry &e) const
{
    if (e.extent >= 0)
        return e.extent;
    const QSize hint = e.item->sizeHint();
    return e.align == TAlign::alTop || e.align == TAlign::alBottom ? hint.height() : hint.width();
}

void TAlignLayout::addItem(QLayoutItem *item)
{
    m_entries.append({item, TAlign::alNone, -1});
}

QLayoutItem *TAlignLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries[index].item : nullptr;
}

QLayoutItem *TAlignLayout::takeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    QLayoutItem *item = m_entries.takeAt(index).item;
    if (item->widget() == m_remainder)
        m_remainder = nullptr;
    return item;
}

int TAlignLayout::count() const
{
    return int(m_entries.size());
}

QSize TAlignLayout::sizeHint() const
{
    return minimumSize().expandedTo(QSize(200, 200));
}

QSize TAlignLayout::minimumSize() const
{
    int w = 0, h = 0;
    for (const Entry &e : m_entries) {
        if (e.item->isEmpty())
            continue;
        if (e.align == TAlign::alTop || e.align == TAlign::alBottom)
            h += ExtentOf(e);
        else if (e.align == TAlign::alLeft || e.align == TAlign::alRight)
            w += ExtentOf(e);
    }
    return {w, h};
}

void TAlignLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    QRect rest = rect;
    bool clientTaken = false;
    for (TAlign pass : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        for (const Entry &e : std::as_const(m_entries)) {
            if (e.align != pass || e.item->isEmpty())
                continue;
            const int extent = ExtentOf(e);
            QRect r;
            switch (pass) {
            case TAlign::alTop:
                r = QRect(rest.left(), rest.top(), rest.width(), qMin(extent, rest.height()));
                rest.setTop(r.bottom() + 1);
                break;
            case TAlign::alBottom:
                r = QRect(rest.left(), rest.bottom() + 1 - qMin(extent, rest.height()), rest.width(),
                          qMin(extent, rest.height()));
                rest.setBottom(r.top() - 1);
                break;
            case TAlign::alLeft:
                r = QRect(rest.left(), rest.top(), qMin(extent, rest.width()), rest.height());
                rest.setLeft(r.right() + 1);
                break;
            case TAlign::alRight:
                r = QRect(rest.right() + 1 - qMin(extent, rest.width()), rest.top(), qMin(extent, rest.width()),
                          rest.height());
                rest.setRight(r.left() - 1);
                break;
            default:
                r = rest;
                clientTaken = true;
                break;
            }
            e.item->widget()->setGeometry(r);
        }
    }
    m_remainderRect = clientTaken ? QRect(rest.topLeft(), QSize(0, 0)) : rest;
    if (m_remainder)
        m_remainder->setGeometry(m_remainderRect);
}
