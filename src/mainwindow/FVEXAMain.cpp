#include "mainwindow/FVEXAMain.h"
#include "shell/Trace.h"

#include "actions/ActnBars.h"
#include "actions/ActnMan.h"
#include "actions/CatalogueTest.h"
#include "actions/ShortCutDispatcher.h"
#include "mainwindow/ActionBarViews.h"
#include "mainwindow/AlignLayout.h"
#include "mainwindow/CHILDWIN.h"
#include "mainwindow/ChecklistPanel.h"
#include "mainwindow/CoolBar.h"
#include "mainwindow/CustomizeDlg.h"
#include "mainwindow/Panel.h"
#include "mainwindow/Splitter.h"
#include "dialogs/FVEXAFreqOpt.h"
#include "dialogs/FVEXAFreqScale.h"
#include "dialogs/FVEXAModOpt.h"
#include "dialogs/FVEXAYOpt.h"
#include "dialogs/FVEXAYScale.h"
#include "images/FRImageList.h"
#include "shell/FVEXAAbout.h"
#include "shell/FVEXAStartup.h"
#include "shell/Application.h"
#include "shell/StartupWarmUp.h"
#include "shell/UVEXATools.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStatusTipEvent>

TFormVEXAMain *FormVEXAMain = nullptr;

namespace {
// The system colour of the document area behind the document windows.
const QColor clAppWorkSpace(0xAB, 0xAB, 0xAB);
}

TFormVEXAMain::TFormVEXAMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormVEXAMain"));
    setWindowTitle(QStringLiteral("VEXA-TOLM"));
    // The first text is measured below: the font system started at program start must be ready.
    TStartupWarmUp::WaitForFonts();
    // The status bar comes first: status tips sent before it exists are lost.
    StatusBar = statusBar();
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(true);

    ActionManagerTest = new TActionManager(this);
    ActionManagerTest->setObjectName(QStringLiteral("ActionManagerTest"));
    ActionManagerChecklist = new TActionManager(this);
    ActionManagerChecklist->setObjectName(QStringLiteral("ActionManagerChecklist"));
    ActionManagerDialog = new TActionManager(this);
    ActionManagerDialog->setObjectName(QStringLiteral("ActionManagerDialog"));
    ActionManagerEquipment = new TActionManager(this);
    ActionManagerEquipment->setObjectName(QStringLiteral("ActionManagerEquipment"));
    for (TActionManager *m : {ActionManagerTest, ActionManagerChecklist, ActionManagerDialog, ActionManagerEquipment})
        m->SetHost(this);

    OpenDialog.Filter = QStringLiteral("All files (*.*)|*.*");
    PopupMenuTest = new QMenu(this);
    PopupMenuTest->setObjectName(QStringLiteral("PopupMenuTest"));

    CreateControls();
    CreateBars();
    CreateCatalogue();
    CreatePanels(*this);

    TShortCutDispatcher &dispatcher = TShortCutDispatcher::Instance();
    dispatcher.RegisterForm(this, {ActionManagerTest, ActionManagerChecklist, ActionManagerDialog,
                                   ActionManagerEquipment});
    dispatcher.SetMainForm(this);
}

TFormVEXAMain::~TFormVEXAMain()
{
    if (FormVEXAMain == this)
        FormVEXAMain = nullptr;
}

