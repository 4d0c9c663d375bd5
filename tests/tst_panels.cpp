// The checklist panel, the embedded dialog panel, and the main window's checklist, dialog and equipment managers.
#include "actions/ActnBars.h"
#include "actions/ActnMan.h"
#include "mainwindow/ActionBarViews.h"
#include "mainwindow/AlignLayout.h"
#include "mainwindow/CHILDWIN.h"
#include "mainwindow/ChecklistPanel.h"
#include "mainwindow/DialogPanel.h"
#include "mainwindow/FVEXAMain.h"
#include "mainwindow/Splitter.h"
#include "shell/Application.h"

#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <stdexcept>

namespace {

/*
  Closes every modal window that opens while it lives and keeps its text.
  Whatever the code reports shows up in Texts instead of blocking the test.
*/
class ModalCatcher : public QObject
{
public:
    ModalCatcher()
    {
        m_sweep.setInterval(0);
        connect(&m_sweep, &QTimer::timeout, this, [this] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal)
                return;
            auto *box = qobject_cast<QMessageBox *>(modal);
            Texts << (box ? box->text() : modal->objectName());
            modal->reject();
        });
        m_sweep.start();
    }
    QStringList Texts;

private:
    QTimer m_sweep;
};

// A form to host in the dialog panel, whose close query and hiding can be made to refuse or fail.
class HostedForm : public QWidget
{
public:
    enum class Answer { Yes, No, Fails };
    Answer CloseAnswer = Answer::Yes;
    bool HideFails = false;
    int Queries = 0;
    QLineEdit *Edit;

    HostedForm()
    {
        setWindowTitle(QStringLiteral("Hosted settings"));
        Edit = new QLineEdit(this);
        Edit->setGeometry(10, 10, 120, 22);
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++Queries;
        if (CloseAnswer == Answer::Fails)
            throw std::runtime_error("The form cannot tell");
        if (CloseAnswer == Answer::No)
            event->ignore();
    }
    void hideEvent(QHideEvent *) override
    {
        if (HideFails) {
            HideFails = false;  // fails once: the form can still go with the window
            throw std::runtime_error("The form cannot be hidden");
        }
    }
};

QString PathOf(QTreeWidgetItem *item)
{
    return item->parent() ? item->parent()->text(0) + QLatin1Char('/') + item->text(0) : item->text(0);
}

} // namespace

class TestPanels : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void checklistAtStart();
    void checklistTreeNodes();
    void checklistTreeIsReadOnly();
    void selectionExpandsItsBranch_data();
    void selectionExpandsItsBranch();
    void upAndDownGoToTheLevelActions_data();
    void upAndDownGoToTheLevelActions();
    void hideAndShowChecklist_data();
    void hideAndShowChecklist();
    void checklistActions_data();
    void checklistActions();
    void checklistTasksAreOneRadioGroupThatNothingChanges();
    void checklistBarEntryNamesNoBar();
    void checklistManagerStaysOutOfTheLayoutFile();

    void dialogPanelHiddenAtStart();
    void dialogPanelRows();
    void dialogPanelButtons_data();
    void dialogPanelButtons();
    void helpTextSplitter_data();
    void helpTextSplitter();
    void dialogActions_data();
    void dialogActions();
    void okAndCancel_data();
    void okAndCancel();
    void hidingFailureLetsTheFormGo_data();
    void hidingFailureLetsTheFormGo();
    void f1RunsDialogHelpAndNothingElse_data();
    void f1RunsDialogHelpAndNothingElse();
    void equipmentActions();
    void ctrlF8DisablesPresetAll();

private:
    void ShowAndActivate();
    QTreeWidgetItem *Node(const QString &path) const;
    void ClickNode(const QString &path);
    void Step(const QString &step);
    TCustomAction *TestAction(const char *name) const
    {
        return m_main->ActionManagerTest->FindAction(QString::fromLatin1(name));
    }
    TCustomAction *DialogAction(const QString &name) const { return m_main->ActionManagerDialog->FindAction(name); }
    TActionMenu *MenuCaptioned(const QString &caption) const;

    TFormVEXAMain *m_main = nullptr;
};

void TestPanels::init()
{
    m_main = new TFormVEXAMain;
    m_main->resize(800, 600);
}

void TestPanels::cleanup()
{
    delete m_main;
    m_main = nullptr;
}

void TestPanels::ShowAndActivate()
{
    m_main->show();
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
}

QTreeWidgetItem *TestPanels::Node(const QString &path) const
{
    const QStringList parts = path.split(QLatin1Char('/'));
    QTreeWidget *tree = m_main->TreeViewChecklist;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *root = tree->topLevelItem(i);
        if (root->text(0) != parts[0])
            continue;
        if (parts.size() == 1)
            return root;
        for (int j = 0; j < root->childCount(); ++j)
            if (root->child(j)->text(0) == parts[1])
                return root->child(j);
    }
    return nullptr;
}

void TestPanels::ClickNode(const QString &path)
{
    QTreeWidgetItem *node = Node(path);
    QVERIFY2(node, qPrintable(path));
    const QRect rect = m_main->TreeViewChecklist->visualItemRect(node);
    QVERIFY2(rect.isValid(), qPrintable(path + QStringLiteral(" is not on screen")));
    QTest::mouseClick(m_main->TreeViewChecklist->viewport(), Qt::LeftButton, {}, rect.center());
}

