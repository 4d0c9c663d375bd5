// The action-bar layout file: the designed and a customised arrangement written and read back, every
// field through the file, missing and damaged files, the start-up and close handlers, failed saves,
// and resetting a bar to its design.
#include "actions/ActnBars.h"
#include "actions/ActnList.h"
#include "actions/ActnMan.h"
#include "actions/LayoutFile.h"
#include "mainwindow/ActionBarViews.h"
#include "mainwindow/FVEXAMain.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QProcess>
#include <QtTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <functional>
#include <memory>

namespace {

const QStringList kBarNames{
    QStringLiteral("MenuBarTest"),           QStringLiteral("ActionToolBarSweep"),
    QStringLiteral("ActionToolBarCurves"),   QStringLiteral("ActionToolBarMarker"),
    QStringLiteral("ActionToolBarSetLevelAndFrequency"), QStringLiteral("ActionToolBarStandard"),
};

QString Question(const QString &path)
{
    return QStringLiteral("Error loading previously saved settings file: %1\nWould you like to delete it?").arg(path);
}

const QString kUnableToSave = QStringLiteral("Unable to save settings");

//! Takes the layout prompts instead of message boxes and answers the question as told.
class FakeHost : public TActionHost
{
public:
    bool answerYes = false;
    QStringList questions;
    QStringList messages;

    TMDIFrame *FindMDIFrame() override { return nullptr; }
    bool RunDialog(TCommonDialogAction &) override { return false; }
    void QuitHelp() override {}
    void CloseMainForm() override {}
    void ShowHelpContents() override {}
    void ShowCustomizeDialog(TActionManager &, bool) override {}
    bool ErrorQuestion(const QString &text) override
    {
        questions << text;
        return answerYes;
    }
    void ShowMessage(const QString &text) override { messages << text; }
};

//! A real main window whose main manager prompts a fake host.
struct MainWindow
{
    FakeHost host;  // outlives the form
    std::unique_ptr<TFormVEXAMain> form = std::make_unique<TFormVEXAMain>();

