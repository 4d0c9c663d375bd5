// The built program in a real X window: its own Xvfb and openbox, keys through xdotool (XTEST),
// windows read back with xwininfo/xprop, the screen with ImageMagick's import, and the program's
// diagnostic traces (vexa.*) from its stderr. Links no widgets: everything goes through the X tools.
#include <QtTest>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

#ifndef VEXA_PROGRAM
#define VEXA_PROGRAM ""
#endif

namespace {

const QString kTitle = QStringLiteral("VEXA-TOLM");
const QString kLayoutFile = QStringLiteral("VEXA.act");
constexpr int kSplashWidth = 379;
constexpr int kSplashHeight = 123;
constexpr quint32 kSplashMinimumMs = 3000;
constexpr int kPollMs = 50;

QString ProgramFile()
{
    const QString fromEnv = qEnvironmentVariable("VEXA_PROGRAM");
    return fromEnv.isEmpty() ? QStringLiteral(VEXA_PROGRAM) : fromEnv;
}

quint64 ParseWindowId(const QString &text)
{
    bool ok = false;
    const quint64 id = text.trimmed().toULongLong(&ok, 0);
    return ok ? id : 0;
}

QString Hex(quint64 id)
{
    return QStringLiteral("0x%1").arg(id, 0, 16);
}

// The pieces of `text` between separators, without the empty ones.
QStringList Pieces(const QString &text, const QString &separator)
{
    QStringList pieces = text.split(separator);
    pieces.removeAll(QString());
    return pieces;
}

struct ToolRun
{
    bool finished = false; // started and ended by itself within the time allowed
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    bool ok() const { return finished && exitCode == 0; }
};

// What the X server and the window manager say about one top-level window.
struct XWindow
{
    quint64 id = 0;
    QString name;
    QStringList types;
    QStringList states;
    QList<int> frameExtents; // empty when the window manager did not set them
    bool transient = false;
    bool viewable = false;
    bool overrideRedirect = false;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool isDialog() const { return types.contains(QStringLiteral("_NET_WM_WINDOW_TYPE_DIALOG")); }
    bool isMenu() const
    {
        return types.contains(QStringLiteral("_NET_WM_WINDOW_TYPE_POPUP_MENU"))
            || types.contains(QStringLiteral("_NET_WM_WINDOW_TYPE_DROPDOWN_MENU"));
    }
    QString describe() const
    {
        return QStringLiteral("%1 \"%2\" %3x%4+%5+%6 types [%7] states [%8]%9")
            .arg(Hex(id), name)
            .arg(width)
            .arg(height)
            .arg(x)
            .arg(y)
            .arg(types.join(QLatin1Char(' ')), states.join(QLatin1Char(' ')),
                 overrideRedirect ? QStringLiteral(" override-redirect") : QString());
    }
};

// One change of the root's _NET_CLIENT_LIST, stamped with the X server's clock.
struct ClientListChange
{
    quint64 client = 0; // 0 when the change could not be put down to a window
    bool added = false;
    quint32 time = 0;
};

// Reads an `xev -root -event property -event substructure` log. The window manager reparents a
// client into its frame just before listing it, and unmaps or destroys the frame (or takes the
// client back to the root) just before delisting it, so each _NET_CLIENT_LIST change belongs to
// the window last seen doing one of these.
QList<ClientListChange> ClientListChanges(const QString &log, quint64 root)
{
    static const QRegularExpression reparent(
        QStringLiteral("event (0x[0-9a-fA-F]+), window (0x[0-9a-fA-F]+), parent (0x[0-9a-fA-F]+)"));
    static const QRegularExpression window(QStringLiteral("event (0x[0-9a-fA-F]+), window (0x[0-9a-fA-F]+)"));
    static const QRegularExpression clientList(QStringLiteral("\\(_NET_CLIENT_LIST\\), time (\\d+)"));
    QList<ClientListChange> changes;
    QHash<quint64, quint64> clientOfFrame;
    QSet<quint64> managed;
    quint64 lastClient = 0;
    bool lastAdded = false;
    const QStringList blocks = Pieces(log, QStringLiteral("\n\n"));
    for (const QString &block : blocks) {
        const QString event = block.trimmed();
        if (event.startsWith(QLatin1String("ReparentNotify"))) {
            const QRegularExpressionMatch m = reparent.match(event);
            if (!m.hasMatch())
                continue;
            const quint64 client = ParseWindowId(m.captured(2));
            const quint64 parent = ParseWindowId(m.captured(3));
            lastClient = client;
            lastAdded = parent != root;
            if (lastAdded) {
                clientOfFrame.insert(parent, client);
                managed.insert(client);
            } else {
                managed.remove(client);
            }
        } else if (event.startsWith(QLatin1String("UnmapNotify")) || event.startsWith(QLatin1String("DestroyNotify"))) {
            const QRegularExpressionMatch m = window.match(event);
            if (!m.hasMatch())
                continue;
            const quint64 id = ParseWindowId(m.captured(2));
            const quint64 client = managed.contains(id) ? id : clientOfFrame.value(id);
            if (client && managed.contains(client)) {
                lastClient = client;
                lastAdded = false;
            }
        } else if (event.startsWith(QLatin1String("PropertyNotify"))) {
            const QRegularExpressionMatch m = clientList.match(event);
            if (m.hasMatch()) {
                changes.append({lastClient, lastAdded, m.captured(1).toUInt()});
                if (lastClient && !lastAdded)
                    managed.remove(lastClient);
                lastClient = 0;
            }
        }
    }
    return changes;
}

// Distinct colours and the share of the commonest one inside a rectangle of a binary PPM (P6).
struct AreaColours
{
    bool read = false;
    int distinct = 0;
    double dominantShare = 1.0;
};

AreaColours ColoursInArea(const QByteArray &ppm, int left, int top, int width, int height)
{
    AreaColours result;
    // Header: "P6" width height maxval, separated by white space, comments allowed.
    QList<QByteArray> fields;
    qsizetype pos = 0;
    while (fields.size() < 4 && pos < ppm.size()) {
        const char c = ppm.at(pos);
        if (c == '#') {
            while (pos < ppm.size() && ppm.at(pos) != '\n')
                ++pos;
        } else if (QChar::isSpace(uchar(c))) {
            ++pos;
        } else {
            const qsizetype start = pos;
            while (pos < ppm.size() && !QChar::isSpace(uchar(ppm.at(pos))))
                ++pos;
            fields.append(ppm.mid(start, pos - start));
        }
    }
    if (fields.size() < 4 || fields.at(0) != "P6")
        return result;
    ++pos; // the single white space before the samples
    const int imageWidth = fields.at(1).toInt();
    const int imageHeight = fields.at(2).toInt();
    const int bytesPerSample = fields.at(3).toInt() > 255 ? 2 : 1;
    const int bytesPerPixel = 3 * bytesPerSample;
    if (left < 0 || top < 0 || width <= 0 || height <= 0 || left + width > imageWidth || top + height > imageHeight)
        return result;
    if (ppm.size() < pos + qsizetype(imageWidth) * imageHeight * bytesPerPixel)
        return result;
    QHash<QByteArray, int> counts;
    for (int row = top; row < top + height; ++row) {
        for (int column = left; column < left + width; ++column) {
            const qsizetype at = pos + (qsizetype(row) * imageWidth + column) * bytesPerPixel;
            ++counts[ppm.mid(at, bytesPerPixel)];
        }
    }
    int commonest = 0;
    for (int n : std::as_const(counts))
        commonest = qMax(commonest, n);
    result.read = true;
    result.distinct = int(counts.size());
    result.dominantShare = double(commonest) / (double(width) * height);
    return result;
}

} // namespace

class TestRealWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void splashBeforeMainWindow();
    void mainWindowMaximisedAndClosedWithAltF4();
    void damagedLayoutFileQuestion_data();
    void damagedLayoutFileQuestion();
    void readOnlyProgramDirectory();
    void germanKeyboardShortcutsBeforeEditor();

private:
    // The X tools, run against the test's own display.
    ToolRun Tool(const QString &program, const QStringList &arguments, int timeoutMs = 5000);
    QList<quint64> VisibleWindowsOfProgram();
    std::optional<XWindow> Window(quint64 id);
    std::optional<XWindow> MainWindow();
    std::optional<XWindow> DialogWindow();
    bool Keys(quint64 activate, const QStringList &keys);
    quint64 RootWindow();

    // Waits for `condition`, polling; the event loop runs between polls so the program's stderr is read.
    bool WaitFor(const std::function<bool()> &condition, int timeoutMs);
    bool TraceAppears(const QString &text, int timeoutMs, qsizetype from = 0);

    // The program under test, copied into a fresh directory.
    bool PrepareProgramDirectory(const QString &base, QString *error);
    bool StartProgram();
    bool WaitForMainWindow(XWindow *window, int timeoutMs = 20000);
    bool WaitForDialogWindow(XWindow *window, int timeoutMs = 10000);
    bool CloseAndExpectExitZero(quint64 mainWindow);
    QString Trace();
    QString Failure(const QString &what);
    QString LayoutFileInProgramDirectory() const { return m_programDir + QLatin1Char('/') + kLayoutFile; }

    QString m_programFile;
    QString m_display;
    QProcess *m_xvfb = nullptr;
    QProcess *m_windowManager = nullptr;
    QProcessEnvironment m_toolEnvironment;
    quint64 m_root = 0;

    std::unique_ptr<QTemporaryDir> m_programTemp;
    std::unique_ptr<QTemporaryDir> m_workTemp;
    QString m_programDir; // canonical path, as the program reports it
    QString m_workDir;
    QProcess *m_program = nullptr;
    QByteArray m_stderr;
    QString m_immutableDir;
    bool m_layoutChanged = false;
    QProcess *m_xev = nullptr;
    QByteArray m_xevLog;
};

ToolRun TestRealWindow::Tool(const QString &program, const QStringList &arguments, int timeoutMs)
{
    ToolRun run;
    QProcess process;
    process.setProcessEnvironment(m_toolEnvironment);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs))
        return run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        run.err = process.readAllStandardError();
        return run;
    }
    run.finished = process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

quint64 TestRealWindow::RootWindow()
{
    const ToolRun run = Tool(QStringLiteral("xwininfo"), {QStringLiteral("-root")});
    static const QRegularExpression id(QStringLiteral("Window id: (0x[0-9a-fA-F]+)"));
    const QRegularExpressionMatch m = id.match(QString::fromLocal8Bit(run.out));
    return m.hasMatch() ? ParseWindowId(m.captured(1)) : 0;
}

QList<quint64> TestRealWindow::VisibleWindowsOfProgram()
{
    QList<quint64> ids;
    if (!m_program || m_program->state() != QProcess::Running)
        return ids;
    // Exit code 1 means no match; a window that vanishes during the search can also end it early.
    const ToolRun run = Tool(QStringLiteral("xdotool"),
                             {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                              QString::number(m_program->processId())});
    const QStringList lines = Pieces(QString::fromLocal8Bit(run.out), QStringLiteral("\n"));
    for (const QString &line : lines) {
        if (const quint64 id = ParseWindowId(line))
            ids.append(id);
    }
    return ids;
}

