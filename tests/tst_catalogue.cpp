// The catalogue tables of the main window: every action row and the design of the six bars.
#include "actions/CatalogueTest.h"
#include "mainwindow/FVEXAMain.h"

#include <QHash>
#include <QSet>
#include <QtTest>

#include <algorithm>

namespace {

QString Text(const char *s)
{
    return s ? QString::fromUtf8(s) : QString();
}

QString StripAmpersands(QString s)
{
    return s.remove(QLatin1Char('&'));
}

const TActionRow *FindRow(const QString &name)
{
    for (const TActionRow &row : ActionRowsTest())
        if (Text(row.Name) == name)
            return &row;
    return nullptr;
}

const TBarDesign *FindBar(const QString &name)
{
    for (const TBarDesign &bar : BarDesignsTest())
        if (Text(bar.ActionBar) == name)
            return &bar;
    return nullptr;
}

bool IsSeparator(const TBarItemRow &item)
{
    return !item.Action && Text(item.Caption) == QLatin1String("-");
}

bool IsWindowKind(TActionKind kind)
{
    switch (kind) {
    case TActionKind::WindowCascade:
    case TActionKind::WindowTileHorizontal:
    case TActionKind::WindowTileVertical:
    case TActionKind::WindowMinimizeAll:
    case TActionKind::WindowArrange:
    case TActionKind::WindowClose:
        return true;
    default:
        return false;
    }
}

//! The level-1 entries of a top-level menu of the menu bar, with the level-2 rows that follow each.
struct MenuSpan
{
    qsizetype first = -1;  // index of the top-level row
    qsizetype end = -1;    // one past its last descendant
};

MenuSpan FindMenu(std::span<const TBarItemRow> items, const QString &caption)
{
    MenuSpan span;
    for (qsizetype i = 0; i < qsizetype(items.size()); ++i) {
        if (items[i].Level != 0)
            continue;
        if (span.first >= 0) {
            span.end = i;
            return span;
        }
        if (Text(items[i].Caption) == caption)
            span.first = i;
    }
    if (span.first >= 0)
        span.end = qsizetype(items.size());
    return span;
}

// The indexes that a user of the shared image list names.
const QSet<int> &NamedImageIndexes()
{
    static const QSet<int> named = {
        0,   1,   6,   7,   8,   9,   12,  13,  14,  15,  16,  17,  18,  21,  23,  24,  26,  30,
        39,  40,  46,  47,  48,  49,  50,  51,  52,  53,  54,  55,  56,  57,  58,  59,  60,  61,
        62,  63,  64,  70,  71,  72,  73,  74,  75,  76,  77,  78,  79,  80,  81,  82,  83,  84,
        86,  87,  88,  89,  90,  91,  92,  93,  94,  95,  96,  97,  100, 101, 102, 103, 104, 105,
        107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122,
    };
    return named;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    // Actions
    void rowsAndNames();
    void categories_data();
    void categories();
    void categoryOrder();
    void kinds_data();
    void kinds();
    void positions_data();
    void positions();
    void shortCutsUnique();
    void keyboardReferenceInReadme();
    void hints_data();
    void hints();
    void handlers();
    void enabled();
    void imageIndexes();

    // Bars
    void barEntries();
    void topLevelMenus();
    void menus_data();
    void menus();
    void submenus_data();
    void submenus();
    void toolbars_data();
    void toolbars();
    void itemsPointToActions();
    void actionsOnNoBar();
};

void TestCatalogue::rowsAndNames()
{
    const auto rows = ActionRowsTest();
    QCOMPARE(rows.size(), size_t(149));
    QSet<QString> names;
    for (const TActionRow &row : rows) {
        const QString name = Text(row.Name);
        QVERIFY2(name.startsWith(QLatin1String("Action")), qPrintable(name));
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
        QVERIFY2(!Text(row.Caption).isEmpty(), qPrintable(name));
        QVERIFY2(row.Hint != nullptr, qPrintable(name));
    }
    // Only the twelve actions of hints_data() have a hint in the form.
    QCOMPARE(int(std::count_if(rows.begin(), rows.end(), [](const TActionRow &r) { return *r.Hint != 0; })), 12);
}

void TestCatalogue::categories_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("count");
    QTest::newRow("?") << "?" << 7;
    QTest::newRow("Curve") << "Curve" << 9;
    QTest::newRow("Marker") << "Marker" << 16;
    QTest::newRow("View") << "View" << 15;
    QTest::newRow("Window") << "Window" << 8;
    QTest::newRow("Sweep") << "Sweep" << 8;
    QTest::newRow("Test parameters") << "Test parameters" << 10;
    QTest::newRow("Select curve") << "Select curve" << 32;
    QTest::newRow("Toolbars") << "Toolbars" << 5;
    QTest::newRow("File") << "File" << 23;
    QTest::newRow("Set frequency") << "Set frequency" << 9;
    QTest::newRow("Set level") << "Set level" << 7;
}

