// The action model: kinds, update and execute rules, radio groups, hints and the hint rule.
#include "actions/ActionHost.h"
#include "actions/ActnList.h"
#include "actions/ActnMan.h"

#include <QtTest>

#include <memory>

namespace {

// Records what the action kinds ask of their environment.
class FakeHost : public TActionHost, public TMDIFrame
{
public:
    int children = 0;
    bool activeChild = false;
    bool hasFrame = true;
    bool acceptDialog = true;
    QStringList calls;

    TMDIFrame *FindMDIFrame() override { return hasFrame ? this : nullptr; }
    bool RunDialog(TCommonDialogAction &) override
    {
        calls << "dialog";
        return acceptDialog;
    }
    void QuitHelp() override { calls << "quitHelp"; }
    void CloseMainForm() override { calls << "close"; }
    void ShowHelpContents() override { calls << "help"; }
    void ShowCustomizeDialog(TActionManager &, bool stayOnTop) override
    {
        calls << (stayOnTop ? "customize-ontop" : "customize");
    }
    bool ErrorQuestion(const QString &) override { return false; }
    void ShowMessage(const QString &text) override { calls << "message: " + text; }
    int MDIChildCount() const override { return children; }
    bool HasActiveMDIChild() const override { return activeChild; }
    void Cascade() override { calls << "cascade"; }
    void TileHorizontal() override { calls << "tileH"; }
    void TileVertical() override { calls << "tileV"; }
    void MinimizeAll() override { calls << "minimize"; }
    void ArrangeIcons() override { calls << "arrange"; }
    void CloseActiveChild() override { calls << "closeChild"; }
};

enum class Kind {
    Action, FileOpen, FileSaveAs, PrintDlg, FileExit, HelpContents, Cascade, TileH, TileV, MinimizeAll,
    Arrange, Close, Customize
};

TCustomAction *Make(Kind kind, QObject *owner)
{
    switch (kind) {
    case Kind::Action: return new TAction(owner);
    case Kind::FileOpen: return new TFileOpen(owner);
    case Kind::FileSaveAs: return new TFileSaveAs(owner);
    case Kind::PrintDlg: return new TPrintDlg(owner);
    case Kind::FileExit: return new TFileExit(owner);
    case Kind::HelpContents: return new THelpContents(owner);
    case Kind::Cascade: return new TWindowCascade(owner);
    case Kind::TileH: return new TWindowTileHorizontal(owner);
    case Kind::TileV: return new TWindowTileVertical(owner);
    case Kind::MinimizeAll: return new TWindowMinimizeAll(owner);
    case Kind::Arrange: return new TWindowArrange(owner);
    case Kind::Close: return new TWindowClose(owner);
    case Kind::Customize: return new TCustomizeActionBars(owner);
    }
    return nullptr;
}

// A manager with a fake host and the actions it lists, owned by one object.
struct Fixture
{
    QObject owner;
    FakeHost host;
    TActionManager manager{&owner};
    Fixture() { manager.SetHost(&host); }
    TCustomAction *Add(Kind kind, const QString &name = {})
    {
        TCustomAction *a = Make(kind, &owner);
        a->SetName(name);
        manager.AddAction(a);
        return a;
    }
};

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestActions : public QObject
{
    Q_OBJECT
private slots:
    void kindsDerivation_data();
    void kindsDerivation();
    void initialState_data();
    void initialState();
    void updateRule_data();
    void updateRule();
    void executeOwnBehaviour_data();
    void executeOwnBehaviour();
    void onExecuteReplacesOwnBehaviour();
    void dialogActionRunsItsHandlersInOrder_data();
    void dialogActionRunsItsHandlersInOrder();
    void disabledActionDoesNotExecute();
    void suspendedManagerExecutesNothing();
    void autoCheck_data();
    void autoCheck();
    void radioGroupIsPerManager();
    void isShortCutTakesFirstActionInListOrder();
    void disabledFirstActionRefusesKey();
    void handlerFreeingItsActionIsSafe();
    void hints_data();
    void hints();
    void hintRule();
    void categoriesInOrderOfFirstOccurrence();
    void setterSignalsOnlyRealChanges();
};

void TestActions::kindsDerivation_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("isTAction");
    QTest::addColumn<bool>("disablesWhenUnhandled");
    QTest::newRow("TAction") << Kind::Action << true << true;
    QTest::newRow("TFileOpen") << Kind::FileOpen << false << false;
    QTest::newRow("TFileSaveAs") << Kind::FileSaveAs << false << false;
    QTest::newRow("TPrintDlg") << Kind::PrintDlg << false << false;
    QTest::newRow("TFileExit") << Kind::FileExit << false << false;
    QTest::newRow("THelpContents") << Kind::HelpContents << true << false;
    QTest::newRow("TWindowCascade") << Kind::Cascade << true << false;
    QTest::newRow("TWindowTileHorizontal") << Kind::TileH << true << false;
    QTest::newRow("TWindowTileVertical") << Kind::TileV << true << false;
    QTest::newRow("TWindowMinimizeAll") << Kind::MinimizeAll << true << false;
    QTest::newRow("TWindowArrange") << Kind::Arrange << true << false;
    QTest::newRow("TWindowClose") << Kind::Close << true << false;
    QTest::newRow("TCustomizeActionBars") << Kind::Customize << true << true;
}