std::optional<XWindow> TestRealWindow::Window(quint64 id)
{
    const ToolRun info = Tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), Hex(id)});
    if (!info.ok())
        return std::nullopt; // gone
    XWindow w;
    w.id = id;
    const QString infoText = QString::fromLocal8Bit(info.out);
    auto number = [&infoText](const QString &label) {
        const QRegularExpression re(QRegularExpression::escape(label) + QStringLiteral(":\\s*(-?\\d+)"));
        return re.match(infoText).captured(1).toInt();
    };
    w.x = number(QStringLiteral("Absolute upper-left X"));
    w.y = number(QStringLiteral("Absolute upper-left Y"));
    w.width = number(QStringLiteral("Width"));
    w.height = number(QStringLiteral("Height"));
    w.viewable = infoText.contains(QLatin1String("Map State: IsViewable"));
    w.overrideRedirect = infoText.contains(QLatin1String("Override Redirect State: yes"));

    const ToolRun props = Tool(QStringLiteral("xprop"),
                               {QStringLiteral("-id"), Hex(id), QStringLiteral("_NET_WM_NAME"), QStringLiteral("WM_NAME"),
                                QStringLiteral("_NET_WM_WINDOW_TYPE"), QStringLiteral("_NET_WM_STATE"),
                                QStringLiteral("_NET_FRAME_EXTENTS"), QStringLiteral("WM_TRANSIENT_FOR")});
    if (!props.finished)
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(props.out).split(QLatin1Char('\n'));
    auto atoms = [](const QString &line) {
        QStringList list = Pieces(line.section(QLatin1Char('='), 1), QStringLiteral(","));
        for (QString &atom : list)
            atom = atom.trimmed();
        return list;
    };
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("_NET_WM_NAME(")) || (line.startsWith(QLatin1String("WM_NAME(")) && w.name.isEmpty())) {
            const QString value = line.section(QLatin1Char('='), 1).trimmed();
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                w.name = value.mid(1, value.size() - 2);
        } else if (line.startsWith(QLatin1String("_NET_WM_WINDOW_TYPE("))) {
            w.types = atoms(line);
        } else if (line.startsWith(QLatin1String("_NET_WM_STATE("))) {
            w.states = atoms(line);
        } else if (line.startsWith(QLatin1String("_NET_FRAME_EXTENTS("))) {
            for (const QString &n : atoms(line))
                w.frameExtents.append(n.toInt());
        } else if (line.startsWith(QLatin1String("WM_TRANSIENT_FOR("))) {
            w.transient = true;
        }
    }
    return w;
}

std::optional<XWindow> TestRealWindow::MainWindow()
{
    for (quint64 id : VisibleWindowsOfProgram()) {
        const std::optional<XWindow> w = Window(id);
        if (w && w->viewable && w->name == kTitle && !w->isDialog() && !w->transient && !w->overrideRedirect)
            return w;
    }
    return std::nullopt;
}

std::optional<XWindow> TestRealWindow::DialogWindow()
{
    for (quint64 id : VisibleWindowsOfProgram()) {
        const std::optional<XWindow> w = Window(id);
        if (w && w->viewable && w->isDialog())
            return w;
    }
    return std::nullopt;
}

bool TestRealWindow::Keys(quint64 activate, const QStringList &keys)
{
    if (activate) {
        const ToolRun focus = Tool(QStringLiteral("xdotool"),
                                   {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(activate)});
        if (!focus.ok())
            return false;
    }
    const ToolRun typed = Tool(QStringLiteral("xdotool"),
                               QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")} + keys);
    return typed.ok();
}

bool TestRealWindow::WaitFor(const std::function<bool()> &condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        QCoreApplication::processEvents();
        if (condition())
            return true;
        if (deadline.hasExpired())
            return false;
        QTest::qWait(kPollMs);
    }
}

QString TestRealWindow::Trace()
{
    if (m_program)
        m_stderr += m_program->readAllStandardError();
    return QString::fromLocal8Bit(m_stderr);
}

bool TestRealWindow::TraceAppears(const QString &text, int timeoutMs, qsizetype from)
{
    return WaitFor([&] { return Trace().indexOf(text, from) >= 0; }, timeoutMs);
}

QString TestRealWindow::Failure(const QString &what)
{
    QString state = QStringLiteral("not started");
    if (m_program) {
        if (m_program->state() == QProcess::Running)
            state = QStringLiteral("running, pid %1").arg(m_program->processId());
        else if (m_program->error() == QProcess::FailedToStart)
            state = QStringLiteral("failed to start: %1").arg(m_program->errorString());
        else
            state = QStringLiteral("ended, %1, exit code %2")
                        .arg(m_program->exitStatus() == QProcess::NormalExit ? QStringLiteral("normally") : QStringLiteral("crashed"))
                        .arg(m_program->exitCode());
    }
    return QStringLiteral("%1\n--- program (%2) stderr ---\n%3--- end of stderr ---").arg(what, state, Trace());
}

bool TestRealWindow::PrepareProgramDirectory(const QString &base, QString *error)
{
    m_programTemp = std::make_unique<QTemporaryDir>(base + QStringLiteral("/tst_realwindow-program-XXXXXX"));
    if (!m_programTemp->isValid()) {
        *error = QStringLiteral("cannot make a program directory under %1: %2").arg(base, m_programTemp->errorString());
        return false;
    }
    m_programDir = QFileInfo(m_programTemp->path()).canonicalFilePath();
    const QString target = m_programDir + QLatin1Char('/') + QFileInfo(m_programFile).fileName();
    // The program may be relinked while this runs: copy it only when it has been left alone for a
    // while, and again if it changed under the copy.
    for (int attempt = 0; attempt < 30; ++attempt) {
        const QFileInfo before(m_programFile);
        if (!before.exists() || before.lastModified().msecsTo(QDateTime::currentDateTime()) < 2000) {
            QTest::qWait(500);
            continue;
        }
        QFile::remove(target);
        const bool copied = QFile::copy(m_programFile, target);
        const QFileInfo after(m_programFile);
        if (copied && before.size() == after.size() && before.lastModified() == after.lastModified()
            && QFileInfo(target).size() == after.size()) {
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                              | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
            return true;
        }
        QTest::qWait(500);
    }
    *error = QStringLiteral("cannot copy %1 to %2").arg(m_programFile, target);
    return false;
}

