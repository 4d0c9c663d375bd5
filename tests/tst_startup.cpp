// Start-up and close of the main window: splash and its wait, the layout file, the hint rule; the About window.
#include "actions/ActnBars.h"
#include "actions/ActnMan.h"
#include "mainwindow/Panel.h"
#include "dialogs/FVEXAFreqOpt.h"
#include "mainwindow/FVEXAMain.h"
#include "shell/Application.h"
#include "shell/FVEXAAbout.h"
#include "shell/FVEXAStartup.h"
#include "shell/StartupWarmUp.h"
#include "shell/TickCount.h"
#include "shell/UVEXATools.h"
#include "TestUtil.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QProcess>
#include <QtTest>

namespace {

QString g_programDir;
QString ProgramDir()
{
    return g_programDir;
}

// A clock that only moves when the wait pauses (or a test moves it).
struct FakeClock
{
    std::uint32_t now = 0;
    std::uint32_t step = 100;
    int pauses = 0;
    std::function<void()> onFirstPause;
    std::function<void()> onFirstReading;
    int readings = 0;

    void Install()
    {
        TFormVEXAMain::StartupClock.Tick = [this] {
            if (readings++ == 1 && onFirstReading)
                onFirstReading();
            return now;
        };
        TFormVEXAMain::StartupClock.Pause = [this] {
            if (pauses++ == 0 && onFirstPause)
                onFirstPause();
            now += step;
        };
    }
};

bool SetImmutable(const QString &path, bool on)
{
    return QProcess::execute(QStringLiteral("chattr"), {on ? QStringLiteral("+i") : QStringLiteral("-i"), path}) == 0;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void waitEndsAfterMinimum_data();
    void waitEndsAfterMinimum();
    void splashStandsPaintedDuringTheWait();
    void slowLoadEndsTheSplashAtOnce();
    void firstRunThenSecondRun();
    void damagedFileAsksToDelete_data();
    void damagedFileAsksToDelete();
    void readOnlyDirectory();
    void layoutFileFollowsProgramNotWorkingDirectory();
    void aboutWindow_data();
    void aboutWindow();
    void warmUpNeverBlocks_data();
    void warmUpNeverBlocks();

private:
    TFormVEXAMain *CreateMain()
    {
        Application->CreateForm(FormVEXAMain);
        return FormVEXAMain;
    }
    void CloseMain()
    {
        FormVEXAMain->close();
        Application->DestroyForms();
    }
    QString Hint(const char *action) const
    {
        return FormVEXAMain->ActionManagerTest->FindAction(QString::fromLatin1(action))->Hint();
    }
    QTemporaryDir *m_dir = nullptr;
    FakeClock m_clock;
};

void TestStartup::init()
{
    m_dir = new QTemporaryDir;
    g_programDir = m_dir->path() + QLatin1Char('/');
    TFormVEXAMain::ProgramPath = ProgramDir;
    m_clock = FakeClock{};
    m_clock.Install();
}

void TestStartup::cleanup()
{
    Application->DestroyForms();
    SetImmutable(m_dir->path(), false);
    delete m_dir;
    m_dir = nullptr;
}

void TestStartup::waitEndsAfterMinimum_data()
{
    QTest::addColumn<quint32>("start");
    QTest::addColumn<quint32>("firstReading");
    QTest::addColumn<quint32>("step");
    QTest::addColumn<int>("pauses");
    QTest::newRow("whole wait") << 1000u << 1000u << 100u << 30;
    QTest::newRow("exactly 3000 ends it") << 0u << 2999u << 1u << 1;
    QTest::newRow("2999 keeps it going") << 0u << 0u << 2999u << 2;
    QTest::newRow("already past") << 500u << 4000u << 100u << 0;
    QTest::newRow("counter wraps during the wait") << 0xFFFFF000u << 0xFFFFF000u << 250u << 12;
    QTest::newRow("counter wrapped before the first reading") << 0xFFFFFF00u << 0x00000100u << 1000u << 3;
}

void TestStartup::waitEndsAfterMinimum()
{
    QFETCH(quint32, start);
    QFETCH(quint32, firstReading);
    QFETCH(quint32, step);
    QFETCH(int, pauses);
    std::uint32_t now = firstReading;
    int paused = 0;
    TStartupClock clock{[&now] { return now; }, [&] {
                            ++paused;
                            now += step;
                        }};
    WaitUntilElapsed(clock, start, 3000);
    QCOMPARE(paused, pauses);
    QVERIFY(TicksBetween(start, now) >= 3000);
}

void TestStartup::splashStandsPaintedDuringTheWait()
{
    bool splashShown = false, othersExist = true;
    QString version;
    QSize size;
    Qt::WindowFlags flags;
    m_clock.onFirstPause = [&] {
        splashShown = FormVEXAStartup && FormVEXAStartup->isVisible();
        othersExist = FormVEXAFreqOptions != nullptr;
        if (FormVEXAStartup) {
            version = FormVEXAStartup->Product.LabelVersion->text();
            size = FormVEXAStartup->size();
            flags = FormVEXAStartup->windowFlags();
        }
    };
    CreateMain();
    QVERIFY(splashShown);
    QVERIFY(!othersExist);
    QCOMPARE(version, QStringLiteral("Version ") + ProgramVersion);
    QCOMPARE(size, QSize(379, 123));
    QVERIFY(flags & Qt::FramelessWindowHint);
    QCOMPARE(m_clock.pauses, 30);  // 3000 ms in steps of 100
    QVERIFY(!FormVEXAStartup);
    QVERIFY(FormVEXAMain->isHidden());  // the message loop shows it, not the create handler
}

void TestStartup::slowLoadEndsTheSplashAtOnce()
{
    // The load and the hint rule take longer than the minimum: no wait follows.
    m_clock.onFirstReading = [this] { m_clock.now += 3500; };
    CreateMain();
    QCOMPARE(m_clock.pauses, 0);
    QVERIFY(!FormVEXAStartup);
}

void TestStartup::firstRunThenSecondRun()
{
    const QString file = g_programDir + QStringLiteral("VEXA.act");
    bool asked = false;
    QTimer probe;
    connect(&probe, &QTimer::timeout, [&asked] { asked = asked || QApplication::activeModalWidget(); });
    probe.start(0);
    CreateMain();
    probe.stop();
    QVERIFY(!asked);
    QVERIFY(Hint("ActionCurveEUT1").isEmpty());
    QCOMPARE(Hint("ActionWindowCascade"), QStringLiteral("Cascade"));
    QCOMPARE(Hint("ActionFileOpenSetup"), QStringLiteral("Open|Opens an existing file"));
    QVERIFY(!QFile::exists(file));
    CloseMain();
    QVERIFY(QFile::exists(file));

    CreateMain();
    QCOMPARE(Hint("ActionCurveEUT1"), QStringLiteral("Curve for test: &1|Curve for test: &1"));
    QCOMPARE(Hint("ActionWindowCascade"), QStringLiteral("Cascade windows|Cascade windows"));
    QCOMPARE(Hint("ActionFileOpenSetup"), QStringLiteral("Open|Opens an existing file"));
    QCOMPARE(Hint("ActionExitVEXA"), QStringLiteral("Exit|Quits the application"));
    QVERIFY(Hint("ActionPrint").isEmpty());
    QCOMPARE(FormVEXAMain->ActionManagerTest->ActionBars().SessionCount, 1);
    CloseMain();
}

void TestStartup::damagedFileAsksToDelete_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes deletes the file") << true;
    QTest::newRow("No keeps it") << false;
}

