// The widgets that show a manager's bar entries: the menu bar and the toolbars.
#pragma once

#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolBar>

class QMdiArea;
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

private:
    void UpdateMDIControls();
    TActionManager *m_manager;
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

private:
    TActionManager *m_manager;
};

namespace ActionViews {
//! Executes the action of an item chosen from a menu or a toolbar, counting the use.
void Choose(TActionManager &manager, TActionClientItem &item);
//! Copies what an item's row shows (caption, picture, states, hints) into a Qt action.
void Sync(QAction &row, const TActionClientItem &item, const TActionManager &manager, bool showCaption);
}
