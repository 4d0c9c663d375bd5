#include "mainwindow/ActionBarViews.h"

TActionMainMenuBar::TActionMainMenuBar(TActionManager *manager, QWidget *parent)
    : QMenuBar(parent), m_manager(manager)
{
    setObjectName(QStringLiteral("MenuBarTest"));
    setWindowTitle(QStringLiteral("MenuBarTest"));
    setNativeMenuBar(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

TActionToolBar::TActionToolBar(TActionManager *manager, const QString &caption, QWidget *parent)
    : QToolBar(caption, parent), m_manager(manager)
{
    setObjectName(caption);
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The bars belong to the cool bar, not to a dock area: no Qt bar menu on a right click.
    setContextMenuPolicy(Qt::PreventContextMenu);
}