TActionMenu *TestPanels::MenuCaptioned(const QString &caption) const
{
    for (QAction *top : m_main->MenuBarTest->actions())
        if (top->text() == caption)
            return qobject_cast<TActionMenu *>(top->menu());
    return nullptr;
}

// One user step on the checklist: a click on the cross, a menu entry or the toolbar button, or an action run directly.
void TestPanels::Step(const QString &step)
{
    if (step == QLatin1String("cross")) {
        QVERIFY(m_main->ButtonChecklistHide->isVisible());
        QTest::mouseClick(m_main->ButtonChecklistHide, Qt::LeftButton);
        return;
    }
    if (step == QLatin1String("hide")) {
        QVERIFY(TestAction("ActionViewChecklistHide")->Execute());
        return;
    }
    if (step == QLatin1String("toolbar")) {
        for (QAction *row : m_main->ActionToolBarStandard->actions())
            if (row->text() == QLatin1String("S&how checklist")) {
                auto *button = qobject_cast<QToolButton *>(m_main->ActionToolBarStandard->widgetForAction(row));
                QVERIFY(button);
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        QFAIL("no checklist button on the Standard toolbar");
    }
    const std::pair<QString, QString> entries[] = {{QStringLiteral("menu"), QStringLiteral("&View|Sh&ow checklist")},
                                                   {QStringLiteral("help checklist"), QStringLiteral("?|&Checklist")}};
    for (const auto &[name, where] : entries) {
        if (step != name)
            continue;
        TActionMenu *menu = MenuCaptioned(where.section(QLatin1Char('|'), 0, 0));
        QVERIFY(menu);
        emit menu->aboutToShow();
        for (QAction *row : menu->actions())
            if (row->text() == where.section(QLatin1Char('|'), 1)) {
                row->trigger();
                return;
            }
        QFAIL(qPrintable(QStringLiteral("no menu entry ") + where));
    }
    QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
}

// ---------------------------------------------------------------- the checklist panel

void TestPanels::checklistAtStart()
{
    ShowAndActivate();
    // The create handler's hint rule changes the action after the button took it over: the caption stays empty.
    m_main->ActionManagerTest->ApplyHintRule();
    TPanel *panel = m_main->PanelChecklist;
    QCOMPARE(panel->x(), 0);
    QCOMPARE(panel->y(), m_main->Panel1->geometry().bottom() + 1);
    QCOMPARE(panel->width(), 200);
    QCOMPARE(panel->minimumWidth(), 100);

    TCaptionPanel *header = m_main->PanelChecklistHeader;
    QCOMPARE(header->parentWidget(), panel);
    QCOMPARE(header->geometry(), QRect(2, 2, 196, 22));
    QCOMPARE(header->Caption(), QStringLiteral("Select task:"));
    QCOMPARE(header->Alignment, Qt::Alignment(Qt::AlignLeft));

    // The cross stands at the heading's right end, picture only, with the action's hint as tool tip.
    TSpeedButton *cross = m_main->ButtonChecklistHide;
    QCOMPARE(cross->parentWidget(), header);
    QCOMPARE(cross->geometry(), QRect(196 - 23, 0, 23, 22));
    QCOMPARE(cross->Align(), TAlign::alRight);
    QCOMPARE(cross->Caption(), QString());
    QVERIFY(!cross->icon().isNull());
    QVERIFY(cross->autoRaise());
    QCOMPARE(cross->focusPolicy(), Qt::NoFocus);
    QCOMPARE(cross->Action(), TestAction("ActionViewChecklistHide"));
    QCOMPARE(cross->toolTip(), QStringLiteral("Hide checklist"));

    // The heading keeps its layout when the panel changes width.
    m_main->ClientLayout()->SetExtent(panel, 150);
    QTRY_COMPARE(header->width(), 146);
    QCOMPARE(cross->geometry(), QRect(146 - 23, 0, 23, 22));
    QCOMPARE(cross->Caption(), QString());

    QTreeWidget *tree = m_main->TreeViewChecklist;
    QCOMPARE(tree->geometry(), QRect(2, 24, 146, panel->height() - 4 - 22));
    QCOMPARE(tree->topLevelItemCount(), 2);
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        QVERIFY(!tree->topLevelItem(i)->isExpanded());
    QVERIFY(tree->selectedItems().isEmpty());
}

void TestPanels::checklistTreeNodes()
{
    const std::pair<const char *, QStringList> expected[] = {
        {"Immunity", {"Devices", "Calibration", "Field uniformity", "Test", "Transducer factor", "Documentation"}},
        {"Emission", {"Devices", "Test", "Transducer factor", "Antenna diagram", "Documentation"}},
    };
    QTreeWidget *tree = m_main->TreeViewChecklist;
    QCOMPARE(tree->topLevelItemCount(), int(std::size(expected)));
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *root = tree->topLevelItem(i);
        QCOMPARE(root->text(0), QString::fromLatin1(expected[i].first));
        QStringList children;
        for (int j = 0; j < root->childCount(); ++j) {
            QTreeWidgetItem *child = root->child(j);
            children << child->text(0);
            QCOMPARE(child->childCount(), 0);
        }
        QCOMPARE(children, expected[i].second);
    }
    // No pictures: no node carries one, and the view reserves no room for any.
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        QVERIFY((*it)->icon(0).isNull());
        QVERIFY(!(*it)->data(0, Qt::DecorationRole).isValid());
    }
    QCOMPARE(tree->indentation(), 19);
    QCOMPARE(tree->frameShape(), QFrame::NoFrame);
    QVERIFY(tree->isHeaderHidden());
}

