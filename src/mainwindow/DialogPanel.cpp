#include "mainwindow/DialogPanel.h"

#include "actions/ActnMan.h"
#include "images/FRImageList.h"
#include "mainwindow/AlignLayout.h"
#include "mainwindow/ChecklistPanel.h"
#include "mainwindow/FVEXAMain.h"
#include "mainwindow/Splitter.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTextEdit>

// ---------------------------------------------------------------- TTopSplitter


TTopSplitter::TTopSplitter(TAlignLayout *layout, QWidget *control, QWidget *rest, QWidget *parent)
    : QWidget(parent), m_layout(layout), m_control(control), m_rest(rest)
{
    setCursor(Qt::SplitVCursor);
}

int TTopSplitter::ClampHeight(int requested, int maxSize) const
{
    int size = qMin(requested, maxSize);
    if (size < MinSize)
        size = MinSize;
    if (AutoSnap && size <= MinSize)
        size = 0;
    return size;
}

int TTopSplitter::MaxSize() const
{
    const QMargins frame = parentWidget() ? parentWidget()->contentsMargins() : QMargins();
    const int control = m_control ? m_control->height() : 0;
    const int rest = m_rest && !m_rest->isHidden() ? m_rest->height() : 0;
    return control + rest + frame.top() + frame.bottom() - MinSize;
}

int TTopSplitter::HeightAt(int y) const
{
    return ClampHeight(m_startHeight + y - m_pressY, m_maxSize);
}

void TTopSplitter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
}

void TTopSplitter::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_control)
        return;
    m_pressY = int(event->position().y());
    m_startHeight = m_control->height();
    m_maxSize = MaxSize();
    if (!m_pattern) {
        m_pattern = new TSplitterPattern(parentWidget());
        m_pattern->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_pattern->setGeometry(geometry());
    m_pattern->raise();
    m_pattern->show();
}

void TTopSplitter::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pattern || !m_pattern->isVisible() || !m_control)
        return;
    m_pattern->move(x(), m_control->y() + HeightAt(int(event->position().y())));
}

void TTopSplitter::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pattern || !m_pattern->isVisible())
        return;
    m_pattern->hide();
    if (m_control)
        m_layout->SetExtent(m_control, HeightAt(int(event->position().y())));
}

// ---------------------------------------------------------------- the panel's controls

namespace {

using F = TFormVEXAMain;

// One button of the panel. A glyph is a picture of the shared list, or (Picture -1) a standard one.
struct ButtonRow
{
    TSpeedButton *F::*Member;
    const char *Name;
    TCaptionPanel *F::*Row;
    int Left, Width;
    const char *Action;
    int Picture;
    QStyle::StandardPixmap Standard;
    int Spacing;
    bool Opaque;
    bool ShowHint;
};

constexpr QStyle::StandardPixmap NoStandard = QStyle::SP_CustomBase;

// clang-format off
// In stream order; the step-by-step buttons take the window's setting and show no tool tips.
const ButtonRow Buttons[] = {
    {&F::ButtonLoad,       "ButtonLoad",       &F::PanelDialogButtons,           0,   23, "ActionDialogLoad",             7,  NoStandard,                   4, false, true},
    {&F::ButtonSave,       "ButtonSave",       &F::PanelDialogButtons,           24,  23, "ActionDialogSave",             8,  NoStandard,                   4, false, true},
    {&F::ButtonLock,       "ButtonLock",       &F::PanelDialogButtons,           48,  23, "ActionDialogLock",             46, NoStandard,                   4, false, true},
    {&F::ButtonStepByStep, "ButtonStepByStep", &F::PanelDialogButtons,           72,  23, "ActionDialogStepByStep",       47, NoStandard,                   4, false, true},
    {&F::ButtonOK,         "ButtonOK",         &F::PanelDialogButtons,           322, 80, "ActionDialogOk",               -1, QStyle::SP_DialogOkButton,     2, false, true},
    {&F::ButtonCancel,     "ButtonCancel",     &F::PanelDialogButtons,           405, 80, "ActionDialogCancel",           -1, QStyle::SP_DialogCancelButton, 2, false, true},
    {&F::ButtonHelp,       "ButtonHelp",       &F::PanelDialogButtons,           488, 80, "ActionDialogHelp",             -1, QStyle::SP_DialogHelpButton,   2, false, true},
    {&F::ButtonAbort,      "ButtonAbort",      &F::PanelDialogStepByStepButtons, 488, 80, "ActionDialogCancelStepByStep", 18, NoStandard,                   2, true,  false},
    {&F::ButtonContinue,   "ButtonContinue",   &F::PanelDialogStepByStepButtons, 405, 80, "ActionDialogNext",             24, NoStandard,                   2, true,  false},
    {&F::ButtonBack,       "ButtonBack",       &F::PanelDialogStepByStepButtons, 322, 80, "ActionDialogBack",             26, NoStandard,                   2, true,  false},
    {&F::ButtonDialogHide, "ButtonDialogHide", &F::PanelDialogCaption,           536, 23, "ActionDialogCancel",           18, NoStandard,                   4, false, true},
};
// clang-format on

// A bevel-less row of the panel that lays out its buttons by their alignment.
TCaptionPanel *MakeRow(QWidget *parent, const char *name)
{
    auto *row = new TCaptionPanel(parent);
    row->setObjectName(QString::fromLatin1(name));
    row->SetBevels(TBevelCut::bvNone, TBevelCut::bvNone);
    row->Alignment = Qt::AlignLeft;
    new TAlignLayout(row);
    return row;
}

TPanel *MakePlainPanel(QWidget *parent, const char *name)
{
    auto *panel = new TPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->SetBevels(TBevelCut::bvNone, TBevelCut::bvNone);
    new TAlignLayout(panel);
    return panel;
}

} // namespace

