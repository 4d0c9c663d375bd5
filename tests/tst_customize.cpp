// The customise dialog and customise mode: bars shown and hidden, entries moved, removed and added, kept in the layout file.
#include "actions/ActnBars.h"
#include "actions/ActnMan.h"
#include "mainwindow/ActionBarViews.h"
#include "mainwindow/CustomizeDlg.h"
#include "mainwindow/FVEXAMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList Captions(const TActionClients &items)
{
    QStringList result;
    for (int i = 0; i < items.Count(); ++i)
        result << (items[i].IsSeparator() ? QStringLiteral("-") : items[i].Action ? items[i].Action->Name() : items[i].Caption);
    return result;
}

QMimeData *ItemData(const QString &bar, int index)
{
    auto *data = new QMimeData;
    data->setData(QLatin1String(TCustomizeDlg::ItemMime), QStringLiteral("%1\n%2").arg(bar).arg(index).toUtf8());
    return data;
}

QMimeData *ActionData(const QString &action)
{
    auto *data = new QMimeData;
    data->setData(QLatin1String(TCustomizeDlg::ActionMime), action.toUtf8());
    return data;
}

} // namespace

class TestCustomize : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dialogOpensOnceNotModalWithBarsInOrder();
    void uncheckingAToolbarHidesItAndClearsItsEntry();
    void keyboardArrangement();
    void menuBarEntriesMoveButAreNeverDeleted();
    void dropsMoveAndAddEntries_data();
    void dropsMoveAndAddEntries();
    void arrangementSurvivesSaveAndLoad();
    void captionOptionApplies();
    void resetToDesign();
    void customiseModeDragsInsteadOfExecuting();
    void options();

private:
    TCustomizeDlg *Open()
    {
        m_main->ActionManagerTest->FindAction(QStringLiteral("ActionViewCustomize"))->Execute();
        return m_main->CustomizeDlg();
    }
    TActionBars &Bars() { return m_main->ActionManagerTest->ActionBars(); }
    TActionClients &Bar(const char *name) { return Bars().FindBar(QString::fromLatin1(name))->Items(); }
    void SelectBar(TCustomizeDlg *dlg, const char *name)
    {
        for (int i = 0; i < dlg->BarList->count(); ++i)
            if (dlg->BarList->item(i)->text() == QLatin1String(name))
                dlg->BarList->setCurrentRow(i);
    }
    TFormVEXAMain *m_main = nullptr;
    QTemporaryDir m_dir;
};

void TestCustomize::init()
{
    m_main = new TFormVEXAMain;
    m_main->resize(1000, 700);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
}

void TestCustomize::cleanup()
{
    delete m_main;
    m_main = nullptr;
    QVERIFY(!ActionViews::IsCustomizing(nullptr));
}