void TestPanels::checklistTreeIsReadOnly()
{
    ShowAndActivate();
    QTreeWidget *tree = m_main->TreeViewChecklist;
    tree->setFocus();
    QTreeWidgetItem *root = Node(QStringLiteral("Emission"));
    tree->setCurrentItem(root);
    QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
    tree->editItem(root);  // even asked directly, no editor opens
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(root).center());
    QVERIFY(!tree->findChild<QLineEdit *>());
    QCOMPARE(root->text(0), QStringLiteral("Emission"));
    QVERIFY(!(root->flags() & Qt::ItemIsEditable));
}

void TestPanels::selectionExpandsItsBranch_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("immunityOpen");
    QTest::addColumn<bool>("emissionOpen");
    QTest::addColumn<QString>("selected");
    QTest::newRow("a root opens") << QStringList{"Immunity"} << true << false << "Immunity";
    QTest::newRow("the other root opens, the first closes") << QStringList{"Immunity", "Emission"} << false << true << "Emission";
    QTest::newRow("a task keeps its root open") << QStringList{"Immunity", "Immunity/Test"} << true << false << "Immunity/Test";
    QTest::newRow("a task of the other root") << QStringList{"Emission", "Emission/Test", "Immunity"} << true << false
                                              << "Immunity";
    QTest::newRow("back from a task to its root") << QStringList{"Emission", "Emission/Antenna diagram", "Emission"}
                                                  << false << true << "Emission";
    QTest::newRow("clicking the selected root again") << QStringList{"Immunity", "Immunity"} << true << false << "Immunity";
}

void TestPanels::selectionExpandsItsBranch()
{
    QFETCH(QStringList, clicks);
    QFETCH(bool, immunityOpen);
    QFETCH(bool, emissionOpen);
    QFETCH(QString, selected);
    ShowAndActivate();
    TCustomAction *checkedBefore = m_main->ActionManagerChecklist->FindAction(QStringLiteral("ActionEMSTest"));
    for (const QString &path : clicks)
        ClickNode(path);
    QCOMPARE(Node(QStringLiteral("Immunity"))->isExpanded(), immunityOpen);
    QCOMPARE(Node(QStringLiteral("Emission"))->isExpanded(), emissionOpen);
    const QList<QTreeWidgetItem *> selection = m_main->TreeViewChecklist->selectedItems();
    QCOMPARE(selection.size(), 1);
    QCOMPARE(PathOf(selection.first()), selected);
    // Selecting a task starts nothing.
    QVERIFY(checkedBefore->Checked());
    QVERIFY(m_main->PanelDialog->isHidden());
    QCOMPARE(m_main->MDIChildCount(), 0);
}

void TestPanels::upAndDownGoToTheLevelActions_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("action");
    QTest::newRow("Up") << int(Qt::Key_Up) << "ActionLevelUp";
    QTest::newRow("Down") << int(Qt::Key_Down) << "ActionLevelDown";
}

void TestPanels::upAndDownGoToTheLevelActions()
{
    QFETCH(int, key);
    QFETCH(QString, action);
    ShowAndActivate();
    ClickNode(QStringLiteral("Immunity"));
    ClickNode(QStringLiteral("Immunity/Field uniformity"));
    QTreeWidget *tree = m_main->TreeViewChecklist;
    tree->setFocus();
    QTRY_VERIFY(tree->hasFocus());
    QStringList ran;
    connect(m_main->ActionManagerTest, &TActionManager::ActionExecuted, this,
            [&ran](TCustomAction *a) { ran << a->Name(); });
    QTest::keyClick(m_main->windowHandle(), Qt::Key(key));
    QCOMPARE(ran, QStringList{action});
    QCOMPARE(PathOf(tree->currentItem()), QStringLiteral("Immunity/Field uniformity"));
    QCOMPARE(tree->selectedItems().size(), 1);
    QCOMPARE(PathOf(tree->selectedItems().first()), QStringLiteral("Immunity/Field uniformity"));
}

void TestPanels::hideAndShowChecklist_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("visible");
    QTest::newRow("the cross hides") << QStringList{"cross"} << false;
    QTest::newRow("the View menu shows again") << QStringList{"cross", "menu"} << true;
    QTest::newRow("the toolbar button shows again") << QStringList{"cross", "toolbar"} << true;
    QTest::newRow("showing a visible panel") << QStringList{"menu", "toolbar"} << true;
    QTest::newRow("hiding a hidden panel") << QStringList{"cross", "hide"} << false;
    QTest::newRow("hidden twice, shown once") << QStringList{"cross", "hide", "menu"} << true;
    QTest::newRow("help's Checklist leaves a visible panel") << QStringList{"help checklist"} << true;
    QTest::newRow("help's Checklist leaves a hidden panel") << QStringList{"cross", "help checklist"} << false;
}

void TestPanels::hideAndShowChecklist()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, visible);
    ShowAndActivate();
    // A width of the user's own first, which the panel keeps across hiding.
    TSplitter *splitter = m_main->SplitterChecklist;
    QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(2, 50));
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(62, 50));
    QTRY_COMPARE(m_main->PanelChecklist->width(), 260);

    for (const QString &step : steps) {
        Step(step);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(m_main->PanelChecklist->isVisible(), visible);
    QCOMPARE(splitter->isVisible(), visible);
    if (visible) {
        QTRY_COMPARE(m_main->PanelChecklist->geometry().left(), 0);
        QCOMPARE(m_main->PanelChecklist->width(), 260);
        QTRY_COMPARE(splitter->x(), 260);
        QTRY_COMPARE(m_main->MDIClient->x(), 264);
    } else {
        QTRY_COMPARE(m_main->MDIClient->x(), 0);
        QCOMPARE(m_main->MDIClient->width(), m_main->centralWidget()->width());
    }
}

