// A splitter bar that resizes the control on its left when the mouse is released.
#pragma once

#include <QPointer>
#include <QWidget>

class TAlignLayout;

//! The hatched line that follows the mouse while a splitter is dragged, until the button is released.
class TSplitterPattern : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};

class TSplitter : public QWidget
{
    Q_OBJECT
public:
    //! Resizes `control` (a left-aligned strip of `layout`) by dragging.
    TSplitter(TAlignLayout *layout, QWidget *control, QWidget *parent = nullptr);

    int MinSize = 2;       //!< smallest size asked for; at or below it the control snaps to 0
    bool AutoSnap = true;
    //! The control's minimum width, which a snap to 0 gives way to.
    int ControlMinWidth = 100;

    /*!
      The width the control gets when a drag asks for `requested`, in a
      client area `clientWidth` wide: at most the client width less this bar
      and MinSize for the other side, a snap to 0 at or below MinSize, and
      never below the control's own minimum width.
    */
    int ClampWidth(int requested, int clientWidth) const;

    QWidget *Control() const { return m_control; }

signals:
    void Moved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int ClientWidth() const;
    TAlignLayout *m_layout;
    QPointer<QWidget> m_control;
    QWidget *m_pattern = nullptr;  // the hatched line shown while dragging
    int m_pressX = 0;
    int m_startWidth = 0;
};
