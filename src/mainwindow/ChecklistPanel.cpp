#include "mainwindow/ChecklistPanel.h"

#include "actions/ActnMan.h"
#include "actions/IdleUpdate.h"
#include "mainwindow/DialogPanel.h"
#include "mainwindow/FVEXAMain.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <QStyleOptionToolButton>
#include <QSvgRenderer>
#include <QToolTip>
#include <QTreeWidget>

#include <stdexcept>

// ---------------------------------------------------------------- TCaptionPanel

TCaptionPanel::TCaptionPanel(QWidget *parent) : TPanel(parent) {}

void TCaptionPanel::SetCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    update();
}

void TCaptionPanel::paintEvent(QPaintEvent *event)
{
    TPanel::paintEvent(event);
    if (m_caption.isEmpty())
        return;
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(contentsRect(), int(Alignment | Qt::AlignVCenter) | Qt::TextSingleLine, m_caption);
}

void TCaptionPanel::resizeEvent(QResizeEvent *event)
{
    TPanel::resizeEvent(event);
    if (OnResize)
        OnResize(this);
}

// ---------------------------------------------------------------- TSpeedButton

TSpeedButton::TSpeedButton(QWidget *parent) : QToolButton(parent)
{
    // A speed button is a graphic control: the keyboard never reaches it.
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    setIconSize(QSize(16, 16));
    connect(this, &QToolButton::clicked, this, [this] {
        if (m_action)
            m_action->Execute();
    });
}

void TSpeedButton::SetAction(TCustomAction *action)
{
    if (m_action == action)
        return;
    disconnect(m_changed);
    m_action = action;
    if (!action)
        return;
    m_changed = connect(action, &TCustomAction::Changed, this, [this] { FollowAction(false); });
    TIdleActionUpdater::Instance().AddClient(this, action);
    FollowAction(true);
}

void TSpeedButton::FollowAction(bool all)
{
    if (!m_action)
        return;
    if (all || m_action->Caption() != m_actionCaption) {
        m_actionCaption = m_action->Caption();
        SetCaption(m_actionCaption);
        setAccessibleName(QString(m_actionCaption).remove(QLatin1Char('&')));
    }
    if (all || m_action->Enabled() != m_actionEnabled) {
        m_actionEnabled = m_action->Enabled();
        setEnabled(m_actionEnabled);
    }
    if (all ? !m_action->Visible() : m_action->Visible() != m_actionVisible) {
        m_actionVisible = m_action->Visible();
        setVisible(m_actionVisible);
    }
    // The tool tip also carries the shortcut: it follows every change.
    setToolTip(m_showHint ? ActionToolTip(*m_action) : QString());
    setStatusTip(GetLongHint(m_action->Hint()));
}

void TSpeedButton::SetCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    // Drawn by the button itself: a mnemonic in it must not become a Qt shortcut.
    m_caption = caption;
    update();
}

void TSpeedButton::SetAlign(TAlign align)
{
    if (m_align == align)
        return;
    auto *layout = parentWidget() ? qobject_cast<TAlignLayout *>(parentWidget()->layout()) : nullptr;
    if (layout && m_align != TAlign::alNone)
        layout->removeWidget(this);
    m_align = align;
    if (!layout || align == TAlign::alNone)
        return;
    const bool across = align == TAlign::alLeft || align == TAlign::alRight;
    const bool along = align == TAlign::alTop || align == TAlign::alBottom;
    layout->AddControl(this, align, across ? width() : along ? height() : -1);
}

void TSpeedButton::SetShowHint(bool on)
{
    m_showHint = on;
    setToolTip(on && m_action ? ActionToolTip(*m_action) : QString());
}

void TSpeedButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The style draws the face (flat: only under the mouse or pressed); glyph and caption are ours.
    option.icon = QIcon();
    option.text.clear();
    p.drawComplexControl(QStyle::CC_ToolButton, option);

    const QIcon glyph = icon();
    const QSize glyphSize = glyph.isNull() ? QSize(0, 0) : iconSize();
    const int textWidth = m_caption.isEmpty() ? 0 : fontMetrics().size(Qt::TextShowMnemonic, m_caption).width();
    const int gap = glyphSize.width() > 0 && textWidth > 0 ? Spacing : 0;
    const int shift = option.state & (QStyle::State_Sunken | QStyle::State_On) ? 1 : 0;
    // Glyph and caption stand centred as one block.
    int x = (width() - glyphSize.width() - gap - textWidth) / 2 + shift;
    if (!glyph.isNull()) {
        const QPixmap pixmap = glyph.pixmap(glyphSize, devicePixelRatio(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
        p.drawPixmap(x, (height() - glyphSize.height()) / 2 + shift, pixmap);
        x += glyphSize.width() + gap;
    }
    if (textWidth > 0)
        p.drawItemText(QRect(x, shift, textWidth, height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                       palette(), isEnabled(), m_caption, QPalette::ButtonText);
}

// ---------------------------------------------------------------- the checklist tree

namespace {

constexpr const char *ImmunityTasks[] = {"Devices", "Calibration", "Field uniformity", "Test", "Transducer factor",
                                         "Documentation"};
constexpr const char *EmissionTasks[] = {"Devices", "Test", "Transducer factor", "Antenna diagram", "Documentation"};

struct TaskGroup
{
    const char *Root;
    std::span<const char *const> Children;
};
const TaskGroup TaskTree[] = {{"Immunity", ImmunityTasks}, {"Emission", EmissionTasks}};

// The cross of the heading's hide button, drawn for this button alone.
QIcon CloseMarkGlyph()
{
    static const QByteArray svg = QByteArrayLiteral(
        R"(<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="16" height="16" viewBox="0 0 16 16">)"
        R"(<path d="M4.5 4.5L11.5 11.5M11.5 4.5L4.5 11.5" fill="none" stroke="#38424e" stroke-width="2" stroke-linecap="round"/></svg>)");
    QSvgRenderer renderer(svg);
    QIcon glyph;
    for (int pixels : {16, 32}) {
        QPixmap pixmap(pixels, pixels);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        renderer.render(&p);
        p.end();
        glyph.addPixmap(pixmap);
    }
    return glyph;
}

/*
  Hot tracking: the node under the mouse is drawn underlined in the link
  colour. A node whose text the tree cuts off shows it whole as a tool tip.
*/
class TChecklistDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() != QEvent::ToolTip || !view || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QRect text = view->style()->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
        if (item.fontMetrics.horizontalAdvance(item.text) > text.width())
            QToolTip::showText(event->globalPos(), item.text, view->viewport(), option.rect);
        else
            QToolTip::hideText();
        return true;
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->state & QStyle::State_MouseOver) {
            option->font.setUnderline(true);
            option->palette.setColor(QPalette::Text, option->palette.color(QPalette::Link));
        }
    }
};

bool IsSelfOrAncestorOf(const QModelIndex &node, QModelIndex of)
{
    for (; of.isValid(); of = of.parent())
        if (of == node)
            return true;
    return false;
}

/*
  Single expansion: the newly selected node opens; the node that lost the
  selection closes, and so do its ancestors up to the first one that also
  holds the new selection, so that only the selected branch stays open.
*/
void ExpandSelectedBranch(QTreeView *tree, const QModelIndex &selected, const QModelIndex &deselected)
{
    tree->expand(selected);
    for (QModelIndex node = deselected; node.isValid() && !IsSelfOrAncestorOf(node, selected); node = node.parent())
        tree->collapse(node);
}

QTreeWidget *CreateTree(QWidget *parent)
{
    auto *tree = new QTreeWidget(parent);
    tree->setObjectName(QStringLiteral("TreeViewChecklist"));
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setFrameShape(QFrame::NoFrame);
    tree->setIndentation(19);
    tree->setRootIsDecorated(true);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setItemDelegate(new TChecklistDelegate(tree));
    tree->setMouseTracking(true);
    tree->viewport()->setAttribute(Qt::WA_Hover);
    // The selection shows only while the tree has the focus.
    QPalette palette = tree->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Inactive, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Inactive, QPalette::Text));
    tree->setPalette(palette);

    for (const TaskGroup &group : TaskTree) {
        auto *root = new QTreeWidgetItem(tree, {QString::fromUtf8(group.Root)});
        root->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        for (const char *task : group.Children)
            new QTreeWidgetItem(root, {QString::fromUtf8(task)});
        for (int i = 0; i < root->childCount(); ++i)
            root->child(i)->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    QObject::connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, tree,
                     [tree](const QItemSelection &selected, const QItemSelection &deselected) {
                         if (selected.isEmpty())
                             return;
                         const QModelIndexList was = deselected.indexes();
                         ExpandSelectedBranch(tree, selected.indexes().constFirst(),
                                              was.isEmpty() ? QModelIndex() : was.constFirst());
                     });
    return tree;
}

} // namespace