void TestPanels::checklistActions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("group");
    QTest::addColumn<bool>("checked");
    const struct
    {
        const char *name, *category, *caption;
        bool enabled;
        int group;
        bool checked;
    } rows[] = {
        {"ActionEMS", "Immunity", "Immunity:", false, 0, false},
        {"ActionEMSDevices", "Immunity", "Decices", true, 1, false},
        {"ActionEMSCalibrate", "Immunity", "Calibration", true, 1, false},
        {"ActionEMSFieldUniformity", "Immunity", "Field uniformity", true, 1, false},
        {"ActionEMSTest", "Immunity", "Test", true, 1, true},
        {"ActionEMSTransducer", "Immunity", "Transducer factor measurement", true, 1, false},
        {"ActionEMSDocumentation", "Immunity", "Documentation", true, 1, false},
        {"ActionEMI", "Emission", "Emission:", false, 0, false},
        {"ActionEMIDevices", "Emission", "Decices", true, 1, false},
        {"ActionEMITest", "Emission", "Test", true, 1, false},
        {"ActionEMITransducer", "Emission", "Transducer factor measurement", true, 1, false},
        {"ActionEMIAntennadiagram", "Emission", "Antenna diagram", true, 1, false},
        {"ActionEMIDocumentation", "Emission", "Documentation", true, 1, false},
    };
    int index = 0;
    for (const auto &r : rows) {
        QTest::newRow(r.name) << index << r.name << r.category << r.caption << r.enabled << r.group << r.checked;
        ++index;
    }
}

void TestPanels::checklistActions()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, category);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    QFETCH(int, group);
    QFETCH(bool, checked);
    TActionManager *manager = m_main->ActionManagerChecklist;
    QCOMPARE(manager->ActionCount(), 13);
    TCustomAction *action = manager->Actions(index);
    QVERIFY(action);
    QCOMPARE(action->Name(), name);
    QVERIFY(dynamic_cast<TAction *>(action));
    QCOMPARE(action->Category(), category);
    QCOMPARE(action->Caption(), caption);
    QCOMPARE(action->Enabled(), enabled);
    QCOMPARE(action->AutoCheck(), group == 1);
    QCOMPARE(action->GroupIndex(), group);
    QCOMPARE(action->Checked(), checked);
    // Nothing else: no picture, shortcut, hint or handler.
    QCOMPARE(action->ImageIndex(), -1);
    QCOMPARE(action->ShortCut(), TShortCut(0));
    QCOMPARE(action->Hint(), QString());
    QVERIFY(!action->OnExecute);
    QVERIFY(!action->OnUpdate);
    QVERIFY(!manager->Images);
    QCOMPARE(manager->StyleName, QStringLiteral("XP Style"));
}

void TestPanels::checklistTasksAreOneRadioGroupThatNothingChanges()
{
    TActionManager *manager = m_main->ActionManagerChecklist;
    auto checked = [manager] {
        QStringList names;
        for (TCustomAction *a : manager->ActionList())
            if (a->Checked())
                names << a->Name();
        return names;
    };
    QCOMPARE(checked(), QStringList{"ActionEMSTest"});

    // Choosing a task does nothing: with no handler it turns disabled and the check stays.
    TCustomAction *devices = manager->FindAction(QStringLiteral("ActionEMSDevices"));
    QVERIFY(!devices->Execute());
    QVERIFY(!devices->Enabled());
    QCOMPARE(checked(), QStringList{"ActionEMSTest"});

    // One group across both categories: checking an Emission task unchecks the Immunity test.
    manager->FindAction(QStringLiteral("ActionEMIDocumentation"))->SetChecked(true);
    QCOMPARE(checked(), QStringList{"ActionEMIDocumentation"});
    manager->FindAction(QStringLiteral("ActionEMSCalibrate"))->SetChecked(true);
    QCOMPARE(checked(), QStringList{"ActionEMSCalibrate"});
}

