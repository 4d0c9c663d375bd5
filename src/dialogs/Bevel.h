// A bevel: an etched line along one edge of its rectangle, drawn and nothing else.
#pragma once

#include <QWidget>

class TBevel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(TBevelShape shape READ shape WRITE setShape)
public:
    //! Which edge carries the line.
    enum TBevelShape { bsTopLine, bsLeftLine };
    Q_ENUM(TBevelShape)

    explicit TBevel(QWidget *parent = nullptr);

    TBevelShape shape() const { return m_shape; }
    void setShape(TBevelShape shape);

    //! The part of the bevel that is painted, in its own coordinates.
    QRect LineRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TBevelShape m_shape = bsTopLine;
};
