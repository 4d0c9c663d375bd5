#include "mainwindow/ActionBarViews.h"

#include "actions/ActnBars.h"
#include "actions/ActnList.h"
#include "actions/ActnMan.h"
#include "actions/HotKeys.h"
#include "actions/IdleUpdate.h"
#include "images/FRImageList.h"
#include "mainwindow/CustomizeDlg.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSet>
#include <QTimer>
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
// The bars' colour map: a light warm grey highlight with the normal text on it.
const QColor kHighlightColor(0xE2, 0xE1, 0xDB);

void ApplyColorMap(QWidget *bar)
{
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Highlight, kHighlightColor.darker(108));
    palette.setColor(QPalette::HighlightedText, palette.color(QPalette::WindowText));
    bar->setPalette(palette);
}
} // namespace

namespace ActionViews {

namespace {
QSet<const TActionManager *> &CustomizingManagers()
{
    static QSet<const TActionManager *> managers;
    return managers;
}
bool CarriesEntry(const QMimeData *data)
{
    return data && (data->hasFormat(QLatin1String(TCustomizeDlg::ActionMime))
                    || data->hasFormat(QLatin1String(TCustomizeDlg::ItemMime)));
}
} // namespace

void SetCustomizing(const TActionManager *manager, bool on)
{
    if (on)
        CustomizingManagers().insert(manager);
    else
        CustomizingManagers().remove(manager);
}

bool IsCustomizing(const TActionManager *manager)
{
    return CustomizingManagers().contains(manager);
}

bool Drop(TActionManager &manager, const QString &targetBar, int index, const QMimeData *data)
{
    if (!IsCustomizing(&manager) || !CarriesEntry(data))
        return false;
    const QByteArray action = data->data(QLatin1String(TCustomizeDlg::ActionMime));
    const QStringList item = QString::fromUtf8(data->data(QLatin1String(TCustomizeDlg::ItemMime))).split(QLatin1Char('\n'));
    const bool isAction = data->hasFormat(QLatin1String(TCustomizeDlg::ActionMime));
    if (!isAction && item.size() != 2)
        return false;
    QPointer<TActionManager> guard(&manager);
    QTimer::singleShot(0, &manager, [guard, targetBar, index, action, item, isAction] {
        TActionBars &bars = guard->ActionBars();
        TActionBarItem *target = bars.FindBar(targetBar);
        if (!target)
            return;
        if (isAction) {
            if (action.isEmpty())
                bars.InsertSeparator(target->Items(), index);
            else
                bars.InsertAction(target->Items(), index, guard->FindAction(QString::fromUtf8(action)));
            return;
        }
        if (TActionBarItem *source = bars.FindBar(item[0]))
            bars.MoveItem(source->Items(), item[1].toInt(), target->Items(), index);
    });
    return true;
}

void DragItem(QWidget *source, TActionManager &manager, const QString &bar, int index)
{
    auto *data = new QMimeData;
    data->setData(QLatin1String(TCustomizeDlg::ItemMime), QStringLiteral("%1\n%2").arg(bar).arg(index).toUtf8());
    auto *drag = new QDrag(source);
    drag->setMimeData(data);
    if (auto *button = qobject_cast<QToolButton *>(source))
        drag->setPixmap(button->grab());
    QPointer<TActionManager> guard(&manager);
    if (drag->exec(Qt::MoveAction) == Qt::IgnoreAction && guard) {
        // Dropped off every bar: the entry goes, where its bar allows it.
        QTimer::singleShot(0, guard, [guard, bar, index] {
            if (TActionBarItem *entry = guard->ActionBars().FindBar(bar))
                guard->ActionBars().RemoveItem(entry->Items(), index);
        });
    }
}

void AcceptDrag(const TActionManager *manager, QDropEvent *event)
{
    if (IsCustomizing(manager) && CarriesEntry(event->mimeData()))
        event->acceptProposedAction();
}

void DropEvent(TActionManager &manager, const QString &bar, int index, QDropEvent *event)
{
    if (Drop(manager, bar, index, event->mimeData())) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    }
}

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
    ApplyColorMap(this);
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
    setAcceptDrops(true);
    ApplyColorMap(this);
    connect(&manager->ActionBars(), &TActionBars::Changed, this, &TActionMainMenuBar::Rebuild);
}