void TestPanels::checklistBarEntryNamesNoBar()
{
    TActionBars &bars = m_main->ActionManagerChecklist->ActionBars();
    QCOMPARE(bars.Count(), 1);
    QCOMPARE(bars.SessionCount, 20);
    const TActionBarItem &entry = bars[0];
    QCOMPARE(entry.ActionBar, QString());
    QCOMPARE(entry.ChangesAllowed, TChangesAllowed(0));
    QVERIFY(!entry.AutoSize);

    const struct
    {
        const char *action;  // null: a separator
        bool shadow;
        TChangesAllowed changes;
    } expected[] = {
        {"ActionEMS", true, caAll},
        {"ActionEMSDevices", false, 0},
        {"ActionEMSCalibrate", false, 0},
        {"ActionEMSFieldUniformity", false, 0},
        {"ActionEMSTest", false, 0},
        {"ActionEMSTransducer", false, 0},
        {"ActionEMSDocumentation", false, 0},
        {nullptr, false, caAll},
        {"ActionEMI", true, caAll},
        {"ActionEMIDevices", false, caAll},
        {"ActionEMITest", false, caAll},
        {"ActionEMITransducer", false, caAll},
        {"ActionEMIAntennadiagram", false, caAll},
        {"ActionEMIDocumentation", false, caAll},
    };
    const TActionClients &items = entry.Items();
    QCOMPARE(items.Count(), int(std::size(expected)));
    for (int i = 0; i < items.Count(); ++i) {
        const TActionClientItem &item = items[i];
        const QByteArray where = "item " + QByteArray::number(i + 1);
        if (expected[i].action) {
            QVERIFY2(item.Action, where);
            QCOMPARE(item.Action->Name(), QString::fromLatin1(expected[i].action));
        } else {
            QVERIFY2(item.IsSeparator(), where);
        }
        QCOMPARE(item.Color.isValid(), expected[i].shadow);
        if (expected[i].shadow)
            QCOMPARE(item.Color, QGuiApplication::palette().color(QPalette::Dark));
        QCOMPARE(item.ChangesAllowed, expected[i].changes);
        QVERIFY2(!item.HasItems(), where);
    }
    // Bound to no bar: no control of the window shows any of these actions.
    for (TCustomAction *action : m_main->ActionManagerChecklist->ActionList())
        for (QWidget *w : m_main->findChildren<QWidget *>())
            if (auto *button = qobject_cast<TSpeedButton *>(w))
                QVERIFY(button->Action() != action);
}

void TestPanels::checklistManagerStaysOutOfTheLayoutFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    static QString directory;
    directory = dir.path() + QLatin1Char('/');
    QString (*const before)() = TFormVEXAMain::ProgramPath;
    TFormVEXAMain::ProgramPath = [] { return directory; };
    bool canClose = true;
    m_main->FormCloseQuery(m_main, canClose);
    TFormVEXAMain::ProgramPath = before;

    QFile file(dir.filePath(QStringLiteral("VEXA.act")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.contains("ActionViewChecklistShow"));  // the file holds ActionManagerTest's bars
    for (const char *absent : {"ActionManagerChecklist", "ActionEMS", "ActionEMI", "Decices", "ActionManagerDialog",
                               "ActionDialog", "ActionPresetAll"})
        QVERIFY2(!content.contains(absent), absent);
}

// ---------------------------------------------------------------- the dialog panel

void TestPanels::dialogPanelHiddenAtStart()
{
    ShowAndActivate();
    QVERIFY(m_main->PanelDialog->isHidden());
    QVERIFY(!m_main->FDialogForm);
    QCOMPARE(m_main->MDIClient->x(), 204);
    QVERIFY(m_main->MDIClient->width() > 0);
    // Its rows were laid out from the start: the small buttons show no caption even before it is ever shown.
    for (TSpeedButton *b : {m_main->ButtonLoad, m_main->ButtonSave, m_main->ButtonLock, m_main->ButtonStepByStep,
                            m_main->ButtonDialogHide})
        QCOMPARE(b->Caption(), QString());
    QCOMPARE(m_main->PanelDialogCaption->Caption(), QStringLiteral("PanelDialogCaption"));
}

void TestPanels::dialogPanelRows()
{
    ShowAndActivate();
    auto *form = new HostedForm;
    HostDialogForm(*m_main, form);
    QTRY_VERIFY(m_main->PanelDialog->isVisible());
    TPanel *panel = m_main->PanelDialog;
    QTRY_COMPARE(panel->geometry(), QRect(204, 4, m_main->centralWidget()->width() - 204, m_main->centralWidget()->height() - 4));
    const int w = panel->width() - 4, h = panel->height();
    QTRY_COMPARE(m_main->PanelDialogCaption->geometry(), QRect(2, 2, w, 22));
    QCOMPARE(m_main->PanelDialogHelp->geometry(), QRect(2, 24, w, 99));
    QCOMPARE(m_main->Splitter3->geometry(), QRect(2, 123, w, 4));
    QCOMPARE(m_main->PanelDialogInterface->geometry(), QRect(2, 127, w, h - 2 - 127 - 44));
    QCOMPARE(m_main->PanelDialogStepByStepButtons->geometry(), QRect(2, h - 2 - 44, w, 22));
    QCOMPARE(m_main->PanelDialogButtons->geometry(), QRect(2, h - 2 - 22, w, 22));
    QCOMPARE(m_main->MDIClient->size(), QSize(0, 0));

    // The hosted form fills the dialog area; the caption row names it.
    QCOMPARE(m_main->FDialogForm, static_cast<QWidget *>(form));
    QCOMPARE(form->parentWidget(), static_cast<QWidget *>(m_main->PanelDialogInterface));
    QCOMPARE(form->geometry(), m_main->PanelDialogInterface->rect());
    QCOMPARE(m_main->PanelDialogCaption->Caption(), QStringLiteral("Hosted settings"));

    TCaptionPanel *caption = m_main->PanelDialogCaption;
    QCOMPARE(caption->palette().color(QPalette::Window), QColor(0xA6, 0xCA, 0xF0));
    QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(caption->font().bold());
    QCOMPARE(caption->Alignment, Qt::Alignment(Qt::AlignLeft));

    QTextEdit *help = m_main->RichEditDialog;
    QCOMPARE(help->parentWidget(), static_cast<QWidget *>(m_main->PanelDialogHelp));
    QCOMPARE(help->geometry(), QRect(0, 0, w, 99));
    QCOMPARE(help->toPlainText(), QStringLiteral("Step by step explanation of user actions"));
    QVERIFY(help->isReadOnly());
    QCOMPARE(help->frameShape(), QFrame::NoFrame);
    QCOMPARE(help->minimumHeight(), 22);
}