void TestCatalogue::categories()
{
    QFETCH(QString, category);
    QFETCH(int, count);
    const auto rows = ActionRowsTest();
    QCOMPARE(int(std::count_if(rows.begin(), rows.end(), [&](const TActionRow &r) { return Text(r.Category) == category; })),
             count);
}

void TestCatalogue::categoryOrder()
{
    QStringList order;
    for (const TActionRow &row : ActionRowsTest())
        if (!order.contains(Text(row.Category)))
            order << Text(row.Category);
    const QStringList expected = {"?",      "Curve",           "Marker",       "View",     "Window", "Sweep",
                                  "Test parameters", "Select curve", "Toolbars", "File", "Set frequency", "Set level"};
    QCOMPARE(order, expected);
}

void TestCatalogue::kinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("count");
    QTest::newRow("TAction") << int(TActionKind::Action) << 134;
    QTest::newRow("TFileOpen") << int(TActionKind::FileOpen) << 3;
    QTest::newRow("TFileSaveAs") << int(TActionKind::FileSaveAs) << 2;
    QTest::newRow("TPrintDlg") << int(TActionKind::PrintDlg) << 1;
    QTest::newRow("TFileExit") << int(TActionKind::FileExit) << 1;
    QTest::newRow("THelpContents") << int(TActionKind::HelpContents) << 1;
    QTest::newRow("TWindowCascade") << int(TActionKind::WindowCascade) << 1;
    QTest::newRow("TWindowTileHorizontal") << int(TActionKind::WindowTileHorizontal) << 1;
    QTest::newRow("TWindowTileVertical") << int(TActionKind::WindowTileVertical) << 1;
    QTest::newRow("TWindowMinimizeAll") << int(TActionKind::WindowMinimizeAll) << 1;
    QTest::newRow("TWindowArrange") << int(TActionKind::WindowArrange) << 1;
    QTest::newRow("TWindowClose") << int(TActionKind::WindowClose) << 1;
    QTest::newRow("TCustomizeActionBars") << int(TActionKind::CustomizeActionBars) << 1;
}

void TestCatalogue::kinds()
{
    QFETCH(int, kind);
    QFETCH(int, count);
    const auto rows = ActionRowsTest();
    QCOMPARE(int(std::count_if(rows.begin(), rows.end(), [&](const TActionRow &r) { return int(r.Kind) == kind; })), count);
}