void CreateChecklistPanel(TFormVEXAMain &form)
{
    TPanel *panel = form.PanelChecklist;
    auto *layout = new TAlignLayout(panel);

    auto *header = new TCaptionPanel(panel);
    header->setObjectName(QStringLiteral("PanelChecklistHeader"));
    header->SetBevels(TBevelCut::bvNone, TBevelCut::bvNone);
    header->SetCaption(QStringLiteral("Select task:"));
    header->Alignment = Qt::AlignLeft;
    new TAlignLayout(header);
    layout->AddControl(header, TAlign::alTop, 22);
    form.PanelChecklistHeader = header;

    auto *hide = new TSpeedButton(header);
    hide->setObjectName(QStringLiteral("ButtonChecklistHide"));
    hide->setGeometry(120, 0, 23, 22);
    hide->SetGlyph(CloseMarkGlyph());
    hide->SetShowHint(true);
    hide->SetAction(form.ActionManagerTest->FindAction(QStringLiteral("ActionViewChecklistHide")));
    form.ButtonChecklistHide = hide;

    form.TreeViewChecklist = CreateTree(panel);
    layout->AddControl(form.TreeViewChecklist, TAlign::alClient);

    header->OnResize = [&form](QObject *sender) { form.PanelChecklistHeaderResize(sender); };
    // The heading has its size from the start; its handler runs for it once now.
    form.PanelChecklistHeaderResize(header);
}

void TFormVEXAMain::PanelChecklistHeaderResize(QObject *)
{
    // Picture only, although the action would give the button the caption "Hide checklist".
    ButtonChecklistHide->SetAlign(TAlign::alRight);
    ButtonChecklistHide->SetCaption(QString());
}

void CreateChecklistActions(TFormVEXAMain &form)
{
    TActionManager &manager = *form.ActionManagerChecklist;
    for (const TChecklistActionRow &row : ActionRowsChecklist()) {
        auto *action = new TAction(&form);
        action->SetName(QString::fromLatin1(row.Name));
        action->SetCategory(QString::fromUtf8(row.Category));
        action->SetCaption(QString::fromUtf8(row.Caption));
        action->SetEnabled(row.Enabled);
        action->SetAutoCheck(row.AutoCheck);
        action->SetGroupIndex(row.GroupIndex);
        manager.AddAction(action);
        // Listed first, so checking it unchecks the rest of its group.
        action->SetChecked(row.Checked);
    }

    TActionBars &bars = manager.ActionBars();
    bars.Clear();
    TActionBarItem &entry = bars.Add();
    entry.ChangesAllowed = 0;
    entry.AutoSize = false;
    // A system colour: whatever the platform's button shadow is at start.
    const QColor buttonShadow = QGuiApplication::palette().color(QPalette::Dark);
    for (const TChecklistBarItemRow &row : BarItemsChecklist()) {
        TActionClientItem &item = entry.Items().Add();
        if (row.Action) {
            TCustomAction *action = manager.FindAction(QString::fromLatin1(row.Action));
            if (!action)
                throw std::runtime_error(std::string("checklist bar names an unknown action: ") + row.Action);
            item.Action = action;
            item.ImageIndex = action->ImageIndex();
            item.ShortCut = action->ShortCut();
        } else {
            item.Caption = QStringLiteral("-");
        }
        if (row.Color == TChecklistItemColor::ButtonShadow)
            item.Color = buttonShadow;
        item.ChangesAllowed = row.ChangesAllowed;
    }
    // Loading the form counts this run.
    bars.SessionCount = StoredSessionCountChecklist() + 1;
    bars.NotifyChanged();
}

void CreatePanels(TFormVEXAMain &form)
{
    CreateChecklistPanel(form);
    CreateChecklistActions(form);
    CreateActions(form, *form.ActionManagerDialog, ActionRowsDialog());
    CreateActions(form, *form.ActionManagerEquipment, ActionRowsEquipment());
    CreateDialogPanel(form);
}
