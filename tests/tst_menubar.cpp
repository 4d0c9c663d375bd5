// The menu bar and toolbars built from the bar entries, and the handlers that act in this release.
#include "actions/ActnBars.h"
#include "actions/ActnMan.h"
#include "actions/HotKeys.h"
#include "dialogs/FVEXAFreqOpt.h"
#include "dialogs/FVEXAFreqScale.h"
#include "dialogs/FVEXAModOpt.h"
#include "dialogs/FVEXAYOpt.h"
#include "dialogs/FVEXAYScale.h"
#include "mainwindow/ActionBarViews.h"
#include "mainwindow/FVEXAMain.h"
#include "mainwindow/Panel.h"
#include "mainwindow/Splitter.h"
#include "shell/FVEXAAbout.h"
#include "TestUtil.h"

#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStyleOptionMenuItem>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {

// Exposes the style option of a row, which carries the shortcut column.
class MenuProbe : public TActionMenu
{
public:
    using TActionMenu::TActionMenu;
    QString RowText(const QAction *row) const
    {
        QStyleOptionMenuItem option;
        initStyleOption(&option, row);
        return option.text;
    }
};

} // namespace

class TestMenuBar : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void topLevelMenus();
    void autoHotKeys_data();
    void autoHotKeys();
    void menuRowsShowCaptionPictureAndShortcut();
    void openingMenuUpdatesItsActions();
    void usageCountedForMenuChoicesNotForKeys();
    void toolbarButtons_data();
    void toolbarButtons();
    void printButtonShowsNoToolTip();
    void toolbarToggles_data();
    void toolbarToggles();
    void actingHandlersOpenTheirWindowsModally_data();
    void actingHandlersOpenTheirWindowsModally();
    void germanShowsItsMessage();
    void checklistShowAndHide();
    void newWindowNamesByCount();
    void fileActionKeepsItsOwnFileName();
    void maximisedDocumentPutsItsButtonsOnTheMenuBar();

private:
    TCustomAction *Action(const char *name) const
    {
        return m_main->ActionManagerTest->FindAction(QString::fromLatin1(name));
    }
    TActionMenu *TopMenu(int index) const
    {
        return qobject_cast<TActionMenu *>(m_main->MenuBarTest->actions().value(index)->menu());
    }
    TFormVEXAMain *m_main = nullptr;
};

void TestMenuBar::init()
{
    m_main = new TFormVEXAMain;
    m_main->resize(1000, 700);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
}

void TestMenuBar::cleanup()
{
    delete m_main;
    m_main = nullptr;
}

void TestMenuBar::topLevelMenus()
{
    const QStringList captions{"&File",   "&Test parameters", "&Sweep", "&Curve",  "&Marker",
                               "S&et frequency", "Set &level", "&View", "&Window", "?"};
    const QList<QAction *> rows = m_main->MenuBarTest->actions();
    QCOMPARE(rows.size(), captions.size());
    QString keys;
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i]->text(), captions[i]);
        QVERIFY(rows[i]->menu());
        const QChar key = HotKeyOf(rows[i]->text());
        keys += key.isNull() ? QChar('-') : key;
    }
    QCOMPARE(keys, QStringLiteral("FTSCMELVW-"));
    TActionBarItem *bar = m_main->MenuBarTest->BarItem();
    QVERIFY(bar);
    QCOMPARE(bar->ChangesAllowed, TChangesAllowed(caModify | caMove));
    QCOMPARE(bar->Items().CaptionOptions, TCaptionOptions::coAll);
    QCOMPARE(m_main->ActionManagerTest->ActionBars().SessionCount, 1);
}

void TestMenuBar::autoHotKeys_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("distinct keys stay") << QStringList{"&Open", "&Save"} << QStringList{"&Open", "&Save"};
    QTest::newRow("first keeps a contested key")
        << QStringList{"&Stop", "&Start"} << QStringList{"&Stop", "S&tart"};
    QTest::newRow("caption without key gets a free one")
        << QStringList{"&Print", "Plot", "-", "English"} << QStringList{"&Print", "P&lot", "-", "&English"};
    QTest::newRow("nothing free: unchanged") << QStringList{"&Ab", "ab"} << QStringList{"&Ab", "a&b"};
    QTest::newRow("only punctuation stays without") << QStringList{"?", "&?x"} << QStringList{"?", "&?x"};
    QTest::newRow("literal ampersand kept") << QStringList{"&Rock", "R&&B"} << QStringList{"&Rock", "R&&&B"};
    QTest::newRow("digits count") << QStringList{"Curve for test: &1", "Curve for test: 1"}
                                  << QStringList{"Curve for test: &1", "&Curve for test: 1"};
}