void TestCatalogue::positions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("shortCut");
    QTest::addColumn<QString>("shortCutText");
    QTest::addColumn<int>("image");
    QTest::newRow("0") << 0 << "ActionEnglish" << "?" << 0 << "" << -1;
    QTest::newRow("5") << 5 << "ActionSweepPowerOnOff" << "Sweep" << 41040 << "Shift+Alt+P" << 111;
    QTest::newRow("10") << 10 << "ActionHelpContents" << "?" << 8304 << "Shift+F1" << 40;
    QTest::newRow("13") << 13 << "ActionHelpChecklist" << "?" << 24688 << "Shift+Ctrl+F1" << -1;
    QTest::newRow("15") << 15 << "ActionFileOpenSetup" << "File" << 16460 << "Ctrl+L" << 81;
    QTest::newRow("23") << 23 << "ActionFileSaveAllCurvesInActiveWindow" << "File" << 41043 << "Shift+Alt+S" << 82;
    QTest::newRow("24") << 24 << "ActionFileSaveAllCurves" << "File" << 24659 << "Shift+Ctrl+S" << 39;
    QTest::newRow("37") << 37 << "ActionExitVEXA" << "File" << 32883 << "Alt+F4" << -1;
    QTest::newRow("47") << 47 << "ActionSweepEmergencyPowerOff" << "Sweep" << 123 << "F12" << 112;
    QTest::newRow("51") << 51 << "ActionSweepMacroStart" << "Sweep" << 24696 << "Shift+Ctrl+F9" << 109;
    QTest::newRow("52") << 52 << "ActionSweepMacroContinue" << "Sweep" << 8312 << "Shift+F9" << 110;
    QTest::newRow("54") << 54 << "ActionMarkerPeakLeft" << "Marker" << 8229 << "Shift+Left" << 62;
    QTest::newRow("69") << 69 << "ActionCurveInsertPoint" << "Curve" << 32 << "Space" << -1;
    QTest::newRow("74") << 74 << "ActionCurveDelete" << "Curve" << 46 << "Del" << 89;
    QTest::newRow("95") << 95 << "ActionWindowClose" << "Window" << 16499 << "Ctrl+F4" << -1;
    QTest::newRow("97") << 97 << "ActionCurveEUT1" << "Select curve" << 8241 << "Shift+1" << -1;
    QTest::newRow("127") << 127 << "ActionCurveMore" << "Select curve" << 8269 << "Shift+M" << -1;
    QTest::newRow("133") << 133 << "ActionFrequencyMin" << "Set frequency" << 36 << "Home" << 21;
    QTest::newRow("135") << 135 << "ActionFrequencyCurvepointDown" << "Set frequency" << 24613 << "Shift+Ctrl+Left"
                         << 50;
    QTest::newRow("142") << 142 << "ActionLevelMin" << "Set level" << 34 << "PgDn" << 55;
    QTest::newRow("147") << 147 << "ActionLevelMax" << "Set level" << 33 << "PgUp" << 56;
    QTest::newRow("148") << 148 << "ActionViewCustomize" << "View" << 0 << "" << -1;
}

void TestCatalogue::positions()
{
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, category);
    QFETCH(int, shortCut);
    QFETCH(QString, shortCutText);
    QFETCH(int, image);
    const TActionRow &row = ActionRowsTest()[size_t(position)];
    QCOMPARE(Text(row.Name), name);
    QCOMPARE(Text(row.Category), category);
    QCOMPARE(int(row.ShortCut), shortCut);
    QCOMPARE(ShortCutToText(row.ShortCut), shortCutText);
    QCOMPARE(row.ImageIndex, image);
}

void TestCatalogue::shortCutsUnique()
{
    QHash<TShortCut, QString> seen;
    for (const TActionRow &row : ActionRowsTest()) {
        if (!row.ShortCut)
            continue;
        QVERIFY2(!seen.contains(row.ShortCut),
                 qPrintable(QStringLiteral("%1 and %2 share %3")
                                .arg(seen.value(row.ShortCut), Text(row.Name), ShortCutToText(row.ShortCut))));
        seen.insert(row.ShortCut, Text(row.Name));
        QVERIFY2(!ShortCutToText(row.ShortCut).isEmpty(), row.Name);
    }
    QCOMPARE(seen.size(), 58);
}