bool TestRealWindow::StartProgram()
{
    m_program = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // CTest's offscreen setting must not reach it
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("vexa.*.debug=true"));
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
    m_program->setProcessEnvironment(environment);
    m_program->setWorkingDirectory(m_workDir);
    m_program->setProcessChannelMode(QProcess::SeparateChannels);
    m_program->setStandardOutputFile(QProcess::nullDevice());
    connect(m_program, &QProcess::readyReadStandardError, this, [this] { m_stderr += m_program->readAllStandardError(); });
    m_program->start(m_programDir + QLatin1Char('/') + QFileInfo(m_programFile).fileName(), {});
    return m_program->waitForStarted(10000);
}

bool TestRealWindow::WaitForDialogWindow(XWindow *window, int timeoutMs)
{
    return WaitFor(
        [&] {
            const std::optional<XWindow> w = DialogWindow();
            if (w)
                *window = *w;
            return w.has_value();
        },
        timeoutMs);
}

bool TestRealWindow::WaitForMainWindow(XWindow *window, int timeoutMs)
{
    return WaitFor(
        [&] {
            if (m_program->state() != QProcess::Running)
                return true; // reported by the caller
            const std::optional<XWindow> w = MainWindow();
            if (w)
                *window = *w;
            return w.has_value();
        },
        timeoutMs)
        && m_program->state() == QProcess::Running;
}

bool TestRealWindow::CloseAndExpectExitZero(quint64 mainWindow)
{
    if (!Keys(mainWindow, {QStringLiteral("alt+F4")}))
        return false;
    return WaitFor([this] { return m_program->state() == QProcess::NotRunning; }, 10000)
        && m_program->exitStatus() == QProcess::NormalExit && m_program->exitCode() == 0;
}

void TestRealWindow::initTestCase()
{
    m_programFile = ProgramFile();
    QVERIFY2(!m_programFile.isEmpty(), "no program: build with VEXA_PROGRAM defined or set the VEXA_PROGRAM environment variable");
    QVERIFY2(QFileInfo(m_programFile).isExecutable(), qPrintable(QStringLiteral("program not found: %1").arg(m_programFile)));

    QStringList missing;
    for (const QString &tool : {QStringLiteral("Xvfb"), QStringLiteral("openbox"), QStringLiteral("xdotool"),
                                QStringLiteral("xprop"), QStringLiteral("xwininfo")}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing.append(tool);
    }
    if (!missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("not installed: %1 (tools/deps.sh installs them)").arg(missing.join(QStringLiteral(", ")))));

    // Xvfb picks a free display itself and writes its number to the descriptor given (its stdout here).
    m_xvfb = new QProcess(this);
    m_xvfb->start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                          QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                          QStringLiteral("tcp"), QStringLiteral("-noreset")});
    QByteArray displayNumber;
    const bool displayKnown = WaitFor(
        [&] {
            displayNumber += m_xvfb->readAllStandardOutput();
            return displayNumber.contains('\n') || m_xvfb->state() == QProcess::NotRunning;
        },
        15000);
    if (!displayKnown || m_xvfb->state() != QProcess::Running || displayNumber.trimmed().isEmpty()) {
        const QString why = QString::fromLocal8Bit(m_xvfb->readAllStandardError()).trimmed();
        QSKIP(qPrintable(QStringLiteral("Xvfb could not start: %1").arg(why.isEmpty() ? QStringLiteral("no display number within 15 s") : why)));
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(displayNumber.trimmed());
    m_toolEnvironment = QProcessEnvironment::systemEnvironment();
    m_toolEnvironment.insert(QStringLiteral("DISPLAY"), m_display);

    m_windowManager = new QProcess(this);
    m_windowManager->setProcessEnvironment(m_toolEnvironment);
    m_windowManager->start(QStringLiteral("openbox"), {});
    const bool managed = WaitFor(
        [this] {
            if (m_windowManager->state() == QProcess::NotRunning)
                return true;
            const ToolRun check = Tool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            return check.ok() && check.out.contains("window id");
        },
        15000);
    QVERIFY2(managed && m_windowManager->state() == QProcess::Running,
             qPrintable(QStringLiteral("openbox did not come up on %1: %2")
                            .arg(m_display, QString::fromLocal8Bit(m_windowManager->readAllStandardError()))));
    m_root = RootWindow();
    QVERIFY2(m_root != 0, "cannot read the root window");
}

void TestRealWindow::cleanupTestCase()
{
    for (QProcess *process : {m_windowManager, m_xvfb}) {
        if (!process || process->state() == QProcess::NotRunning)
            continue;
        process->terminate();
        if (!process->waitForFinished(5000)) {
            process->kill();
            process->waitForFinished(2000);
        }
    }
}

void TestRealWindow::init()
{
    m_stderr.clear();
    m_xevLog.clear();
    m_workTemp = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tst_realwindow-work-XXXXXX"));
    QVERIFY2(m_workTemp->isValid(), qPrintable(m_workTemp->errorString()));
    m_workDir = QFileInfo(m_workTemp->path()).canonicalFilePath();
    QString error;
    QVERIFY2(PrepareProgramDirectory(QDir::tempPath(), &error), qPrintable(error));
}

void TestRealWindow::cleanup()
{
    if (QTest::currentTestFailed() && !m_display.isEmpty()) {
        const QString shot = QDir::tempPath() + QStringLiteral("/tst_realwindow-%1%2.png")
                                                    .arg(QString::fromLatin1(QTest::currentTestFunction()),
                                                         QTest::currentDataTag() ? QLatin1Char('-') + QString::fromLatin1(QTest::currentDataTag()) : QString());
        if (Tool(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), shot}, 10000).ok())
            qInfo("screen at the failure: %s", qPrintable(shot));
    }
    if (m_program) {
        if (m_program->state() != QProcess::NotRunning) {
            m_program->kill();
            m_program->waitForFinished(5000);
        }
        delete m_program;
        m_program = nullptr;
    }
    if (m_xev) {
        m_xev->kill();
        m_xev->waitForFinished(2000);
        delete m_xev;
        m_xev = nullptr;
    }
    if (!m_immutableDir.isEmpty()) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_immutableDir});
        m_immutableDir.clear();
    }
    if (m_layoutChanged) {
        Tool(QStringLiteral("setxkbmap"), {QStringLiteral("-display"), m_display, QStringLiteral("us")});
        m_layoutChanged = false;
    }
    m_programTemp.reset();
    m_workTemp.reset();
}