void TestActions::kindsDerivation()
{
    QFETCH(Kind, kind);
    QFETCH(bool, isTAction);
    QFETCH(bool, disablesWhenUnhandled);
    std::unique_ptr<TCustomAction> a(Make(kind, nullptr));
    QCOMPARE(dynamic_cast<TAction *>(a.get()) != nullptr, isTAction);
    QCOMPARE(a->DisablesWhenUnhandled(), disablesWhenUnhandled);
    const bool dialogKind = kind == Kind::FileOpen || kind == Kind::FileSaveAs || kind == Kind::PrintDlg;
    QCOMPARE(dynamic_cast<TCommonDialogAction *>(a.get()) != nullptr, dialogKind);
}

void TestActions::initialState_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("caption");
    QTest::newRow("TAction") << Kind::Action << true << QString();
    QTest::newRow("THelpContents") << Kind::HelpContents << false << QString();
    QTest::newRow("TWindowCascade") << Kind::Cascade << false << QString();
    QTest::newRow("TWindowClose") << Kind::Close << false << QString();
    QTest::newRow("TCustomizeActionBars") << Kind::Customize << true << QStringLiteral("&Customize");
}

void TestActions::initialState()
{
    QFETCH(Kind, kind);
    QFETCH(bool, enabled);
    QFETCH(QString, caption);
    std::unique_ptr<TCustomAction> a(Make(kind, nullptr));
    QCOMPARE(a->Enabled(), enabled);
    QCOMPARE(a->Caption(), caption);
    QCOMPARE(a->ImageIndex(), -1);
    QCOMPARE(a->ShortCut(), TShortCut(0));
    QVERIFY(a->Visible());
    QVERIFY(!a->Checked());
}