void TestPanels::dialogPanelButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("left");  // negative: counted from the row's right edge
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("statusText");
    const QString buttons = QStringLiteral("PanelDialogButtons"), steps = QStringLiteral("PanelDialogStepByStepButtons");
    const QString load = QStringLiteral("Load settings of this window from a file");
    const QString save = QStringLiteral("Save settings of this window into a file");
    const QString lock = QStringLiteral("Disable / reenable features of this window");
    const QString guide = QStringLiteral("Guide through this window step by step");
    const QString apply = QStringLiteral("Apply settings and close window");
    const QString cancel = QStringLiteral("Do not apply settings and close window");
    const QString abort = QStringLiteral("Do not apply and loose settings and close window");
    QTest::newRow("Load") << "ButtonLoad" << buttons << 0 << 23 << "ActionDialogLoad" << "" << load << load;
    QTest::newRow("Save") << "ButtonSave" << buttons << 23 << 23 << "ActionDialogSave" << "" << save << save;
    QTest::newRow("Lock") << "ButtonLock" << buttons << 46 << 23 << "ActionDialogLock" << "" << lock << lock;
    QTest::newRow("Step by step") << "ButtonStepByStep" << buttons << 69 << 23 << "ActionDialogStepByStep" << ""
                                  << guide << guide;
    QTest::newRow("OK") << "ButtonOK" << buttons << -240 << 80 << "ActionDialogOk" << "OK" << apply << apply;
    QTest::newRow("Cancel") << "ButtonCancel" << buttons << -160 << 80 << "ActionDialogCancel" << "Cancel" << cancel << cancel;
    QTest::newRow("Help") << "ButtonHelp" << buttons << -80 << 80 << "ActionDialogHelp" << "Help" << "" << "";
    QTest::newRow("Back") << "ButtonBack" << steps << -240 << 80 << "ActionDialogBack" << "Back" << ""
                          << "Go back one step";
    QTest::newRow("Next") << "ButtonContinue" << steps << -160 << 80 << "ActionDialogNext" << "Next" << ""
                          << "Go forward one step";
    QTest::newRow("Cancel step by step") << "ButtonAbort" << steps << -80 << 80 << "ActionDialogCancelStepByStep"
                                         << "Cancel" << "" << abort;
    QTest::newRow("Close") << "ButtonDialogHide" << "PanelDialogCaption" << -23 << 23 << "ActionDialogCancel" << ""
                           << cancel << cancel;
}

void TestPanels::dialogPanelButtons()
{
    QFETCH(QString, name);
    QFETCH(QString, row);
    QFETCH(int, left);
    QFETCH(int, width);
    QFETCH(QString, action);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QFETCH(QString, statusText);
    ShowAndActivate();
    HostDialogForm(*m_main, new HostedForm);
    auto *button = m_main->PanelDialog->findChild<TSpeedButton *>(name);
    QVERIFY(button);
    QWidget *rowPanel = button->parentWidget();
    QCOMPARE(rowPanel->objectName(), row);
    QTRY_VERIFY(button->isVisible());
    const int x = left >= 0 ? left : rowPanel->width() + left;
    QTRY_COMPARE(button->geometry(), QRect(x, 0, width, 22));
    QCOMPARE(button->Action(), DialogAction(action));
    QCOMPARE(button->Caption(), caption);
    QCOMPARE(button->toolTip(), toolTip);
    QVERIFY(!button->icon().isNull());
    QVERIFY(button->autoRaise());
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    QVERIFY(button->isEnabled());

    // The status bar shows the hint of the button under the mouse.
    m_main->StatusBar->showMessage(QStringLiteral("before"));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(button, &enter);
    QCOMPARE(m_main->StatusBar->currentMessage(), statusText.isEmpty() ? QStringLiteral("before") : statusText);

    // A resize of the row lays it out the same way again.
    m_main->resize(700, 500);
    QTRY_COMPARE(button->geometry(), QRect(left >= 0 ? left : rowPanel->width() + left, 0, width, 22));
    QCOMPARE(button->Caption(), caption);
}

void TestPanels::helpTextSplitter_data()
{
    QTest::addColumn<int>("drag");
    QTest::addColumn<int>("height");  // -1: as far as the dialog area gives way
    QTest::newRow("down") << 50 << 149;
    QTest::newRow("up") << -40 << 59;
    QTest::newRow("up to the minimum") << -69 << 30;
    QTest::newRow("below the minimum: no snap") << -90 << 30;
    QTest::newRow("far up") << -500 << 30;
    QTest::newRow("far down") << 2000 << -1;
}

void TestPanels::helpTextSplitter()
{
    QFETCH(int, drag);
    QFETCH(int, height);
    ShowAndActivate();
    HostDialogForm(*m_main, new HostedForm);
    TTopSplitter *splitter = m_main->Splitter3;
    QTRY_COMPARE(splitter->y(), 123);
    QCOMPARE(splitter->cursor().shape(), Qt::SplitVCursor);
    const int area = m_main->PanelDialogInterface->height();
    // The dialog area may shrink to the minimum size less the panel's two bevels.
    const int expected = height >= 0 ? height : 99 + area - (30 - 4);
    const QPoint grip(40, 2);
    QTest::mousePress(splitter, Qt::LeftButton, {}, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(0, drag)), splitter->mapToGlobal(QPointF(grip + QPoint(0, drag))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(splitter, &move);
    QCOMPARE(m_main->PanelDialogHelp->height(), 99);  // only the hatched line moves while dragging
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, grip + QPoint(0, drag));
    QTRY_COMPARE(m_main->PanelDialogHelp->height(), expected);
    QTRY_COMPARE(splitter->y(), 24 + expected);
    QCOMPARE(m_main->PanelDialogInterface->height(), area + 99 - expected);
    QCOMPARE(m_main->RichEditDialog->height(), expected);
}

