// The program's forms and the main frame: creation order, layout, splitter, bands, window actions, the run.
#include "actions/ActnMan.h"
#include "actions/IdleUpdate.h"
#include "dialogs/FVEXAFreqOpt.h"
#include "dialogs/FVEXAFreqScale.h"
#include "dialogs/FVEXAModOpt.h"
#include "dialogs/FVEXAYOpt.h"
#include "dialogs/FVEXAYScale.h"
#include "images/FRImageList.h"
#include "mainwindow/ActionBarViews.h"
#include "mainwindow/AlignLayout.h"
#include "mainwindow/CoolBar.h"
#include "mainwindow/FVEXAMain.h"
#include "mainwindow/Panel.h"
#include "mainwindow/Splitter.h"
#include "shell/Application.h"
#include "shell/FVEXAAbout.h"
#include "shell/Forms.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void formsCreatedInOrderAndHidden();
    void frameLayout();
    void hiddenChecklistGivesWidthToDocuments();
    void bandsOneRowEachAndFollowTheirBar();
    void splitterLimits_data();
    void splitterLimits();
    void splitterAppliesWidthOnRelease();
    void rightClickOnBarsOpensNoMenu();
    void windowActionsFollowDocumentWindows();
    void tilesOneAboveTheOtherAndSideBySide();
    void runShowsMaximisedAndEndsWithMainWindow();
    void idleUpdatesActionsOfVisibleControlsOnly();

private:
    TFormVEXAMain *m_main = nullptr;
};

void TestMainWindow::init()
{
    m_main = new TFormVEXAMain;
    m_main->resize(800, 600);
}

void TestMainWindow::cleanup()
{
    delete m_main;
    m_main = nullptr;
}

void TestMainWindow::formsCreatedInOrderAndHidden()
{
    Application->CreateForm(FormVEXAMain);  // stands in for the run's first form
    QVERIFY(FormVEXAMain);
    const int before = int(Application->Forms().size());
    CreateProgramForms(*Application);
    const QList<QPointer<QWidget>> forms = Application->Forms().mid(before);
    struct Expected
    {
        const char *name;
        const char *caption;
        int width, height;
    };
    const Expected expected[] = {
        {"FormVEXAMain", "VEXA-TOLM", -1, -1},
        {"FormVEXAFreqOptions", "Frequency parameters", 650, 468},
        {"FormVEXAAbout", "About VEXA-TOLM", 379, 178},
        {"FormVEXAFreqScale", "Frequency scale", 437, 477},
        {"FormVEXAModOptions", "Modulation parameters", 472, 513},
        {"FormVEXAYOptions", "Level parameters", 648, 293},
        {"FormVEXAYScale", "Level scale", 362, 431},
    };
    QCOMPARE(forms.size(), qsizetype(std::size(expected)));
    for (int i = 0; i < forms.size(); ++i) {
        QVERIFY(forms[i]);
        QCOMPARE(forms[i]->objectName(), QString::fromLatin1(expected[i].name));
        QCOMPARE(forms[i]->windowTitle(), QString::fromLatin1(expected[i].caption));
        QVERIFY(forms[i]->isHidden());
        if (expected[i].width > 0)
            QCOMPARE(forms[i]->size(), QSize(expected[i].width, expected[i].height));
    }
    // Every window but About carries its own hidden image list; all six share one set of pixels.
    qint64 pixels = 0;
    for (int i : {0, 1, 3, 4, 5, 6}) {
        auto *frame = forms[i]->findChild<TFrameImageList *>(QStringLiteral("FrameImageList1"));
        QVERIFY2(frame, expected[i].name);
        QVERIFY(frame->isHidden());
        const qint64 key = frame->ImageListAll->Pixmap(7).cacheKey();
        QVERIFY(key != 0);
        QVERIFY(pixels == 0 || key == pixels);
        pixels = key;
    }
    QCOMPARE(static_cast<QWidget *>(FormVEXAAbout), forms[2].data());
    QCOMPARE(static_cast<QWidget *>(FormVEXAYScale), forms[6].data());
    Application->DestroyForms();
    QVERIFY(!FormVEXAMain);
}

