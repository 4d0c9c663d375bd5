#include "mainwindow/ActionBarViews.h"

#include "actions/ActnBars.h"
#include "actions/ActnList.h"
#include "actions/ActnMan.h"
#include "actions/HotKeys.h"
#include "actions/IdleUpdate.h"
#include "images/FRImageList.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyleOptionMenuItem>
#include <QToolButton>

namespace {
// The item a Qt action row stands for.
const char *const kItemProperty = "vexaItem";

TActionClientItem *ItemOfRow(const QAction *row)
{
    return row ? static_cast<TActionClientItem *>(row->property(kItemProperty).value<void *>()) : nullptr;
}

TActionBarItem *FindBarItem(TActionManager *manager, const QString &name)
{
    return manager ? manager->ActionBars().FindBar(name) : nullptr;
}
} // namespace

namespace ActionViews {

void Choose(TActionManager &manager, TActionClientItem &item)
{
    QPointer<TCustomAction> action = item.Action.data();
    if (!action)
        return;
    manager.ActionBars().CountUse(item);
    action->Execute();
}

void Sync(QAction &row, const TActionClientItem &item, const TActionManager &manager, bool showCaption)
{
    const TCustomAction *action = item.Action.data();
    const QString caption = item.DisplayCaption();
    row.setText(caption);
    // Qt derives tool tips and icon texts from the caption; ours come from the hint or nowhere.
    row.setIconText(showCaption ? caption : QString());
    const int image = item.ShowGlyph ? item.ImageIndex : -1;
    row.setIcon(manager.Images && image >= 0 ? manager.Images->Icon(image) : QIcon());
    row.setVisible(item.Visible && (!action || action->Visible()));
    if (!action) {
        row.setEnabled(true);
        row.setStatusTip(QString());
        row.setToolTip(QString());
        return;
    }
    row.setEnabled(action->Enabled());
    row.setCheckable(action->Checked() || action->AutoCheck());
    row.setChecked(action->Checked());
    row.setStatusTip(GetLongHint(action->Hint()));
    row.setToolTip(manager.ActionBars().HintShortCuts ? ActionToolTip(*action) : GetShortHint(action->Hint()));
}

} // namespace ActionViews

// ---------------------------------------------------------------- menus

TActionMenu::TActionMenu(TActionManager *manager, TActionClients *items, QWidget *parent)
    : QMenu(parent), m_manager(manager), m_items(items)
{
    // Update the actions of the menu each time it opens, then draw its rows from them.
    connect(this, &QMenu::aboutToShow, this, &TActionMenu::Rebuild);
}

TActionClientItem *TActionMenu::ItemOf(const QAction *row) const
{
    return ItemOfRow(row);
}

void TActionMenu::Rebuild()
{
    for (TActionMenu *sub : findChildren<TActionMenu *>(Qt::FindDirectChildrenOnly))
        sub->deleteLater();
    clear();
    QStringList captions;
    for (int i = 0; i < m_items->Count(); ++i) {
        TActionClientItem &item = (*m_items)[i];
        if (item.Action)
            item.Action->Update();
        captions << (item.IsSeparator() ? QStringLiteral("-") : item.DisplayCaption());
    }
    if (m_items->AutoHotKeys)
        captions = AutoHotKeys(captions);

    m_shortcutWidth = 0;
    for (int i = 0; i < m_items->Count(); ++i) {
        TActionClientItem &item = (*m_items)[i];
        if (item.IsSeparator()) {
            addSeparator();
            continue;
        }
        QAction *row = nullptr;
        if (item.HasItems()) {
            auto *sub = new TActionMenu(m_manager, &item.Items(), this);
            row = addMenu(sub);
        } else {
            row = addAction(QString());
            TActionClientItem *itemPtr = &item;
            TActionManager *manager = m_manager;
            connect(row, &QAction::triggered, manager, [manager, itemPtr] { ActionViews::Choose(*manager, *itemPtr); });
        }
        row->setProperty(kItemProperty, QVariant::fromValue<void *>(&item));
        ActionViews::Sync(*row, item, *m_manager, true);
        row->setText(captions[i]);
        if (item.ShowShortCut && item.ShortCut)
            m_shortcutWidth = qMax(m_shortcutWidth, fontMetrics().horizontalAdvance(ShortCutToText(item.ShortCut)));
    }
    if (m_shortcutWidth)
        m_shortcutWidth += fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 4;
}

