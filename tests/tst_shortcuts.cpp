// Shortcut values, their text, key events, and the dispatch of keys to the managers of forms.
#include "actions/ActnList.h"
#include "actions/ActnMan.h"
#include "actions/ShortCut.h"
#include "actions/ShortCutDispatcher.h"

#include <QDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A window with a text control, registered with its own managers.
struct Form
{
    QWidget window;
    QPlainTextEdit *text;
    QTreeWidget *tree;
    TActionManager first{&window};
    TActionManager second{&window};
    QStringList ran;

    Form()
    {
        auto *layout = new QVBoxLayout(&window);
        text = new QPlainTextEdit(&window);
        tree = new QTreeWidget(&window);
        for (int i = 0; i < 3; ++i)
            new QTreeWidgetItem(tree, {QString::number(i)});
        layout->addWidget(text);
        layout->addWidget(tree);
        window.resize(300, 300);
    }
    TAction *Add(TActionManager &manager, TShortCut key, const QString &name, bool handler = true)
    {
        auto *a = new TAction(&window);
        a->SetName(name);
        a->SetShortCut(key);
        if (handler)
            a->OnExecute = [this, name](QObject *) { ran << name; };
        manager.AddAction(a);
        return a;
    }
    void Show(TShortCutDispatcher &d, bool main)
    {
        d.RegisterForm(&window, {&first, &second});
        if (main)
            d.SetMainForm(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

} // namespace

class TestShortCuts : public QObject
{
    Q_OBJECT
private slots:
    void text_data();
    void text();
    void textRoundTrip();
    void keyEvents_data();
    void keyEvents();
    void keysReachActionsBeforeFocusedControls_data();
    void keysReachActionsBeforeFocusedControls();
    void disabledActionLetsKeyThrough();
    void managersAskedInComponentOrder();
    void keyNotTakenByChildFormGoesToMainForm();
    void modalWindowBlocksMainFormShortcuts();
    void capsLockCapitalsReachTheText();
};

void TestShortCuts::text_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("Ctrl+L") << 16460 << "Ctrl+L";
    QTest::newRow("Shift+Alt+P") << 41040 << "Shift+Alt+P";
    QTest::newRow("Alt+F4") << 32883 << "Alt+F4";
    QTest::newRow("Shift+Left") << 8229 << "Shift+Left";
    QTest::newRow("Shift+Ctrl+F1") << 24688 << "Shift+Ctrl+F1";
    QTest::newRow("Home") << 36 << "Home";
    QTest::newRow("F12") << 123 << "F12";
    QTest::newRow("Shift+Alt+S") << 41043 << "Shift+Alt+S";
    QTest::newRow("Shift+Ctrl+C") << 24643 << "Shift+Ctrl+C";
    QTest::newRow("all three in order") << (0xE000 | 'X') << "Shift+Ctrl+Alt+X";
    QTest::newRow("F24") << 0x87 << "F24";
    QTest::newRow("digit") << int('1') << "1";
    QTest::newRow("Shift+digit") << (0x2000 | '4') << "Shift+4";
    QTest::newRow("numpad digit") << 0x65 << "5";
    QTest::newRow("none") << 0 << "";
    QTest::newRow("modifiers alone") << 0x6000 << "";
    const QList<QPair<int, const char *>> named{
        {0x08, "BkSp"}, {0x09, "Tab"},   {0x1B, "Esc"},  {0x0D, "Enter"}, {0x20, "Space"},
        {0x21, "PgUp"}, {0x22, "PgDn"},  {0x23, "End"},  {0x25, "Left"},  {0x26, "Up"},
        {0x27, "Right"}, {0x28, "Down"}, {0x2D, "Ins"},  {0x2E, "Del"},
    };
    for (const auto &[code, name] : named)
        QTest::newRow(name) << code << QString::fromLatin1(name);
}

void TestShortCuts::text()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(ShortCutToText(TShortCut(value)), text);
}

void TestShortCuts::textRoundTrip()
{
    for (int value : {16460, 41040, 32883, 8229, 24688, 36, 123, 0x4000 | 0xBC, 0x2000 | 0x2E})
        QCOMPARE(TextToShortCut(ShortCutToText(TShortCut(value))), TShortCut(value));
    QCOMPARE(TextToShortCut(QStringLiteral("Ctrl+")), TShortCut(0));
    QCOMPARE(TextToShortCut(QStringLiteral("Hyper+Q")), TShortCut(0));
    QCOMPARE(TextToShortCut(QString()), TShortCut(0));
}