void TestMainWindow::frameLayout()
{
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    QCOMPARE(m_main->windowTitle(), QStringLiteral("VEXA-TOLM"));

    // Four managers, in component order.
    QList<TActionManager *> managers = m_main->findChildren<TActionManager *>(Qt::FindDirectChildrenOnly);
    QStringList names;
    for (TActionManager *m : managers)
        names << m->objectName();
    QCOMPARE(names, (QStringList{"ActionManagerTest", "ActionManagerChecklist", "ActionManagerDialog",
                                 "ActionManagerEquipment"}));
    for (TActionManager *m : managers)
        QCOMPARE(m->StyleName, QStringLiteral("XP Style"));

    QWidget *client = m_main->centralWidget();
    QCOMPARE(m_main->Panel1->geometry(), QRect(0, 0, client->width(), 4));
    QCOMPARE(m_main->PanelChecklist->geometry(), QRect(0, 4, 200, client->height() - 4));
    QCOMPARE(m_main->SplitterChecklist->geometry(), QRect(200, 4, 4, client->height() - 4));
    QCOMPARE(m_main->MDIClient->geometry(), QRect(204, 4, client->width() - 204, client->height() - 4));
    QVERIFY(m_main->PanelDialog->isHidden());
    QCOMPARE(m_main->MDIClient->background().color(), QColor(0xAB, 0xAB, 0xAB));
    QVERIFY(m_main->StatusBar->isVisible());
    QVERIFY(m_main->StatusBar->isSizeGripEnabled());
    QCOMPARE(client->geometry().bottom() + 1, m_main->StatusBar->geometry().top());
    QVERIFY(!m_main->FDialogForm);
    QVERIFY(m_main->PopupMenuTest);
    QCOMPARE(m_main->OpenDialog.Filter, QStringLiteral("All files (*.*)|*.*"));

    // The dialog panel, when shown, takes the whole document area.
    m_main->PanelDialog->show();
    QTRY_COMPARE(m_main->PanelDialog->geometry(), QRect(204, 4, client->width() - 204, client->height() - 4));
    QCOMPARE(m_main->MDIClient->size(), QSize(0, 0));
    m_main->PanelDialog->hide();
    QTRY_COMPARE(m_main->MDIClient->width(), client->width() - 204);
    QCOMPARE(m_main->MDIClient->x(), 204);
}

void TestMainWindow::hiddenChecklistGivesWidthToDocuments()
{
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_main->PanelChecklist->hide();
    QTRY_COMPARE(m_main->SplitterChecklist->x(), 0);
    QCOMPARE(m_main->MDIClient->x(), 4);
    m_main->PanelChecklist->show();
    QTRY_COMPARE(m_main->MDIClient->x(), 204);
}

void TestMainWindow::bandsOneRowEachAndFollowTheirBar()
{
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    const QList<TCoolBand *> &bands = m_main->CoolBarTest->Bands();
    const QList<QWidget *> controls{m_main->MenuBarTest,         m_main->ActionToolBarStandard,
                                    m_main->ActionToolBarSweep,  m_main->ActionToolBarCurves,
                                    m_main->ActionToolBarMarker, m_main->ActionToolBarSetLevelAndFrequency};
    const QList<bool> visible{true, true, true, false, false, false};
    const QList<int> minHeights{25, 26, 26, 26, 26, 26};
    QCOMPARE(bands.size(), controls.size());
    // The menu bar stays a band of the window even where the desktop offers a global menu.
    QVERIFY(!m_main->MenuBarTest->isNativeMenuBar());
    QVERIFY(m_main->MenuBarTest->isVisibleTo(m_main));
    for (int i = 0; i < bands.size(); ++i) {
        QCOMPARE(bands[i]->Control(), controls[i]);
        QCOMPARE(bands[i]->isVisible(), visible[i]);
        QCOMPARE(bands[i]->MinHeight(), minHeights[i]);
    }
    QCOMPARE(m_main->menuWidget(), static_cast<QWidget *>(m_main->CoolBarTest));
    QVERIFY(bands[1]->y() > bands[0]->y());
    QVERIFY(bands[2]->y() > bands[1]->y());
    QCOMPARE(bands[1]->x(), bands[2]->x());
    const int heightBefore = m_main->CoolBarTest->height();

    // Showing a toolbar brings its band back in its own row, in band order.
    m_main->ActionToolBarCurves->show();
    QTRY_VERIFY(bands[3]->isVisible());
    QTRY_VERIFY(bands[3]->y() > bands[2]->y());
    QTRY_VERIFY(m_main->CoolBarTest->height() > heightBefore);
    m_main->ActionToolBarCurves->hide();
    QTRY_VERIFY(!bands[3]->isVisible());
    QTRY_COMPARE(m_main->CoolBarTest->height(), heightBefore);
    // The spacer keeps its 4 pixels whatever the cool bar's height.
    QCOMPARE(m_main->Panel1->height(), 4);
}