void TestActions::updateRule_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("startEnabled");
    QTest::addColumn<bool>("hasExecute");
    QTest::addColumn<bool>("hasUpdate");
    QTest::addColumn<int>("children");
    QTest::addColumn<bool>("activeChild");
    QTest::addColumn<bool>("handled");
    QTest::addColumn<bool>("enabledAfter");

    QTest::newRow("plain without handlers disables") << Kind::Action << true << false << false << 0 << false << false << false;
    QTest::newRow("plain with execute stays enabled") << Kind::Action << true << true << false << 0 << false << false << true;
    QTest::newRow("plain with update keeps its state") << Kind::Action << true << false << true << 0 << false << true << true;
    QTest::newRow("disabled plain stays disabled") << Kind::Action << false << true << false << 0 << false << false << false;
    QTest::newRow("file open never disables") << Kind::FileOpen << true << false << false << 0 << false << false << true;
    QTest::newRow("save as never disables") << Kind::FileSaveAs << true << false << false << 0 << false << false << true;
    QTest::newRow("print never disables") << Kind::PrintDlg << true << false << false << 0 << false << false << true;
    QTest::newRow("exit never disables") << Kind::FileExit << true << false << false << 0 << false << false << true;
    QTest::newRow("help contents enables itself") << Kind::HelpContents << false << false << false << 0 << false << true << true;
    QTest::newRow("help contents with empty handler") << Kind::HelpContents << false << true << false << 0 << false << true << true;
    QTest::newRow("cascade without documents") << Kind::Cascade << true << false << false << 0 << false << true << false;
    QTest::newRow("cascade with a document") << Kind::Cascade << false << false << false << 1 << false << true << true;
    QTest::newRow("tile with documents") << Kind::TileV << false << false << false << 3 << true << true << true;
    QTest::newRow("minimize all without") << Kind::MinimizeAll << true << false << false << 0 << false << true << false;
    QTest::newRow("close without active document") << Kind::Close << true << false << false << 2 << false << true << false;
    QTest::newRow("close with active document") << Kind::Close << false << false << false << 1 << true << true << true;
    QTest::newRow("customize finds its manager as target") << Kind::Customize << true << false << false << 0 << false << true << true;
    QTest::newRow("customize with handler") << Kind::Customize << true << true << false << 0 << false << true << true;
}

void TestActions::updateRule()
{
    QFETCH(Kind, kind);
    QFETCH(bool, startEnabled);
    QFETCH(bool, hasExecute);
    QFETCH(bool, hasUpdate);
    QFETCH(int, children);
    QFETCH(bool, activeChild);
    QFETCH(bool, handled);
    QFETCH(bool, enabledAfter);
    Fixture f;
    f.host.children = children;
    f.host.activeChild = activeChild;
    TCustomAction *a = f.Add(kind);
    a->SetEnabled(startEnabled);
    int updates = 0;
    if (hasExecute)
        a->OnExecute = [](QObject *) {};
    if (hasUpdate)
        a->OnUpdate = [&updates](QObject *) { ++updates; };
    QCOMPARE(a->Update(), handled);
    QCOMPARE(a->Enabled(), enabledAfter);
    QCOMPARE(updates, hasUpdate ? 1 : 0);
    // The rule is stable: a second update changes nothing.
    a->Update();
    QCOMPARE(a->Enabled(), enabledAfter);
}

void TestActions::executeOwnBehaviour_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("children");
    QTest::addColumn<bool>("executed");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("exit quits help, then closes") << Kind::FileExit << 0 << true << QStringList{"quitHelp", "close"};
    QTest::newRow("help contents") << Kind::HelpContents << 0 << true << QStringList{"help"};
    QTest::newRow("open") << Kind::FileOpen << 0 << true << QStringList{"dialog"};
    QTest::newRow("print") << Kind::PrintDlg << 0 << true << QStringList{"dialog"};
    QTest::newRow("cascade") << Kind::Cascade << 2 << true << QStringList{"cascade"};
    QTest::newRow("tile one above the other") << Kind::TileH << 2 << true << QStringList{"tileH"};
    QTest::newRow("tile side by side") << Kind::TileV << 2 << true << QStringList{"tileV"};
    QTest::newRow("minimize all") << Kind::MinimizeAll << 2 << true << QStringList{"minimize"};
    QTest::newRow("arrange") << Kind::Arrange << 2 << true << QStringList{"arrange"};
    QTest::newRow("cascade without documents is disabled") << Kind::Cascade << 0 << false << QStringList{};
    QTest::newRow("plain without handler") << Kind::Action << 0 << false << QStringList{};
}