void TFormVEXAMain::CreateControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    m_clientLayout = new TAlignLayout(client);

    Panel1 = new TPanel(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->SetBevels(TBevelCut::bvNone, TBevelCut::bvNone);
    m_clientLayout->AddControl(Panel1, TAlign::alTop, 4);

    PanelChecklist = new TPanel(client);
    PanelChecklist->setObjectName(QStringLiteral("PanelChecklist"));
    PanelChecklist->SetBevels(TBevelCut::bvRaised, TBevelCut::bvLowered);
    PanelChecklist->setMinimumWidth(100);
    m_clientLayout->AddControl(PanelChecklist, TAlign::alLeft, 200);

    SplitterChecklist = new TSplitter(m_clientLayout, PanelChecklist, client);
    SplitterChecklist->setObjectName(QStringLiteral("SplitterChecklist"));
    m_clientLayout->AddControl(SplitterChecklist, TAlign::alLeft, 4);

    PanelDialog = new TPanel(client);
    PanelDialog->setObjectName(QStringLiteral("PanelDialog"));
    PanelDialog->SetBevels(TBevelCut::bvRaised, TBevelCut::bvLowered);
    PanelDialog->hide();
    m_clientLayout->AddControl(PanelDialog, TAlign::alClient);

    FrameImageList1 = new TFrameImageList(this);
    FrameImageList1->setObjectName(QStringLiteral("FrameImageList1"));
    // The program's icon, on this window, the document windows and the program's other windows.
    const QIcon programIcon = VectorIcon(QStringLiteral(":/images/appicon.svg"));
    QApplication::setWindowIcon(programIcon);
    setWindowIcon(programIcon);

    MDIClient = new QMdiArea(client);
    MDIClient->setObjectName(QStringLiteral("MDIClient"));
    MDIClient->setBackground(clAppWorkSpace);
    MDIClient->setFrameShape(QFrame::NoFrame);
    m_clientLayout->SetRemainder(MDIClient);

    setCentralWidget(client);
}

void TFormVEXAMain::CreateBars()
{
    CoolBarTest = new TCoolBar(this);
    CoolBarTest->setObjectName(QStringLiteral("CoolBarTest"));
    MenuBarTest = new TActionMainMenuBar(ActionManagerTest);
    MenuBarTest->SetMDIArea(MDIClient);
    auto toolBar = [this](const char *name) { return new TActionToolBar(ActionManagerTest, QString::fromLatin1(name)); };
    ActionToolBarStandard = toolBar("ActionToolBarStandard");
    ActionToolBarSweep = toolBar("ActionToolBarSweep");
    ActionToolBarCurves = toolBar("ActionToolBarCurves");
    ActionToolBarMarker = toolBar("ActionToolBarMarker");
    ActionToolBarSetLevelAndFrequency = toolBar("ActionToolBarSetLevelAndFrequency");

    // Band order is row order, top to bottom.
    CoolBarTest->AddBand(MenuBarTest, 25, true);
    CoolBarTest->AddBand(ActionToolBarStandard, 26, true);
    CoolBarTest->AddBand(ActionToolBarSweep, 26, true);
    CoolBarTest->AddBand(ActionToolBarCurves, 26, false);
    CoolBarTest->AddBand(ActionToolBarMarker, 26, false);
    CoolBarTest->AddBand(ActionToolBarSetLevelAndFrequency, 26, false);
    setMenuWidget(CoolBarTest);
}

void TFormVEXAMain::CreateCatalogue()
{
    ActionManagerTest->Images = FrameImageList1->ImageListAll;
    ActionManagerTest->ImagesName = QStringLiteral("FrameImageList1.ImageListAll");
    CreateActions(*this, *ActionManagerTest, ActionRowsTest());
    if (auto *customize = dynamic_cast<TCustomizeActionBars *>(ActionManagerTest->FindAction(QStringLiteral("ActionViewCustomize"))))
        customize->CustomizeDlg.StayOnTop = true;
    if (auto *print = dynamic_cast<TPrintDlg *>(ActionManagerTest->FindAction(QStringLiteral("ActionPrint"))))
        print->Dialog.PrintToFileBox = true;
    BuildBars(ActionManagerTest->ActionBars(), BarDesignsTest(), *ActionManagerTest);
    // The stored design has run counter 0; loading the form counts this run.
    ActionManagerTest->ActionBars().SessionCount = 0 + 1;
}

QString (*TFormVEXAMain::ProgramPath)() = GetProgramPath;

QString TFormVEXAMain::LayoutFilePath()
{
    return ProgramPath() + QStringLiteral("VEXA.act");
}

