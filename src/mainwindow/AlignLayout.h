// Edge alignment of child controls: top, bottom, left and right strips, then one control filling the rest.
#pragma once

#include <QLayout>
#include <QList>

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

/*!
  Arranges visible children in the order top, bottom, left, right, client;
  within one alignment in the order they were added. A strip keeps its own
  extent (height for top and bottom, width for left and right); a hidden
  control takes no space. What no control claims is the remainder, where
  SetRemainder's widget goes (empty when a client-aligned control is visible).
*/
class TAlignLayout : public QLayout
{
    Q_OBJECT
public:
    explicit TAlignLayout(QWidget *parent = nullptr);
    ~TAlignLayout() override;

    void AddControl(QWidget *widget, TAlign align, int extent = -1);
    void SetRemainder(QWidget *widget);
    //! Changes the height (top, bottom) or width (left, right) of a strip.
    void SetExtent(QWidget *widget, int extent);
    int Extent(QWidget *widget) const;
    //! The rectangle the remainder got at the last arrangement.
    QRect RemainderRect() const { return m_remainderRect; }

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    struct Entry
    {
        QLayoutItem *item;
        TAlign align;
        int extent;  // -1: the widget's size hint
    };
    int ExtentOf(const Entry &e) const;
    QList<Entry> m_entries;
    QWidget *m_remainder = nullptr;
    QRect m_remainderRect;
};