    MainWindow() { form->ActionManagerTest->SetHost(&host); }
    TActionManager &manager() const { return *form->ActionManagerTest; }
    TActionBars &bars() const { return manager().ActionBars(); }
    TLayoutNames names() const { return LayoutNamesOf(manager()); }
    TCustomAction *action(const char *name) const { return manager().FindAction(QString::fromLatin1(name)); }
    QWidget *barControl(const QString &name) const { return form->findChild<QWidget *>(name); }
};

std::unique_ptr<TActionBars> Copy(const TActionBars &bars)
{
    auto copy = std::make_unique<TActionBars>();
    copy->Assign(bars);
    return copy;
}

// ---------------------------------------------------------------- comparing bars field by field

template <class T>
QString Show(const T &value)
{
    QString text;
    QDebug(&text).nospace() << value;
    return text;
}

QString ActionName(const TActionClientItem &item)
{
    return item.Action ? item.Action->Name() : QStringLiteral("(none)");
}

#define DIFF_FIELD(a, b, where, field, show)                                                                   \
    if ((a).field != (b).field)                                                                                \
        return QStringLiteral("%1.%2: %3 != %4").arg(where, QLatin1String(#field), show((a).field), show((b).field));

QString Diff(const TActionClients &a, const TActionClients &b, const QString &where);

QString Diff(const TActionClients *a, const TActionClients *b, const QString &where)
{
    if (!a || !b)
        return bool(a) == bool(b) ? QString() : QStringLiteral("%1: present in one only").arg(where);
    return Diff(*a, *b, where);
}

QString Diff(const TActionClientItem &a, const TActionClientItem &b, const QString &where)
{
    if (ActionName(a) != ActionName(b))
        return QStringLiteral("%1.Action: %2 != %3").arg(where, ActionName(a), ActionName(b));
    DIFF_FIELD(a, b, where, Caption, Show)
    DIFF_FIELD(a, b, where, ImageIndex, Show)
    DIFF_FIELD(a, b, where, ShortCut, Show)
    DIFF_FIELD(a, b, where, ShowCaption, Show)
    DIFF_FIELD(a, b, where, ShowGlyph, Show)
    DIFF_FIELD(a, b, where, ShowShortCut, Show)
    DIFF_FIELD(a, b, where, UsageCount, Show)
    DIFF_FIELD(a, b, where, LastSession, Show)
    DIFF_FIELD(a, b, where, Visible, Show)
    DIFF_FIELD(a, b, where, HelpContext, Show)
    DIFF_FIELD(a, b, where, MergeIndex, Show)
    DIFF_FIELD(a, b, where, ChangesAllowed, Show)
    DIFF_FIELD(a, b, where, Color, Show)
    DIFF_FIELD(a, b, where, Tag, Show)
    if (QString d = Diff(a.Items(), b.Items(), where + QStringLiteral(".Items")); !d.isEmpty())
        return d;
    return Diff(a.ContextItems(), b.ContextItems(), where + QStringLiteral(".ContextItems"));
}

QString Diff(const TActionClients &a, const TActionClients &b, const QString &where)
{
    const auto option = [](TCaptionOptions o) { return QString::number(int(o)); };
    DIFF_FIELD(a, b, where, CaptionOptions, option)
    DIFF_FIELD(a, b, where, AutoHotKeys, Show)
    DIFF_FIELD(a, b, where, HideUnused, Show)
    DIFF_FIELD(a, b, where, SmallIcons, Show)
    DIFF_FIELD(a, b, where, Customizable, Show)
    if (a.Count() != b.Count())
        return QStringLiteral("%1: %2 entries != %3").arg(where).arg(a.Count()).arg(b.Count());
    for (int i = 0; i < a.Count(); ++i)
        if (QString d = Diff(a[i], b[i], QStringLiteral("%1[%2]").arg(where).arg(i)); !d.isEmpty())
            return d;
    return {};
}

//! Empty when equal, else the first difference with where it is.
QString Diff(const TActionBars &a, const TActionBars &b)
{
    const QString where = QStringLiteral("bars");
    DIFF_FIELD(a, b, where, SessionCount, Show)
    DIFF_FIELD(a, b, where, ShowHints, Show)
    DIFF_FIELD(a, b, where, HintShortCuts, Show)
    DIFF_FIELD(a, b, where, Customizable, Show)
    if (a.Count() != b.Count())
        return QStringLiteral("%1 bar entries != %2").arg(a.Count()).arg(b.Count());
    for (int i = 0; i < a.Count(); ++i) {
        const QString bar = QStringLiteral("bar %1 (%2)").arg(i).arg(a[i].ActionBar);
        DIFF_FIELD(a[i], b[i], bar, ActionBar, Show)
        DIFF_FIELD(a[i], b[i], bar, ChangesAllowed, Show)
        DIFF_FIELD(a[i], b[i], bar, Visible, Show)
        DIFF_FIELD(a[i], b[i], bar, AutoSize, Show)
        DIFF_FIELD(a[i], b[i], bar, Color, Show)
        if (QString d = Diff(a[i].Items(), b[i].Items(), bar + QStringLiteral(".Items")); !d.isEmpty())
            return d;
        if (QString d = Diff(a[i].ContextItems(), b[i].ContextItems(), bar + QStringLiteral(".ContextItems"));
            !d.isEmpty())
            return d;
    }
    return {};
}

#undef DIFF_FIELD

// ---------------------------------------------------------------- finding entries

//! The first entry (depth first) of a bar that points to the named action.
TActionClientItem *Find(TActionClients &list, const QString &action)
{
    for (int i = 0; i < list.Count(); ++i) {
        if (list[i].Action && list[i].Action->Name() == action)
            return &list[i];
        if (TActionClientItem *inner = Find(list[i].Items(), action))
            return inner;
    }
    return nullptr;
}

TActionClientItem &Entry(TActionBars &bars, const char *bar, const char *action)
{
    TActionBarItem *entry = bars.FindBar(QString::fromLatin1(bar));
    TActionClientItem *item = entry ? Find(entry->Items(), QString::fromLatin1(action)) : nullptr;
    if (!item)
        qFatal("no entry for %s on %s", action, bar);
    return *item;
}

TActionClients &BarItems(TActionBars &bars, const char *bar)
{
    TActionBarItem *entry = bars.FindBar(QString::fromLatin1(bar));
    if (!entry)
        qFatal("no bar entry %s", bar);
    return entry->Items();
}

//! What a bar's entries show, a separator as "-".
QStringList ItemTexts(const TActionClients &items)
{
    QStringList texts;
    for (int i = 0; i < items.Count(); ++i)
        texts << (items[i].IsSeparator() ? QStringLiteral("-") : items[i].DisplayCaption());
    return texts;
}

//! What a bar control shows, a separator as "-".
QStringList RowTexts(const QWidget *control)
{
    QStringList texts;
    for (const QAction *row : control->actions())
        texts << (row->isSeparator() ? QStringLiteral("-") : row->text());
    return texts;
}

//! Empty when every bar control shows its bar entry's items.
QString ViewsDiffer(const MainWindow &w)
{
    for (const QString &name : kBarNames) {
        const TActionBarItem *bar = w.bars().FindBar(name);
        const QWidget *control = w.barControl(name);
        if (!bar || !control)
            return name + QStringLiteral(": missing");
        if (RowTexts(control) != ItemTexts(bar->Items()))
            return QStringLiteral("%1 shows %2, entries are %3")
                .arg(name, RowTexts(control).join(u'|'), ItemTexts(bar->Items()).join(u'|'));
    }
    return {};
}

// ---------------------------------------------------------------- files

bool WriteFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

//! Sets or clears the immutable attribute, as chattr +i / -i do.
bool SetImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

//! A file or directory made immutable for the guard's lifetime; even root cannot change it then.
class Immutable
{
public:
    explicit Immutable(const QString &path) : m_path(path), m_set(SetImmutable(path, true)) {}
    ~Immutable()
    {
        if (m_set)
            SetImmutable(m_path, false);
    }
    Immutable(const Immutable &) = delete;
    Immutable &operator=(const Immutable &) = delete;
    bool isSet() const { return m_set; }

private:
    QString m_path;
    bool m_set;
};

//! Replaces how the layout file's bytes reach the disk, and puts the real way back.
class WriteReplaced
{
public:
    explicit WriteReplaced(TLayoutWriteFunction write) : m_saved(LayoutFileWrite) { LayoutFileWrite = write; }
    ~WriteReplaced() { LayoutFileWrite = m_saved; }
    WriteReplaced(const WriteReplaced &) = delete;
    WriteReplaced &operator=(const WriteReplaced &) = delete;

private:
    TLayoutWriteFunction m_saved;
};

// The program's directory as the main window sees it: a temporary one, so no test touches the build tree.
QString g_programDir;
QString TestProgramDir()
{
    return g_programDir;
}

//! "VEXA.act" in the program's directory, where the form reads and writes it: absent before and after.
class ProgramDirLayoutFile
{
public:
    ProgramDirLayoutFile() { QFile::remove(path()); }
    ~ProgramDirLayoutFile() { QFile::remove(path()); }
    ProgramDirLayoutFile(const ProgramDirLayoutFile &) = delete;
    ProgramDirLayoutFile &operator=(const ProgramDirLayoutFile &) = delete;
    static QString path() { return TFormVEXAMain::LayoutFilePath(); }
};

// ---------------------------------------------------------------- editing a layout's JSON

QJsonObject ParseObject(const QByteArray &content)
{
    return QJsonDocument::fromJson(content).object();
}

QByteArray ToBytes(const QJsonObject &root)
{
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

using TEdit = std::function<void(QJsonObject &)>;

QJsonObject EditActionBars(QJsonObject root, const TEdit &edit)
{
    QJsonObject bars = root.value(QLatin1String("ActionBars")).toObject();
    edit(bars);
    root[QLatin1String("ActionBars")] = bars;
    return root;
}

QJsonObject EditBar(const QJsonObject &root, int bar, const TEdit &edit)
{
    return EditActionBars(root, [&](QJsonObject &bars) {
        QJsonArray entries = bars.value(QLatin1String("Items")).toArray();
        QJsonObject entry = entries.at(bar).toObject();
        edit(entry);
        entries[bar] = entry;
        bars[QLatin1String("Items")] = entries;
    });
}

//! Edits the item list that `key` of `o` holds.
void EditList(QJsonObject &o, const TEdit &edit, const char *key = "Items")
{
    QJsonObject list = o.value(QLatin1String(key)).toObject();
    edit(list);
    o[QLatin1String(key)] = list;
}

//! Edits entry `item` of bar `bar` (a negative index counts from the end).
QJsonObject EditItem(const QJsonObject &root, int bar, int item, const TEdit &edit)
{
    return EditBar(root, bar, [&](QJsonObject &entry) {
        EditList(entry, [&](QJsonObject &list) {
            QJsonArray items = list.value(QLatin1String("Items")).toArray();
            const int index = item < 0 ? int(items.size()) + item : item;
            QJsonObject o = items.at(index).toObject();
            edit(o);
            items[index] = o;
            list[QLatin1String("Items")] = items;
        });
    });
}

//! An entry with every field a reader requires.
QJsonObject PlainEntry(const QString &caption)
{
    return QJsonObject{{QStringLiteral("Caption"), caption},
                       {QStringLiteral("ImageIndex"), -1},
                       {QStringLiteral("ShortCut"), 0},
                       {QStringLiteral("UsageCount"), 0},
                       {QStringLiteral("LastSession"), 0},
                       {QStringLiteral("Visible"), true},
                       {QStringLiteral("ChangesAllowed"), QJsonArray{QStringLiteral("caModify")}}};
}

//! `levels` item lists, each the only sub-list of the one before.
QJsonObject NestedList(int levels)
{
    QJsonObject list{{QStringLiteral("Items"), QJsonArray{PlainEntry(QStringLiteral("innermost"))}}};
    for (int i = 1; i < levels; ++i) {
        QJsonObject entry = PlainEntry(QStringLiteral("level %1").arg(levels - i));
        entry[QStringLiteral("Items")] = list;
        list = QJsonObject{{QStringLiteral("Items"), QJsonArray{entry}}};
    }
    return list;
}

// ---------------------------------------------------------------- field changes for the round trip

using TChange = void (*)(TActionBars &bars, const TActionManager &manager);

} // namespace

Q_DECLARE_METATYPE(TChange)

class TestLayoutFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    // The design and a customised arrangement through the file.
    void designRoundTrip();
    void everyFieldSurvivesTheFile_data();
    void everyFieldSurvivesTheFile();
    void customisedArrangementSurvivesButNotToolbarVisibility();
    void equivalentTextReadsAlike_data();
    void equivalentTextReadsAlike();

    // Reading what cannot be read.
    void unopenableFileThrowsAndChangesNothing_data();
    void unopenableFileThrowsAndChangesNothing();
    void damagedFileKeepsDesignAndOffersDelete_data();
    void damagedFileKeepsDesignAndOffersDelete();

    // The main window's start-up and close handlers.
    void formCreateWithDamagedFileAsksThenAppliesHintRule_data();
    void formCreateWithDamagedFileAsksThenAppliesHintRule();
    void formCreateWithoutFileIsSilentAndSkipsHintRule();
    void closeWritesFileThatNextStartReads();
    void closeWithReadOnlyProgramDirectoryTellsOnce();

    // Saving.
    void saveCreatesFileWithoutLeftovers();
    void saveReplacesOldFileAsAWhole();
    void failedSaveKeepsOldFileAndTellsOnce_data();
    void failedSaveKeepsOldFileAndTellsOnce();

    // Resetting a bar to its design.
    void resetWithoutOpenedFile_data();
    void resetWithoutOpenedFile();
    void resetGivesBackDesignOfThatBarOnly_data();
    void resetGivesBackDesignOfThatBarOnly();

private:
    //! Changes every bar of `bars` in a way the customise mode could.
    static void Customise(TActionBars &bars, const TActionManager &manager);

    std::unique_ptr<MainWindow> m_shared;  // for building table rows; never changed
    TStartupClock m_savedClock;
    QTemporaryDir m_programDir;
    QString (*m_savedProgramPath)() = nullptr;
    QByteArray m_designFile;               // the design as the writer stores it
};

void TestLayoutFile::initTestCase()
{
    // The start-up wait reads a clock that leaps a second a reading: no test sits out the splash time.
    m_savedClock = TFormVEXAMain::StartupClock;
    TFormVEXAMain::StartupClock.Tick = [] {
        static std::uint32_t now = 0;
        return now += 1000;
    };
    TFormVEXAMain::StartupClock.Pause = [] {};
    QVERIFY(m_programDir.isValid());
    g_programDir = m_programDir.path() + QLatin1Char('/');
    m_savedProgramPath = TFormVEXAMain::ProgramPath;
    TFormVEXAMain::ProgramPath = TestProgramDir;
    QCOMPARE(TFormVEXAMain::LayoutFilePath(), g_programDir + QStringLiteral("VEXA.act"));
    m_shared = std::make_unique<MainWindow>();
    m_designFile = WriteLayout(m_shared->bars(), m_shared->names());
    QVERIFY(!ParseObject(m_designFile).isEmpty());
}

void TestLayoutFile::cleanupTestCase()
{
    m_shared.reset();
    TFormVEXAMain::StartupClock = m_savedClock;
    if (m_savedProgramPath)
        TFormVEXAMain::ProgramPath = m_savedProgramPath;
}

void TestLayoutFile::Customise(TActionBars &bars, const TActionManager &manager)
{
    // Menu bar: a top-level caption changed, the Stop entry counted twice.
    BarItems(bars, "MenuBarTest")[0].Caption = QStringLiteral("&Datei");
    TActionClientItem &stop = Entry(bars, "MenuBarTest", "ActionSweepStop");
    bars.CountUse(stop);
    bars.CountUse(stop);
    // Sweep: a button removed, one given its own caption.
    BarItems(bars, "ActionToolBarSweep").Take(1);
    BarItems(bars, "ActionToolBarSweep")[0].Caption = QStringLiteral("Power");
    // Curves: Stop added at the end, as dragging it from the command list does.
    TActionClientItem &added = BarItems(bars, "ActionToolBarCurves").Add();
    added.Action = manager.FindAction(QStringLiteral("ActionSweepStop"));
    added.ImageIndex = added.Action->ImageIndex();
    added.ShortCut = added.Action->ShortCut();
    // Marker: the third button removed, a separator moved to the front.
    TActionClients &marker = BarItems(bars, "ActionToolBarMarker");
    marker.Take(2);
    marker.Insert(0, marker.Take(5));
    // Level and frequency: the last button moved to the front.
    TActionClients &levels = BarItems(bars, "ActionToolBarSetLevelAndFrequency");
    levels.Insert(0, levels.Take(levels.Count() - 1));
    // Standard: the first button moved to the fourth place, one hidden.
    TActionClients &standard = BarItems(bars, "ActionToolBarStandard");
    standard.Insert(3, standard.Take(0));
    standard[1].Visible = false;
}

// ---------------------------------------------------------------- the design and a customised arrangement

void TestLayoutFile::designRoundTrip()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("VEXA.act"));
    MainWindow first;
    first.manager().SaveLayoutToFile(path);
    QVERIFY(first.host.messages.isEmpty());

