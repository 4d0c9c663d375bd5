#include "dialogs/ParamDialogFrame.h"

#include "actions/ActnList.h"
#include "actions/ActnMan.h"
#include "actions/IdleUpdate.h"
#include "actions/ShortCutDispatcher.h"
#include "images/FRImageList.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMoveEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>

#include <algorithm>

namespace {

// The seven actions every parameter dialog lists, in this order.
struct TDialogActionRow
{
    TAction *TParamDialogFrame::*field;
    const char *name;
    const char *caption;
    const char *hint;
    int image;
    void (TParamDialogFrame::*execute)(QObject *Sender);
};

using F = TParamDialogFrame;
const TDialogActionRow DialogActionRows[] = {
    {&F::ActionDialogLoad, "ActionDialogLoad", "ActionDialogLoad", "Load settings of this window from a file", 7,
     &F::ActionDialogLoadExecute},
    {&F::ActionDialogSave, "ActionDialogSave", "ActionDialogSave", "Save settings of this window into a file", 8,
     &F::ActionDialogSaveExecute},
    {&F::ActionDialogLock, "ActionDialogLock", "ActionDialogLock", "Disable / reenable features of this window", 46,
     &F::ActionDialogLockExecute},
    {&F::ActionDialogStepByStep, "ActionDialogStepByStep", "ActionDialogStepByStep",
     "Guide through this window step by step", 47, nullptr},
    {&F::ActionDialogBack, "ActionDialogBack", "Back", "Go back one step", 26, nullptr},
    {&F::ActionDialogNext, "ActionDialogNext", "Next", "Go forward one step", 24, nullptr},
    {&F::ActionDialogCancelStepByStep, "ActionDialogCancelStepByStep", "Cancel",
     "Do not apply and loose settings and close window", 18, nullptr},
};

// Design size of the invisible image-list frame.
constexpr QSize ImageListFrameSize(73, 49);

/*
    How many pixels a control's caption needs beyond the room the control
    gives it at its current font; zero or less when it fits.
*/
int TextOverflow(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->sizeHint().width() - label->width();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        const bool radio = qobject_cast<const QRadioButton *>(control);
        if (!radio && !qobject_cast<const QCheckBox *>(control))
            return 0;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = button->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
        return button->fontMetrics().horizontalAdvance(button->text()) - room.width();
    }
    if (const auto *group = qobject_cast<const QGroupBox *>(control)) {
        if (group->title().isEmpty())
            return 0;
        // Some styles draw group captions bold: measure the bold, wider caption.
        QFont bold = group->font();
        bold.setBold(true);
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        const int needed = QFontMetrics(bold).horizontalAdvance(group->title());
        return label.left() + needed - (group->width() - label.left());
    }
    return 0;
}

// The decoration of another framed window of the program, as a guess for one not yet framed.
QMargins DecorationEstimate(const QWidget *self)
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (const QWidget *w : windows) {
        if (w == self || !w->isVisible())
            continue;
        const QRect frame = w->frameGeometry();
        const QRect client = w->geometry();
        if (frame != client)
            return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                            frame.bottom() - client.bottom());
    }
    return {};
}

} // namespace

// ---------------------------------------------------------------- the bottom toolbar

TDialogToolBar::TDialogToolBar(QWidget *parent) : QWidget(parent) {}

void TDialogToolBar::Place(QWidget *control, int left, int width)
{
    control->setGeometry(left, EdgeHeight, width, ButtonHeight);
}

void TDialogToolBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(0, 0, width() - 1, 0);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(0, 1, width() - 1, 1);
}

// ---------------------------------------------------------------- the frame

TParamDialogFrame::TParamDialogFrame(const QPoint &imageListAt, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    QFont design = font();
    design.setPixelSize(DesignFontPixels);
    setFont(design);

    FrameImageList1 = new TFrameImageList(this);
    FrameImageList1->setObjectName(QStringLiteral("FrameImageList1"));
    FrameImageList1->setGeometry(QRect(imageListAt, ImageListFrameSize));
    FrameImageList1->hide();

    CreateActions();
    CreateToolBar();
    TShortCutDispatcher::Instance().RegisterForm(this, {ActionManagerDialog});
}