TStartupClock TFormVEXAMain::StartupClock;

void TFormVEXAMain::FormCreate(QObject *)
{
    const std::uint32_t startTick = StartupClock.Tick();
    // The splash goes when this handler ends, however it ends.
    struct SplashGuard
    {
        ~SplashGuard()
        {
            delete FormVEXAStartup;
            qCDebug(lcStartup, "splash freed");
            FormVEXAStartup = nullptr;
        }
    } splashGuard;
    FormVEXAStartup = new TFormVEXAStartup(nullptr);
    try {
        FormVEXAStartup->ShowPainted();
        qCDebug(lcStartup, "splash painted %u ms after the start tick", StartupClock.Tick() - startTick);
    } catch (const std::exception &) {
        // A splash that cannot be shown does not stop the start.
    }
    FDialogForm = nullptr;
    try {
        ActionManagerTest->LoadLayoutFromFile(LayoutFilePath());
        ActionManagerTest->ApplyHintRule();
    } catch (const std::exception &) {
        // No readable layout file: the designed bars stay, silently, and hints stay as designed.
    }
    WaitUntilElapsed(StartupClock, startTick, SplashMinimumMs);
    qCDebug(lcStartup, "splash wait ended %u ms after the start tick", StartupClock.Tick() - startTick);
}

void TFormVEXAMain::FormCloseQuery(QObject *, bool &)
{
    try {
        ActionManagerTest->SaveLayoutToFile(LayoutFilePath());
    } catch (const std::exception &) {
    }
}

void TFormVEXAMain::closeEvent(QCloseEvent *event)
{
    // Every document window is asked first; the form's own query runs only if all agree.
    for (QMdiSubWindow *child : MDIClient->subWindowList()) {
        QCloseEvent query;
        QCoreApplication::sendEvent(child->widget() ? child->widget() : child, &query);
        if (!query.isAccepted()) {
            event->ignore();
            return;
        }
    }
    bool canClose = true;
    FormCloseQuery(this, canClose);
    if (!canClose) {
        event->ignore();
        return;
    }
    event->accept();
    emit Closed();
}

void TFormVEXAMain::CloseMainForm()
{
    close();
}

bool TFormVEXAMain::RunDialog(TCommonDialogAction &action)
{
    if (auto *print = dynamic_cast<TPrintDlg *>(&action)) {
        QPrinter printer;
        QPrintDialog dialog(&printer, this);
        QAbstractPrintDialog::PrintDialogOptions options = dialog.options();
        options.setFlag(QAbstractPrintDialog::PrintToFile, print->Dialog.PrintToFileBox);
        dialog.setOptions(options);
        const bool accepted = dialog.exec() == QDialog::Accepted;
        if (accepted)
            print->Dialog.PrintToFile = printer.outputFormat() == QPrinter::PdfFormat;
        return accepted;
    }
    auto *file = dynamic_cast<TFileAction *>(&action);
    if (!file)
        return false;
    TOpenDialogSettings &settings = file->Dialog;
    QFileDialog dialog(this, settings.Title, settings.InitialDir);
    const bool save = action.DialogKind() == TCommonDialogAction::TDialogKind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The save dialogs take an existing name without asking.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!settings.Filter.isEmpty()) {
        // "Text|pattern|Text|pattern" pairs become Qt's "Text (pattern)" filters.
        const QStringList parts = settings.Filter.split(QLatin1Char('|'));
        QStringList filters;
        for (int i = 0; i + 1 < parts.size(); i += 2)
            filters << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
        dialog.setNameFilters(filters);
        if (settings.FilterIndex >= 1 && settings.FilterIndex <= filters.size())
            dialog.selectNameFilter(filters[settings.FilterIndex - 1]);
    }
    if (!settings.DefaultExt.isEmpty())
        dialog.setDefaultSuffix(settings.DefaultExt);
    if (!settings.FileName.isEmpty())
        dialog.selectFile(settings.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    settings.FileName = dialog.selectedFiles().constFirst();
    return true;
}