// The README's keyboard reference: every shortcut of the catalogue, in menu bar order (the menu
// it is found under, top-level menus from left to right), then any not on the menu bar by category.
// Written by this test when VEXA_UPDATE_README=1 is set, checked otherwise.
QString KeyboardReference()
{
    QString table = QStringLiteral("| Keys | Command | Menu |\n|---|---|---|\n");
    QSet<QString> listed;
    auto add = [&](const TActionRow &row, const QString &menu) {
        if (!row.ShortCut || listed.contains(Text(row.Name)))
            return;
        listed.insert(Text(row.Name));
        table += QStringLiteral("| %1 | %2 | %3 |\n").arg(ShortCutToText(row.ShortCut), StripAmpersands(Text(row.Caption)), menu);
    };
    QString menu;
    for (const TBarItemRow &item : FindBar(QStringLiteral("MenuBarTest"))->Items) {
        if (item.Level == 0)
            menu = StripAmpersands(Text(item.Caption));
        if (const TActionRow *row = item.Action ? FindRow(Text(item.Action)) : nullptr)
            add(*row, menu);
    }
    for (const TActionRow &row : ActionRowsTest())
        add(row, Text(row.Category));
    return table;
}

void TestCatalogue::keyboardReferenceInReadme()
{
    const QString path = QStringLiteral(VEXA_SOURCE_DIR "/README.md");
    const QString begin = QStringLiteral("<!-- keyboard reference: begin -->\n");
    const QString end = QStringLiteral("<!-- keyboard reference: end -->\n");
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QString readme = QString::fromUtf8(file.readAll());
    file.close();
    const qsizetype from = readme.indexOf(begin);
    const qsizetype to = readme.indexOf(end);
    QVERIFY2(from >= 0 && to > from, "README.md has no keyboard reference markers");
    const QString generated = KeyboardReference();
    if (qEnvironmentVariableIntValue("VEXA_UPDATE_README")) {
        readme.replace(from + begin.size(), to - from - begin.size(), generated);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(readme.toUtf8());
        return;
    }
    QVERIFY2(readme.mid(from + begin.size(), to - from - begin.size()) == generated,
             "README.md's keyboard reference differs from the catalogue; rewrite it with "
             "VEXA_UPDATE_README=1 build/tests/tst_catalogue keyboardReferenceInReadme");
}

void TestCatalogue::hints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    const QString open = "Open|Opens an existing file";
    const QString save = "Save As|Saves the active file with a new name";
    QTest::newRow("ActionFileOpenSetup") << "ActionFileOpenSetup" << open;
    QTest::newRow("ActionFileOpenCurve") << "ActionFileOpenCurve" << open;
    QTest::newRow("ActionFileOpenAndInsertCurve") << "ActionFileOpenAndInsertCurve" << open;
    QTest::newRow("ActionFileSaveSetupAs") << "ActionFileSaveSetupAs" << save;
    QTest::newRow("ActionFileSaveCurveAs") << "ActionFileSaveCurveAs" << save;
    QTest::newRow("ActionExitVEXA") << "ActionExitVEXA" << "Exit|Quits the application";
    QTest::newRow("ActionWindowCascade") << "ActionWindowCascade" << "Cascade";
    QTest::newRow("ActionWindowTileHorizontal") << "ActionWindowTileHorizontal" << "Tile Horizontal";
    QTest::newRow("ActionWindowTileVertical") << "ActionWindowTileVertical" << "Tile Vertical";
    QTest::newRow("ActionWindowMinimizeAll") << "ActionWindowMinimizeAll" << "Minimize All";
    QTest::newRow("ActionWindowClose") << "ActionWindowClose" << "Close";
    QTest::newRow("ActionHelpContents") << "ActionHelpContents" << "Help Contents";
}

void TestCatalogue::hints()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    const TActionRow *row = FindRow(name);
    QVERIFY(row);
    QCOMPARE(Text(row->Hint), hint);
}