void TActionMenu::initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const
{
    QMenu::initStyleOption(option, action);
    const TActionClientItem *item = ItemOfRow(action);
    if (!item || item->HasItems() || !item->ShowShortCut || !item->ShortCut)
        return;
    // The shortcut column is drawn from the item's data; the Qt action has no shortcut.
    option->text += QLatin1Char('\t') + ShortCutToText(item->ShortCut);
    option->reservedShortcutWidth = qMax(option->reservedShortcutWidth, m_shortcutWidth);
}

// ---------------------------------------------------------------- menu bar

TActionMainMenuBar::TActionMainMenuBar(TActionManager *manager, QWidget *parent)
    : QMenuBar(parent), m_manager(manager)
{
    setObjectName(QStringLiteral("MenuBarTest"));
    setWindowTitle(QStringLiteral("MenuBarTest"));
    setNativeMenuBar(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(&manager->ActionBars(), &TActionBars::Changed, this, &TActionMainMenuBar::Rebuild);
}

TActionBarItem *TActionMainMenuBar::BarItem() const
{
    return FindBarItem(m_manager, objectName());
}

void TActionMainMenuBar::Rebuild()
{
    for (TActionMenu *menu : findChildren<TActionMenu *>(Qt::FindDirectChildrenOnly))
        menu->deleteLater();
    const QList<QAction *> old = actions();
    clear();
    qDeleteAll(old);
    TActionBarItem *bar = BarItem();
    if (!bar)
        return;
    TActionClients &items = bar->Items();
    for (int i = 0; i < items.Count(); ++i) {
        TActionClientItem &item = items[i];
        QAction *row = nullptr;
        if (item.HasItems() || !item.Action) {
            auto *menu = new TActionMenu(m_manager, &item.Items(), this);
            row = addMenu(menu);
        } else {
            row = addAction(QString());
            TActionClientItem *itemPtr = &item;
            TActionManager *manager = m_manager;
            connect(row, &QAction::triggered, manager, [manager, itemPtr] { ActionViews::Choose(*manager, *itemPtr); });
        }
        row->setProperty(kItemProperty, QVariant::fromValue<void *>(&item));
        ActionViews::Sync(*row, item, *m_manager, true);
    }
}

void TActionMainMenuBar::SetMDIArea(QMdiArea *area)
{
    m_mdiArea = area;
    connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *window) {
        if (window)
            window->installEventFilter(this);
        UpdateMDIControls();
    });
}

bool TActionMainMenuBar::eventFilter(QObject *watched, QEvent *event)
{
    if (qobject_cast<QMdiSubWindow *>(watched)
        && (event->type() == QEvent::WindowStateChange || event->type() == QEvent::Close
            || event->type() == QEvent::Destroy || event->type() == QEvent::WindowTitleChange))
        QMetaObject::invokeMethod(this, &TActionMainMenuBar::UpdateMDIControls, Qt::QueuedConnection);
    return QMenuBar::eventFilter(watched, event);
}

void TActionMainMenuBar::UpdateMDIControls()
{
    if (m_updatingControls)
        return;
    m_updatingControls = true;
    QMdiSubWindow *current = m_mdiArea ? m_mdiArea->currentSubWindow() : nullptr;
    QMdiSubWindow *maximized = current && current->isMaximized() && current->isVisible() ? current : nullptr;
    // A window that is no longer maximised gets its own title bar back.
    if (m_maximized && m_maximized != maximized && (m_maximized->windowFlags() & Qt::FramelessWindowHint)) {
        const Qt::WindowStates state = m_maximized->windowState();
        m_maximized->setWindowFlag(Qt::FramelessWindowHint, false);
        m_maximized->setWindowState(state);
        m_maximized->show();
    }
    m_maximized = maximized;
    delete cornerWidget(Qt::TopLeftCorner);
    delete cornerWidget(Qt::TopRightCorner);
    setCornerWidget(nullptr, Qt::TopLeftCorner);
    setCornerWidget(nullptr, Qt::TopRightCorner);
    if (maximized) {
        if (!(maximized->windowFlags() & Qt::FramelessWindowHint)) {
            maximized->setWindowFlag(Qt::FramelessWindowHint, true);
            maximized->showMaximized();
        }
        auto makeButton = [this](QWidget *parent, const QIcon &icon, const QString &name) {
            auto *button = new QToolButton(parent);
            button->setIcon(icon);
            button->setAutoRaise(true);
            button->setIconSize(QSize(12, 12));
            button->setAccessibleName(name);
            button->setToolTip(name);
            button->setFocusPolicy(Qt::NoFocus);
            return button;
        };
        QPointer<QMdiSubWindow> window = maximized;
        QToolButton *menuButton = makeButton(this, maximized->windowIcon(), QStringLiteral("Window menu"));
        connect(menuButton, &QToolButton::clicked, this, [window, menuButton] {
            if (window && window->systemMenu())
                window->systemMenu()->popup(menuButton->mapToGlobal(QPoint(0, menuButton->height())));
        });
        setCornerWidget(menuButton, Qt::TopLeftCorner);

        auto *buttons = new QWidget(this);
        auto *layout = new QHBoxLayout(buttons);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        const struct
        {
            QStyle::StandardPixmap pixmap;
            const char *name;
            void (QWidget::*slot)();
        } controls[] = {
            {QStyle::SP_TitleBarMinButton, "Minimize", &QWidget::showMinimized},
            {QStyle::SP_TitleBarNormalButton, "Restore", &QWidget::showNormal},
            {QStyle::SP_TitleBarCloseButton, "Close", nullptr},
        };
        for (const auto &control : controls) {
            QToolButton *button = makeButton(buttons, style()->standardIcon(control.pixmap), QLatin1String(control.name));
            auto slot = control.slot;
            connect(button, &QToolButton::clicked, this, [window, slot] {
                if (!window)
                    return;
                if (slot)
                    (window.data()->*slot)();
                else
                    window->close();
            });
            layout->addWidget(button);
        }
        setCornerWidget(buttons, Qt::TopRightCorner);
        menuButton->show();
        buttons->show();
    }
    updateGeometry();
    m_updatingControls = false;
}

