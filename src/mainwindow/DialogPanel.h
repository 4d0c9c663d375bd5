// The dialog panel that can host a form inside the main window, and the main window's dialog and equipment managers.
#pragma once

#include "actions/CatalogueTest.h"

#include <QPointer>
#include <QWidget>

#include <span>

class TAlignLayout;
class TFormVEXAMain;

/*!
  A splitter bar under a top-aligned control that sets the control's height
  by dragging: a hatched line follows the mouse and the height is applied
  when the button is released. The control keeps at least MinSize pixels;
  without AutoSnap nothing snaps to 0. The other side gives way down to
  MinSize counted over the parent's whole client height, that is, with the
  parent's frame counted as free space, as the main window's splitter does.
*/
class TTopSplitter : public QWidget
{
    Q_OBJECT
public:
    //! `control` is a top-aligned strip of `layout`; `rest` is the control that fills what the strips leave.
    TTopSplitter(TAlignLayout *layout, QWidget *control, QWidget *rest, QWidget *parent = nullptr);

    int MinSize = 30;
    bool AutoSnap = false;

    //! The height the control gets when a drag asks for `requested` and `maxSize` is the most it may take.
    int ClampHeight(int requested, int maxSize) const;
    //! The most the control may take now: its height plus what the rest can give up.
    int MaxSize() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int HeightAt(int y) const;
    TAlignLayout *m_layout;
    QPointer<QWidget> m_control;
    QPointer<QWidget> m_rest;
    QWidget *m_pattern = nullptr;  // the hatched line shown while dragging
    int m_pressY = 0;
    int m_startHeight = 0;
    int m_maxSize = 0;
};

//! The ten actions of the main window's ActionManagerDialog, in list order.
std::span<const TActionRow> ActionRowsDialog();
//! The two actions of ActionManagerEquipment.
std::span<const TActionRow> ActionRowsEquipment();

//! Builds the controls of PanelDialog; the panel stays hidden.
void CreateDialogPanel(TFormVEXAMain &form);

/*!
  Places `hosted` in the dialog area of the panel, puts its window title
  into the caption row, shows both and makes it FDialogForm. The panel
  becomes its parent; it is not freed with the panel being closed, only
  hidden. A form freed while hosted is let go.
*/
void HostDialogForm(TFormVEXAMain &form, QWidget *hosted);

/*!
  Asks a form whether it may close: its close-event handler runs with the
  event accepted beforehand, and the answer is whether it stays accepted.
  The handler is called directly, so a failure in it reaches the caller
  rather than the application's error box, and nothing closes.
*/
bool AskCloseQuery(QWidget &hosted);