void TestStartup::damagedFileAsksToDelete()
{
    QFETCH(bool, yes);
    const QString file = g_programDir + QStringLiteral("VEXA.act");
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("this is no layout");
    }
    QString text;
    int questions = 0;
    OnNextModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        ++questions;
        text = box->text();
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    CreateMain();
    QCOMPARE(questions, 1);
    QCOMPARE(text, QStringLiteral("Error loading previously saved settings file: %1\nWould you like to delete it?").arg(file));
    QCOMPARE(QFile::exists(file), !yes);
    // The designed bars stand and the hint rule ran.
    QCOMPARE(Hint("ActionCurveEUT1"), QStringLiteral("Curve for test: &1|Curve for test: &1"));
    QCOMPARE(FormVEXAMain->ActionManagerTest->ActionBars().Count(), 6);
    CloseMain();
    // A valid file is written at close.
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("\"SessionCount\": 1"));
}

void TestStartup::readOnlyDirectory()
{
    if (!SetImmutable(m_dir->path(), true))
        QSKIP("chattr +i is not possible here: a read-only directory cannot be made real");
    int messages = 0;
    QString text;
    CreateMain();  // silent: nothing to read
    QVERIFY(!QApplication::activeModalWidget());
    OnNextModal([&](QWidget *modal) {
        ++messages;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            text = box->text();
    });
    QSignalSpy closed(FormVEXAMain, &TFormVEXAMain::Closed);
    FormVEXAMain->close();
    QCOMPARE(messages, 1);
    QCOMPARE(text, QStringLiteral("Unable to save settings"));
    QCOMPARE(closed.count(), 1);  // the close goes ahead
    QVERIFY(!QFile::exists(g_programDir + QStringLiteral("VEXA.act")));
    SetImmutable(m_dir->path(), false);
}