void TFormVEXAMain::ShowCustomizeDialog(TActionManager &manager, bool stayOnTop)
{
    // Made on first use, then brought forward each time; it stays above the main window.
    if (!m_customizeDlg) {
        m_customizeDlg = new TCustomizeDlg(manager, [this](const QString &name) { return findChild<QWidget *>(name); }, this);
        if (stayOnTop)
            m_customizeDlg->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    m_customizeDlg->show();
    m_customizeDlg->raise();
    m_customizeDlg->activateWindow();
}

QWidget *TFormVEXAMain::DialogParent()
{
    // While this window is not shown yet (the layout file's question at start), a box with it as
    // parent would stand where the hidden window is; without one it is centred on the screen.
    return isVisible() ? this : nullptr;
}

bool TFormVEXAMain::ErrorQuestion(const QString &text)
{
    qCDebug(lcMessages, "question: %s", qUtf8Printable(text));
    const bool yes = QMessageBox::critical(DialogParent(), Application ? Application->Title() : windowTitle(), text,
                                           QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
                     == QMessageBox::Yes;
    qCDebug(lcMessages, "answer: %s", yes ? "Yes" : "No");
    return yes;
}

void TFormVEXAMain::ShowMessage(const QString &text)
{
    qCDebug(lcMessages, "message: %s", qUtf8Printable(text));
    QMessageBox box(QMessageBox::NoIcon, Application ? Application->Title() : windowTitle(), text, QMessageBox::Ok, DialogParent());
    box.exec();
}

int TFormVEXAMain::MDIChildCount() const
{
    return int(MDIClient->subWindowList().size());
}

bool TFormVEXAMain::HasActiveMDIChild() const
{
    // currentSubWindow, not activeSubWindow: the latter is null while another program is active.
    return MDIClient->currentSubWindow() != nullptr;
}

void TFormVEXAMain::Cascade()
{
    MDIClient->cascadeSubWindows();
}

namespace {
// Lays the document windows out in one column (vertical) or one row, in creation order.
void TileInLine(QMdiArea *area, bool oneAboveTheOther)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *w : area->subWindowList(QMdiArea::CreationOrder))
        if (!w->isMinimized() && w->isVisible())
            windows.append(w);
    if (windows.isEmpty())
        return;
    const QRect r = area->viewport()->rect();
    const int n = int(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow *w = windows[i];
        if (w->isMaximized())
            w->showNormal();
        if (oneAboveTheOther) {
            const int top = r.height() * i / n, bottom = r.height() * (i + 1) / n;
            w->setGeometry(0, top, r.width(), bottom - top);
        } else {
            const int left = r.width() * i / n, right = r.width() * (i + 1) / n;
            w->setGeometry(left, 0, right - left, r.height());
        }
    }
}
} // namespace

void TFormVEXAMain::TileHorizontal()
{
    TileInLine(MDIClient, true);
}

void TFormVEXAMain::TileVertical()
{
    TileInLine(MDIClient, false);
}

void TFormVEXAMain::MinimizeAll()
{
    const QList<QMdiSubWindow *> windows = MDIClient->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        (*it)->showMinimized();
}

void TFormVEXAMain::ArrangeIcons()
{
    // Minimised windows line up along the bottom edge, left to right.
    const QRect r = MDIClient->viewport()->rect();
    int x = 0, y = r.height();
    for (QMdiSubWindow *w : MDIClient->subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized())
            continue;
        const QSize s = w->size();
        if (x > 0 && x + s.width() > r.width()) {
            x = 0;
            y -= s.height();
        }
        if (x == 0 && y == r.height())
            y -= s.height();
        w->move(x, y);
        x += s.width();
    }
}

void TFormVEXAMain::CloseActiveChild()
{
    if (QMdiSubWindow *w = MDIClient->currentSubWindow())
        w->close();
}