void CreateDialogPanel(TFormVEXAMain &form)
{
    TPanel *panel = form.PanelDialog;
    auto *layout = new TAlignLayout(panel);

    // The dialog area between the help text and the button rows; it holds the hosted form.
    form.PanelDialogInterface = MakePlainPanel(panel, "PanelDialogInterface");

    form.PanelDialogHelp = MakePlainPanel(panel, "PanelDialogHelp");
    auto *help = new QTextEdit(form.PanelDialogHelp);
    help->setObjectName(QStringLiteral("RichEditDialog"));
    help->setFrameShape(QFrame::NoFrame);
    help->setReadOnly(true);
    help->setMinimumHeight(22);
    help->setPlainText(QStringLiteral("Step by step explanation of user actions"));
    static_cast<TAlignLayout *>(form.PanelDialogHelp->layout())->AddControl(help, TAlign::alClient);
    form.RichEditDialog = help;

    form.Splitter3 = new TTopSplitter(layout, form.PanelDialogHelp, form.PanelDialogInterface, panel);
    form.Splitter3->setObjectName(QStringLiteral("Splitter3"));

    form.PanelDialogButtons = MakeRow(panel, "PanelDialogButtons");
    form.PanelDialogStepByStepButtons = MakeRow(panel, "PanelDialogStepByStepButtons");
    form.PanelDialogCaption = MakeRow(panel, "PanelDialogCaption");
    TCaptionPanel *caption = form.PanelDialogCaption;
    caption->SetCaption(QStringLiteral("PanelDialogCaption"));
    QPalette skyBlue = caption->palette();
    skyBlue.setColor(QPalette::Window, QColor(0xA6, 0xCA, 0xF0));
    skyBlue.setColor(QPalette::WindowText, Qt::white);
    caption->setPalette(skyBlue);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);

    // Rows at the top from the top down, rows at the bottom from the bottom up.
    layout->AddControl(caption, TAlign::alTop, 22);
    layout->AddControl(form.PanelDialogHelp, TAlign::alTop, 99);
    layout->AddControl(form.Splitter3, TAlign::alTop, 4);
    layout->AddControl(form.PanelDialogButtons, TAlign::alBottom, 22);
    layout->AddControl(form.PanelDialogStepByStepButtons, TAlign::alBottom, 22);
    layout->AddControl(form.PanelDialogInterface, TAlign::alClient);

    const TImageList &pictures = *form.FrameImageList1->ImageListAll;
    for (const ButtonRow &row : Buttons) {
        auto *button = new TSpeedButton(form.*row.Row);
        button->setObjectName(QString::fromLatin1(row.Name));
        button->setGeometry(row.Left, 0, row.Width, 22);
        button->SetGlyph(row.Picture >= 0 ? pictures.Icon(row.Picture) : StandardGlyph(row.Standard));
        button->Spacing = row.Spacing;
        button->SetTransparent(!row.Opaque);
        button->SetShowHint(row.ShowHint);
        button->SetAction(form.ActionManagerDialog->FindAction(QString::fromLatin1(row.Action)));
        form.*row.Member = button;
    }

    caption->OnResize = [&form](QObject *sender) { form.PanelDialogCaptionResize(sender); };
    form.PanelDialogButtons->OnResize = [&form](QObject *sender) { form.PanelDialogButtonsResize(sender); };
    form.PanelDialogStepByStepButtons->OnResize = [&form](QObject *sender) {
        form.PanelDialogStepByStepButtonsResize(sender);
    };
    // The rows have their size from the start, even while the panel is hidden: each handler runs once now.
    form.PanelDialogCaptionResize(caption);
    form.PanelDialogButtonsResize(form.PanelDialogButtons);
    form.PanelDialogStepByStepButtonsResize(form.PanelDialogStepByStepButtons);
}