void TestRealWindow::splashBeforeMainWindow()
{
    for (const QString &tool : {QStringLiteral("xev"), QStringLiteral("import")}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP(qPrintable(QStringLiteral("not installed: %1").arg(tool)));
    }
    // The window manager lists and delists windows on the root; xev stamps each change with the
    // server's clock, so the splash's time on screen is measured there, not by how fast this polls.
    m_xev = new QProcess(this);
    m_xev->setProcessEnvironment(m_toolEnvironment);
    connect(m_xev, &QProcess::readyReadStandardOutput, this, [this] { m_xevLog += m_xev->readAllStandardOutput(); });
    m_xev->start(QStringLiteral("xev"), {QStringLiteral("-root"), QStringLiteral("-event"), QStringLiteral("property"),
                                          QStringLiteral("-event"), QStringLiteral("substructure")});
    QVERIFY2(m_xev->waitForStarted(5000), "xev did not start");
    // A property change of our own shows when xev listens.
    const bool listening = WaitFor(
        [this] {
            Tool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-f"), QStringLiteral("_TST_REALWINDOW_SYNC"),
                                           QStringLiteral("32c"), QStringLiteral("-set"), QStringLiteral("_TST_REALWINDOW_SYNC"),
                                           QStringLiteral("1")});
            QTest::qWait(kPollMs);
            return m_xevLog.contains("_TST_REALWINDOW_SYNC");
        },
        10000);
    QVERIFY2(listening, "xev does not report root property changes");
    m_xevLog.clear();

    QVERIFY2(StartProgram(), qPrintable(Failure(QStringLiteral("the program did not start"))));

    // The splash: the program's first visible window.
    XWindow splash;
    QVERIFY2(WaitFor(
                 [&] {
                     if (m_program->state() != QProcess::Running)
                         return true;
                     for (quint64 id : VisibleWindowsOfProgram()) {
                         if (const std::optional<XWindow> w = Window(id); w && w->viewable) {
                             splash = *w;
                             return true;
                         }
                     }
                     return false;
                 },
                 15000)
                 && splash.id != 0,
             qPrintable(Failure(QStringLiteral("no splash window appeared"))));
    QVERIFY2(splash.width == kSplashWidth && splash.height == kSplashHeight,
             qPrintable(Failure(QStringLiteral("the first window is not the %1x%2 splash: %3")
                                    .arg(kSplashWidth)
                                    .arg(kSplashHeight)
                                    .arg(splash.describe()))));

    const std::optional<XWindow> screen = Window(m_root);
    QVERIFY(screen);
    QVERIFY2(qAbs(splash.x - (screen->width - splash.width) / 2) <= 1 && qAbs(splash.y - (screen->height - splash.height) / 2) <= 1,
             qPrintable(QStringLiteral("splash not centred on the %1x%2 screen: %3").arg(screen->width).arg(screen->height).arg(splash.describe())));
    // Borderless: either the window manager leaves it alone, or it puts no frame round it.
    const bool frameless = splash.overrideRedirect
        || (splash.frameExtents.size() == 4 && splash.frameExtents == QList<int>({0, 0, 0, 0}));
    QStringList extents;
    for (int extent : std::as_const(splash.frameExtents))
        extents.append(QString::number(extent));
    QVERIFY2(frameless, qPrintable(QStringLiteral("the splash has a window frame: _NET_FRAME_EXTENTS [%1], %2")
                                       .arg(extents.join(QLatin1Char(',')), splash.describe())));

    // Painted while it waits (the program handles no events then): the screen shows it.
    QVERIFY2(TraceAppears(QStringLiteral("vexa.startup: splash painted"), 10000), qPrintable(Failure(QStringLiteral("no \"splash painted\" trace"))));
    const QString shotFile = m_workDir + QStringLiteral("/splash.ppm");
    const ToolRun shot = Tool(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-depth"),
                                                         QStringLiteral("8"), QStringLiteral("ppm:") + shotFile},
                              10000);
    QVERIFY2(shot.ok(), qPrintable(QStringLiteral("import failed: %1").arg(QString::fromLocal8Bit(shot.err))));
    const std::optional<XWindow> splashAfterShot = Window(splash.id);
    QVERIFY2(splashAfterShot && splashAfterShot->viewable && !MainWindow(),
             qPrintable(Failure(QStringLiteral("the splash had gone before the screenshot ended; the machine is too slow for this check"))));
    QFile shotData(shotFile);
    QVERIFY(shotData.open(QIODevice::ReadOnly));
    const AreaColours colours = ColoursInArea(shotData.readAll(), splash.x, splash.y, splash.width, splash.height);
    QVERIFY2(colours.read, "cannot read the screenshot");
    QVERIFY2(colours.distinct >= 4 && colours.dominantShare <= 0.98,
             qPrintable(QStringLiteral("the splash area is not painted: %1 colours, the commonest covers %2%")
                            .arg(colours.distinct)
                            .arg(colours.dominantShare * 100, 0, 'f', 1)));

    XWindow main;
    QVERIFY2(WaitForMainWindow(&main), qPrintable(Failure(QStringLiteral("the main window did not appear"))));
    const std::optional<XWindow> splashAfter = Window(splash.id);
    QVERIFY2(!splashAfter || !splashAfter->viewable, qPrintable(Failure(QStringLiteral("the splash is still shown next to the main window"))));
    QVERIFY2(Trace().contains(QStringLiteral("vexa.startup: splash freed")), qPrintable(Failure(QStringLiteral("no \"splash freed\" trace"))));

    // The window list as the window manager changed it, in server time.
    QList<ClientListChange> changes;
    auto find = [&changes](quint64 client, bool added, qsizetype from = 0) -> qsizetype {
        for (qsizetype i = from; i < changes.size(); ++i) {
            if (changes.at(i).client == client && changes.at(i).added == added)
                return i;
        }
        return -1;
    };
    QVERIFY2(WaitFor(
                 [&] {
                     changes = ClientListChanges(QString::fromLocal8Bit(m_xevLog), m_root);
                     return find(splash.id, true) >= 0 && find(main.id, true) >= 0;
                 },
                 5000),
             qPrintable(QStringLiteral("the window manager's list changes for splash %1 and main window %2 are not in the xev log:\n%3")
                            .arg(Hex(splash.id), Hex(main.id), QString::fromLocal8Bit(m_xevLog))));
    const qsizetype shown = find(splash.id, true);
    QVERIFY2(shown + 1 < changes.size(), "no window list change after the splash came");
    const quint32 splashShown = changes.at(shown).time;
    const quint32 mainShown = changes.at(find(main.id, true)).time;
    // Whatever changes the window list first after the splash came ends its time alone on screen.
    const quint32 firstChange = changes.at(shown + 1).time;
    const qsizetype gone = find(splash.id, false, shown + 1);
    const QString splashGone = gone >= 0 ? QStringLiteral("%1 ms").arg(quint32(changes.at(gone).time - splashShown)) : QStringLiteral("unknown");

    QVERIFY2(CloseAndExpectExitZero(main.id), qPrintable(Failure(QStringLiteral("Alt+F4 did not end the program with exit code 0"))));

    // The wait counts from the start tick, read before the splash is made: the splash stands until
    // 3000 ms after that tick, so on screen for 3000 ms less the time it took to appear, which the
    // program reports. Server time and the program's tick run on the same clock, to the millisecond.
    const QRegularExpressionMatch painted =
        QRegularExpression(QStringLiteral("splash painted (\\d+) ms after the start tick")).match(Trace());
    QVERIFY2(painted.hasMatch(), qPrintable(Failure(QStringLiteral("no \"splash painted\" trace with its time"))));
    const QRegularExpressionMatch ended =
        QRegularExpression(QStringLiteral("splash wait ended (\\d+) ms after the start tick")).match(Trace());
    QVERIFY2(ended.hasMatch(), qPrintable(Failure(QStringLiteral("no \"splash wait ended\" trace with its time"))));
    QVERIFY2(ended.captured(1).toUInt() >= kSplashMinimumMs,
             qPrintable(QStringLiteral("the wait ended %1 ms after the start tick").arg(ended.captured(1))));
    const quint32 beforeShown = painted.captured(1).toUInt();
    constexpr quint32 kClockSlackMs = 5;
    const quint32 least = kSplashMinimumMs - std::min(kSplashMinimumMs, beforeShown + kClockSlackMs);
    const QString timing = QStringLiteral("after the splash came: main window at %1 ms, splash gone at %2 (server time); "
                                          "the splash was painted %3 ms after the start tick, so it must stand %4 ms")
                               .arg(quint32(mainShown - splashShown))
                               .arg(splashGone)
                               .arg(beforeShown)
                               .arg(least);
    qInfo("%s", qPrintable(timing));
    QVERIFY2(beforeShown < 1000, qPrintable(QStringLiteral("the splash took too long to appear: %1").arg(timing)));
    QVERIFY2(quint32(mainShown - splashShown) >= least,
             qPrintable(QStringLiteral("the main window came too soon: %1").arg(timing)));
    QVERIFY2(quint32(firstChange - splashShown) >= least,
             qPrintable(QStringLiteral("the splash did not stand until 3000 ms after the start tick: %1").arg(timing)));
}