    // What the file holds.
    const QJsonObject root = ParseObject(ReadFile(path));
    QCOMPARE(root.value(QLatin1String("Object")).toString(), QStringLiteral("ActionManagerTest"));
    QCOMPARE(root.value(QLatin1String("Images")).toString(), QStringLiteral("FrameImageList1.ImageListAll"));
    QCOMPARE(root.value(QLatin1String("StyleName")).toString(), QStringLiteral("XP Style"));
    QCOMPARE(root.value(QLatin1String("Left")).toInt(), 592);
    QCOMPARE(root.value(QLatin1String("Top")).toInt(), 360);
    const QJsonObject actionBars = root.value(QLatin1String("ActionBars")).toObject();
    QCOMPARE(actionBars.value(QLatin1String("SessionCount")).toInt(-1), 1);
    QStringList barNames;
    for (const QJsonValue &bar : actionBars.value(QLatin1String("Items")).toArray())
        barNames << bar[QLatin1String("ActionBar")].toString();
    QStringList qualified;
    for (const QString &name : kBarNames)
        qualified << QStringLiteral("FormVEXAMain.") + name;
    QCOMPARE(barNames, qualified);
    const QJsonObject standardFirst = actionBars[QLatin1String("Items")][5][QLatin1String("Items")]
                                                [QLatin1String("Items")][0].toObject();
    QCOMPARE(standardFirst.value(QLatin1String("Action")).toString(), QStringLiteral("FormVEXAMain.ActionFileOpenSetup"));

    // Read back, by itself and by a fresh main window: the same bars, item for item.
    TActionBars read;
    QString error;
    QVERIFY2(ReadLayout(ReadFile(path), first.names(), read, &error), qPrintable(error));
    QCOMPARE(Diff(read, first.bars()), QString());