void TFormVEXAMain::PanelDialogCaptionResize(QObject *)
{
    ButtonDialogHide->SetAlign(TAlign::alRight);
    ButtonDialogHide->SetCaption(QString());
}

void TFormVEXAMain::PanelDialogButtonsResize(QObject *)
{
    for (TSpeedButton *button : {ButtonLoad, ButtonSave, ButtonLock, ButtonStepByStep})
        button->SetAlign(TAlign::alLeft);
    for (TSpeedButton *button : {ButtonLoad, ButtonSave, ButtonLock, ButtonStepByStep})
        button->SetCaption(QString());
    // The first one aligned stands at the edge: from left to right OK, Cancel, Help.
    for (TSpeedButton *button : {ButtonHelp, ButtonCancel, ButtonOK})
        button->SetAlign(TAlign::alRight);
}

void TFormVEXAMain::PanelDialogStepByStepButtonsResize(QObject *)
{
    // From left to right Back, Next, Cancel.
    for (TSpeedButton *button : {ButtonAbort, ButtonContinue, ButtonBack})
        button->SetAlign(TAlign::alRight);
}

// ---------------------------------------------------------------- hosting a form

bool AskCloseQuery(QWidget &hosted)
{
    QCloseEvent query;  // accepted unless the handler says no
    static_cast<QObject &>(hosted).event(&query);
    return query.isAccepted();
}

void HostDialogForm(TFormVEXAMain &form, QWidget *hosted)
{
    if (!hosted)
        return;
    TPanel *area = form.PanelDialogInterface;
    auto *layout = static_cast<TAlignLayout *>(area->layout());
    // A form hosted before makes room for this one.
    if (form.FDialogForm && form.FDialogForm != hosted)
        form.FDialogForm->hide();
    for (int i = layout->count() - 1; i >= 0; --i)
        if (layout->itemAt(i)->widget() != hosted)
            delete layout->takeAt(i);
    if (layout->indexOf(hosted) < 0)
        layout->AddControl(hosted, TAlign::alClient);
    form.PanelDialogCaption->SetCaption(hosted->windowTitle());
    form.FDialogForm = hosted;
    hosted->show();
    form.PanelDialog->show();
}

void TFormVEXAMain::CloseDialogPanel()
{
    // The hosted form is let go however the hiding ends; a failure goes on to the caller.
    struct LetGo
    {
        QPointer<QWidget> &form;
        ~LetGo() { form = nullptr; }
    } letGo{FDialogForm};
    PanelDialog->hide();
    if (FDialogForm)
        FDialogForm->hide();
}

void TFormVEXAMain::ConfirmDialogPanel()
{
    if (!FDialogForm)
        return;
    try {
        if (AskCloseQuery(*FDialogForm))
            CloseDialogPanel();
    } catch (const std::exception &) {
        // A form that cannot answer or cannot be hidden keeps the panel as it is; nothing is reported.
    }
}

// ---------------------------------------------------------------- the dialog actions

void TFormVEXAMain::ActionDialogOkExecute(QObject *)
{
    ConfirmDialogPanel();
}

void TFormVEXAMain::ActionDialogCancelExecute(QObject *)
{
    CloseDialogPanel();
}

// No hosted form offers loading, saving, locking, help or steps in this release.
void TFormVEXAMain::ActionDialogLoadExecute(QObject *) {}
void TFormVEXAMain::ActionDialogSaveExecute(QObject *) {}
void TFormVEXAMain::ActionDialogLockExecute(QObject *) {}
void TFormVEXAMain::ActionDialogStepByStepExecute(QObject *) {}
void TFormVEXAMain::ActionDialogHelpExecute(QObject *) {}
void TFormVEXAMain::ActionDialogBackExecute(QObject *) {}
void TFormVEXAMain::ActionDialogNextExecute(QObject *) {}
void TFormVEXAMain::ActionDialogCancelStepByStepExecute(QObject *) {}