void TestRealWindow::mainWindowMaximisedAndClosedWithAltF4()
{
    QVERIFY2(StartProgram(), qPrintable(Failure(QStringLiteral("the program did not start"))));
    XWindow main;
    QVERIFY2(WaitForMainWindow(&main), qPrintable(Failure(QStringLiteral("no visible window titled \"VEXA-TOLM\""))));
    const ToolRun byTitle = Tool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                             QStringLiteral("--name"), QStringLiteral("^VEXA-TOLM$")});
    QVERIFY2(Pieces(QString::fromLocal8Bit(byTitle.out), QStringLiteral("\n")).contains(QString::number(main.id)),
             "the main window is not found by its title");
    const bool maximised = WaitFor(
        [&] {
            const std::optional<XWindow> w = Window(main.id);
            if (w)
                main = *w;
            return w && w->states.contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_VERT"))
                && w->states.contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_HORZ"));
        },
        5000);
    QVERIFY2(maximised, qPrintable(Failure(QStringLiteral("the main window is not maximised: %1").arg(main.describe()))));

    // The program's icon reaches the window manager, its 32 x 32 design among the sizes offered.
    const ToolRun icon = Tool(QStringLiteral("xprop"), {QStringLiteral("-id"), Hex(main.id), QStringLiteral("_NET_WM_ICON")});
    const QString iconText = QString::fromUtf8(icon.out);
    QVERIFY2(iconText.contains(QLatin1String("Icon (32 x 32)")) && iconText.contains(QLatin1String("Icon (16 x 16)")),
             qPrintable(QStringLiteral("no 16 and 32 pixel window icon: %1").arg(iconText.left(200))));

    QElapsedTimer closing;
    closing.start();
    QVERIFY2(CloseAndExpectExitZero(main.id), qPrintable(Failure(QStringLiteral("Alt+F4 did not end the program with exit code 0"))));
    QVERIFY2(closing.elapsed() < 5000, qPrintable(QStringLiteral("closing took %1 ms").arg(closing.elapsed())));
    QVERIFY2(QFileInfo(LayoutFileInProgramDirectory()).size() > 0,
             qPrintable(QStringLiteral("no layout file written in the program directory %1").arg(m_programDir)));
    QVERIFY2(!QFileInfo::exists(m_workDir + QLatin1Char('/') + kLayoutFile),
             qPrintable(QStringLiteral("a layout file was written in the working directory %1").arg(m_workDir)));
}