void TestMainWindow::splitterLimits_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("width");
    QTest::newRow("in range") << 300 << 800 << 300;
    QTest::newRow("below the panel minimum") << 50 << 800 << 100;
    QTest::newRow("snap at the minimum size") << 2 << 800 << 100;
    QTest::newRow("negative") << -40 << 800 << 100;
    QTest::newRow("right limit leaves 2 pixels") << 1000 << 800 << 794;
    QTest::newRow("exactly the right limit") << 794 << 800 << 794;
    QTest::newRow("narrow window") << 300 << 90 << 100;
}

void TestMainWindow::splitterLimits()
{
    QFETCH(int, requested);
    QFETCH(int, clientWidth);
    QFETCH(int, width);
    m_main->show();
    QCOMPARE(m_main->SplitterChecklist->ClampWidth(requested, clientWidth), width);
}

void TestMainWindow::splitterAppliesWidthOnRelease()
{
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    TSplitter *splitter = m_main->SplitterChecklist;
    const QPoint grip(2, 50);
    QTest::mousePress(splitter, Qt::LeftButton, {}, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(120, 0)), splitter->mapToGlobal(QPointF(grip + QPoint(120, 0))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(splitter, &move);
    QCOMPARE(m_main->PanelChecklist->width(), 200);  // only the hatched line moves while dragging
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, grip + QPoint(120, 0));
    QTRY_COMPARE(m_main->PanelChecklist->width(), 320);
    QTRY_COMPARE(m_main->MDIClient->x(), 324);

    const int client = m_main->centralWidget()->width();
    QTest::mousePress(splitter, Qt::LeftButton, {}, grip);
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, grip + QPoint(5000, 0));
    QTRY_COMPARE(m_main->PanelChecklist->width(), client - 6);
    QTRY_COMPARE(client - m_main->MDIClient->x(), 2);

    QTest::mousePress(splitter, Qt::LeftButton, {}, grip);
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, grip - QPoint(5000, 0));
    QTRY_COMPARE(m_main->PanelChecklist->width(), 100);
}

void TestMainWindow::rightClickOnBarsOpensNoMenu()
{
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    QVERIFY(!m_main->createPopupMenu());
    for (QWidget *bar : {static_cast<QWidget *>(m_main->ActionToolBarStandard), static_cast<QWidget *>(m_main->MenuBarTest),
                         static_cast<QWidget *>(m_main->CoolBarTest)}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 5), bar->mapToGlobal(QPoint(20, 5)));
        QApplication::sendEvent(bar, &event);
        QCoreApplication::processEvents();
        QVERIFY2(!QApplication::activePopupWidget(), qPrintable(bar->objectName()));
    }
}