// ---------------------------------------------------------------- the handlers that act in this release

namespace {
void ShowModal(QDialog *dialog)
{
    if (dialog)
        dialog->exec();
}
} // namespace

void TFormVEXAMain::ActionParamsFrequencyExecute(QObject *)
{
    ShowModal(FormVEXAFreqOptions);
}

void TFormVEXAMain::ActionParamsLevelExecute(QObject *)
{
    ShowModal(FormVEXAYOptions);
}

void TFormVEXAMain::ActionParamsModulationExecute(QObject *)
{
    ShowModal(FormVEXAModOptions);
}

void TFormVEXAMain::ActionViewFrequencyExecute(QObject *)
{
    ShowModal(FormVEXAFreqScale);
}

void TFormVEXAMain::ActionViewLevelExecute(QObject *)
{
    ShowModal(FormVEXAYScale);
}

void TFormVEXAMain::ActionAboutVEXAExecute(QObject *)
{
    ShowModal(FormVEXAAbout);
}

void TFormVEXAMain::ActionGermanExecute(QObject *)
{
    ShowMessage(QStringLiteral("Die deutsche Version ist noch nicht implementiert."));
}

QWidget *TFormVEXAMain::ToolbarOf(QObject *toggle) const
{
    const QString name = toggle ? toggle->objectName() : QString();
    const std::pair<const char *, TActionToolBar *> toggles[] = {
        {"ActionToolbarsStandard", ActionToolBarStandard},
        {"ActionToolbarsSweep", ActionToolBarSweep},
        {"ActionToolbarsLevelAndFrequency", ActionToolBarSetLevelAndFrequency},
        {"ActionToolbarsMarker", ActionToolBarMarker},
        {"ActionToolbarsCurve", ActionToolBarCurves},
    };
    for (const auto &[action, bar] : toggles)
        if (name == QLatin1String(action))
            return bar;
    return nullptr;
}

// The five toggles share one behaviour: flip their toolbar, and mirror its visibility in the check mark.
#define VEXA_TOOLBAR_TOGGLE(Name)                                      \
    void TFormVEXAMain::Name##Execute(QObject *Sender)                 \
    {                                                                  \
        if (QWidget *bar = ToolbarOf(Sender))                          \
            bar->setVisible(bar->isHidden());                          \
    }                                                                  \
    void TFormVEXAMain::Name##Update(QObject *Sender)                  \
    {                                                                  \
        auto *action = qobject_cast<TCustomAction *>(Sender);          \
        if (QWidget *bar = ToolbarOf(Sender); bar && action)           \
            action->SetChecked(!bar->isHidden());                      \
    }
VEXA_TOOLBAR_TOGGLE(ActionToolbarsStandard)
VEXA_TOOLBAR_TOGGLE(ActionToolbarsSweep)
VEXA_TOOLBAR_TOGGLE(ActionToolbarsLevelAndFrequency)
VEXA_TOOLBAR_TOGGLE(ActionToolbarsMarker)
VEXA_TOOLBAR_TOGGLE(ActionToolbarsCurve)
#undef VEXA_TOOLBAR_TOGGLE

void TFormVEXAMain::ActionViewChecklistShowExecute(QObject *)
{
    SplitterChecklist->show();
    PanelChecklist->show();
}

void TFormVEXAMain::ActionViewChecklistHideExecute(QObject *)
{
    PanelChecklist->hide();
    SplitterChecklist->hide();
}

void TFormVEXAMain::ActionWindowNewExecute(QObject *)
{
    OpenDocumentWindow(QStringLiteral("NONAME%1").arg(MDIChildCount() + 1));
}

void TFormVEXAMain::OpenDocumentWindow(const QString &name)
{
    auto *child = new TMDIChild;
    QMdiSubWindow *window = MDIClient->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    child->setWindowTitle(name);
    window->show();
    MDIClient->setActiveSubWindow(window);
    child->Memo1->setFocus();
    child->LoadFile(name);
}
