// The widgets that show a manager's bar entries: the menu bar and the toolbars.
#pragma once

#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolBar>

class QMdiArea;
class QMimeData;
class QDropEvent;
class QMdiSubWindow;
class TActionBarItem;
class TActionClientItem;
class TActionClients;
class TActionManager;
class TCustomAction;

/*!
  A drop-down menu built from an item list. Its rows are made when it opens,
  after the actions they show were updated; each row draws its picture, the
  caption and the shortcut text, without a Qt shortcut behind it.
*/
class TActionMenu : public QMenu
{
    Q_OBJECT
public:
    TActionMenu(TActionManager *manager, TActionClients *items, QWidget *parent = nullptr);
    TActionClients *Items() const { return m_items; }
    //! The item a row shows (null for none).
    TActionClientItem *ItemOf(const QAction *row) const;

protected:
    void initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const override;

private:
    void Rebuild();
    TActionManager *m_manager;
    TActionClients *m_items;
    int m_shortcutWidth = 0;
};

//! The menu bar row; its entries come from the manager's bar entry of the same name.
class TActionMainMenuBar : public QMenuBar
{
    Q_OBJECT
public:
    explicit TActionMainMenuBar(TActionManager *manager, QWidget *parent = nullptr);
    TActionManager *ActionManager() const { return m_manager; }
    //! Rebuilds the top-level entries from the bar entry.
    void Rebuild();
    TActionBarItem *BarItem() const;

    /*!
      Follows the document windows of `area`: while the active one is
      maximised, its window-menu, minimise, restore and close buttons stand
      on the menu bar and it draws no title bar of its own.
    */
    void SetMDIArea(QMdiArea *area);
    //! The document window whose buttons the bar carries, or null.
    QMdiSubWindow *MaximizedChild() const { return m_maximized; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Customise mode: entries are dragged, not chosen.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void UpdateMDIControls();
    int InsertIndexAt(const QPoint &pos) const;
    TActionManager *m_manager;
    QPoint m_pressPos;
    int m_pressIndex = -1;
    QPointer<QMdiArea> m_mdiArea;
    QPointer<QMdiSubWindow> m_maximized;
    bool m_updatingControls = false;
};

//! A toolbar row of the cool bar, built from the manager's bar entry of the same name.
class TActionToolBar : public QToolBar
{
    Q_OBJECT
public:
    TActionToolBar(TActionManager *manager, const QString &caption, QWidget *parent = nullptr);
    TActionManager *ActionManager() const { return m_manager; }
    void Rebuild();
    TActionBarItem *BarItem() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    int InsertIndexAt(const QPoint &pos) const;
    TActionManager *m_manager;
    QPoint m_pressPos;
    int m_pressIndex = -1;
};

namespace ActionViews {
//! Customise mode of every bar of a manager: entries are dragged, not chosen.
void SetCustomizing(const TActionManager *manager, bool on);
bool IsCustomizing(const TActionManager *manager);
/*!
  Applies a drop on a bar: an entry moved from a bar (ItemMime), an action or
  a separator from the customise dialog (ActionMime). Runs after the drag
  has finished, since the bars rebuild themselves when their entries change.
*/
bool Drop(TActionManager &manager, const QString &targetBar, int index, const QMimeData *data);
//! Drags entry `index` of `bar`; dropped off every bar, the entry is removed where allowed.
void DragItem(QWidget *source, TActionManager &manager, const QString &bar, int index);
//! A bar in customise mode takes entries and actions dragged onto it.
void AcceptDrag(const TActionManager *manager, QDropEvent *event);
void DropEvent(TActionManager &manager, const QString &bar, int index, QDropEvent *event);

//! Where an entry dropped at `pos` goes on a bar laid out in one row.
template<class Bar>
int InsertIndexAt(const Bar &bar, const QPoint &pos)
{
    const QList<QAction *> rows = bar.actions();
    for (int i = 0; i < rows.size(); ++i) {
        const QRect r = bar.actionGeometry(rows[i]);
        if (pos.x() < r.center().x())
            return i;
        if (pos.x() <= r.right())
            return i + 1;
    }
    return int(rows.size());
}
//! Executes the action of an item chosen from a menu or a toolbar, counting the use.
void Choose(TActionManager &manager, TActionClientItem &item);
//! Copies what an item's row shows (caption, picture, states, hints) into a Qt action.
void Sync(QAction &row, const TActionClientItem &item, const TActionManager &manager, bool showCaption);
}