void TestShortCuts::keyEvents_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<bool>("x11");
    QTest::addColumn<QString>("expected");
    const int shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
    QTest::newRow("Ctrl+L") << int(Qt::Key_L) << ctrl << 0u << false << "Ctrl+L";
    QTest::newRow("Shift+Alt+P") << int(Qt::Key_P) << (shift | alt) << 0u << false << "Shift+Alt+P";
    QTest::newRow("Shift+Tab arrives as Backtab") << int(Qt::Key_Backtab) << shift << 0u << false << "Shift+Tab";
    QTest::newRow("keypad digit") << int(Qt::Key_3) << int(Qt::KeypadModifier) << 0u << false << "3";
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 0u << false << "Enter";
    QTest::newRow("Shift+1 US, no key code") << int(Qt::Key_Exclam) << shift << 0u << false << "Shift+1";
    QTest::newRow("Shift+2 US, no key code") << int(Qt::Key_At) << shift << 0u << false << "Shift+2";
    QTest::newRow("Shift+2 German, no key code") << int(Qt::Key_QuoteDbl) << shift << 0u << false << "Shift+2";
    QTest::newRow("Shift+3 German, no key code") << int(Qt::Key_section) << shift << 0u << false << "Shift+3";
    QTest::newRow("Shift+4, no key code") << int(Qt::Key_Dollar) << shift << 0u << false << "Shift+4";
    QTest::newRow("Shift+1 by X11 key code") << int(Qt::Key_Exclam) << shift << 10u << true << "Shift+1";
    QTest::newRow("Shift+3 German by key code") << int(Qt::Key_section) << shift << 12u << true << "Shift+3";
    QTest::newRow("Shift+0 German by key code") << int(Qt::Key_Equal) << shift << 19u << true << "Shift+0";
    QTest::newRow("Shift+quote is not a digit on X11") << int(Qt::Key_QuoteDbl) << shift << 48u << true << "";
    QTest::newRow("capital without Shift") << int(Qt::Key_L) << 0 << 0u << false << "L";
    QTest::newRow("punctuation") << int(Qt::Key_Comma) << ctrl << 0u << false << "Ctrl+,";
    QTest::newRow("modifier alone") << int(Qt::Key_Shift) << shift << 50u << true << "";
    QTest::newRow("unknown key") << int(Qt::Key_unknown) << 0 << 0u << false << "";
}

void TestShortCuts::keyEvents()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(quint32, scanCode);
    QFETCH(bool, x11);
    QFETCH(QString, expected);
    QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), scanCode, 0, 0);
    QCOMPARE(ShortCutToText(KeyEventToShortCut(event, x11)), expected);
}

void TestShortCuts::keysReachActionsBeforeFocusedControls_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("inTree");
    const int none = Qt::NoModifier;
    for (bool tree : {false, true}) {
        const char *where = tree ? "tree" : "text";
        const QList<QPair<Qt::Key, const char *>> keys{
            {Qt::Key_Left, "Left"},   {Qt::Key_Right, "Right"},    {Qt::Key_Up, "Up"},       {Qt::Key_Down, "Down"},
            {Qt::Key_Home, "Home"},   {Qt::Key_End, "End"},        {Qt::Key_PageUp, "PgUp"}, {Qt::Key_PageDown, "PgDn"},
            {Qt::Key_Space, "Space"}, {Qt::Key_Delete, "Del"},     {Qt::Key_F1, "F1"},       {Qt::Key_F9, "F9"},
            {Qt::Key_F10, "F10"},     {Qt::Key_F12, "F12"},
        };
        for (const auto &[k, name] : keys)
            QTest::addRow("%s in %s", name, where) << int(k) << none << tree;
        for (Qt::Key k : {Qt::Key_C, Qt::Key_X, Qt::Key_Y})
            QTest::addRow("Ctrl+%c in %s", char(k), where) << int(k) << int(Qt::ControlModifier) << tree;
    }
}

void TestShortCuts::keysReachActionsBeforeFocusedControls()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, inTree);
    Form f;
    QKeyEvent probe(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
    const TShortCut sc = KeyEventToShortCut(probe);
    QVERIFY(sc != 0);
    f.Add(f.first, sc, "action");
    f.Show(TShortCutDispatcher::Instance(), true);
    f.text->setPlainText("abc\ndef");
    QTextCursor c = f.text->textCursor();
    c.setPosition(2);
    f.text->setTextCursor(c);
    f.tree->setCurrentItem(f.tree->topLevelItem(1));
    QWidget *focus = inTree ? static_cast<QWidget *>(f.tree) : f.text;
    focus->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focus);

    // Through the window, as real input travels.
    QTest::keyClick(f.window.windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f.ran, QStringList{"action"});
    QCOMPARE(f.text->toPlainText(), QStringLiteral("abc\ndef"));
    QCOMPARE(f.text->textCursor().position(), 2);
    QCOMPARE(f.tree->currentItem(), f.tree->topLevelItem(1));
    TShortCutDispatcher::Instance().UnregisterForm(&f.window);
}

void TestShortCuts::disabledActionLetsKeyThrough()
{
    Form f;
    TAction *del = f.Add(f.first, MakeShortCut(VK::Delete), "del", false);
    f.Show(TShortCutDispatcher::Instance(), true);
    f.text->setPlainText("abc");
    f.text->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), f.text);
    // No handler: the update disables the action and the key goes on to the text.
    QTest::keyClick(f.window.windowHandle(), Qt::Key_Delete);
    QVERIFY(!del->Enabled());
    QCOMPARE(f.text->toPlainText(), QStringLiteral("bc"));
    TShortCutDispatcher::Instance().UnregisterForm(&f.window);
}