void TestMenuBar::autoHotKeys()
{
    QFETCH(QStringList, captions);
    QFETCH(QStringList, expected);
    QCOMPARE(AutoHotKeys(captions), expected);
}

void TestMenuBar::menuRowsShowCaptionPictureAndShortcut()
{
    TActionBarItem *bar = m_main->MenuBarTest->BarItem();
    MenuProbe file(m_main->ActionManagerTest, &bar->Items()[0].Items());
    emit file.aboutToShow();
    const QList<QAction *> rows = file.actions();
    QCOMPARE(rows.size(), 22);
    QCOMPARE(rows[0]->text(), QStringLiteral("&Load setup and curves..."));
    QCOMPARE(file.RowText(rows[0]), QStringLiteral("&Load setup and curves...\tCtrl+L"));
    QVERIFY(!rows[0]->icon().isNull());
    QCOMPARE(file.RowText(rows[9]), QStringLiteral("Sav&e all curves in the active window\tShift+Alt+S"));
    QVERIFY(rows[5]->isSeparator());
    QCOMPARE(file.RowText(rows[4]), QStringLiteral("&Factory default setup"));
    QVERIFY(rows[4]->icon().isNull());
    // No Qt shortcut stands behind a row: the dispatcher owns every key.
    for (QAction *row : rows)
        QVERIFY(row->shortcut().isEmpty());
    // Status-bar text from the long hint; the accessible text is the caption alone.
    QCOMPARE(rows[0]->statusTip(), QStringLiteral("Opens an existing file"));
    QVERIFY(!rows[0]->text().contains('\t'));

    // The Sweep menu's last entry gives no caption of its own and shows its action's.
    MenuProbe sweep(m_main->ActionManagerTest, &bar->Items()[2].Items());
    emit sweep.aboutToShow();
    QCOMPARE(sweep.actions().constLast()->text(), QStringLiteral("Stop"));
}

void TestMenuBar::openingMenuUpdatesItsActions()
{
    TCustomAction *help = Action("ActionHelpContents");
    TCustomAction *cascade = Action("ActionWindowCascade");
    QVERIFY(!help->Enabled());
    TActionMenu *helpMenu = TopMenu(9);
    emit helpMenu->aboutToShow();
    QVERIFY(help->Enabled());
    QAction *row = nullptr;
    for (QAction *a : helpMenu->actions())
        if (helpMenu->ItemOf(a) && helpMenu->ItemOf(a)->Action == help)
            row = a;
    QVERIFY(row);
    QVERIFY(row->isEnabled());

    // The window entries are grey without documents, and follow them.
    TActionMenu *windowMenu = TopMenu(8);
    emit windowMenu->aboutToShow();
    QVERIFY(!cascade->Enabled());
    m_main->OpenDocumentWindow(QStringLiteral("NONAME1"));
    emit windowMenu->aboutToShow();
    QVERIFY(cascade->Enabled());
    QVERIFY(Action("ActionWindowClose")->Enabled());
}