void TestStartup::layoutFileFollowsProgramNotWorkingDirectory()
{
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    CreateMain();
    CloseMain();
    QDir::setCurrent(before);
    QVERIFY(QFile::exists(g_programDir + QStringLiteral("VEXA.act")));
    QVERIFY(!QFile::exists(elsewhere.filePath(QStringLiteral("VEXA.act"))));
    // The real program path is the directory of the running program file.
    QCOMPARE(GetProgramPath(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

void TestStartup::aboutWindow_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Enter") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("click on OK") << 2;
}

void TestStartup::aboutWindow()
{
    QFETCH(int, how);
    // The release's version text (this test program carries no version block of its own).
    const QString savedVersion = ProgramVersion;
    ProgramVersion = QStringLiteral("3.0.0.2");
    Application->CreateForm(FormVEXAAbout);
    ProgramVersion = savedVersion;
    TFormVEXAAbout *about = FormVEXAAbout;
    const QString expected = QStringLiteral("Version 3.0.0.2 demo pre-release");
    QCOMPARE(about->windowTitle(), QStringLiteral("About VEXA-TOLM"));
    QCOMPARE(about->size(), QSize(379, 178));
    QVERIFY(!(about->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(about->windowFlags() & Qt::WindowSystemMenuHint));
    for (int round = 0; round < 2; ++round) {
        QString shown;
        OnNextModal([&](QWidget *modal) {
            shown = about->Product.LabelVersion->text();
            // Nothing is cut off: every label fits in its panel.
            for (QLabel *label : about->findChildren<QLabel *>())
                QVERIFY2(label->width() >= label->sizeHint().width() && label->geometry().right() < about->Product.Panel1->width(),
                         qPrintable(label->objectName()));
            if (how == 0)
                QTest::keyClick(modal, Qt::Key_Return);
            else if (how == 1)
                QTest::keyClick(modal, Qt::Key_Escape);
            else
                about->BitBtn1->click();
        });
        QCOMPARE(about->exec(), int(QDialog::Accepted));
        QCOMPARE(shown, expected);
    }
}

// The font warm-up is a second thread the main thread waits for: whatever order the program takes
// through its steps (or leaves them out, as after a failed start), none of them may hang, and
// none may leave the thread running.
void TestStartup::warmUpNeverBlocks_data()
{
    QTest::addColumn<bool>("announce");
    QTest::addColumn<bool>("waitForFonts");
    QTest::addColumn<bool>("finish");
    QTest::newRow("full start") << true << true << true;
    QTest::newRow("fonts awaited, then the object goes") << true << true << false;
    QTest::newRow("announced, never awaited") << true << false << false;
    QTest::newRow("announced, finished at once") << true << false << true;
    QTest::newRow("fonts awaited before the announcement") << false << true << false;
    QTest::newRow("never announced, finished") << false << false << true;
    QTest::newRow("never announced, object goes") << false << false << false;
}

void TestStartup::warmUpNeverBlocks()
{
    QFETCH(bool, announce);
    QFETCH(bool, waitForFonts);
    QFETCH(bool, finish);
    {
        TStartupWarmUp warmUp;
        TStartupWarmUp second;  // one warm-up at a time: this one does nothing
        if (announce)
            warmUp.ApplicationReady();
        if (waitForFonts) {
            TStartupWarmUp::WaitForFonts();
            TStartupWarmUp::WaitForFonts();  // a second wait returns at once
        }
        if (finish)
            TStartupWarmUp::Finish();
    }
    // Nothing is left running: these return at once.
    TStartupWarmUp::WaitForFonts();
    TStartupWarmUp::Finish();
}

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    app.SetTitle(QStringLiteral("VEXA-TOLM"));
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