// ---------------------------------------------------------------- toolbars

TActionToolBar::TActionToolBar(TActionManager *manager, const QString &caption, QWidget *parent)
    : QToolBar(caption, parent), m_manager(manager)
{
    setObjectName(caption);
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    // The bars belong to the cool bar, not to a dock area: no Qt bar menu on a right click.
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(&manager->ActionBars(), &TActionBars::Changed, this, &TActionToolBar::Rebuild);
}

TActionBarItem *TActionToolBar::BarItem() const
{
    return FindBarItem(m_manager, objectName());
}

void TActionToolBar::Rebuild()
{
    // The old rows go with their connections: they point into entries that may be gone.
    const QList<QAction *> old = actions();
    for (QAction *row : old)
        if (QWidget *button = widgetForAction(row))
            TIdleActionUpdater::Instance().RemoveClient(button);
    clear();
    qDeleteAll(old);
    TActionBarItem *bar = BarItem();
    if (!bar)
        return;
    TActionClients &items = bar->Items();
    const bool captions = items.CaptionOptions != TCaptionOptions::coNone;
    setToolButtonStyle(captions ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    for (int i = 0; i < items.Count(); ++i) {
        TActionClientItem &item = items[i];
        if (item.IsSeparator()) {
            addSeparator();
            continue;
        }
        QAction *row = addAction(QString());
        row->setProperty(kItemProperty, QVariant::fromValue<void *>(&item));
        const bool showCaption = items.CaptionOptions == TCaptionOptions::coAll
                                 || (items.CaptionOptions == TCaptionOptions::coSelective && item.ShowCaption
                                     && item.ImageIndex < 0);
        ActionViews::Sync(*row, item, *m_manager, showCaption);
        TActionClientItem *itemPtr = &item;
        TActionManager *manager = m_manager;
        connect(row, &QAction::triggered, manager, [manager, itemPtr] { ActionViews::Choose(*manager, *itemPtr); });
        if (TCustomAction *action = item.Action.data()) {
            connect(action, &TCustomAction::Changed, row, [row, itemPtr, manager, showCaption] {
                ActionViews::Sync(*row, *itemPtr, *manager, showCaption);
            });
            if (QWidget *button = widgetForAction(row)) {
                button->installEventFilter(this);
                button->setAccessibleName(StripHotKey(item.DisplayCaption()));
                TIdleActionUpdater::Instance().AddClient(button, action);
            }
        }
    }
}

bool TActionToolBar::eventFilter(QObject *watched, QEvent *event)
{
    // An action without a hint shows no tool tip at all (Qt would fall back to the caption).
    if (event->type() == QEvent::ToolTip) {
        auto *button = qobject_cast<QToolButton *>(watched);
        const TActionClientItem *item = button ? ItemOfRow(button->defaultAction()) : nullptr;
        if (item && item->Action && ActionToolTip(*item->Action).isEmpty())
            return true;
    }
    return QToolBar::eventFilter(watched, event);
}