int TActionMainMenuBar::InsertIndexAt(const QPoint &pos) const
{
    return ActionViews::InsertIndexAt(*this, pos);
}

void TActionMainMenuBar::mousePressEvent(QMouseEvent *event)
{
    if (!ActionViews::IsCustomizing(m_manager))
        return QMenuBar::mousePressEvent(event);
    m_pressPos = event->position().toPoint();
    m_pressIndex = int(actions().indexOf(actionAt(m_pressPos)));
}

void TActionMainMenuBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!ActionViews::IsCustomizing(m_manager))
        return QMenuBar::mouseMoveEvent(event);
    if (m_pressIndex >= 0 && (event->buttons() & Qt::LeftButton)
        && (event->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
        const int index = m_pressIndex;
        m_pressIndex = -1;
        // Menu-bar entries move but are never deleted: the bar entry grants no deletion.
        ActionViews::DragItem(this, *m_manager, objectName(), index);
    }
}

void TActionMainMenuBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (!ActionViews::IsCustomizing(m_manager))
        return QMenuBar::mouseReleaseEvent(event);
    m_pressIndex = -1;
}

void TActionMainMenuBar::dragEnterEvent(QDragEnterEvent *event)
{
    ActionViews::AcceptDrag(m_manager, event);
}

void TActionMainMenuBar::dragMoveEvent(QDragMoveEvent *event)
{
    ActionViews::AcceptDrag(m_manager, event);
}

void TActionMainMenuBar::dropEvent(QDropEvent *event)
{
    ActionViews::DropEvent(*m_manager, objectName(), InsertIndexAt(event->position().toPoint()), event);
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
            QToolButton *button = makeButton(buttons, StandardGlyph(control.pixmap), QLatin1String(control.name));
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
    setAcceptDrops(true);
    ApplyColorMap(this);
    connect(&manager->ActionBars(), &TActionBars::Changed, this, &TActionToolBar::Rebuild);
}

int TActionToolBar::InsertIndexAt(const QPoint &pos) const
{
    return ActionViews::InsertIndexAt(*this, pos);
}

void TActionToolBar::dragEnterEvent(QDragEnterEvent *event)
{
    ActionViews::AcceptDrag(m_manager, event);
}

void TActionToolBar::dragMoveEvent(QDragMoveEvent *event)
{
    ActionViews::AcceptDrag(m_manager, event);
}

void TActionToolBar::dropEvent(QDropEvent *event)
{
    ActionViews::DropEvent(*m_manager, objectName(), InsertIndexAt(event->position().toPoint()), event);
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
            if (QWidget *separator = widgetForAction(addSeparator()))
                separator->installEventFilter(this);
            continue;
        }
        QAction *row = addAction(QString());
        row->setProperty(kItemProperty, QVariant::fromValue<void *>(&item));
        if (QWidget *button = widgetForAction(row))
            button->installEventFilter(this);
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
                button->setAccessibleName(StripHotKey(item.DisplayCaption()));
                TIdleActionUpdater::Instance().AddClient(button, action);
            }
        }
    }
}

bool TActionToolBar::eventFilter(QObject *watched, QEvent *event)
{
    if (ActionViews::IsCustomizing(m_manager) && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            m_pressPos = mouse->position().toPoint();
            m_pressIndex = -1;
            const QList<QAction *> rows = actions();
            for (int i = 0; i < rows.size(); ++i)
                if (widgetForAction(rows[i]) == widget)
                    m_pressIndex = i;
            return true;
        }
        case QEvent::MouseMove: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (m_pressIndex >= 0 && (mouse->buttons() & Qt::LeftButton)
                && (mouse->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
                const int index = m_pressIndex;
                m_pressIndex = -1;
                ActionViews::DragItem(widget, *m_manager, objectName(), index);
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            m_pressIndex = -1;
            return true;
        default:
            break;
        }
    }
    if (event->type() == QEvent::ToolTip && !m_manager->ActionBars().ShowHints)
        return true;
    // An action without a hint shows no tool tip at all (Qt would fall back to the caption).
    if (event->type() == QEvent::ToolTip) {
        auto *button = qobject_cast<QToolButton *>(watched);
        const TActionClientItem *item = button ? ItemOfRow(button->defaultAction()) : nullptr;
        if (item && item->Action && ActionToolTip(*item->Action).isEmpty())
            return true;
    }
    return QToolBar::eventFilter(watched, event);
}