    MainWindow second;
    second.manager().LoadLayoutFromFile(path);
    QVERIFY(second.host.questions.isEmpty());
    QCOMPARE(Diff(second.bars(), first.bars()), QString());
    QCOMPARE(ViewsDiffer(second), QString());
    // The comparison reaches the Sweep bar's (empty) context list and the menu bar's settings.
    const TActionBarItem *sweep = second.bars().FindBar(QStringLiteral("ActionToolBarSweep"));
    QVERIFY(sweep && sweep->ContextItems());
    QCOMPARE(sweep->ContextItems()->CaptionOptions, TCaptionOptions::coNone);
    const TActionBarItem *menu = second.bars().FindBar(QStringLiteral("MenuBarTest"));
    QCOMPARE(menu->ChangesAllowed, TChangesAllowed(caModify | caMove));
    QCOMPARE(menu->Items().CaptionOptions, TCaptionOptions::coAll);
}

void TestLayoutFile::everyFieldSurvivesTheFile_data()
{
    QTest::addColumn<TChange>("change");
    auto add = [](const char *name, TChange change) { QTest::newRow(name) << change; };
    using B = TActionBars;
    using M = TActionManager;
    // Entries, on a toolbar and deep in the menu bar.
    add("caption", [](B &b, const M &) { Entry(b, "ActionToolBarStandard", "ActionFileOpenSetup").Caption = QStringLiteral("Ö \"x\" \\ |\n&"); });
    add("separator |", [](B &b, const M &) { BarItems(b, "ActionToolBarSweep").Add().Caption = QStringLiteral("|"); });
    add("no action", [](B &b, const M &) { Entry(b, "MenuBarTest", "ActionToolbarsSweep").Action = nullptr; });
    add("other action", [](B &b, const M &m) { Entry(b, "MenuBarTest", "ActionToolbarsSweep").Action = m.FindAction(QStringLiteral("ActionExitVEXA")); });
    add("image index", [](B &b, const M &) { Entry(b, "ActionToolBarStandard", "ActionPrint").ImageIndex = 126; });
    add("no image", [](B &b, const M &) { Entry(b, "ActionToolBarStandard", "ActionPrint").ImageIndex = -1; });
    add("shortcut", [](B &b, const M &) { Entry(b, "MenuBarTest", "ActionSweepStop").ShortCut = 0xFFFF; });
    add("ShowCaption", [](B &b, const M &) { Entry(b, "ActionToolBarSweep", "ActionSweepStop").ShowCaption = false; });
    add("ShowGlyph", [](B &b, const M &) { Entry(b, "ActionToolBarSweep", "ActionSweepStop").ShowGlyph = false; });
    add("ShowShortCut", [](B &b, const M &) { Entry(b, "ActionToolBarSweep", "ActionSweepStop").ShowShortCut = false; });
    add("usage count", [](B &b, const M &) { Entry(b, "MenuBarTest", "ActionToolbarsSweep").UsageCount = 2147483647; });
    add("never counted", [](B &b, const M &) { Entry(b, "MenuBarTest", "ActionToolbarsSweep").UsageCount = -1; });
    add("last session", [](B &b, const M &) { Entry(b, "MenuBarTest", "ActionToolbarsSweep").LastSession = 17; });
    add("entry hidden", [](B &b, const M &) { Entry(b, "ActionToolBarMarker", "ActionMarkerT").Visible = false; });
    add("help context", [](B &b, const M &) { Entry(b, "ActionToolBarMarker", "ActionMarkerT").HelpContext = -5; });
    add("merge index", [](B &b, const M &) { Entry(b, "ActionToolBarMarker", "ActionMarkerT").MergeIndex = 3; });
    add("tag", [](B &b, const M &) { Entry(b, "ActionToolBarMarker", "ActionMarkerT").Tag = -2147483647 - 1; });
    add("colour", [](B &b, const M &) { Entry(b, "ActionToolBarMarker", "ActionMarkerT").Color = QColor(0x12, 0x34, 0x56); });
    add("changes none", [](B &b, const M &) { Entry(b, "MenuBarTest", "ActionSweepStop").ChangesAllowed = 0; });
    add("changes move", [](B &b, const M &) { Entry(b, "MenuBarTest", "ActionSweepStop").ChangesAllowed = caMove; });
    add("entry context list", [](B &b, const M &m) {
        TActionClients &context = Entry(b, "ActionToolBarCurves", "ActionCurveMath").EnsureContextItems();
        context.CaptionOptions = TCaptionOptions::coAll;
        context.Add().Action = m.FindAction(QStringLiteral("ActionCurveCopy"));
    });
    add("new submenu on a button", [](B &b, const M &m) {
        TActionClientItem &sub = Entry(b, "ActionToolBarCurves", "ActionCurveMath").Items().Add();
        sub.Action = m.FindAction(QStringLiteral("ActionCurveDelete"));
        sub.Caption = QStringLiteral("Delete");
    });
    add("entry removed", [](B &b, const M &) { BarItems(b, "ActionToolBarMarker").Take(0); });
    add("entries emptied", [](B &b, const M &) { BarItems(b, "ActionToolBarMarker").Clear(); });
    // Item list settings, of a bar's list and of a submenu's.
    add("caption options", [](B &b, const M &) { BarItems(b, "ActionToolBarSweep").CaptionOptions = TCaptionOptions::coSelective; });
    add("AutoHotKeys", [](B &b, const M &) { BarItems(b, "MenuBarTest")[0].Items().AutoHotKeys = false; });
    add("HideUnused", [](B &b, const M &) { BarItems(b, "MenuBarTest")[0].Items().HideUnused = false; });
    add("SmallIcons", [](B &b, const M &) { BarItems(b, "ActionToolBarCurves").SmallIcons = false; });
    add("list not customizable", [](B &b, const M &) { BarItems(b, "ActionToolBarCurves").Customizable = false; });
    // Bar entries.
    add("bar unbound", [](B &b, const M &) { b.FindBar(QStringLiteral("ActionToolBarMarker"))->ActionBar.clear(); });
    add("bar changes", [](B &b, const M &) { b.FindBar(QStringLiteral("ActionToolBarMarker"))->ChangesAllowed = caDelete; });
    add("bar hidden", [](B &b, const M &) { b.FindBar(QStringLiteral("ActionToolBarStandard"))->Visible = false; });
    add("bar AutoSize", [](B &b, const M &) { b.FindBar(QStringLiteral("ActionToolBarStandard"))->AutoSize = false; });
    add("bar colour", [](B &b, const M &) { b.FindBar(QStringLiteral("ActionToolBarStandard"))->Color = QColor(Qt::red); });
    add("bar context list", [](B &b, const M &) { b.FindBar(QStringLiteral("ActionToolBarCurves"))->EnsureContextItems().Add().Caption = QStringLiteral("-"); });
    add("bar added", [](B &b, const M &) { b.Add().Items().Add().Caption = QStringLiteral("alone"); });
    add("no bars", [](B &b, const M &) { b.Clear(); });
    // The collection's own settings.
    add("session count", [](B &b, const M &) { b.SessionCount = 0; });
    add("ShowHints", [](B &b, const M &) { b.ShowHints = false; });
    add("HintShortCuts", [](B &b, const M &) { b.HintShortCuts = false; });
    add("collection not customizable", [](B &b, const M &) { b.Customizable = false; });
}