void TestCustomize::dialogOpensOnceNotModalWithBarsInOrder()
{
    TCustomizeDlg *dlg = Open();
    QVERIFY(dlg);
    QVERIFY(dlg->isVisible());
    QVERIFY(!dlg->isModal());
    QVERIFY(dlg->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(ActionViews::IsCustomizing(m_main->ActionManagerTest));
    QCOMPARE(Open(), dlg);  // brought forward, not made again

    QStringList names;
    for (int i = 0; i < dlg->BarList->count(); ++i)
        names << dlg->BarList->item(i)->text();
    QCOMPARE(names, (QStringList{"MenuBarTest", "ActionToolBarSweep", "ActionToolBarCurves", "ActionToolBarMarker",
                                 "ActionToolBarSetLevelAndFrequency", "ActionToolBarStandard"}));
    const QList<bool> checked{true, true, false, false, false, true};
    for (int i = 0; i < names.size(); ++i)
        QVERIFY2((dlg->BarList->item(i)->checkState() == Qt::Checked) == checked[i], qPrintable(names[i]));
    QVERIFY(!m_main->ActionToolBarSweep->isHidden());  // opening the dialog hides nothing
    QVERIFY(!(dlg->BarList->item(0)->flags() & Qt::ItemIsEnabled));  // the menu bar cannot be hidden

    // Categories in order of first occurrence, actions in list order, with a separator to drag.
    QCOMPARE(dlg->CategoryList->item(0)->text(), QStringLiteral("?"));
    dlg->CategoryList->setCurrentRow(dlg->CategoryList->count() - 3);  // "File"
    QCOMPARE(dlg->CategoryList->currentItem()->text(), QStringLiteral("File"));
    QCOMPARE(dlg->ActionList->item(0)->text(), QStringLiteral("Load setup and curves..."));
    QCOMPARE(dlg->ActionList->count(), 23 + 1);
    dlg->close();
    QVERIFY(!ActionViews::IsCustomizing(m_main->ActionManagerTest));
}

void TestCustomize::uncheckingAToolbarHidesItAndClearsItsEntry()
{
    TCustomizeDlg *dlg = Open();
    dlg->BarList->item(5)->setCheckState(Qt::Unchecked);
    QVERIFY(m_main->ActionToolBarStandard->isHidden());
    QVERIFY(!Bars().FindBar("ActionToolBarStandard")->Visible);
    TCustomAction *toggle = m_main->ActionManagerTest->FindAction(QStringLiteral("ActionToolbarsStandard"));
    toggle->Update();
    QVERIFY(!toggle->Checked());
    dlg->BarList->item(3)->setCheckState(Qt::Checked);
    QVERIFY(!m_main->ActionToolBarMarker->isHidden());
}

void TestCustomize::keyboardArrangement()
{
    TCustomizeDlg *dlg = Open();
    SelectBar(dlg, "ActionToolBarSweep");
    const QStringList design = Captions(Bar("ActionToolBarSweep"));
    dlg->ItemList->setCurrentRow(0);
    dlg->MoveDown->click();
    QStringList expected = design;
    expected.swapItemsAt(0, 1);
    QCOMPARE(Captions(Bar("ActionToolBarSweep")), expected);
    QCOMPARE(dlg->ItemList->currentRow(), 1);
    dlg->MoveUp->click();
    QCOMPARE(Captions(Bar("ActionToolBarSweep")), design);

    dlg->ItemList->setCurrentRow(2);  // the separator
    dlg->RemoveItem->click();
    expected = design;
    expected.removeAt(2);
    QCOMPARE(Captions(Bar("ActionToolBarSweep")), expected);

    dlg->CategoryList->setCurrentRow(0);  // "?"
    dlg->ActionList->setCurrentRow(6);    // About
    dlg->ItemList->setCurrentRow(0);
    dlg->AddAction->click();
    QCOMPARE(Captions(Bar("ActionToolBarSweep")).at(1), QStringLiteral("ActionAboutVEXA"));
    dlg->AddSeparator->click();
    QCOMPARE(Captions(Bar("ActionToolBarSweep")).at(2), QStringLiteral("-"));
    // The toolbar shows what the entry holds.
    QTRY_COMPARE(m_main->ActionToolBarSweep->actions().size(), qsizetype(Bar("ActionToolBarSweep").Count()));
}

void TestCustomize::menuBarEntriesMoveButAreNeverDeleted()
{
    TCustomizeDlg *dlg = Open();
    SelectBar(dlg, "MenuBarTest");
    QVERIFY(!dlg->RemoveItem->isEnabled());
    QVERIFY(!Bars().RemoveItem(Bar("MenuBarTest"), 0));
    QCOMPARE(Bar("MenuBarTest").Count(), 10);
    // Dropped off every bar: nothing happens to a menu-bar entry.
    dlg->ItemList->setCurrentRow(9);
    dlg->MoveUp->click();
    QCOMPARE(Bar("MenuBarTest")[8].Caption, QStringLiteral("?"));
    QTRY_COMPARE(m_main->MenuBarTest->actions().at(8)->text(), QStringLiteral("?"));
}

void TestCustomize::dropsMoveAndAddEntries_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expectedAtIndex");
    QTest::addColumn<int>("sweepCount");
    QTest::newRow("button to a new place on its bar") << "move 0" << "ActionToolBarSweep" << 6 << "ActionSweepPowerOnOff" << 6;
    QTest::newRow("button onto another bar") << "move 0" << "ActionToolBarStandard" << 0 << "ActionSweepPowerOnOff" << 5;
    QTest::newRow("new action from the dialog") << "action ActionCurveMath" << "ActionToolBarSweep" << 1 << "ActionCurveMath" << 7;
    QTest::newRow("separator from the dialog") << "action " << "ActionToolBarSweep" << 0 << "-" << 7;
    QTest::newRow("menu-bar entry moved along the bar") << "menu 9" << "MenuBarTest" << 0 << "?" << 6;
}