void TestPanels::dialogActions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("shortCut");
    const struct
    {
        const char *name, *caption, *hint;
        int picture, shortCut;
    } rows[] = {
        {"ActionDialogLoad", "ActionDialogLoad", "Load settings of this window from a file", 7, 0},
        {"ActionDialogSave", "ActionDialogSave", "Save settings of this window into a file", 8, 0},
        {"ActionDialogLock", "ActionDialogLock", "Disable / reenable features of this window", 46, 0},
        {"ActionDialogStepByStep", "ActionDialogStepByStep", "Guide through this window step by step", 47, 0},
        {"ActionDialogOk", "OK", "Apply settings and close window", -1, 0},
        {"ActionDialogCancel", "Cancel", "Do not apply settings and close window", -1, 0},
        {"ActionDialogHelp", "Help", "", -1, VK::F(1)},
        {"ActionDialogBack", "Back", "Go back one step", 26, 0},
        {"ActionDialogNext", "Next", "Go forward one step", 24, 0},
        {"ActionDialogCancelStepByStep", "Cancel", "Do not apply and loose settings and close window", 18, 0},
    };
    int index = 0;
    for (const auto &r : rows) {
        QTest::newRow(r.name) << index << r.name << r.caption << r.hint << r.picture << r.shortCut;
        ++index;
    }
}

void TestPanels::dialogActions()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(int, picture);
    QFETCH(int, shortCut);
    TActionManager *manager = m_main->ActionManagerDialog;
    QCOMPARE(manager->ActionCount(), 10);
    QVERIFY(!manager->Images);
    QCOMPARE(manager->ActionBars().Count(), 0);
    TCustomAction *action = manager->Actions(index);
    QCOMPARE(action->Name(), name);
    QVERIFY(dynamic_cast<TAction *>(action));
    QCOMPARE(action->Category(), QString());
    QCOMPARE(action->Caption(), caption);
    QCOMPARE(action->Hint(), hint);
    QCOMPARE(action->ImageIndex(), picture);
    QCOMPARE(int(action->ShortCut()), shortCut);
    // Every one has a handler, so an update keeps it enabled; the hint rule passes them by.
    QVERIFY(action->OnExecute);
    action->Update();
    QVERIFY(action->Enabled());
    m_main->ActionManagerTest->ApplyHintRule();
    QCOMPARE(action->Hint(), hint);
}

void TestPanels::okAndCancel_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("hosted");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("panelOpen");
    QTest::addColumn<bool>("stillHosted");
    QTest::addColumn<int>("queries");
    using A = HostedForm::Answer;
    QTest::newRow("OK, no form") << "ButtonOK" << false << int(A::Yes) << true << false << 0;
    QTest::newRow("OK, the form agrees") << "ButtonOK" << true << int(A::Yes) << false << false << 1;
    QTest::newRow("OK, the form refuses") << "ButtonOK" << true << int(A::No) << true << true << 1;
    QTest::newRow("OK, the close query fails") << "ButtonOK" << true << int(A::Fails) << true << true << 1;
    QTest::newRow("Cancel, no form") << "ButtonCancel" << false << int(A::Yes) << false << false << 0;
    QTest::newRow("Cancel, the form is not asked") << "ButtonCancel" << true << int(A::No) << false << false << 0;
    QTest::newRow("close button, the form is not asked") << "ButtonDialogHide" << true << int(A::Fails) << false << false
                                                         << 0;
}

void TestPanels::okAndCancel()
{
    QFETCH(QString, button);
    QFETCH(bool, hosted);
    QFETCH(int, answer);
    QFETCH(bool, panelOpen);
    QFETCH(bool, stillHosted);
    QFETCH(int, queries);
    ShowAndActivate();
    auto *form = new HostedForm;
    form->CloseAnswer = HostedForm::Answer(answer);
    if (hosted)
        HostDialogForm(*m_main, form);
    else
        m_main->PanelDialog->show();  // no operation shows it empty; this stands for whatever might
    auto *target = m_main->PanelDialog->findChild<TSpeedButton *>(button);
    QVERIFY(target);
    QTRY_VERIFY(target->isVisible());

    ModalCatcher reports;
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(reports.Texts, QStringList());
    QCOMPARE(form->Queries, queries);
    QCOMPARE(m_main->PanelDialog->isVisible(), panelOpen);
    QCOMPARE(m_main->FDialogForm, stillHosted ? static_cast<QWidget *>(form) : nullptr);
    if (hosted)
        QCOMPARE(form->isVisible(), panelOpen);
    if (!panelOpen)
        QTRY_COMPARE(m_main->MDIClient->x(), 204);
    if (!hosted)
        delete form;
}

void TestPanels::hidingFailureLetsTheFormGo_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("OK") << "ButtonOK";
    QTest::newRow("Cancel") << "ButtonCancel";
    QTest::newRow("close button") << "ButtonDialogHide";
}