void TestLayoutFile::everyFieldSurvivesTheFile()
{
    QFETCH(TChange, change);
    const TActionManager &manager = m_shared->manager();
    const std::unique_ptr<TActionBars> changed = Copy(m_shared->bars());
    change(*changed, manager);
    QVERIFY2(!Diff(*changed, m_shared->bars()).isEmpty(), "the change is not seen");

    const QByteArray content = WriteLayout(*changed, m_shared->names());
    TActionBars read;
    QString error;
    QVERIFY2(ReadLayout(content, m_shared->names(), read, &error), qPrintable(error));
    QCOMPARE(Diff(read, *changed), QString());
    // Written again, nothing moves.
    QCOMPARE(WriteLayout(read, m_shared->names()), content);
}

// The same layout in other valid JSON spellings: a hand-edited file that means the same reads the same.
void TestLayoutFile::equivalentTextReadsAlike_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("firstCaption");  // of the menu bar's first entry

    const QByteArray design = m_designFile;
    auto replaceFirst = [&design](const QByteArray &from, const QByteArray &to) {
        QByteArray edited = design;
        const qsizetype at = edited.indexOf(from);
        return at < 0 ? QByteArray() : edited.replace(at, from.size(), to);
    };
    const QString file = QStringLiteral("&File");
    QTest::newRow("as written") << design << file;
    QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + design << file;
    QTest::newRow("CR LF and tabs") << QByteArray(design).replace("\n", "\r\n").replace("    ", "\t") << file;
    QTest::newRow("no white space") << QJsonDocument::fromJson(design).toJson(QJsonDocument::Compact) << file;
    QTest::newRow("escaped key") << replaceFirst("\"Caption\"", "\"Capt\\u0069on\"") << file;
    QTest::newRow("escaped text") << replaceFirst("\"&File\"", "\"\\u0026F\\/i\\\"le\\n\"")
                                  << QStringLiteral("&F/i\"le\n");
    QTest::newRow("UTF-8 text") << replaceFirst("\"&File\"", "\"&Datei \xC3\xA4\xE2\x82\xAC\xF0\x9F\x93\x81\"")
                                << QStringLiteral("&Datei \u00E4\u20AC\U0001F4C1");
    QTest::newRow("surrogate pair") << replaceFirst("\"&File\"", "\"\\ud83d\\uDCC1\"") << QStringLiteral("\U0001F4C1");
    QTest::newRow("number spellings") << replaceFirst("\"Version\": 1", "\"Version\": 1.0e0") << file;
}

void TestLayoutFile::equivalentTextReadsAlike()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, firstCaption);
    QVERIFY(!content.isEmpty());
    TActionBars read;
    QString error;
    QVERIFY2(ReadLayout(content, m_shared->names(), read, &error), qPrintable(error));
    const std::unique_ptr<TActionBars> expected = Copy(m_shared->bars());
    (*expected)[0].Items()[0].Caption = firstCaption;
    QCOMPARE(Diff(read, *expected), QString());
}

void TestLayoutFile::customisedArrangementSurvivesButNotToolbarVisibility()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("VEXA.act"));
    MainWindow first;
    Customise(first.bars(), first.manager());
    // The customise dialog's list of toolbars hides Standard and shows Curves.
    first.bars().FindBar(QStringLiteral("ActionToolBarStandard"))->Visible = false;
    first.bars().NotifyChanged();
    first.manager().SaveLayoutToFile(path);
    QVERIFY(first.host.messages.isEmpty());

    MainWindow second;
    second.manager().LoadLayoutFromFile(path);
    QVERIFY(second.host.questions.isEmpty());
    QCOMPARE(Diff(second.bars(), first.bars()), QString());
    QCOMPARE(ViewsDiffer(second), QString());

    // Spot checks that the arrangement really is the customised one.
    TActionBars &bars = second.bars();
    QCOMPARE(BarItems(bars, "MenuBarTest")[0].Caption, QStringLiteral("&Datei"));
    QCOMPARE(RowTexts(second.form->MenuBarTest).value(0), QStringLiteral("&Datei"));
    const TActionClientItem &stop = Entry(bars, "MenuBarTest", "ActionSweepStop");
    QCOMPARE(stop.UsageCount, 2);
    QCOMPARE(stop.LastSession, 1);
    QCOMPARE(stop.ParentList()->OwnerItem()->Caption, QStringLiteral("&Sweep"));
    QCOMPARE(stop.ParentList()->OwnerItem()->UsageCount, 2);
    QCOMPARE(ActionName(BarItems(bars, "ActionToolBarStandard")[3]), QStringLiteral("ActionFileOpenSetup"));
    QCOMPARE(ActionName(BarItems(bars, "ActionToolBarCurves")[BarItems(bars, "ActionToolBarCurves").Count() - 1]),
             QStringLiteral("ActionSweepStop"));
    QVERIFY(!BarItems(bars, "ActionToolBarStandard")[1].Visible);

    // The stored Visible stays in the entry but never reaches the control: the toolbars stand as designed.
    QVERIFY(!bars.FindBar(QStringLiteral("ActionToolBarStandard"))->Visible);
    QVERIFY(!second.form->ActionToolBarStandard->isHidden());
    QVERIFY(!second.form->ActionToolBarSweep->isHidden());
    QVERIFY(second.form->ActionToolBarCurves->isHidden());
    QVERIFY(second.form->ActionToolBarMarker->isHidden());
    QVERIFY(second.form->ActionToolBarSetLevelAndFrequency->isHidden());
    QVERIFY(!second.form->MenuBarTest->isHidden());
}

// ---------------------------------------------------------------- reading what cannot be read

void TestLayoutFile::unopenableFileThrowsAndChangesNothing_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("missing") << QStringLiteral("missing");
    QTest::newRow("missing directory") << QStringLiteral("missing directory");
    QTest::newRow("a directory") << QStringLiteral("directory");
    QTest::newRow("dangling link") << QStringLiteral("link");
    QTest::newRow("a named pipe (would block)") << QStringLiteral("fifo");
}

void TestLayoutFile::unopenableFileThrowsAndChangesNothing()
{
    QFETCH(QString, what);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath(QStringLiteral("VEXA.act"));
    if (what == QLatin1String("missing directory"))
        path = dir.filePath(QStringLiteral("gone/VEXA.act"));
    else if (what == QLatin1String("directory"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("VEXA.act")));
    else if (what == QLatin1String("link"))
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), path));
    else if (what == QLatin1String("fifo"))
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {path}), 0);
    const QStringList before = Entries(dir.path());

    MainWindow w;
    const std::unique_ptr<TActionBars> design = Copy(w.bars());
    QVERIFY_THROWS_EXCEPTION(ELayoutOpenError, w.manager().LoadLayoutFromFile(path));
    QVERIFY(w.host.questions.isEmpty());
    QVERIFY(w.host.messages.isEmpty());
    QCOMPARE(Diff(w.bars(), *design), QString());
    QCOMPARE(ViewsDiffer(w), QString());
    QVERIFY(!w.manager().DefaultBars());
    QCOMPARE(Entries(dir.path()), before);
}