void TestCatalogue::handlers()
{
    for (const TActionRow &row : ActionRowsTest()) {
        const char *name = row.Name;
        switch (row.Kind) {
        case TActionKind::Action:
        case TActionKind::HelpContents:
            // A plain action without an execute handler would disable itself at its first update.
            QVERIFY2(row.OnExecute, name);
            QVERIFY2(!row.BeforeExecute, name);
            break;
        case TActionKind::FileOpen:
        case TActionKind::FileSaveAs:
            QVERIFY2(!row.OnExecute, name);
            QVERIFY2(row.BeforeExecute, name);
            break;
        default:
            // The print, exit, window and customise kinds act by themselves.
            QVERIFY2(!row.OnExecute, name);
            QVERIFY2(!row.BeforeExecute, name);
            break;
        }
        QCOMPARE(row.OnUpdate != nullptr, Text(row.Category) == QLatin1String("Toolbars"));
    }

    struct Binding
    {
        const char *action;
        THandler execute;
        THandler update;
        THandler beforeExecute;
    };
    const Binding bindings[] = {
        {"ActionParamsFrequency", &TFormVEXAMain::ActionParamsFrequencyExecute, nullptr, nullptr},
        {"ActionViewLevel", &TFormVEXAMain::ActionViewLevelExecute, nullptr, nullptr},
        {"ActionHelpContents", &TFormVEXAMain::ActionHelpContentsExecute, nullptr, nullptr},
        {"ActionWindowNew", &TFormVEXAMain::ActionWindowNewExecute, nullptr, nullptr},
        {"ActionToolbarsSweep", &TFormVEXAMain::ActionToolbarsSweepExecute, &TFormVEXAMain::ActionToolbarsSweepUpdate,
         nullptr},
        {"ActionToolbarsCurve", &TFormVEXAMain::ActionToolbarsCurveExecute, &TFormVEXAMain::ActionToolbarsCurveUpdate,
         nullptr},
        {"ActionFileOpenSetup", nullptr, nullptr, &TFormVEXAMain::ActionFileOpenSetupBeforeExecute},
        {"ActionFileSaveCurveAs", nullptr, nullptr, &TFormVEXAMain::ActionFileSaveCurveAsBeforeExecute},
        {"ActionPrint", nullptr, nullptr, nullptr},
        {"ActionExitVEXA", nullptr, nullptr, nullptr},
        {"ActionViewCustomize", nullptr, nullptr, nullptr},
    };
    for (const Binding &b : bindings) {
        const TActionRow *row = FindRow(Text(b.action));
        QVERIFY2(row, b.action);
        QVERIFY2(row->OnExecute == b.execute, b.action);
        QVERIFY2(row->OnUpdate == b.update, b.action);
        QVERIFY2(row->BeforeExecute == b.beforeExecute, b.action);
    }

    // The customise action has none: its method serves only the pop-up menu.
    for (const TActionRow &row : ActionRowsTest())
        QVERIFY2(row.OnExecute != &TFormVEXAMain::ActionViewCustomizeExecute, row.Name);
}

void TestCatalogue::enabled()
{
    for (const TActionRow &row : ActionRowsTest()) {
        const bool storedDisabled = IsWindowKind(row.Kind) || row.Kind == TActionKind::HelpContents;
        QVERIFY2(row.Enabled == !storedDisabled, row.Name);
    }
}

void TestCatalogue::imageIndexes()
{
    for (const TActionRow &row : ActionRowsTest()) {
        QVERIFY2(row.ImageIndex >= -1 && row.ImageIndex <= 126, row.Name);
        QVERIFY2(row.ImageIndex == -1 || NamedImageIndexes().contains(row.ImageIndex), row.Name);
    }
}

void TestCatalogue::barEntries()
{
    const auto bars = BarDesignsTest();
    const QStringList expected = {"MenuBarTest",         "ActionToolBarSweep",
                                  "ActionToolBarCurves", "ActionToolBarMarker",
                                  "ActionToolBarSetLevelAndFrequency", "ActionToolBarStandard"};
    QCOMPARE(bars.size(), size_t(expected.size()));
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const TBarDesign &bar = bars[size_t(i)];
        QCOMPARE(Text(bar.ActionBar), expected[i]);
        const bool menuBar = i == 0;
        QCOMPARE(bar.ChangesAllowed, menuBar ? TChangesAllowed(caModify | caMove) : caAll);
        QCOMPARE(bar.CaptionOptions, menuBar ? TCaptionOptions::coAll : TCaptionOptions::coNone);
        QCOMPARE(bar.HasContextItems, expected[i] == QLatin1String("ActionToolBarSweep"));
    }
}