void TestRealWindow::damagedLayoutFileQuestion_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("deletes");
    QTest::newRow("Alt+Y answers Yes") << QStringLiteral("alt+y") << true;
    QTest::newRow("Return takes the default Yes") << QStringLiteral("Return") << true;
    QTest::newRow("Alt+N answers No") << QStringLiteral("alt+n") << false;
}

void TestRealWindow::damagedLayoutFileQuestion()
{
    QFETCH(QString, key);
    QFETCH(bool, deletes);
    const QString layoutFile = LayoutFileInProgramDirectory();
    {
        QFile damaged(layoutFile);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("damaged");
    }
    QVERIFY2(StartProgram(), qPrintable(Failure(QStringLiteral("the program did not start"))));

    const QString question = QStringLiteral("vexa.messages: question: Error loading previously saved settings file: %1\nWould you like to delete it?")
                                 .arg(layoutFile);
    QVERIFY2(TraceAppears(question, 15000), qPrintable(Failure(QStringLiteral("no question about %1").arg(layoutFile))));
    XWindow box;
    QVERIFY2(WaitForDialogWindow(&box), qPrintable(Failure(QStringLiteral("the question is traced but no dialog window is shown"))));
    QCOMPARE(box.name, kTitle);
    QVERIFY2(QFileInfo::exists(layoutFile), "the file went before the question was answered");

    QVERIFY2(Keys(box.id, {key}), "xdotool could not send the answer");
    const QString answer = deletes ? QStringLiteral("vexa.messages: answer: Yes") : QStringLiteral("vexa.messages: answer: No");
    QVERIFY2(TraceAppears(answer, 10000), qPrintable(Failure(QStringLiteral("no \"%1\" trace after %2").arg(answer, key))));
    if (deletes)
        QVERIFY2(WaitFor([&] { return !QFileInfo::exists(layoutFile); }, 5000), qPrintable(Failure(QStringLiteral("Yes kept the file"))));

    XWindow main;
    QVERIFY2(WaitForMainWindow(&main), qPrintable(Failure(QStringLiteral("the start did not continue to the main window"))));
    QCOMPARE(Trace().count(QStringLiteral("vexa.messages: question:")), 1);
    if (deletes) {
        QVERIFY2(!QFileInfo::exists(layoutFile), "the file came back before the close");
    } else {
        QFile kept(layoutFile);
        QVERIFY2(kept.open(QIODevice::ReadOnly), "No deleted the file");
        QCOMPARE(kept.readAll(), QByteArray("damaged"));
    }

    QVERIFY2(CloseAndExpectExitZero(main.id), qPrintable(Failure(QStringLiteral("Alt+F4 did not end the program with exit code 0"))));
    QFile written(layoutFile);
    QVERIFY2(written.open(QIODevice::ReadOnly), "no layout file written at the close");
    const QByteArray content = written.readAll();
    QVERIFY2(content.size() > 0 && content != "damaged", "the damaged file was not replaced at the close");
}

void TestRealWindow::readOnlyProgramDirectory()
{
    if (QStandardPaths::findExecutable(QStringLiteral("chattr")).isEmpty())
        QSKIP("not installed: chattr (e2fsprogs)");
    // The immutable attribute needs root and a file system that has it; try a few places.
    const QStringList bases = {QDir::tempPath(), QStringLiteral("/var/tmp"), QCoreApplication::applicationDirPath()};
    QString tried;
    for (const QString &base : bases) {
        QString error;
        if (!PrepareProgramDirectory(base, &error)) {
            tried += QStringLiteral("\n  %1: %2").arg(base, error);
            continue;
        }
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_programDir}) == 0) {
            m_immutableDir = m_programDir;
            QFile probe(m_programDir + QStringLiteral("/probe"));
            if (!probe.open(QIODevice::WriteOnly))
                break; // read-only indeed
            probe.close();
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_programDir});
            m_immutableDir.clear();
            tried += QStringLiteral("\n  %1: files can still be made in an immutable directory (not root?)").arg(base);
        } else {
            tried += QStringLiteral("\n  %1: chattr +i failed").arg(base);
        }
        m_programTemp.reset();
    }
    if (m_immutableDir.isEmpty())
        QSKIP(qPrintable(QStringLiteral("cannot make a read-only program directory:%1").arg(tried)));

    QVERIFY2(StartProgram(), qPrintable(Failure(QStringLiteral("the program did not start"))));
    XWindow main;
    QVERIFY2(WaitForMainWindow(&main), qPrintable(Failure(QStringLiteral("the main window did not appear"))));
    QVERIFY2(Keys(main.id, {QStringLiteral("alt+F4")}), "xdotool could not send Alt+F4");

    const QString message = QStringLiteral("vexa.messages: message: Unable to save settings");
    QVERIFY2(TraceAppears(message, 10000), qPrintable(Failure(QStringLiteral("no \"Unable to save settings\" message at the close"))));
    XWindow box;
    QVERIFY2(WaitForDialogWindow(&box), qPrintable(Failure(QStringLiteral("the message is traced but no message box is shown"))));
    QCOMPARE(box.name, kTitle);
    QVERIFY2(Keys(box.id, {QStringLiteral("Return")}), "xdotool could not send Return");
    QVERIFY2(WaitFor([this] { return m_program->state() == QProcess::NotRunning; }, 10000),
             qPrintable(Failure(QStringLiteral("the program did not end after OK"))));
    QVERIFY2(m_program->exitStatus() == QProcess::NormalExit && m_program->exitCode() == 0,
             qPrintable(Failure(QStringLiteral("the program did not end with exit code 0"))));
    QCOMPARE(Trace().count(message), 1);
    QVERIFY(!QFileInfo::exists(LayoutFileInProgramDirectory()));
    QVERIFY(!QFileInfo::exists(m_workDir + QLatin1Char('/') + kLayoutFile));
}