void TestActions::executeOwnBehaviour()
{
    QFETCH(Kind, kind);
    QFETCH(int, children);
    QFETCH(bool, executed);
    QFETCH(QStringList, calls);
    Fixture f;
    f.host.children = children;
    TCustomAction *a = f.Add(kind);
    QCOMPARE(a->Execute(), executed);
    QCOMPARE(f.host.calls, calls);
}

void TestActions::onExecuteReplacesOwnBehaviour()
{
    Fixture f;
    TCustomAction *help = f.Add(Kind::HelpContents);
    TCustomAction *exit = f.Add(Kind::FileExit);
    QList<QObject *> senders;
    help->OnExecute = [&senders](QObject *s) { senders << s; };
    exit->OnExecute = [&senders](QObject *s) { senders << s; };
    QVERIFY(help->Execute());
    QVERIFY(exit->Execute());
    QCOMPARE(senders, (QList<QObject *>{help, exit}));
    QVERIFY(f.host.calls.isEmpty());

    // The customise action opens the dialog for its manager, on top when asked to.
    auto *customize = static_cast<TCustomizeActionBars *>(f.Add(Kind::Customize));
    customize->CustomizeDlg.StayOnTop = true;
    QVERIFY(customize->Execute());
    QCOMPARE(f.host.calls, QStringList{"customize-ontop"});

    // Without a manager it finds no target, and disables like a plain action.
    TCustomizeActionBars loose;
    loose.Update();
    QVERIFY(!loose.Enabled());
}

void TestActions::dialogActionRunsItsHandlersInOrder_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("accepted") << true << QStringList{"before", "dialog", "accept"};
    QTest::newRow("cancelled") << false << QStringList{"before", "dialog", "cancel"};
}

void TestActions::dialogActionRunsItsHandlersInOrder()
{
    QFETCH(bool, accept);
    QFETCH(QStringList, calls);
    Fixture f;
    f.host.acceptDialog = accept;
    auto *open = static_cast<TFileOpen *>(f.Add(Kind::FileOpen));
    open->BeforeExecute = [&f](QObject *) { f.host.calls << "before"; };
    open->OnAccept = [&f](QObject *) { f.host.calls << "accept"; };
    open->OnCancel = [&f](QObject *) { f.host.calls << "cancel"; };
    QVERIFY(open->Execute());
    QCOMPARE(f.host.calls, calls);
    QVERIFY(!open->UseDefaultApp);
    QCOMPARE(open->Dialog.FilterIndex, 1);
    QVERIFY(open->Dialog.Filter.isEmpty());
}

void TestActions::disabledActionDoesNotExecute()
{
    Fixture f;
    TCustomAction *a = f.Add(Kind::Action);
    int runs = 0;
    a->OnExecute = [&runs](QObject *) { ++runs; };
    a->SetEnabled(false);
    QVERIFY(!a->Execute());
    QCOMPARE(runs, 0);
    // An update handler that enables it is consulted before the execution.
    a->OnUpdate = [a](QObject *) { a->SetEnabled(true); };
    QVERIFY(a->Execute());
    QCOMPARE(runs, 1);
}

void TestActions::suspendedManagerExecutesNothing()
{
    Fixture f;
    TCustomAction *a = f.Add(Kind::Action);
    int runs = 0, updates = 0;
    a->OnExecute = [&runs](QObject *) { ++runs; };
    a->OnUpdate = [&updates](QObject *) { ++updates; };
    f.manager.State = TActionListState::asSuspended;
    QVERIFY(!a->Execute());
    QCOMPARE(runs + updates, 0);
}

void TestActions::autoCheck_data()
{
    QTest::addColumn<int>("groupIndex");
    QTest::addColumn<bool>("checkedBefore");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checkedAfter");
    QTest::newRow("toggles on") << 0 << false << true << true;
    QTest::newRow("toggles off") << 0 << true << true << false;
    QTest::newRow("radio checks") << 3 << false << true << true;
    QTest::newRow("checked radio stays checked") << 3 << true << true << true;
    QTest::newRow("disabled does not toggle") << 0 << false << false << false;
}