void TParamDialogFrame::CreateActions()
{
    ActionManagerDialog = new TActionManager(this);
    ActionManagerDialog->setObjectName(QStringLiteral("ActionManagerDialog"));
    ActionManagerDialog->Images = FrameImageList1->ImageListAll;
    ActionManagerDialog->ImagesName = QStringLiteral("FrameImageList1.ImageListAll");
    for (const TDialogActionRow &row : DialogActionRows) {
        auto *action = new TAction(this);
        action->SetName(QString::fromLatin1(row.name));
        action->SetCaption(QString::fromLatin1(row.caption));
        action->SetHint(QString::fromLatin1(row.hint));
        action->SetImageIndex(row.image);
        if (row.execute)
            action->OnExecute = [this, execute = row.execute](QObject *Sender) { (this->*execute)(Sender); };
        ActionManagerDialog->AddAction(action);
        this->*row.field = action;
    }
}

void TParamDialogFrame::CreateToolBar()
{
    ToolBar1 = new TDialogToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));

    struct BitBtnKind
    {
        QPushButton *TParamDialogFrame::*field;
        const char *name;
        QStyle::StandardPixmap glyph;
        const char *caption;
        int left;
    };
    const BitBtnKind kinds[] = {
        {&F::BitBtn1, "BitBtn1", QStyle::SP_DialogOkButton, "OK", 0},
        {&F::BitBtn2, "BitBtn2", QStyle::SP_DialogCancelButton, "Cancel", 75},
        {&F::BitBtn3, "BitBtn3", QStyle::SP_DialogHelpButton, "&Help", 150},
    };
    for (const BitBtnKind &kind : kinds) {
        auto *button = new QPushButton(StandardGlyph(kind.glyph), QString::fromLatin1(kind.caption), ToolBar1);
        button->setObjectName(QString::fromLatin1(kind.name));
        button->setIconSize(QSize(16, 16));
        ToolBar1->Place(button, kind.left, 75);
        this->*kind.field = button;
    }
    // Enter presses OK unless the focus is on another button, which Enter then presses.
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    // Help has no modal result: pressing it leaves the dialog open.

    ToolButton2 = new QFrame(ToolBar1);
    ToolButton2->setObjectName(QStringLiteral("ToolButton2"));
    ToolButton2->setFrameShape(QFrame::VLine);
    ToolButton2->setFrameShadow(QFrame::Sunken);
    ToolBar1->Place(ToolButton2, 225, 8);

    ToolButton1 = CreateToolButton("ToolButton1", ActionDialogLoad, 233);
    ToolButton3 = CreateToolButton("ToolButton3", ActionDialogSave, 256);
    ToolButton4 = CreateToolButton("ToolButton4", ActionDialogLock, 279);
}

/*!
  A flat picture button that shows an action: its picture, its hint as the
  tool tip and its enabled state, and executes it when pressed.
*/
QToolButton *TParamDialogFrame::CreateToolButton(const char *name, TCustomAction *action, int left)
{
    auto *button = new QToolButton(ToolBar1);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(16, 16));
    ToolBar1->Place(button, left, 23);
    auto sync = [this, button, action] {
        const TImageList *images = ActionManagerDialog->Images;
        button->setIcon(images ? images->Icon(action->ImageIndex()) : QIcon());
        button->setToolTip(GetShortHint(action->Hint()));
        button->setEnabled(action->Enabled());
    };
    sync();
    connect(action, &TCustomAction::Changed, button, sync);
    connect(button, &QToolButton::clicked, action, [action] { action->Execute(); });
    TIdleActionUpdater::Instance().AddClient(button, action);
    return button;
}

void TParamDialogFrame::ActionDialogLoadExecute(QObject *) {}

void TParamDialogFrame::ActionDialogSaveExecute(QObject *) {}

void TParamDialogFrame::ActionDialogLockExecute(QObject *) {}

void TParamDialogFrame::Loaded()
{
    setFixedSize(size());
    ToolBar1->setGeometry(0, height() - TDialogToolBar::BarHeight, width(), TDialogToolBar::BarHeight);
    FitTexts();
    SetUpRadioGroups();
}