void TestMainWindow::windowActionsFollowDocumentWindows()
{
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    QList<TCustomAction *> actions{new TWindowCascade(m_main), new TWindowTileHorizontal(m_main),
                                   new TWindowTileVertical(m_main), new TWindowMinimizeAll(m_main),
                                   new TWindowArrange(m_main)};
    auto *close = new TWindowClose(m_main);
    actions << close;
    for (TCustomAction *a : actions) {
        m_main->ActionManagerTest->AddAction(a);
        QVERIFY(!a->Enabled());
    }
    auto updateAll = [&] {
        for (TCustomAction *a : actions)
            a->Update();
    };
    updateAll();
    for (TCustomAction *a : actions)
        QVERIFY(!a->Enabled());

    QMdiSubWindow *doc = m_main->MDIClient->addSubWindow(new QWidget);
    doc->show();
    m_main->MDIClient->setActiveSubWindow(doc);
    updateAll();
    for (TCustomAction *a : actions)
        QVERIFY2(a->Enabled(), qPrintable(a->metaObject()->className()));

    QVERIFY(close->Execute());
    QTRY_COMPARE(m_main->MDIChildCount(), 0);
    updateAll();
    for (TCustomAction *a : actions)
        QVERIFY(!a->Enabled());
}

void TestMainWindow::tilesOneAboveTheOtherAndSideBySide()
{
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    QList<QMdiSubWindow *> docs;
    for (int i = 0; i < 3; ++i) {
        docs << m_main->MDIClient->addSubWindow(new QWidget);
        docs.last()->show();
    }
    docs[1]->showMaximized();
    const QRect area = m_main->MDIClient->viewport()->rect();
    m_main->TileHorizontal();
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!docs[i]->isMaximized());
        QCOMPARE(docs[i]->geometry().left(), 0);
        QCOMPARE(docs[i]->width(), area.width());
        QCOMPARE(docs[i]->y(), area.height() * i / 3);
    }
    m_main->TileVertical();
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(docs[i]->y(), 0);
        QCOMPARE(docs[i]->height(), area.height());
        QCOMPARE(docs[i]->x(), area.width() * i / 3);
    }
    m_main->MinimizeAll();
    for (QMdiSubWindow *d : docs)
        QVERIFY(d->isMinimized());
}

void TestMainWindow::runShowsMaximisedAndEndsWithMainWindow()
{
    Application->CreateForm(FormVEXAMain);
    bool wasMaximised = false;
    QTimer::singleShot(0, FormVEXAMain, [&wasMaximised] {
        wasMaximised = FormVEXAMain->isMaximized() && FormVEXAMain->isVisible();
        FormVEXAMain->close();
    });
    QCOMPARE(Application->Run(), 0);
    QVERIFY(wasMaximised);
    QVERIFY(!FormVEXAMain);
    QVERIFY(Application->Forms().isEmpty());
}

void TestMainWindow::idleUpdatesActionsOfVisibleControlsOnly()
{
    QWidget shown, hidden;
    QWidget alsoShown;
    TAction onShown, onHidden;
    int shownUpdates = 0, hiddenUpdates = 0;
    onShown.OnUpdate = [&shownUpdates](QObject *) { ++shownUpdates; };
    onHidden.OnUpdate = [&hiddenUpdates](QObject *) { ++hiddenUpdates; };
    TIdleActionUpdater &updater = TIdleActionUpdater::Instance();
    updater.AddClient(&shown, &onShown);
    updater.AddClient(&alsoShown, &onShown);  // one action on two controls: updated once a pass
    updater.AddClient(&hidden, &onHidden);
    shown.show();
    alsoShown.show();

    updater.UpdateVisibleActions();
    QCOMPARE(shownUpdates, 1);
    QCOMPARE(hiddenUpdates, 0);

    // The event loop running dry is an idle moment (a real loop: it waits for events).
    auto runLoop = [] {
        QEventLoop loop;
        QTimer::singleShot(30, &loop, &QEventLoop::quit);
        loop.exec();
    };
    shownUpdates = 0;
    runLoop();
    QVERIFY(shownUpdates >= 1);
    QCOMPARE(hiddenUpdates, 0);

    hidden.show();
    runLoop();
    QVERIFY(hiddenUpdates >= 1);
    updater.RemoveClient(&shown);
    updater.RemoveClient(&alsoShown);
    updater.RemoveClient(&hidden);
}

int main(int argc, char *argv[])
{
    // The start-up wait reads a clock that runs fast: no test waits out the splash.
    static std::uint32_t now = 0;
    TFormVEXAMain::StartupClock.Tick = [] { return now += 500; };
    TApplication app(argc, argv);
    app.SetTitle(QStringLiteral("VEXA-TOLM"));
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