void TestCustomize::dropsMoveAndAddEntries()
{
    QFETCH(QString, kind);
    QFETCH(QString, target);
    QFETCH(int, index);
    QFETCH(QString, expectedAtIndex);
    QFETCH(int, sweepCount);
    // Outside customise mode a drop does nothing.
    std::unique_ptr<QMimeData> early(ItemData("ActionToolBarSweep", 0));
    QVERIFY(!ActionViews::Drop(*m_main->ActionManagerTest, target, index, early.get()));

    Open();
    std::unique_ptr<QMimeData> data;
    if (kind.startsWith("move "))
        data.reset(ItemData("ActionToolBarSweep", kind.mid(5).toInt()));
    else if (kind.startsWith("menu "))
        data.reset(ItemData("MenuBarTest", kind.mid(5).toInt()));
    else
        data.reset(ActionData(kind.mid(7)));
    QVERIFY(ActionViews::Drop(*m_main->ActionManagerTest, target, index, data.get()));
    QCoreApplication::processEvents();  // the drop applies once the drag has ended
    QCOMPARE(Bar("ActionToolBarSweep").Count(), sweepCount);
    const TActionClients &items = Bars().FindBar(target)->Items();
    const TActionClientItem &item = items[target == "ActionToolBarSweep" && kind.startsWith("move ") ? index - 1 : index];
    QCOMPARE(item.IsSeparator() ? QStringLiteral("-") : item.Action ? item.Action->Name() : item.Caption, expectedAtIndex);

    // The new arrangement survives the layout file.
    const QStringList targetItems = Captions(items), sweepItems = Captions(Bar("ActionToolBarSweep"));
    const QString file = m_dir.filePath(QStringLiteral("VEXA.act"));
    m_main->ActionManagerTest->SaveLayoutToFile(file);
    delete m_main;
    m_main = new TFormVEXAMain;
    m_main->ActionManagerTest->LoadLayoutFromFile(file);
    QCOMPARE(Captions(Bars().FindBar(target)->Items()), targetItems);
    QCOMPARE(Captions(Bar("ActionToolBarSweep")), sweepItems);
}

void TestCustomize::arrangementSurvivesSaveAndLoad()
{
    TCustomizeDlg *dlg = Open();
    SelectBar(dlg, "ActionToolBarCurves");
    dlg->ItemList->setCurrentRow(0);
    dlg->RemoveItem->click();
    dlg->CaptionOptions->setCurrentIndex(int(TCaptionOptions::coAll));
    Bar("ActionToolBarCurves")[0].Caption = QStringLiteral("&Comment");
    dlg->BarList->item(2)->setCheckState(Qt::Checked);  // Curves shown in this run
    const QStringList arranged = Captions(Bar("ActionToolBarCurves"));
    const QString file = m_dir.filePath(QStringLiteral("VEXA.act"));
    m_main->ActionManagerTest->SaveLayoutToFile(file);
    delete m_main;

    m_main = new TFormVEXAMain;
    m_main->ActionManagerTest->LoadLayoutFromFile(file);
    QCOMPARE(Captions(Bar("ActionToolBarCurves")), arranged);
    QCOMPARE(Bar("ActionToolBarCurves")[0].Caption, QStringLiteral("&Comment"));
    QCOMPARE(Bar("ActionToolBarCurves").CaptionOptions, TCaptionOptions::coAll);
    // Toolbar visibility is back to the design.
    QVERIFY(m_main->ActionToolBarCurves->isHidden());
    QVERIFY(!m_main->ActionToolBarStandard->isHidden());
}