void TestActions::autoCheck()
{
    QFETCH(int, groupIndex);
    QFETCH(bool, checkedBefore);
    QFETCH(bool, enabled);
    QFETCH(bool, checkedAfter);
    Fixture f;
    TCustomAction *a = f.Add(Kind::Action);
    a->OnExecute = [](QObject *) {};
    a->SetAutoCheck(true);
    a->SetGroupIndex(groupIndex);
    a->SetChecked(checkedBefore);
    a->SetEnabled(enabled);
    a->Execute();
    QCOMPARE(a->Checked(), checkedAfter);
}

void TestActions::radioGroupIsPerManager()
{
    Fixture f, other;
    TCustomAction *a = f.Add(Kind::Action), *b = f.Add(Kind::Action), *c = f.Add(Kind::Action);
    TCustomAction *elsewhere = other.Add(Kind::Action);
    for (TCustomAction *x : {a, b, elsewhere})
        x->SetGroupIndex(1);
    c->SetGroupIndex(2);
    c->SetChecked(true);
    elsewhere->SetChecked(true);
    a->SetChecked(true);
    b->OnExecute = [](QObject *) {};
    b->SetAutoCheck(true);
    b->Execute();
    QVERIFY(b->Checked());
    QVERIFY(!a->Checked());
    QVERIFY(c->Checked());          // another group
    QVERIFY(elsewhere->Checked());  // another manager
}

void TestActions::isShortCutTakesFirstActionInListOrder()
{
    Fixture f;
    QStringList ran;
    const TShortCut ctrlL = MakeShortCut('L', false, true);
    for (const char *name : {"first", "second"}) {
        TCustomAction *a = f.Add(Kind::Action, QString::fromLatin1(name));
        a->SetShortCut(ctrlL);
        a->OnExecute = [&ran, name](QObject *) { ran << name; };
    }
    TCustomAction *secondary = f.Add(Kind::Action, "secondary");
    secondary->SetSecondaryShortCuts({MakeShortCut(VK::F1 + 1)});
    secondary->OnExecute = [&ran](QObject *) { ran << "secondary"; };

    QCOMPARE(f.manager.IsShortCut(ctrlL), TShortCutResult::Executed);
    QCOMPARE(f.manager.IsShortCut(MakeShortCut(VK::F1 + 1)), TShortCutResult::Executed);
    QCOMPARE(f.manager.IsShortCut(MakeShortCut('L')), TShortCutResult::NotFound);
    QCOMPARE(f.manager.IsShortCut(0), TShortCutResult::NotFound);
    QCOMPARE(ran, (QStringList{"first", "secondary"}));
}

void TestActions::disabledFirstActionRefusesKey()
{
    Fixture f;
    const TShortCut del = MakeShortCut(VK::Delete);
    TCustomAction *noHandler = f.Add(Kind::Action);
    noHandler->SetShortCut(del);
    TCustomAction *later = f.Add(Kind::Action);
    later->SetShortCut(del);
    int laterRuns = 0;
    later->OnExecute = [&laterRuns](QObject *) { ++laterRuns; };
    // The first action with the key turns disabled at its update: the manager stops there.
    QCOMPARE(f.manager.IsShortCut(del), TShortCutResult::Refused);
    QVERIFY(!noHandler->Enabled());
    QCOMPARE(laterRuns, 0);
}

void TestActions::handlerFreeingItsActionIsSafe()
{
    Fixture f;
    TCustomAction *a = f.Add(Kind::Action);
    a->OnExecute = [a](QObject *) { delete a; };
    QVERIFY(f.manager.ExecuteAction(*a));
    QCOMPARE(f.manager.ActionCount(), 0);
}