void TestMenuBar::usageCountedForMenuChoicesNotForKeys()
{
    TActionBarItem *bar = m_main->MenuBarTest->BarItem();
    TActionClientItem &sweepMenu = bar->Items()[2];
    TActionClientItem &stop = sweepMenu.Items()[sweepMenu.Items().Count() - 1];
    QCOMPARE(stop.Action->Name(), QStringLiteral("ActionSweepStop"));
    TActionMenu *menu = TopMenu(2);
    emit menu->aboutToShow();
    menu->actions().constLast()->trigger();
    QCOMPARE(stop.UsageCount, 1);
    QCOMPARE(stop.LastSession, 1);
    QCOMPARE(sweepMenu.UsageCount, 1);

    // F10 executes the same action but counts nothing.
    m_main->activateWindow();
    QTest::keyClick(m_main->windowHandle(), Qt::Key_F10);
    QCOMPARE(stop.UsageCount, 1);

    // A submenu entry counts itself, its submenu entry and its top-level entry.
    TActionClientItem &curveMenu = bar->Items()[3];
    TActionClientItem &select = curveMenu.Items()[0];
    QCOMPARE(select.UsageCount, 1);
    ActionViews::Choose(*m_main->ActionManagerTest, select.Items()[1]);
    QCOMPARE(select.Items()[1].UsageCount, 1);
    QCOMPARE(select.UsageCount, 2);
    QCOMPARE(curveMenu.UsageCount, 1);
}

void TestMenuBar::toolbarButtons_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("separators");
    QTest::addColumn<bool>("visible");
    QTest::newRow("Standard") << "ActionToolBarStandard" << 19 << 4 << true;
    QTest::newRow("Sweep") << "ActionToolBarSweep" << 6 << 1 << true;
    QTest::newRow("Curves") << "ActionToolBarCurves" << 9 << 2 << false;
    QTest::newRow("Marker") << "ActionToolBarMarker" << 17 << 2 << false;
    QTest::newRow("Set level and frequency") << "ActionToolBarSetLevelAndFrequency" << 17 << 1 << false;
}

void TestMenuBar::toolbarButtons()
{
    QFETCH(QString, bar);
    QFETCH(int, items);
    QFETCH(int, separators);
    QFETCH(bool, visible);
    auto *toolBar = m_main->findChild<TActionToolBar *>(bar);
    QVERIFY(toolBar);
    QCOMPARE(toolBar->isVisible(), visible);
    QCOMPARE(toolBar->actions().size(), items);
    int seps = 0;
    for (QAction *row : toolBar->actions()) {
        if (row->isSeparator()) {
            ++seps;
            continue;
        }
        QVERIFY(!row->icon().isNull());
        auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(row));
        QVERIFY(button);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QVERIFY(!button->accessibleName().isEmpty());
    }
    QCOMPARE(seps, separators);
}

void TestMenuBar::printButtonShowsNoToolTip()
{
    m_main->ActionManagerTest->ApplyHintRule();
    auto tipOf = [this](TActionToolBar *bar, const char *action) -> QString {
        for (QAction *row : bar->actions())
            if (row->statusTip() == GetLongHint(Action(action)->Hint()) && row->toolTip() == ActionToolTip(*Action(action)))
                return row->toolTip();
        return QStringLiteral("<none>");
    };
    QCOMPARE(tipOf(m_main->ActionToolBarSweep, "ActionSweepStart"), QStringLiteral("Start new sweep (Ctrl+F9)"));
    QCOMPARE(tipOf(m_main->ActionToolBarSweep, "ActionSweepStop"), QStringLiteral("Stop (F10)"));
    QCOMPARE(tipOf(m_main->ActionToolBarSweep, "ActionSweepPowerOnOff"), QStringLiteral("Power on/off (Shift+Alt+P)"));
    QCOMPARE(tipOf(m_main->ActionToolBarStandard, "ActionFileOpenSetup"), QStringLiteral("Open (Ctrl+L)"));

    // The print button (no hint) swallows the tool-tip event: Qt's caption fallback never shows.
    QToolButton *print = nullptr;
    for (QAction *row : m_main->ActionToolBarStandard->actions())
        if (row->text() == QStringLiteral("P&rint..."))
            print = qobject_cast<QToolButton *>(m_main->ActionToolBarStandard->widgetForAction(row));
    QVERIFY(print);
    QHelpEvent tip(QEvent::ToolTip, QPoint(4, 4), print->mapToGlobal(QPoint(4, 4)));
    QVERIFY(static_cast<QObject *>(m_main->ActionToolBarStandard)->eventFilter(print, &tip));
}