/*
  Hiding reaches the form as an event, and a failure in an event handler
  ends at the application's error box wherever it happens: it is reported
  once, hiding goes on, and the panel is closed with the form let go.
*/
void TestPanels::hidingFailureLetsTheFormGo()
{
    QFETCH(QString, button);
    ShowAndActivate();
    auto *form = new HostedForm;
    HostDialogForm(*m_main, form);
    auto *target = m_main->PanelDialog->findChild<TSpeedButton *>(button);
    QTRY_VERIFY(target->isVisible());
    form->HideFails = true;
    ModalCatcher catcher;
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(catcher.Texts, QStringList{"The form cannot be hidden."});
    QVERIFY(!m_main->FDialogForm);
    QVERIFY(m_main->PanelDialog->isHidden());
    QVERIFY(!form->isVisible());
    QTRY_COMPARE(m_main->MDIClient->x(), 204);
}

void TestPanels::f1RunsDialogHelpAndNothingElse_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("checklist tree") << "tree";
    QTest::newRow("document window") << "document";
    QTest::newRow("dialog panel's help text") << "help text";
    QTest::newRow("hosted form") << "hosted";
}

void TestPanels::f1RunsDialogHelpAndNothingElse()
{
    QFETCH(QString, focus);
    ShowAndActivate();
    QWidget *target = m_main->TreeViewChecklist;
    auto *form = new HostedForm;
    if (focus == QLatin1String("document")) {
        m_main->OpenDocumentWindow(QStringLiteral("NONAME1"));
        target = m_main->MDIClient->subWindowList().constFirst()->widget()->findChild<QPlainTextEdit *>();
    } else if (focus == QLatin1String("help text") || focus == QLatin1String("hosted")) {
        HostDialogForm(*m_main, form);
        QTRY_VERIFY(m_main->PanelDialog->isVisible());
        target = focus == QLatin1String("hosted") ? static_cast<QWidget *>(form->Edit) : m_main->RichEditDialog;
    }
    QVERIFY(target);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    const bool panelShown = m_main->PanelDialog->isVisible();
    QWidget *hostedBefore = m_main->FDialogForm;

    QStringList ran;
    for (TActionManager *manager : {m_main->ActionManagerTest, m_main->ActionManagerChecklist, m_main->ActionManagerDialog,
                                    m_main->ActionManagerEquipment})
        connect(manager, &TActionManager::ActionExecuted, this, [&ran](TCustomAction *a) { ran << a->Name(); });
    ModalCatcher reports;
    QTest::keyClick(m_main->windowHandle(), Qt::Key_F1);
    QCOMPARE(ran, QStringList{"ActionDialogHelp"});
    QCOMPARE(reports.Texts, QStringList());
    QCOMPARE(m_main->PanelDialog->isVisible(), panelShown);
    QCOMPARE(m_main->FDialogForm, hostedBefore);
    QCOMPARE(QApplication::focusWidget(), target);
    QVERIFY(!QApplication::activePopupWidget());
    if (!m_main->FDialogForm)
        delete form;
}

void TestPanels::equipmentActions()
{
    TActionManager *manager = m_main->ActionManagerEquipment;
    QCOMPARE(manager->ActionCount(), 2);
    QCOMPARE(manager->ActionBars().Count(), 0);
    QVERIFY(!manager->Images);
    const struct
    {
        const char *name, *category, *caption;
        TShortCut shortCut;
    } expected[] = {
        {"ActionLevelOptions", "Leistung", "Power options for levelling...", 0},
        {"ActionPresetAll", "Geräte", "Reset all devices to default", TShortCut(ShortCutBits::scCtrl | VK::F(8))},
    };
    for (int i = 0; i < 2; ++i) {
        TCustomAction *action = manager->Actions(i);
        QCOMPARE(action->Name(), QString::fromLatin1(expected[i].name));
        QVERIFY(dynamic_cast<TAction *>(action));
        QCOMPARE(action->Category(), QString::fromUtf8(expected[i].category));
        QCOMPARE(action->Caption(), QString::fromUtf8(expected[i].caption));
        QCOMPARE(action->ShortCut(), expected[i].shortCut);
        QVERIFY(!action->OnExecute);
        QVERIFY(!action->OnUpdate);
        QVERIFY(action->Enabled());
    }
}

void TestPanels::ctrlF8DisablesPresetAll()
{
    ShowAndActivate();
    m_main->TreeViewChecklist->setFocus();
    QTRY_VERIFY(m_main->TreeViewChecklist->hasFocus());
    TCustomAction *preset = m_main->ActionManagerEquipment->FindAction(QStringLiteral("ActionPresetAll"));
    QVERIFY(preset->Enabled());
    QStringList ran;
    for (TActionManager *manager : {m_main->ActionManagerTest, m_main->ActionManagerChecklist, m_main->ActionManagerDialog,
                                    m_main->ActionManagerEquipment})
        connect(manager, &TActionManager::ActionExecuted, this, [&ran](TCustomAction *a) { ran << a->Name(); });
    QTest::keyClick(m_main->windowHandle(), Qt::Key_F8, Qt::ControlModifier);
    QVERIFY(!preset->Enabled());
    QCOMPARE(ran, QStringList());
    QVERIFY(m_main->ActionManagerEquipment->FindAction(QStringLiteral("ActionLevelOptions"))->Enabled());
}

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    app.SetTitle(QStringLiteral("VEXA-TOLM"));
    TestPanels test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_panels.moc"