void TestLayoutFile::damagedFileKeepsDesignAndOffersDelete_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("sparseSize");  // > 0: the file is extended to this size with a hole
    QTest::addColumn<bool>("answerYes");

    const QJsonObject design = ParseObject(m_designFile);
    auto add = [](const char *name, const QByteArray &content, qint64 sparseSize = 0) {
        QTest::addRow("%s, yes", name) << content << sparseSize << true;
        QTest::addRow("%s, no", name) << content << sparseSize << false;
    };
    auto edited = [&design](const TEdit &edit) {
        QJsonObject root = design;
        edit(root);
        return ToBytes(root);
    };
    auto itemEdited = [&design](int bar, int item, const TEdit &edit) { return ToBytes(EditItem(design, bar, item, edit)); };
    auto set = [](const char *key, const QJsonValue &value) {
        return [key, value](QJsonObject &o) { o[QLatin1String(key)] = value; };
    };
    constexpr int menu = 0, standard = 5, last = -1;

    // Not JSON.
    add("empty", QByteArray());
    add("truncated", m_designFile.left(m_designFile.size() / 2));
    add("one byte short", m_designFile.left(m_designFile.trimmed().size() - 1));
    add("trailing garbage", m_designFile + "x");
    add("second document", m_designFile + m_designFile);
    add("comment", "// layout\n" + m_designFile);
    auto raw = [this](const QByteArray &from, const QByteArray &to) {
        QByteArray edited = m_designFile;
        const qsizetype at = edited.indexOf(from);
        if (at < 0)
            qFatal("no \"%s\" in the design file", from.constData());
        return edited.replace(at, from.size(), to);
    };
    add("key twice", raw("\"Format\": ", "\"Format\": \"x\", \"Format\": "));
    add("key not a text", raw("\"Format\": ", "Format: "));
    add("single quotes", raw("\"&File\"", "'&File'"));
    add("trailing comma", raw("\"Version\": 1", "\"Version\": 1,"));
    add("lone high surrogate", raw("\"&File\"", "\"\\ud800x\""));
    add("lone low surrogate", raw("\"&File\"", "\"\\udc00\""));
    add("unknown escape", raw("\"&File\"", "\"\\q\""));
    add("short \\u escape", raw("\"&File\"", "\"\\u12\""));
    add("not UTF-8", raw("\"&File\"", "\"\xC3(\""));
    add("overlong UTF-8", raw("\"&File\"", "\"\xC0\xAF\""));
    add("encoded surrogate", raw("\"&File\"", "\"\xED\xA0\x80\""));
    add("raw tab in a text", raw("\"&File\"", "\"&\tFile\""));
    add("unfinished text", m_designFile.left(m_designFile.indexOf("&File") + 2));
    add("leading zero", raw("\"Version\": 1", "\"Version\": 01"));
    add("plus sign", raw("\"Version\": 1", "\"Version\": +1"));
    add("bare point", raw("\"Version\": 1", "\"Version\": 1."));
    add("number beyond double", raw("\"Left\": 592", "\"Left\": 1e999"));
    add("true misspelt", raw("\"Visible\": true", "\"Visible\": True"));
    add("null", raw("\"Visible\": true", "\"Visible\": null"));
    QByteArray random(4096, Qt::Uninitialized);
    QRandomGenerator generator(20240613);
    for (char &c : random)
        c = char(generator.bounded(256));
    add("random bytes", random);
    add("zero bytes", QByteArray(64, '\0'));
    // JSON of the wrong shape.
    add("array root", "[" + m_designFile + "]");
    add("text root", "\"FormVEXAMain\"");
    add("empty object", "{}");
    add("wrong format", edited(set("Format", QStringLiteral("something else"))));
    add("wrong version", edited(set("Version", 2)));
    add("version as text", edited(set("Version", QStringLiteral("1"))));
    add("wrong object", edited(set("Object", QStringLiteral("ActionManagerChecklist"))));
    add("wrong class", edited(set("Class", QStringLiteral("TActionList"))));
    add("no action bars", edited([](QJsonObject &o) { o.remove(QLatin1String("ActionBars")); }));
    add("bar list not a list", ToBytes(EditActionBars(design, set("Items", QJsonObject()))));
    add("negative session count", ToBytes(EditActionBars(design, set("SessionCount", -1))));
    add("unknown key in the file", edited(set("Extra", 1)));
    add("unknown key in a bar", ToBytes(EditBar(design, standard, set("Caption", QStringLiteral("x")))));
    add("unknown key in an entry", itemEdited(standard, last, set("Enabled", true)));
    // Wrong types and values.
    add("image index as text", itemEdited(standard, 0, set("ImageIndex", QStringLiteral("5"))));
    add("image index fraction", itemEdited(standard, 0, set("ImageIndex", 1.5)));
    add("image index 127", itemEdited(standard, 0, set("ImageIndex", 127)));
    add("image index -2", itemEdited(standard, 0, set("ImageIndex", -2)));
    add("visible as number", itemEdited(standard, 0, set("Visible", 1)));
    add("caption as null", itemEdited(standard, 0, set("Caption", QJsonValue::Null)));
    add("caption missing", itemEdited(standard, 0, [](QJsonObject &o) { o.remove(QLatin1String("Caption")); }));
    add("shortcut 65536", itemEdited(standard, 0, set("ShortCut", 65536)));
    add("usage count -2", itemEdited(standard, 0, set("UsageCount", -2)));
    add("usage count too large", itemEdited(standard, 0, set("UsageCount", 4294967296.0)));
    add("negative last session", itemEdited(standard, 0, set("LastSession", -1)));
    add("changes as text", itemEdited(standard, 0, set("ChangesAllowed", QStringLiteral("caModify"))));
    add("changes twice", itemEdited(standard, 0, set("ChangesAllowed", QJsonArray{QStringLiteral("caMove"), QStringLiteral("caMove")})));
    add("changes unknown", itemEdited(standard, 0, set("ChangesAllowed", QJsonArray{QStringLiteral("caHide")})));
    add("bad colour", itemEdited(standard, 0, set("Color", QStringLiteral("no colour"))));
    add("bad caption options", ToBytes(EditBar(design, standard, [](QJsonObject &bar) {
            EditList(bar, [](QJsonObject &list) { list[QLatin1String("CaptionOptions")] = QStringLiteral("coSome"); });
        })));
    add("entry not an object", ToBytes(EditBar(design, standard, [](QJsonObject &bar) {
            EditList(bar, [](QJsonObject &list) {
                QJsonArray items = list.value(QLatin1String("Items")).toArray();
                items.append(42);
                list[QLatin1String("Items")] = items;
            });
        })));
    // Names that do not resolve.
    add("unknown action", itemEdited(standard, last, set("Action", QStringLiteral("FormVEXAMain.ActionNoSuchThing"))));
    add("unqualified action", itemEdited(standard, 0, set("Action", QStringLiteral("ActionFileOpenSetup"))));
    add("action of another form", itemEdited(standard, 0, set("Action", QStringLiteral("FormOther.ActionFileOpenSetup"))));
    add("component that is no action", itemEdited(standard, 0, set("Action", QStringLiteral("FormVEXAMain.StatusBar"))));
    add("form name only", itemEdited(standard, 0, set("Action", QStringLiteral("FormVEXAMain."))));
    add("unknown bar", ToBytes(EditBar(design, standard, set("ActionBar", QStringLiteral("FormVEXAMain.ActionToolBarNone")))));
    add("unqualified bar", ToBytes(EditBar(design, menu, set("ActionBar", QStringLiteral("MenuBarTest")))));
    add("control that is no bar", ToBytes(EditBar(design, menu, set("ActionBar", QStringLiteral("FormVEXAMain.StatusBar")))));
    // Past the limits.
    add("deep nesting", itemEdited(menu, 0, set("Items", NestedList(12))));
    QJsonArray many;
    for (int i = 0; i < 20001; ++i)
        many.append(PlainEntry(QStringLiteral("-")));
    add("too many entries", ToBytes(EditBar(design, standard, [&many](QJsonObject &bar) {
            EditList(bar, [&many](QJsonObject &list) { list[QLatin1String("Items")] = many; });
        })));
    add("larger than 8 MiB", m_designFile, 9 * 1024 * 1024);
}