/*!
  The forms were laid out for a narrow 8-point design font. The system's
  own family stands in for it at the same pixel size; where that family
  runs too wide for a caption, the whole dialog takes its semi-condensed
  face, so that one dialog never mixes widths. A caption that still does
  not fit widens its control, as a label sizes itself to its text; a
  right-aligned label keeps its right edge.
*/
void TParamDialogFrame::FitTexts()
{
    const QList<QWidget *> controls = findChildren<QWidget *>();
    auto overflows = [&controls] {
        return std::any_of(controls.begin(), controls.end(), [](const QWidget *c) { return TextOverflow(c) > 0; });
    };
    if (overflows()) {
        QFont narrow = font();
        narrow.setStretch(QFont::SemiCondensed);
        setFont(narrow);
    }
    for (QWidget *control : controls) {
        if (qobject_cast<QGroupBox *>(control))
            continue;
        const int missing = TextOverflow(control);
        if (missing <= 0)
            continue;
        QRect r = control->geometry();
        const auto *label = qobject_cast<QLabel *>(control);
        if (label && (label->alignment() & Qt::AlignRight))
            r.setLeft(r.left() - missing);
        else
            r.setWidth(r.width() + missing);
        control->setGeometry(r);
    }
}

// ---------------------------------------------------------------- radio groups

/*
    The radio buttons of one parent form a group. Only the selected one is
    a tab stop; the arrow keys move through the group in tab order, not in
    the order on screen, wrap at its ends, and select the button they move
    to, as a click would.
*/
void TParamDialogFrame::SetUpRadioGroups()
{
    const QList<QRadioButton *> buttons = findChildren<QRadioButton *>();
    for (QRadioButton *button : buttons) {
        button->installEventFilter(this);
        connect(button, &QAbstractButton::toggled, this, [this, button] { UpdateTabStops(button->parentWidget()); });
        UpdateTabStops(button->parentWidget());
    }
}

void TParamDialogFrame::UpdateTabStops(QWidget *groupParent)
{
    const QList<QRadioButton *> buttons = groupParent->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    for (QRadioButton *button : buttons)
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

QList<QRadioButton *> TParamDialogFrame::RadioGroup(const QRadioButton *member) const
{
    QList<QRadioButton *> group;
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        auto *button = qobject_cast<QRadioButton *>(w);
        if (button && button->parentWidget() == member->parentWidget())
            group.append(button);
    }
    return group;
}

void TParamDialogFrame::MoveInRadioGroup(QRadioButton *from, int step)
{
    const QList<QRadioButton *> group = RadioGroup(from);
    const qsizetype count = group.size();
    const qsizetype at = group.indexOf(from);
    if (at < 0)
        return;
    for (qsizetype k = 1; k < count; ++k) {
        QRadioButton *to = group[((at + step * k) % count + count) % count];
        if (!to->isVisibleTo(this) || !to->isEnabled())
            continue;
        to->setFocus(Qt::TabFocusReason);
        to->click();
        return;
    }
}

bool TParamDialogFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *button = qobject_cast<QRadioButton *>(watched);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (button && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            int step = 0;
            switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Left:
                step = -1;
                break;
            case Qt::Key_Down:
            case Qt::Key_Right:
                step = 1;
                break;
            default:
                break;
            }
            if (step != 0) {
                MoveInRadioGroup(button, step);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- showing and closing

QPoint TParamDialogFrame::DesktopCentre(const QSize &desktop, const QSize &window)
{
    return QPoint(std::max(0, (desktop.width() - window.width()) / 2),
                  std::max(0, (desktop.height() - window.height()) / 2));
}

/*!
  The first showing centres the window, frame included, on the desktop of
  all screens together; from then on it opens wherever it last stood.
  The frame is the window manager's and is known only once the window is
  up: the first guess takes another window's frame, and the window is
  centred again if its own frame turns out different.
*/
void TParamDialogFrame::setVisible(bool visible)
{
    if (visible && !m_placed) {
        m_placed = true;
        m_assumedDecoration = DecorationEstimate(this);
        Centre(m_assumedDecoration);
        m_centring = true;
    }
    QDialog::setVisible(visible);
}

void TParamDialogFrame::Centre(const QMargins &decoration)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(DesktopCentre(screen->virtualSize(), size().grownBy(decoration)));
}

void TParamDialogFrame::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    if (!m_centring)
        return;
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const QMargins decoration(client.left() - frame.left(), client.top() - frame.top(),
                              frame.right() - client.right(), frame.bottom() - client.bottom());
    if (decoration.isNull())
        return;
    m_centring = false;
    if (decoration != m_assumedDecoration)
        Centre(decoration);
}

void TParamDialogFrame::hideEvent(QHideEvent *event)
{
    m_centring = false;
    QDialog::hideEvent(event);
}

void TParamDialogFrame::done(int result)
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    if (canClose)
        QDialog::done(result);
}
