// The widgets that show a manager's bars: the menu bar and the toolbars.
#pragma once

#include <QMenuBar>
#include <QToolBar>

class TActionManager;

//! The menu bar row; its entries come from the manager's first bar entry.
class TActionMainMenuBar : public QMenuBar
{
    Q_OBJECT
public:
    explicit TActionMainMenuBar(TActionManager *manager, QWidget *parent = nullptr);
    TActionManager *ActionManager() const { return m_manager; }

private:
    TActionManager *m_manager;
};

//! A toolbar row of the cool bar; pictures only.
class TActionToolBar : public QToolBar
{
    Q_OBJECT
public:
    TActionToolBar(TActionManager *manager, const QString &caption, QWidget *parent = nullptr);
    TActionManager *ActionManager() const { return m_manager; }

private:
    TActionManager *m_manager;
};