void TestLayoutFile::damagedFileKeepsDesignAndOffersDelete()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, sparseSize);
    QFETCH(bool, answerYes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("VEXA.act"));
    QVERIFY(WriteFile(path, content));
    if (sparseSize > 0)
        QVERIFY(QFile::resize(path, sparseSize));
    const QByteArray stored = ReadFile(path);

    // The reader by itself refuses it and leaves what it was given alone.
    MainWindow w;
    TActionBars untouched;
    untouched.SessionCount = 42;
    untouched.Add().ActionBar = QStringLiteral("sentinel");
    QString error;
    QVERIFY(!ReadLayout(stored, w.names(), untouched, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(untouched.SessionCount, 42);
    QCOMPARE(untouched.Count(), 1);
    QCOMPARE(untouched[0].ActionBar, QStringLiteral("sentinel"));

    // The manager keeps the design, asks once and returns normally.
    w.host.answerYes = answerYes;
    const std::unique_ptr<TActionBars> design = Copy(w.bars());
    try {
        w.manager().LoadLayoutFromFile(path);
    } catch (const std::exception &e) {
        QFAIL(e.what());
    }
    QCOMPARE(w.host.questions, QStringList{Question(path)});
    QVERIFY(w.host.messages.isEmpty());
    QCOMPARE(Diff(w.bars(), *design), QString());
    QCOMPARE(ViewsDiffer(w), QString());
    QCOMPARE(QFile::exists(path), !answerYes);
    if (!answerYes)
        QVERIFY(ReadFile(path) == stored);
}

// ---------------------------------------------------------------- start-up and close

void TestLayoutFile::formCreateWithDamagedFileAsksThenAppliesHintRule_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("yes deletes") << true;
    QTest::newRow("no keeps") << false;
}

void TestLayoutFile::formCreateWithDamagedFileAsksThenAppliesHintRule()
{
    QFETCH(bool, answerYes);
    ProgramDirLayoutFile file;
    QVERIFY(WriteFile(file.path(), "not a layout"));
    MainWindow w;
    w.host.answerYes = answerYes;
    const std::unique_ptr<TActionBars> design = Copy(w.bars());

    w.form->FormCreate(w.form.get());
    QCOMPARE(w.host.questions, QStringList{Question(file.path())});
    QCOMPARE(QFile::exists(file.path()), !answerYes);
    QCOMPARE(Diff(w.bars(), *design), QString());
    QCOMPARE(ViewsDiffer(w), QString());
    // The hint rule ran after the question.
    QCOMPARE(w.action("ActionCurveEUT1")->Hint(), QStringLiteral("Curve for test: &1|Curve for test: &1"));
    QCOMPARE(w.action("ActionWindowCascade")->Hint(), QStringLiteral("Cascade windows|Cascade windows"));
    QCOMPARE(w.action("ActionFileOpenSetup")->Hint(), QStringLiteral("Open|Opens an existing file"));
    QCOMPARE(w.action("ActionExitVEXA")->Hint(), QStringLiteral("Exit|Quits the application"));
}

void TestLayoutFile::formCreateWithoutFileIsSilentAndSkipsHintRule()
{
    ProgramDirLayoutFile file;
    MainWindow w;
    const std::unique_ptr<TActionBars> design = Copy(w.bars());
    w.form->FormCreate(w.form.get());
    QVERIFY(w.host.questions.isEmpty());
    QVERIFY(w.host.messages.isEmpty());
    QVERIFY(!QFile::exists(file.path()));
    QCOMPARE(Diff(w.bars(), *design), QString());
    QCOMPARE(w.action("ActionCurveEUT1")->Hint(), QString());
    QCOMPARE(w.action("ActionWindowCascade")->Hint(), QStringLiteral("Cascade"));
    QCOMPARE(w.action("ActionFileOpenSetup")->Hint(), QStringLiteral("Open|Opens an existing file"));
    QVERIFY(!w.manager().DefaultBars());
}

void TestLayoutFile::closeWritesFileThatNextStartReads()
{
    ProgramDirLayoutFile file;
    MainWindow first;
    first.form->FormCreate(first.form.get());
    Customise(first.bars(), first.manager());
    first.bars().NotifyChanged();
    bool canClose = true;
    first.form->FormCloseQuery(first.form.get(), canClose);
    QVERIFY(canClose);
    QVERIFY(first.host.messages.isEmpty());
    QVERIFY(QFile::exists(file.path()));

    MainWindow second;
    second.form->FormCreate(second.form.get());
    QVERIFY(second.host.questions.isEmpty());
    QCOMPARE(Diff(second.bars(), first.bars()), QString());
    QCOMPARE(ViewsDiffer(second), QString());
    QCOMPARE(second.action("ActionCurveEUT1")->Hint(), QStringLiteral("Curve for test: &1|Curve for test: &1"));
}

void TestLayoutFile::closeWithReadOnlyProgramDirectoryTellsOnce()
{
    ProgramDirLayoutFile file;
    MainWindow w;
    w.form->FormCreate(w.form.get());
    QVERIFY(w.host.questions.isEmpty());
    {
        Immutable readOnly(m_programDir.path());
        if (!readOnly.isSet())
            QSKIP("cannot set the immutable attribute here (needs root and a file system that has it)");
        bool canClose = true;
        w.form->FormCloseQuery(w.form.get(), canClose);
        QVERIFY(canClose);
    }
    QCOMPARE(w.host.messages, QStringList{kUnableToSave});
    QVERIFY(!QFile::exists(file.path()));
    QCOMPARE(Entries(m_programDir.path()), QStringList());
}

// ---------------------------------------------------------------- saving

void TestLayoutFile::saveCreatesFileWithoutLeftovers()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("VEXA.act"));
    MainWindow w;
    w.manager().SaveLayoutToFile(path);
    QVERIFY(w.host.messages.isEmpty());
    QCOMPARE(Entries(dir.path()), QStringList{QStringLiteral("VEXA.act")});
    QCOMPARE(ReadFile(path), WriteLayout(w.bars(), w.names()));
    QCOMPARE(w.manager().State, TActionListState::asNormal);
}

void TestLayoutFile::saveReplacesOldFileAsAWhole()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("VEXA.act"));
    const QString link = dir.filePath(QStringLiteral("old"));
    const QByteArray old = "the old layout, longer than nothing";
    QVERIFY(WriteFile(path, old));
    // A second name for the old file's data: a save that wrote into the old file would change it.
    QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);

    MainWindow w;
    w.manager().State = TActionListState::asSuspended;
    w.manager().SaveLayoutToFile(path);
    QVERIFY(w.host.messages.isEmpty());
    QCOMPARE(ReadFile(path), WriteLayout(w.bars(), w.names()));
    QCOMPARE(ReadFile(link), old);
    QCOMPARE(Entries(dir.path()), (QStringList{QStringLiteral("VEXA.act"), QStringLiteral("old")}));
    QCOMPARE(w.manager().State, TActionListState::asNormal);
}