void TestCustomize::captionOptionApplies()
{
    TCustomizeDlg *dlg = Open();
    SelectBar(dlg, "ActionToolBarSweep");
    dlg->CaptionOptions->setCurrentIndex(int(TCaptionOptions::coAll));
    QTRY_COMPARE(m_main->ActionToolBarSweep->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    dlg->CaptionOptions->setCurrentIndex(int(TCaptionOptions::coNone));
    dlg->ApplyToAll->click();
    for (int i = 1; i < Bars().Count(); ++i)
        QCOMPARE(Bars()[i].Items().CaptionOptions, TCaptionOptions::coNone);
    QCOMPARE(Bar("MenuBarTest").CaptionOptions, TCaptionOptions::coAll);  // toolbars only
    QTRY_COMPARE(m_main->ActionToolBarSweep->toolButtonStyle(), Qt::ToolButtonIconOnly);
}

void TestCustomize::resetToDesign()
{
    // Without a layout file read at start there is no design copy: reset does nothing.
    TCustomizeDlg *dlg = Open();
    QVERIFY(!dlg->ResetBar->isEnabled());
    QVERIFY(!m_main->ActionManagerTest->ResetActionBar(QStringLiteral("ActionToolBarSweep")));
    dlg->close();

    const QStringList design = Captions(Bar("ActionToolBarSweep"));
    Bars().RemoveItem(Bar("ActionToolBarSweep"), 0);
    const QString file = m_dir.filePath(QStringLiteral("VEXA.act"));
    m_main->ActionManagerTest->SaveLayoutToFile(file);
    delete m_main;
    m_main = new TFormVEXAMain;
    const QStringList fresh = Captions(Bar("ActionToolBarSweep"));
    m_main->ActionManagerTest->LoadLayoutFromFile(file);
    QCOMPARE(Bar("ActionToolBarSweep").Count(), design.size() - 1);
    dlg = Open();
    QVERIFY(dlg->ResetBar->isEnabled());
    SelectBar(dlg, "ActionToolBarSweep");
    dlg->ResetBar->click();
    QCOMPARE(Captions(Bar("ActionToolBarSweep")), fresh);
}

void TestCustomize::customiseModeDragsInsteadOfExecuting()
{
    int runs = 0;
    TCustomAction *stop = m_main->ActionManagerTest->FindAction(QStringLiteral("ActionSweepStop"));
    stop->OnExecute = [&runs](QObject *) { ++runs; };
    auto *button = qobject_cast<QToolButton *>(
        m_main->ActionToolBarSweep->widgetForAction(m_main->ActionToolBarSweep->actions().constLast()));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(runs, 1);
    Open();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(runs, 1);  // customise mode: a click does not execute
    m_main->CustomizeDlg()->close();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(runs, 2);
}

void TestCustomize::options()
{
    TCustomizeDlg *dlg = Open();
    dlg->LargeIcons->setChecked(true);
    QCOMPARE(m_main->ActionToolBarSweep->iconSize(), QSize(24, 24));
    dlg->LargeIcons->setChecked(false);
    QCOMPARE(m_main->ActionToolBarSweep->iconSize(), QSize(16, 16));

    m_main->ActionManagerTest->ApplyHintRule();
    Bars().NotifyChanged();
    auto stopTip = [this] { return m_main->ActionToolBarSweep->actions().constLast()->toolTip(); };
    QTRY_COMPARE(stopTip(), QStringLiteral("Stop (F10)"));
    dlg->ShortCutsInTips->setChecked(false);
    QTRY_COMPARE(stopTip(), QStringLiteral("Stop"));
    dlg->ShowTips->setChecked(false);
    QVERIFY(!Bars().ShowHints);
    dlg->MenuAnimation->setCurrentIndex(2);
    QVERIFY(QApplication::isEffectEnabled(Qt::UI_FadeMenu));
    dlg->MenuAnimation->setCurrentIndex(0);
    QVERIFY(!QApplication::isEffectEnabled(Qt::UI_AnimateMenu));
}

QTEST_MAIN(TestCustomize)
#include "tst_customize.moc"