void TestShortCuts::managersAskedInComponentOrder()
{
    Form f;
    const TShortCut ctrlC = MakeShortCut('C', false, true);
    const TShortCut f9 = MakeShortCut(VK::F1 + 8);
    f.Add(f.first, ctrlC, "refusing", false);
    f.Add(f.second, ctrlC, "second");
    f.Add(f.first, f9, "first");
    f.Add(f.second, f9, "not reached");
    f.Show(TShortCutDispatcher::Instance(), true);
    f.text->setFocus();
    QTest::keyClick(f.window.windowHandle(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(f.window.windowHandle(), Qt::Key_F9);
    QCOMPARE(f.ran, (QStringList{"second", "first"}));
    TShortCutDispatcher::Instance().UnregisterForm(&f.window);
}

void TestShortCuts::keyNotTakenByChildFormGoesToMainForm()
{
    Form main;
    main.Add(main.first, MakeShortCut('1', true), "main");
    // A document form inside the main window with a manager of its own.
    auto *child = new QWidget(&main.window);
    auto *childText = new QPlainTextEdit(child);
    TActionManager childManager(child);
    auto *own = new TAction(child);
    own->SetShortCut(MakeShortCut(VK::F1 + 1));
    QStringList childRan;
    own->OnExecute = [&childRan](QObject *) { childRan << "child"; };
    childManager.AddAction(own);
    main.window.layout()->addWidget(child);
    TShortCutDispatcher &d = TShortCutDispatcher::Instance();
    d.RegisterForm(child, {&childManager});
    main.Show(d, true);
    childText->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), childText);

    QTest::keyClick(main.window.windowHandle(), Qt::Key_F2);
    QTest::keyClick(main.window.windowHandle(), Qt::Key_Exclam, Qt::ShiftModifier);
    QCOMPARE(childRan, QStringList{"child"});
    QCOMPARE(main.ran, QStringList{"main"});
    QVERIFY(childText->toPlainText().isEmpty());
    d.UnregisterForm(&main.window);
}

void TestShortCuts::modalWindowBlocksMainFormShortcuts()
{
    Form main;
    main.Add(main.first, MakeShortCut('P', true, false, true), "power");
    main.Add(main.first, MakeShortCut(VK::F1 + 11), "f12");
    TShortCutDispatcher &d = TShortCutDispatcher::Instance();
    main.Show(d, true);

    for (bool messageBox : {false, true}) {
        std::unique_ptr<QDialog> modal;
        if (messageBox)
            modal = std::make_unique<QMessageBox>(QMessageBox::Information, "VEXA-TOLM", "text");
        else
            modal = std::make_unique<QDialog>();
        modal->setWindowModality(Qt::ApplicationModal);
        modal->show();
        modal->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(modal.get()));
        QTest::keyClick(modal->windowHandle(), Qt::Key_P, Qt::ShiftModifier | Qt::AltModifier);
        QTest::keyClick(modal->windowHandle(), Qt::Key_F12);
        // Even a key sent at the blocked main window itself does nothing.
        QVERIFY(!d.DispatchKey(main.text, MakeShortCut(VK::F1 + 11)));
        QVERIFY2(main.ran.isEmpty(), qPrintable(main.ran.join(',')));
        modal->hide();
    }
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(d.DispatchKey(main.text, MakeShortCut(VK::F1 + 11)));
    QCOMPARE(main.ran, QStringList{"f12"});
    d.UnregisterForm(&main.window);
}

void TestShortCuts::capsLockCapitalsReachTheText()
{
    Form f;
    for (char c : QByteArray("CDFLMPRSTZ"))
        f.Add(f.first, MakeShortCut(std::uint8_t(c), true), QString(QChar(c)));
    f.Show(TShortCutDispatcher::Instance(), true);
    f.text->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), f.text);
    // Caps Lock gives capitals without the Shift modifier: they are text.
    QTest::keyClick(f.window.windowHandle(), Qt::Key_L, Qt::NoModifier);
    QTest::keyClick(f.window.windowHandle(), Qt::Key_M, Qt::NoModifier);
    QVERIFY(f.ran.isEmpty());
    QCOMPARE(f.text->toPlainText().toUpper(), QStringLiteral("LM"));
    // With Shift they are shortcuts and never reach the text.
    QTest::keyClick(f.window.windowHandle(), Qt::Key_L, Qt::ShiftModifier);
    QCOMPARE(f.ran, QStringList{"L"});
    QCOMPARE(f.text->toPlainText().toUpper(), QStringLiteral("LM"));
    TShortCutDispatcher::Instance().UnregisterForm(&f.window);
}

QTEST_MAIN(TestShortCuts)
#include "tst_shortcuts.moc"