namespace {
enum class SaveFailure { ImmutableFile, ImmutableDirectory, WriteFails, ShortWrite };
}
Q_DECLARE_METATYPE(SaveFailure)

void TestLayoutFile::failedSaveKeepsOldFileAndTellsOnce_data()
{
    QTest::addColumn<SaveFailure>("failure");
    QTest::addColumn<bool>("oldFile");
    QTest::newRow("read-only file") << SaveFailure::ImmutableFile << true;
    QTest::newRow("read-only directory, old file") << SaveFailure::ImmutableDirectory << true;
    QTest::newRow("read-only directory, no file") << SaveFailure::ImmutableDirectory << false;
    QTest::newRow("write fails, old file") << SaveFailure::WriteFails << true;
    QTest::newRow("write fails, no file") << SaveFailure::WriteFails << false;
    QTest::newRow("short write, old file") << SaveFailure::ShortWrite << true;
}

void TestLayoutFile::failedSaveKeepsOldFileAndTellsOnce()
{
    QFETCH(SaveFailure, failure);
    QFETCH(bool, oldFile);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString program = dir.filePath(QStringLiteral("program"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("program")));
    const QString path = program + QStringLiteral("/VEXA.act");
    const QByteArray old = "{\"the old layout\": true}";
    if (oldFile)
        QVERIFY(WriteFile(path, old));
    const QStringList before = Entries(program);

    // Declared after the directory: the attribute is cleared before the directory goes, whatever happens.
    std::unique_ptr<Immutable> immutable;
    std::unique_ptr<WriteReplaced> write;
    switch (failure) {
    case SaveFailure::ImmutableFile:
    case SaveFailure::ImmutableDirectory:
        immutable = std::make_unique<Immutable>(failure == SaveFailure::ImmutableFile ? path : program);
        if (!immutable->isSet())
            QSKIP("cannot set the immutable attribute here (needs root and a file system that has it)");
        break;
    case SaveFailure::WriteFails:
        write = std::make_unique<WriteReplaced>([](QIODevice &, const QByteArray &) -> qint64 { return -1; });
        break;
    case SaveFailure::ShortWrite:
        write = std::make_unique<WriteReplaced>([](QIODevice &device, const QByteArray &data) {
            return device.write(data.left(data.size() / 2));
        });
        break;
    }

    MainWindow w;
    try {
        w.manager().SaveLayoutToFile(path);
    } catch (const std::exception &e) {
        QFAIL(e.what());
    }
    QCOMPARE(w.host.messages, QStringList{kUnableToSave});
    QVERIFY(w.host.questions.isEmpty());
    immutable.reset();
    write.reset();
    QCOMPARE(Entries(program), before);
    QCOMPARE(QFile::exists(path), oldFile);
    if (oldFile)
        QCOMPARE(ReadFile(path), old);

    // With the obstacle gone the same call succeeds.
    w.manager().SaveLayoutToFile(path);
    QCOMPARE(w.host.messages.size(), 1);
    QCOMPARE(ReadFile(path), WriteLayout(w.bars(), w.names()));
}

// ---------------------------------------------------------------- resetting a bar

void TestLayoutFile::resetWithoutOpenedFile_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("resets");
    QTest::newRow("no file read") << QString() << false;
    QTest::newRow("missing file") << QStringLiteral("missing") << false;
    // The file was opened: the design was kept although its content was refused.
    QTest::newRow("damaged file") << QStringLiteral("damaged") << true;
}

void TestLayoutFile::resetWithoutOpenedFile()
{
    QFETCH(QString, before);
    QFETCH(bool, resets);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("VEXA.act"));
    MainWindow w;
    const std::unique_ptr<TActionBars> design = Copy(w.bars());
    if (before == QLatin1String("missing")) {
        QVERIFY_THROWS_EXCEPTION(ELayoutOpenError, w.manager().LoadLayoutFromFile(path));
    } else if (before == QLatin1String("damaged")) {
        QVERIFY(WriteFile(path, "damaged"));
        w.manager().LoadLayoutFromFile(path);
        QCOMPARE(w.host.questions.size(), 1);
    }
    Customise(w.bars(), w.manager());
    w.bars().NotifyChanged();
    const std::unique_ptr<TActionBars> customised = Copy(w.bars());

    QCOMPARE(w.manager().ResetActionBar(QStringLiteral("ActionToolBarStandard")), resets);
    TActionBarItem *standard = w.bars().FindBar(QStringLiteral("ActionToolBarStandard"));
    const TActionBarItem *expected = (resets ? *design : *customised).FindBar(QStringLiteral("ActionToolBarStandard"));
    QCOMPARE(Diff(standard->Items(), expected->Items(), QStringLiteral("Standard")), QString());
    QCOMPARE(ViewsDiffer(w), QString());
    // Nothing but that bar changed.
    standard->Items().CopySettingsAndItemsFrom(customised->FindBar(QStringLiteral("ActionToolBarStandard"))->Items());
    QCOMPARE(Diff(w.bars(), *customised), QString());
}

void TestLayoutFile::resetGivesBackDesignOfThatBarOnly_data()
{
    QTest::addColumn<QString>("bar");
    for (const QString &name : kBarNames)
        QTest::newRow(qPrintable(name)) << name;
}

void TestLayoutFile::resetGivesBackDesignOfThatBarOnly()
{
    QFETCH(QString, bar);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("VEXA.act"));
    {
        MainWindow first;
        Customise(first.bars(), first.manager());
        first.manager().SaveLayoutToFile(path);
        QVERIFY(first.host.messages.isEmpty());
    }
    MainWindow w;
    const std::unique_ptr<TActionBars> design = Copy(w.bars());
    w.manager().LoadLayoutFromFile(path);
    QVERIFY(w.host.questions.isEmpty());
    const std::unique_ptr<TActionBars> loaded = Copy(w.bars());
    QVERIFY2(!Diff(loaded->FindBar(bar)->Items(), design->FindBar(bar)->Items(), bar).isEmpty(),
             "the bar was not customised");

    QVERIFY(w.manager().ResetActionBar(bar));
    for (const QString &name : kBarNames) {
        const TActionBarItem *expected = (name == bar ? *design : *loaded).FindBar(name);
        const TActionBarItem *actual = w.bars().FindBar(name);
        QCOMPARE(Diff(actual->Items(), expected->Items(), name), QString());
        QCOMPARE(actual->ChangesAllowed, expected->ChangesAllowed);
        QCOMPARE(Diff(actual->ContextItems(), expected->ContextItems(), name), QString());
    }
    QCOMPARE(w.bars().SessionCount, loaded->SessionCount);
    QCOMPARE(ViewsDiffer(w), QString());
    QVERIFY(!w.manager().ResetActionBar(QStringLiteral("ActionToolBarNone")));
}

QTEST_MAIN(TestLayoutFile)
#include "tst_layoutfile.moc"