void TestRealWindow::germanKeyboardShortcutsBeforeEditor()
{
    for (const QString &tool : {QStringLiteral("setxkbmap"), QStringLiteral("xkbcomp")}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP(qPrintable(QStringLiteral("not installed: %1 (x11-xkb-utils)").arg(tool)));
    }
    const ToolRun layout = Tool(QStringLiteral("setxkbmap"), {QStringLiteral("-display"), m_display, QStringLiteral("de")});
    m_layoutChanged = true;
    QVERIFY2(layout.ok(), qPrintable(QStringLiteral("setxkbmap de failed: %1").arg(QString::fromLocal8Bit(layout.err))));
    // On this layout the digit keys give '!' and '"' with Shift, which an editor would type.
    const ToolRun keymap = Tool(QStringLiteral("xkbcomp"), {QStringLiteral("-xkb"), m_display, QStringLiteral("-")});
    static const QRegularExpression shift1(QStringLiteral("key <AE01>\\s*\\{[^}]*\\[\\s*1,\\s*exclam\\b"));
    static const QRegularExpression shift2(QStringLiteral("key <AE02>\\s*\\{[^}]*\\[\\s*2,\\s*quotedbl\\b"));
    const QString keymapText = QString::fromLocal8Bit(keymap.out);
    QVERIFY2(shift1.match(keymapText).hasMatch() && shift2.match(keymapText).hasMatch(),
             "the German layout is not in effect: Shift+1/Shift+2 do not give '!'/'\"'");

    QVERIFY2(StartProgram(), qPrintable(Failure(QStringLiteral("the program did not start"))));
    XWindow main;
    QVERIFY2(WaitForMainWindow(&main), qPrintable(Failure(QStringLiteral("the main window did not appear"))));

    // Window > New window...; the menu must be open before its entry's key goes out.
    QVERIFY2(Keys(main.id, {QStringLiteral("alt+w")}), "xdotool could not send Alt+W");
    QVERIFY2(WaitFor(
                 [this] {
                     for (quint64 id : VisibleWindowsOfProgram()) {
                         if (const std::optional<XWindow> w = Window(id); w && w->isMenu())
                             return true;
                     }
                     return false;
                 },
                 5000),
             qPrintable(Failure(QStringLiteral("Alt+W opened no menu"))));
    QVERIFY2(Keys(0, {QStringLiteral("n")}), "xdotool could not send N");
    QVERIFY2(TraceAppears(QStringLiteral("vexa.actions: executed ActionWindowNew"), 5000),
             qPrintable(Failure(QStringLiteral("\"New window...\" was not executed"))));

    static const QRegularExpression documentLine(
        QStringLiteral("vexa\\.documents: (.+): (text changed|caret moved), (\\d+) characters, caret at (\\d+)"));
    QVERIFY2(Keys(0, {QStringLiteral("a"), QStringLiteral("b")}), "xdotool could not type");
    QVERIFY2(TraceAppears(QStringLiteral(": text changed, 2 characters, caret at 2"), 5000),
             qPrintable(Failure(QStringLiteral("typing \"ab\" into the new document window was not traced"))));
    const qsizetype afterTyping = Trace().size();

    const QList<QPair<QString, QString>> shortcuts = {{QStringLiteral("shift+1"), QStringLiteral("ActionCurveEUT1")},
                                                      {QStringLiteral("shift+2"), QStringLiteral("ActionCurveEUT2")},
                                                      {QStringLiteral("Left"), QStringLiteral("ActionFrequencyDown")}};
    for (const auto &[key, action] : shortcuts) {
        const qsizetype from = Trace().size();
        QVERIFY2(Keys(0, {key}), qPrintable(QStringLiteral("xdotool could not send %1").arg(key)));
        QVERIFY2(TraceAppears(QStringLiteral("vexa.actions: executed ") + action, 5000, from),
                 qPrintable(Failure(QStringLiteral("%1 did not execute %2").arg(key, action))));
    }
    // One more letter shows where the editor stands: it goes in at position 2 of 2 unless a
    // shortcut key reached the editor too (a '!' or '"' added, or the caret moved left).
    QVERIFY2(Keys(0, {QStringLiteral("c")}), "xdotool could not send C");
    QVERIFY2(TraceAppears(QStringLiteral(": text changed, "), 5000, afterTyping),
             qPrintable(Failure(QStringLiteral("typing \"c\" was not traced"))));
    QStringList unexpected;
    const QString after = Trace().mid(afterTyping);
    for (const QString &line : after.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = documentLine.match(line);
        if (m.hasMatch() && !(m.captured(3) == QLatin1String("3") && m.captured(4) == QLatin1String("3")))
            unexpected.append(line);
    }
    QVERIFY2(unexpected.isEmpty(),
             qPrintable(Failure(QStringLiteral("the editor saw a shortcut key (expected only \"3 characters, caret at 3\" after \"ab\" and the shortcuts):\n%1")
                                    .arg(unexpected.join(QLatin1Char('\n'))))));
    const qsizetype eut1 = after.indexOf(QStringLiteral("executed ActionCurveEUT1"));
    const qsizetype eut2 = after.indexOf(QStringLiteral("executed ActionCurveEUT2"));
    const qsizetype down = after.indexOf(QStringLiteral("executed ActionFrequencyDown"));
    QVERIFY2(eut1 >= 0 && eut1 < eut2 && eut2 < down, qPrintable(Failure(QStringLiteral("the shortcuts ran out of order"))));
    QCOMPARE(after.count(QStringLiteral("vexa.actions: executed ")), 3);

    QVERIFY2(CloseAndExpectExitZero(main.id), qPrintable(Failure(QStringLiteral("Alt+F4 did not end the program with exit code 0"))));
}

QTEST_GUILESS_MAIN(TestRealWindow)
#include "tst_realwindow.moc"