void TestCatalogue::topLevelMenus()
{
    const TBarDesign *bar = FindBar("MenuBarTest");
    QVERIFY(bar);
    QStringList captions;
    for (const TBarItemRow &item : bar->Items) {
        if (item.Level != 0)
            continue;
        captions << Text(item.Caption);
        QVERIFY(!item.Action);
        QCOMPARE(item.UsageCount, 0);
    }
    const QStringList expected = {"&File",   "&Test parameters", "&Sweep", "&Curve",   "&Marker",
                                  "S&et frequency", "Set &level", "&View", "&Window", "?"};
    QCOMPARE(captions, expected);
    QCOMPARE(bar->Items.front().Level, 0);
}

void TestCatalogue::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("separators");
    QTest::addColumn<int>("submenus");
    QTest::newRow("File") << "&File" << 22 << 4 << 0;
    QTest::newRow("Test parameters") << "&Test parameters" << 11 << 1 << 0;
    QTest::newRow("Sweep") << "&Sweep" << 11 << 3 << 0;
    QTest::newRow("Curve") << "&Curve" << 17 << 5 << 3;
    QTest::newRow("Marker") << "&Marker" << 20 << 4 << 0;
    QTest::newRow("Set frequency") << "S&et frequency" << 9 << 0 << 0;
    QTest::newRow("Set level") << "Set &level" << 7 << 0 << 0;
    QTest::newRow("View") << "&View" << 19 << 4 << 1;
    QTest::newRow("Window") << "&Window" << 10 << 2 << 0;
    QTest::newRow("?") << "?" << 10 << 3 << 0;
}

void TestCatalogue::menus()
{
    QFETCH(QString, menu);
    QFETCH(int, entries);
    QFETCH(int, separators);
    QFETCH(int, submenus);
    const auto items = FindBar("MenuBarTest")->Items;
    const MenuSpan span = FindMenu(items, menu);
    QVERIFY(span.first >= 0);

    int entryCount = 0, separatorCount = 0, submenuCount = 0;
    QSet<QString> actions;
    for (qsizetype i = span.first + 1; i < span.end; ++i) {
        const TBarItemRow &item = items[size_t(i)];
        QVERIFY(item.Level == 1 || item.Level == 2);
        if (item.Action) {
            // No action stands twice in one menu, submenus included.
            QVERIFY2(!actions.contains(Text(item.Action)), item.Action);
            actions.insert(Text(item.Action));
        }
        if (item.Level != 1)
            continue;
        ++entryCount;
        if (IsSeparator(item))
            ++separatorCount;
        else if (!item.Action)
            ++submenuCount;
    }
    QCOMPARE(entryCount, entries);
    QCOMPARE(separatorCount, separators);
    QCOMPARE(submenuCount, submenus);
}

void TestCatalogue::submenus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("entry");  // 1-based among the menu's entries
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("children");
    QTest::newRow("Select curve") << "&Curve" << 1 << "S&elect curve" << 37;
    QTest::newRow("Curve view") << "&Curve" << 4 << "&View" << 6;
    QTest::newRow("Curve file") << "&Curve" << 15 << "Fi&le" << 6;
    QTest::newRow("Toolbars") << "&View" << 18 << "Too&lbars" << 5;
}