void TestMenuBar::toolbarToggles_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<bool>("shownAtStart");
    QTest::newRow("Standard") << "ActionToolbarsStandard" << "ActionToolBarStandard" << true;
    QTest::newRow("Sweep") << "ActionToolbarsSweep" << "ActionToolBarSweep" << true;
    QTest::newRow("Curves") << "ActionToolbarsCurve" << "ActionToolBarCurves" << false;
    QTest::newRow("Marker") << "ActionToolbarsMarker" << "ActionToolBarMarker" << false;
    QTest::newRow("Level and frequency") << "ActionToolbarsLevelAndFrequency" << "ActionToolBarSetLevelAndFrequency" << false;
}

void TestMenuBar::toolbarToggles()
{
    QFETCH(QString, action);
    QFETCH(QString, bar);
    QFETCH(bool, shownAtStart);
    TCustomAction *toggle = m_main->ActionManagerTest->FindAction(action);
    QWidget *toolBar = m_main->findChild<QWidget *>(bar);
    toggle->Update();
    QCOMPARE(toggle->Checked(), shownAtStart);
    QVERIFY(toggle->Execute());
    QCOMPARE(toolBar->isVisible(), !shownAtStart);
    toggle->Update();
    QCOMPARE(toggle->Checked(), !shownAtStart);
    QVERIFY(toggle->Execute());
    QCOMPARE(toolBar->isVisible(), shownAtStart);
    // Nothing of it reaches the bar entry.
    QVERIFY(m_main->ActionManagerTest->ActionBars().FindBar(bar)->Visible);
}

void TestMenuBar::actingHandlersOpenTheirWindowsModally_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("form");
    QTest::newRow("Frequency") << "ActionParamsFrequency" << "FormVEXAFreqOptions";
    QTest::newRow("Level") << "ActionParamsLevel" << "FormVEXAYOptions";
    QTest::newRow("Modulation") << "ActionParamsModulation" << "FormVEXAModOptions";
    QTest::newRow("Frequency scale") << "ActionViewFrequency" << "FormVEXAFreqScale";
    QTest::newRow("Level scale") << "ActionViewLevel" << "FormVEXAYScale";
    QTest::newRow("About") << "ActionAboutVEXA" << "FormVEXAAbout";
}

void TestMenuBar::actingHandlersOpenTheirWindowsModally()
{
    QFETCH(QString, action);
    QFETCH(QString, form);
    FormVEXAFreqOptions = new TFormVEXAFreqOptions;
    FormVEXAYOptions = new TFormVEXAYOptions;
    FormVEXAModOptions = new TFormVEXAModOptions;
    FormVEXAFreqScale = new TFormVEXAFreqScale;
    FormVEXAYScale = new TFormVEXAYScale;
    FormVEXAAbout = new TFormVEXAAbout;
    QString opened;
    OnNextModal([&opened](QWidget *modal) { opened = modal->objectName(); });
    QVERIFY(m_main->ActionManagerTest->FindAction(action)->Execute());
    QCOMPARE(opened, form);
    for (QWidget *w : std::initializer_list<QWidget *>{FormVEXAFreqOptions, FormVEXAYOptions, FormVEXAModOptions,
                                                       FormVEXAFreqScale, FormVEXAYScale, FormVEXAAbout})
        delete w;
    FormVEXAFreqOptions = nullptr;
    FormVEXAYOptions = nullptr;
    FormVEXAModOptions = nullptr;
    FormVEXAFreqScale = nullptr;
    FormVEXAYScale = nullptr;
    FormVEXAAbout = nullptr;
}

void TestMenuBar::germanShowsItsMessage()
{
    QString text, title;
    int buttons = 0;
    OnNextModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        buttons = int(box->buttons().size());
    });
    QVERIFY(Action("ActionGerman")->Execute());
    QCOMPARE(text, QStringLiteral("Die deutsche Version ist noch nicht implementiert."));
    QCOMPARE(buttons, 1);
    QVERIFY(!title.isEmpty());
}

void TestMenuBar::checklistShowAndHide()
{
    TCustomAction *hide = Action("ActionViewChecklistHide");
    TCustomAction *show = Action("ActionViewChecklistShow");
    QVERIFY(hide->Execute());
    QVERIFY(m_main->PanelChecklist->isHidden());
    QVERIFY(m_main->SplitterChecklist->isHidden());
    QTRY_COMPARE(m_main->MDIClient->x(), 0);
    QVERIFY(show->Execute());
    QVERIFY(!m_main->PanelChecklist->isHidden());
    QTRY_COMPARE(m_main->SplitterChecklist->x(), m_main->PanelChecklist->width());
}

