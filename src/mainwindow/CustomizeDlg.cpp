#include "mainwindow/CustomizeDlg.h"

#include "actions/ActnBars.h"
#include "actions/ActnList.h"
#include "actions/ActnMan.h"
#include "actions/HotKeys.h"
#include "images/FRImageList.h"
#include "mainwindow/ActionBarViews.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

const char *const TCustomizeDlg::ActionMime = "application/x-vexa-action";
const char *const TCustomizeDlg::ItemMime = "application/x-vexa-item";

namespace {

const int kActionRole = Qt::UserRole + 1;

// The action list drags action names (and the separator as an empty name).
class ActionListWidget : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override
    {
        if (items.isEmpty())
            return nullptr;
        auto *data = new QMimeData;
        data->setData(QLatin1String(TCustomizeDlg::ActionMime), items.first()->data(kActionRole).toString().toUtf8());
        return data;
    }
    QStringList mimeTypes() const override { return {QLatin1String(TCustomizeDlg::ActionMime)}; }
};

QString CaptionOf(const TActionClientItem &item)
{
    return item.IsSeparator() ? QStringLiteral("——— separator ———") : StripHotKey(item.DisplayCaption());
}

} // namespace

TCustomizeDlg::TCustomizeDlg(TActionManager &manager, std::function<QWidget *(const QString &)> barControl,
                             QWidget *parent)
    : QDialog(parent), m_manager(manager), m_barControl(std::move(barControl))
{
    setObjectName(QStringLiteral("CustomizeDlg"));
    setWindowTitle(QStringLiteral("Customize"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    Tabs = new QTabWidget(this);
    layout->addWidget(Tabs);

    // ---- Toolbars: which bars show, their caption option, and their entries.
    auto *barsPage = new QWidget;
    auto *barsLayout = new QGridLayout(barsPage);
    auto *barsLabel = new QLabel(QStringLiteral("&Toolbars:"), barsPage);
    barsLayout->addWidget(barsLabel, 0, 0);
    BarList = new QListWidget(barsPage);
    BarList->setObjectName(QStringLiteral("BarList"));
    barsLabel->setBuddy(BarList);
    barsLayout->addWidget(BarList, 1, 0, 3, 1);
    auto *captionLabel = new QLabel(QStringLiteral("&Caption options:"), barsPage);
    CaptionOptions = new QComboBox(barsPage);
    CaptionOptions->addItems({QStringLiteral("None"), QStringLiteral("Selective"), QStringLiteral("All")});
    captionLabel->setBuddy(CaptionOptions);
    ApplyToAll = new QPushButton(QStringLiteral("A&pply caption option to all toolbars"), barsPage);
    ResetBar = new QPushButton(QStringLiteral("&Reset to design"), barsPage);
    barsLayout->addWidget(captionLabel, 4, 0);
    barsLayout->addWidget(CaptionOptions, 5, 0);
    barsLayout->addWidget(ApplyToAll, 6, 0);
    barsLayout->addWidget(ResetBar, 7, 0);
    auto *itemsLabel = new QLabel(QStringLiteral("&Entries of the selected bar:"), barsPage);
    ItemList = new QListWidget(barsPage);
    ItemList->setObjectName(QStringLiteral("ItemList"));
    itemsLabel->setBuddy(ItemList);
    barsLayout->addWidget(itemsLabel, 0, 1);
    barsLayout->addWidget(ItemList, 1, 1, 6, 1);
    auto *buttons = new QVBoxLayout;
    MoveUp = new QPushButton(QStringLiteral("Move &up"), barsPage);
    MoveDown = new QPushButton(QStringLiteral("Move &down"), barsPage);
    RemoveItem = new QPushButton(QStringLiteral("Re&move"), barsPage);
    AddAction = new QPushButton(QStringLiteral("&Add selected action"), barsPage);
    AddSeparator = new QPushButton(QStringLiteral("Add &separator"), barsPage);
    for (QPushButton *b : {MoveUp, MoveDown, RemoveItem, AddAction, AddSeparator})
        buttons->addWidget(b);
    buttons->addStretch();
    barsLayout->addLayout(buttons, 1, 2, 6, 1);
    Tabs->addTab(barsPage, QStringLiteral("Toolbars"));

    // ---- Actions: categories and their actions, to drag onto any bar.
    auto *actionsPage = new QWidget;
    auto *actionsLayout = new QGridLayout(actionsPage);
    auto *catLabel = new QLabel(QStringLiteral("Cate&gories:"), actionsPage);
    CategoryList = new QListWidget(actionsPage);
    CategoryList->setObjectName(QStringLiteral("CategoryList"));
    catLabel->setBuddy(CategoryList);
    auto *actLabel = new QLabel(QStringLiteral("Act&ions (drag onto a bar):"), actionsPage);
    ActionList = new ActionListWidget(actionsPage);
    ActionList->setObjectName(QStringLiteral("ActionList"));
    ActionList->setDragEnabled(true);
    ActionList->setDragDropMode(QAbstractItemView::DragOnly);
    actLabel->setBuddy(ActionList);
    actionsLayout->addWidget(catLabel, 0, 0);
    actionsLayout->addWidget(CategoryList, 1, 0);
    actionsLayout->addWidget(actLabel, 0, 1);
    actionsLayout->addWidget(ActionList, 1, 1);
    Tabs->addTab(actionsPage, QStringLiteral("Actions"));

    // ---- Options.
    auto *optionsPage = new QWidget;
    auto *optionsLayout = new QVBoxLayout(optionsPage);
    PersonalizedMenus = new QCheckBox(QStringLiteral("Menus show &recently used commands first"), optionsPage);
    LargeIcons = new QCheckBox(QStringLiteral("&Large icons"), optionsPage);
    ShowTips = new QCheckBox(QStringLiteral("Show &tips on toolbars"), optionsPage);
    ShortCutsInTips = new QCheckBox(QStringLiteral("Show &shortcut keys in tips"), optionsPage);
    auto *animationLabel = new QLabel(QStringLiteral("&Menu animations:"), optionsPage);
    MenuAnimation = new QComboBox(optionsPage);
    MenuAnimation->addItems({QStringLiteral("(None)"), QStringLiteral("Unfold"), QStringLiteral("Fade")});
    animationLabel->setBuddy(MenuAnimation);
    for (QWidget *w : std::initializer_list<QWidget *>{PersonalizedMenus, LargeIcons, ShowTips, ShortCutsInTips,
                                                       animationLabel, MenuAnimation})
        optionsLayout->addWidget(w);
    optionsLayout->addStretch();
    Tabs->addTab(optionsPage, QStringLiteral("Options"));

    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(close);
    barsLayout->setColumnStretch(0, 3);
    barsLayout->setColumnStretch(1, 2);
    resize(720, 440);

    TActionBars &bars = m_manager.ActionBars();
    connect(BarList, &QListWidget::currentRowChanged, this, [this] {
        const bool filling = m_filling;
        m_filling = true;
        if (TActionBarItem *bar = SelectedBar())
            CaptionOptions->setCurrentIndex(int(bar->Items().CaptionOptions));
        m_filling = filling;
        FillItems();
    });
    connect(BarList, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        if (!m_filling)
            BarChecked(BarList->row(item), item->checkState() == Qt::Checked);
    });
    connect(CaptionOptions, &QComboBox::currentIndexChanged, this, [this, &bars](int index) {
        TActionBarItem *bar = SelectedBar();
        if (m_filling || !bar || index < 0)
            return;
        bar->Items().CaptionOptions = TCaptionOptions(index);
        bars.NotifyChanged();
    });
    connect(ApplyToAll, &QPushButton::clicked, this, [this, &bars] {
        const auto option = TCaptionOptions(CaptionOptions->currentIndex());
        for (int i = 0; i < bars.Count(); ++i)
            if (m_barControl && qobject_cast<TActionToolBar *>(m_barControl(bars[i].ActionBar)))
                bars[i].Items().CaptionOptions = option;
        bars.NotifyChanged();
    });
    connect(ResetBar, &QPushButton::clicked, this, [this] {
        if (TActionBarItem *bar = SelectedBar())
            m_manager.ResetActionBar(bar->ActionBar);
    });
    connect(MoveUp, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(MoveDown, &QPushButton::clicked, this, [this] { MoveSelected(+1); });
    connect(RemoveItem, &QPushButton::clicked, this, [this, &bars] {
        TActionBarItem *bar = SelectedBar();
        const int row = ItemList->currentRow();
        if (bar && bars.RemoveItem(bar->Items(), row))
            ItemList->setCurrentRow(qMin(row, ItemList->count() - 1));
    });
    connect(AddAction, &QPushButton::clicked, this, [this, &bars] {
        TActionBarItem *bar = SelectedBar();
        TCustomAction *action = SelectedAction();
        if (!bar || (!action && !ActionList->currentItem()))
            return;
        const int at = ItemList->currentRow() < 0 ? bar->Items().Count() : ItemList->currentRow() + 1;
        if (action)
            bars.InsertAction(bar->Items(), at, action);
        else
            bars.InsertSeparator(bar->Items(), at);
        ItemList->setCurrentRow(at);
    });
    connect(AddSeparator, &QPushButton::clicked, this, [this, &bars] {
        TActionBarItem *bar = SelectedBar();
        if (!bar)
            return;
        const int at = ItemList->currentRow() < 0 ? bar->Items().Count() : ItemList->currentRow() + 1;
        bars.InsertSeparator(bar->Items(), at);
        ItemList->setCurrentRow(at);
    });
    connect(CategoryList, &QListWidget::currentRowChanged, this, &TCustomizeDlg::FillActions);

    connect(PersonalizedMenus, &QCheckBox::toggled, this, [this, &bars](bool on) {
        if (m_filling || bars.Count() == 0)
            return;
        bars[0].Items().HideUnused = on;
    });
    connect(LargeIcons, &QCheckBox::toggled, this, [this, &bars](bool on) {
        for (int i = 0; i < bars.Count(); ++i)
            if (auto *tb = m_barControl ? qobject_cast<TActionToolBar *>(m_barControl(bars[i].ActionBar)) : nullptr)
                tb->setIconSize(on ? QSize(24, 24) : QSize(16, 16));
    });
    connect(ShowTips, &QCheckBox::toggled, this, [&bars](bool on) { bars.ShowHints = on; });
    connect(ShortCutsInTips, &QCheckBox::toggled, this, [this, &bars](bool on) {
        if (m_filling)
            return;
        bars.HintShortCuts = on;
        bars.NotifyChanged();
    });
    connect(MenuAnimation, &QComboBox::currentIndexChanged, this, [](int index) {
        if (index > 0)
            QApplication::setEffectEnabled(Qt::UI_General, true);
        QApplication::setEffectEnabled(Qt::UI_AnimateMenu, index == 1);
        QApplication::setEffectEnabled(Qt::UI_FadeMenu, index == 2);
    });
    connect(&bars, &TActionBars::Changed, this, [this] {
        if (isVisible())
            FillItems();
    });

    // Categories in the order of their first action, actions in list order.
    for (const QString &category : m_manager.Categories())
        CategoryList->addItem(category);
    FillBars();
}

TActionBarItem *TCustomizeDlg::SelectedBar() const
{
    QListWidgetItem *item = BarList->currentItem();
    return item ? m_manager.ActionBars().FindBar(item->data(kActionRole).toString()) : nullptr;
}

TCustomAction *TCustomizeDlg::SelectedAction() const
{
    QListWidgetItem *item = ActionList->currentItem();
    return item ? m_manager.FindAction(item->data(kActionRole).toString()) : nullptr;
}

void TCustomizeDlg::FillBars()
{
    m_filling = true;
    const int row = BarList->currentRow();
    TActionBars &bars = m_manager.ActionBars();
    {
    // Making the rows must not read as the user checking or unchecking bars.
    const QSignalBlocker quiet(BarList);
    BarList->clear();
    for (int i = 0; i < bars.Count(); ++i) {
        const QString name = bars[i].ActionBar;
        QWidget *control = m_barControl ? m_barControl(name) : nullptr;
        auto *item = new QListWidgetItem(control ? control->windowTitle() : name, BarList);
        item->setData(kActionRole, name);
        const bool menuBar = control && qobject_cast<TActionMainMenuBar *>(control);
        item->setFlags(menuBar ? Qt::ItemIsSelectable : (Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable));
        item->setCheckState(menuBar || (control && !control->isHidden()) ? Qt::Checked : Qt::Unchecked);
    }
    BarList->setCurrentRow(qBound(0, row, BarList->count() - 1));
    }
    if (TActionBarItem *bar = SelectedBar())
        CaptionOptions->setCurrentIndex(int(bar->Items().CaptionOptions));
    ResetBar->setEnabled(m_manager.DefaultBars() != nullptr);
    PersonalizedMenus->setChecked(bars.Count() > 0 && bars[0].Items().HideUnused);
    ShowTips->setChecked(bars.ShowHints);
    ShortCutsInTips->setChecked(bars.HintShortCuts);
    m_filling = false;
    FillItems();
}

void TCustomizeDlg::FillItems()
{
    const int row = ItemList->currentRow();
    ItemList->clear();
    TActionBarItem *bar = SelectedBar();
    if (!bar)
        return;
    const TActionClients &items = bar->Items();
    for (int i = 0; i < items.Count(); ++i) {
        auto *row = new QListWidgetItem(CaptionOf(items[i]), ItemList);
        if (m_manager.Images && items[i].ImageIndex >= 0)
            row->setIcon(m_manager.Images->Icon(items[i].ImageIndex));
    }
    ItemList->setCurrentRow(qMin(row, ItemList->count() - 1));
    RemoveItem->setEnabled(bar->ChangesAllowed & caDelete);
}

void TCustomizeDlg::FillActions()
{
    ActionList->clear();
    QListWidgetItem *category = CategoryList->currentItem();
    if (!category)
        return;
    for (TCustomAction *action : m_manager.ActionList()) {
        if (action->Category() != category->text())
            continue;
        auto *item = new QListWidgetItem(StripHotKey(action->Caption()), ActionList);
        item->setData(kActionRole, action->Name());
        if (m_manager.Images && action->ImageIndex() >= 0)
            item->setIcon(m_manager.Images->Icon(action->ImageIndex()));
    }
    auto *separator = new QListWidgetItem(QStringLiteral("——— separator ———"), ActionList);
    separator->setData(kActionRole, QString());
}

void TCustomizeDlg::BarChecked(int row, bool checked)
{
    TActionBars &bars = m_manager.ActionBars();
    if (row < 0 || row >= bars.Count())
        return;
    // The list sets the entry's flag (and so the layout file's) as well as the bar.
    bars[row].Visible = checked;
    if (QWidget *control = m_barControl ? m_barControl(bars[row].ActionBar) : nullptr)
        control->setVisible(checked);
}

void TCustomizeDlg::MoveSelected(int delta)
{
    TActionBarItem *bar = SelectedBar();
    const int row = ItemList->currentRow();
    if (!bar || row < 0)
        return;
    const int to = row + delta;
    if (to < 0 || to >= bar->Items().Count())
        return;
    if (m_manager.ActionBars().MoveItem(bar->Items(), row, bar->Items(), delta > 0 ? to + 1 : to))
        ItemList->setCurrentRow(to);
}

void TCustomizeDlg::showEvent(QShowEvent *event)
{
    FillBars();
    ActionViews::SetCustomizing(&m_manager, true);
    QDialog::showEvent(event);
}

void TCustomizeDlg::hideEvent(QHideEvent *event)
{
    ActionViews::SetCustomizing(&m_manager, false);
    QDialog::hideEvent(event);
}