void TestCatalogue::submenus()
{
    QFETCH(QString, menu);
    QFETCH(int, entry);
    QFETCH(QString, caption);
    QFETCH(int, children);
    const auto items = FindBar("MenuBarTest")->Items;
    const MenuSpan span = FindMenu(items, menu);
    QVERIFY(span.first >= 0);

    int seen = 0;
    qsizetype at = -1;
    for (qsizetype i = span.first + 1; i < span.end; ++i)
        if (items[size_t(i)].Level == 1 && ++seen == entry) {
            at = i;
            break;
        }
    QVERIFY(at >= 0);
    const TBarItemRow &sub = items[size_t(at)];
    QCOMPARE(Text(sub.Caption), caption);
    QVERIFY(!sub.Action);
    QCOMPARE(sub.UsageCount, 1);

    int count = 0;
    for (qsizetype i = at + 1; i < span.end && items[size_t(i)].Level == 2; ++i)
        ++count;
    QCOMPARE(count, children);
}

void TestCatalogue::toolbars_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("separators");
    QTest::newRow("Sweep") << "ActionToolBarSweep" << 6 << 1;
    QTest::newRow("Curves") << "ActionToolBarCurves" << 9 << 2;
    QTest::newRow("Marker") << "ActionToolBarMarker" << 17 << 2;
    QTest::newRow("SetLevelAndFrequency") << "ActionToolBarSetLevelAndFrequency" << 17 << 1;
    QTest::newRow("Standard") << "ActionToolBarStandard" << 19 << 4;
}

void TestCatalogue::toolbars()
{
    QFETCH(QString, bar);
    QFETCH(int, items);
    QFETCH(int, separators);
    const TBarDesign *design = FindBar(bar);
    QVERIFY(design);
    QCOMPARE(int(design->Items.size()), items);
    int separatorCount = 0;
    for (const TBarItemRow &item : design->Items) {
        QCOMPARE(item.Level, 0);
        QCOMPARE(item.UsageCount, 0);
        if (IsSeparator(item))
            ++separatorCount;
        else
            QVERIFY2(item.Action, qPrintable(Text(item.Caption)));
    }
    QCOMPARE(separatorCount, separators);
}

void TestCatalogue::itemsPointToActions()
{
    int submenus = 0;
    for (const TBarDesign &bar : BarDesignsTest()) {
        int previousLevel = 0;
        for (size_t i = 0; i < bar.Items.size(); ++i) {
            const TBarItemRow &item = bar.Items[i];
            QVERIFY2(item.Level >= 0 && item.Level <= previousLevel + 1, bar.ActionBar);
            previousLevel = item.Level;
            if (IsSeparator(item))
                continue;
            if (!item.Action) {
                // A top-level menu or a submenu: a caption and entries one level down.
                QVERIFY(item.Caption);
                QVERIFY2(i + 1 < bar.Items.size() && bar.Items[i + 1].Level == item.Level + 1, item.Caption);
                if (item.Level > 0) {
                    QCOMPARE(item.UsageCount, 1);
                    ++submenus;
                }
                continue;
            }
            const TActionRow *row = FindRow(Text(item.Action));
            QVERIFY2(row, item.Action);
            QCOMPARE(item.UsageCount, 0);
            // An entry's own caption differs from its action's in the access key only.
            if (item.Caption)
                QCOMPARE(StripAmpersands(Text(item.Caption)), StripAmpersands(Text(row->Caption)));
        }
    }
    QCOMPARE(submenus, 4);
}

void TestCatalogue::actionsOnNoBar()
{
    QSet<QString> shown;
    for (const TBarDesign &bar : BarDesignsTest())
        for (const TBarItemRow &item : bar.Items)
            if (item.Action)
                shown.insert(Text(item.Action));
    QStringList hidden;
    for (const TActionRow &row : ActionRowsTest())
        if (!shown.contains(Text(row.Name)))
            hidden << Text(row.Name);
    // The plot commands are reached only through the customise dialog; hiding the
    // checklist is the panel's own button.
    const QStringList expected = {"ActionPlot",         "ActionPlotActiveCurve", "ActionPlotPause",
                                  "ActionPlotContinue", "ActionPlotRepeat",      "ActionViewChecklistHide"};
    QCOMPARE(hidden, expected);
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