void TestActions::hints_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("shortCut");
    QTest::addColumn<QString>("shortHint");
    QTest::addColumn<QString>("longHint");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("both parts") << "Open|Opens an existing file" << 16460 << "Open" << "Opens an existing file"
                                << "Open (Ctrl+L)";
    QTest::newRow("no bar serves as both") << "Stop" << 121 << "Stop" << "Stop" << "Stop (F10)";
    QTest::newRow("no shortcut") << "Save As|Saves the active file with a new name" << 0 << "Save As"
                                 << "Saves the active file with a new name" << "Save As";
    QTest::newRow("empty hint: no tool tip even with a key") << "" << 16464 << "" << "" << "";
    QTest::newRow("caption with access key") << "Power on/off|Power on/off" << 41040 << "Power on/off"
                                             << "Power on/off" << "Power on/off (Shift+Alt+P)";
    QTest::newRow("second bar belongs to the long part") << "a|b|c" << 0 << "a" << "b|c" << "a";
}

void TestActions::hints()
{
    QFETCH(QString, hint);
    QFETCH(int, shortCut);
    QFETCH(QString, shortHint);
    QFETCH(QString, longHint);
    QFETCH(QString, toolTip);
    TAction a;
    a.SetHint(hint);
    a.SetShortCut(TShortCut(shortCut));
    QCOMPARE(GetShortHint(hint), shortHint);
    QCOMPARE(GetLongHint(hint), longHint);
    QCOMPARE(ActionToolTip(a), toolTip);
}

void TestActions::hintRule()
{
    Fixture f;
    const QList<Kind> kinds{Kind::Action,      Kind::FileOpen, Kind::FileSaveAs, Kind::PrintDlg, Kind::FileExit,
                            Kind::HelpContents, Kind::Cascade,  Kind::TileH,      Kind::TileV,    Kind::MinimizeAll,
                            Kind::Arrange,     Kind::Close,    Kind::Customize};
    for (Kind k : kinds) {
        TCustomAction *a = f.Add(k);
        a->SetCaption(QStringLiteral("Curve for test: &%1").arg(int(k)));
        a->SetHint(QStringLiteral("form hint"));
    }
    Fixture untouched;
    TCustomAction *other = untouched.Add(Kind::Action);
    other->SetCaption("Other");

    f.manager.ApplyHintRule();
    int rewritten = 0;
    for (TCustomAction *a : f.manager.ActionList()) {
        if (dynamic_cast<TAction *>(a)) {
            QCOMPARE(a->Hint(), a->Caption() + "|" + a->Caption());
            ++rewritten;
        } else {
            QCOMPARE(a->Hint(), QStringLiteral("form hint"));
        }
    }
    QCOMPARE(rewritten, 9);  // the plain action, help, six window actions, customise
    QCOMPARE(GetLongHint(f.manager.Actions(0)->Hint()), QStringLiteral("Curve for test: &0"));
    QVERIFY(other->Hint().isEmpty());
}

void TestActions::categoriesInOrderOfFirstOccurrence()
{
    Fixture f;
    for (const char *c : {"?", "Curve", "?", "Marker", "Curve", "View"})
        f.Add(Kind::Action)->SetCategory(QString::fromLatin1(c));
    QCOMPARE(f.manager.Categories(), (QStringList{"?", "Curve", "Marker", "View"}));
}

void TestActions::setterSignalsOnlyRealChanges()
{
    TAction a;
    QSignalSpy spy(&a, &TCustomAction::Changed);
    a.SetEnabled(true);
    a.SetCaption(QString());
    a.SetChecked(false);
    QCOMPARE(spy.count(), 0);
    a.SetEnabled(false);
    a.SetCaption("x");
    a.SetChecked(true);
    a.SetImageIndex(7);
    QCOMPARE(spy.count(), 4);
}

QTEST_MAIN(TestActions)
#include "tst_actions.moc"