void TestMenuBar::newWindowNamesByCount()
{
    TCustomAction *newWindow = Action("ActionWindowNew");
    auto titles = [this] {
        QStringList t;
        for (QMdiSubWindow *w : m_main->MDIClient->subWindowList(QMdiArea::CreationOrder))
            t << w->windowTitle();
        return t;
    };
    newWindow->Execute();
    newWindow->Execute();
    QCOMPARE(titles(), (QStringList{"NONAME1", "NONAME2"}));
    m_main->MDIClient->subWindowList(QMdiArea::CreationOrder).first()->close();
    QTRY_COMPARE(m_main->MDIChildCount(), 1);
    newWindow->Execute();
    QCOMPARE(titles(), (QStringList{"NONAME2", "NONAME2"}));
}

void TestMenuBar::fileActionKeepsItsOwnFileName()
{
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("setup.vxs"));
    QFile(chosen).open(QIODevice::WriteOnly);
    auto *open = static_cast<TFileOpen *>(Action("ActionFileOpenSetup"));
    auto *openCurve = static_cast<TFileOpen *>(Action("ActionFileOpenCurve"));
    QStringList filters;
    OnNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        filters = dialog->nameFilters();
        dialog->selectFile(chosen);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QVERIFY(open->Execute());
    QCOMPARE(open->Dialog.FileName, chosen);
    QVERIFY(openCurve->Dialog.FileName.isEmpty());  // each action keeps its own name
    QCOMPARE(filters.size(), 1);                     // Qt's "All Files (*)" only: no filter of ours

    QStringList preselected;
    OnNextModal([&](QWidget *modal) {
        if (auto *dialog = qobject_cast<QFileDialog *>(modal))
            preselected = dialog->selectedFiles();
    });
    QVERIFY(open->Execute());
    QCOMPARE(preselected, QStringList{chosen});
    QCOMPARE(open->Dialog.FileName, chosen);  // cancelled: the name stays
}

void TestMenuBar::maximisedDocumentPutsItsButtonsOnTheMenuBar()
{
    m_main->OpenDocumentWindow(QStringLiteral("NONAME1"));
    QMdiSubWindow *doc = m_main->MDIClient->currentSubWindow();
    QVERIFY(doc);
    QVERIFY(!m_main->MenuBarTest->cornerWidget(Qt::TopRightCorner));
    doc->showMaximized();
    QTRY_COMPARE(m_main->MenuBarTest->MaximizedChild(), doc);
    QWidget *buttons = m_main->MenuBarTest->cornerWidget(Qt::TopRightCorner);
    QVERIFY(buttons);
    QCOMPARE(buttons->findChildren<QToolButton *>().size(), 3);
    QVERIFY(m_main->MenuBarTest->cornerWidget(Qt::TopLeftCorner));
    QVERIFY(doc->windowFlags() & Qt::FramelessWindowHint);  // no second title bar inside the area

    // Restore from the menu bar: the buttons go and the window has its title bar again.
    buttons->findChildren<QToolButton *>().at(1)->click();
    QTRY_VERIFY(!m_main->MenuBarTest->MaximizedChild());
    QTRY_VERIFY(!m_main->MenuBarTest->cornerWidget(Qt::TopRightCorner));
    QVERIFY(!doc->isMaximized());
    QVERIFY(!(doc->windowFlags() & Qt::FramelessWindowHint));

    doc->showMaximized();
    QTRY_VERIFY(m_main->MenuBarTest->cornerWidget(Qt::TopRightCorner));
    m_main->MenuBarTest->cornerWidget(Qt::TopRightCorner)->findChildren<QToolButton *>().at(2)->click();
    QTRY_COMPARE(m_main->MDIChildCount(), 0);
    QTRY_VERIFY(!m_main->MenuBarTest->cornerWidget(Qt::TopRightCorner));
}

QTEST_MAIN(TestMenuBar)
#include "tst_menubar.moc"
