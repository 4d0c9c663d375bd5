// Document windows: decoding a file's text, loading it from the working directory, the window actions.
#include "actions/ActnMan.h"
#include "mainwindow/CHILDWIN.h"
#include "mainwindow/FVEXAMain.h"
#include "TestUtil.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

/*!
  While it lives, root loses the right to open files regardless of their
  permissions, so a file without read permission is unreadable for it too.
  For other users it does nothing.
*/
class NoPermissionOverride
{
public:
    NoPermissionOverride()
    {
        if (geteuid() != 0) {
            m_effective = true;
            return;
        }
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        if (syscall(SYS_capget, &header, m_saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        header = {_LINUX_CAPABILITY_VERSION_3, 0};
        m_lowered = m_effective = syscall(SYS_capset, &header, lowered) == 0;
    }
    ~NoPermissionOverride()
    {
        if (!m_lowered)
            return;
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        syscall(SYS_capset, &header, m_saved);
    }
    bool Effective() const { return m_effective; }

private:
    __user_cap_data_struct m_saved[2]{};
    bool m_lowered = false;
    bool m_effective = false;
};

//! Records and closes every modal window that opens while it lives.
class ModalWatch
{
public:
    ModalWatch()
    {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            auto *box = qobject_cast<QMessageBox *>(modal);
            m_seen << (box ? box->text() : modal->windowTitle());
            modal->close();
        });
        m_poll.start();
    }
    QStringList Seen() const { return m_seen; }

private:
    QTimer m_poll;
    QStringList m_seen;
};

long PeakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

//! A text from a UTF-16 literal.
QString S(const char16_t *text)
{
    return QString::fromUtf16(text);
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestDocWindows : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void decoding_data();
    void decoding();
    void fileInWorkingDirectoryIsShown_data();
    void fileInWorkingDirectoryIsShown();
    void binaryFileShowsAsText();
    void sameNameElsewhereIsNotFound();
    void directoryOfThatNameShowsNothing();
    void unreadableFileIsReported();
    void tooLongFileIsRefusedUnread();
    void arrangeIconsLinesMinimisedWindowsAlongTheBottom();
    void cascadeStepsTheWindows();
    void ctrlF4ClosesAndFreesTheActiveWindow();
    void closeAllStaysEnabledAndDoesNothing();

private:
    TCustomAction *Action(const char *name) const
    {
        return m_main->ActionManagerTest->FindAction(QString::fromLatin1(name));
    }
    TMDIChild *ActiveChild() const
    {
        QMdiSubWindow *window = m_main->MDIClient->currentSubWindow();
        return window ? qobject_cast<TMDIChild *>(window->widget()) : nullptr;
    }
    QList<QMdiSubWindow *> Windows() const { return m_main->MDIClient->subWindowList(QMdiArea::CreationOrder); }

    TFormVEXAMain *m_main = nullptr;
    QTemporaryDir *m_work = nullptr;
    QString m_previousDir;
};

void TestDocWindows::init()
{
    m_previousDir = QDir::currentPath();
    m_work = new QTemporaryDir;
    QVERIFY(m_work->isValid());
    QVERIFY(QDir::setCurrent(m_work->path()));
    m_main = new TFormVEXAMain;
    m_main->resize(1000, 700);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
}

void TestDocWindows::cleanup()
{
    delete m_main;
    m_main = nullptr;
    QDir::setCurrent(m_previousDir);
    delete m_work;
    m_work = nullptr;
}

void TestDocWindows::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QByteArray cp1252High;
    for (int b = 0x80; b <= 0x9F; ++b)
        cp1252High.append(char(b));

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("plain ASCII") << QByteArray("Sweep 10 Hz .. 20 kHz") << QStringLiteral("Sweep 10 Hz .. 20 kHz");
    QTest::newRow("UTF-8 without mark") << QByteArray("gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xF0\x9F\x98\x80")
                                        << S(u"grüß € \U0001F600");
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF" "abc \xC3\xA9") << S(u"abc é");
    QTest::newRow("mark only") << QByteArray("\xEF\xBB\xBF") << QString();
    QTest::newRow("1252 euro") << QByteArray("\x80") << S(u"€");
    QTest::newRow("1252 curly quotes") << QByteArray("\x93Hi\x94") << S(u"“Hi”");
    QTest::newRow("1252 0x80 to 0x9F") << cp1252High
                                       << S(u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    QTest::newRow("1252 upper half is Latin-1") << QByteArray("\xE9t\xE9 \xA0\xFF") << S(u"été \u00A0ÿ");
    QTest::newRow("valid UTF-8 and one bad byte") << QByteArray("\xC3\xBC and \xFC") << S(u"Ã¼ and ü");
    QTest::newRow("mark and one bad byte") << QByteArray("\xEF\xBB\xBFx\x80") << S(u"ï»¿x€");
    QTest::newRow("sequence cut at the end") << QByteArray("abc\xE2\x82") << S(u"abcâ‚");
    QTest::newRow("overlong form") << QByteArray("\xC0\xAF") << S(u"À¯");
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << S(u"í\u00A0€");
    QTest::newRow("LF") << QByteArray("a\nb\n") << QStringLiteral("a\nb\n");
    QTest::newRow("CR") << QByteArray("a\rb\r") << QStringLiteral("a\nb\n");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringLiteral("a\nb\n");
    QTest::newRow("mixed line ends") << QByteArray("a\r\nb\rc\nd\n\re\r\r\nf")
                                     << QStringLiteral("a\nb\nc\nd\n\ne\n\nf");
    QTest::newRow("line ends in 1252") << QByteArray("\x80\r\n\x80\r") << S(u"€\n€\n");
    QTest::newRow("NUL bytes") << QByteArray("a\0b\0", 4) << QString::fromUtf16(u"a\0b\0", 4);
}

void TestDocWindows::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeDocumentText(bytes), text);
}

void TestDocWindows::fileInWorkingDirectoryIsShown_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("LF alone") << QByteArray("first\nsecond\nthird") << QStringList{"first", "second", "third"};
    QTest::newRow("CR LF") << QByteArray("first\r\nsecond\r\n") << QStringList{"first", "second", ""};
    QTest::newRow("CR alone") << QByteArray("first\rsecond") << QStringList{"first", "second"};
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF\xE2\x82\xAC 5") << QStringList{S(u"€ 5")};
    QTest::newRow("1252") << QByteArray("\x93quoted\x94\r\n\x80") << QStringList{S(u"“quoted”"), S(u"€")};
    QTest::newRow("long line stays one line") << QByteArray(5000, 'x') << QStringList{QString(5000, u'x')};
}

void TestDocWindows::fileInWorkingDirectoryIsShown()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QVERIFY(WriteFile(QStringLiteral("NONAME1"), bytes));
    ModalWatch watch;
    m_main->OpenDocumentWindow(QStringLiteral("NONAME1"));
    QVERIFY(watch.Seen().isEmpty());
    TMDIChild *child = ActiveChild();
    QVERIFY(child);
    QCOMPARE(child->windowTitle(), QStringLiteral("NONAME1"));
    // The program's icon in the document window's frame.
    QMdiSubWindow *frame = m_main->MDIClient->activeSubWindow();
    QVERIFY(frame);
    QCOMPARE(frame->windowIcon().pixmap(32, 32).toImage(), m_main->windowIcon().pixmap(32, 32).toImage());
    QVERIFY(!frame->windowIcon().pixmap(32, 32).isNull());
    QCOMPARE(child->Memo1->blockCount(), int(lines.size()));
    QCOMPARE(child->Memo1->toPlainText(), lines.join(u'\n'));
    QCOMPARE(child->Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
}

void TestDocWindows::binaryFileShowsAsText()
{
    QByteArray bytes;
    for (int round = 0; round < 64; ++round)
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
    QVERIFY(WriteFile(QStringLiteral("NONAME1"), bytes));
    ModalWatch watch;
    m_main->OpenDocumentWindow(QStringLiteral("NONAME1"));
    QVERIFY(watch.Seen().isEmpty());
    TMDIChild *child = ActiveChild();
    QVERIFY(child);
    // Each round holds one LF and one CR: two line ends.
    QCOMPARE(child->Memo1->blockCount(), 64 * 2 + 1);
    QCOMPARE(child->Memo1->document()->characterCount(), int(DecodeDocumentText(bytes).size()) + 1);
    child->Memo1->selectAll();
    child->Memo1->repaint();  // drawing the control characters does not fail either
}

void TestDocWindows::sameNameElsewhereIsNotFound()
{
    QTemporaryDir other;
    QVERIFY(WriteFile(other.filePath(QStringLiteral("NONAME1")), "not here"));
    QVERIFY(!QFile::exists(QStringLiteral("NONAME1")));
    ModalWatch watch;
    m_main->OpenDocumentWindow(QStringLiteral("NONAME1"));
    QVERIFY(watch.Seen().isEmpty());
    QVERIFY(ActiveChild());
    QVERIFY(ActiveChild()->Memo1->toPlainText().isEmpty());
}

void TestDocWindows::directoryOfThatNameShowsNothing()
{
    QVERIFY(QDir().mkdir(QStringLiteral("NONAME1")));
    QVERIFY(WriteFile(QStringLiteral("NONAME1/NONAME1"), "inside"));
    ModalWatch watch;
    m_main->OpenDocumentWindow(QStringLiteral("NONAME1"));
    QCoreApplication::processEvents();
    QVERIFY(watch.Seen().isEmpty());
    QCOMPARE(m_main->MDIChildCount(), 1);
    QCOMPARE(ActiveChild()->windowTitle(), QStringLiteral("NONAME1"));
    QVERIFY(ActiveChild()->Memo1->toPlainText().isEmpty());
}

void TestDocWindows::unreadableFileIsReported()
{
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("NONAME1"));
    QVERIFY(WriteFile(path, "secret"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    QString text, caption;
    {
        NoPermissionOverride noOverride;
        if (!noOverride.Effective()) {
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QSKIP("cannot make a file unreadable here; the capacity case covers the error box");
        }
        OnNextModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            text = box->text();
            caption = box->windowTitle();
        });
        m_main->OpenDocumentWindow(QStringLiteral("NONAME1"));
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY2(text.contains(path), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Permission denied")), qPrintable(text));
    QCOMPARE(caption, QStringLiteral("NONAME1"));
    QCOMPARE(m_main->MDIChildCount(), 1);
    QCOMPARE(ActiveChild()->windowTitle(), QStringLiteral("NONAME1"));
    QVERIFY(ActiveChild()->Memo1->toPlainText().isEmpty());
}

void TestDocWindows::tooLongFileIsRefusedUnread()
{
    {
        QFile file(QStringLiteral("NONAME1"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(TMDIChild::MaxTextSize + 1));  // sparse: takes no disk space
    }
    const long peakBefore = PeakResidentKiB();
    QString text;
    OnNextModal([&](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            text = box->text();
    });
    m_main->OpenDocumentWindow(QStringLiteral("NONAME1"));
    QCOMPARE(text, QStringLiteral("Text exceeds memo capacity"));
    QCOMPARE(m_main->MDIChildCount(), 1);
    QCOMPARE(ActiveChild()->windowTitle(), QStringLiteral("NONAME1"));
    QVERIFY(ActiveChild()->Memo1->toPlainText().isEmpty());
    // Reading it would have raised the peak by the file's size.
    QVERIFY(PeakResidentKiB() - peakBefore < TMDIChild::MaxTextSize / 1024 / 4);
}

void TestDocWindows::arrangeIconsLinesMinimisedWindowsAlongTheBottom()
{
    for (int i = 1; i <= 4; ++i)
        m_main->OpenDocumentWindow(QStringLiteral("NONAME%1").arg(i));
    const QList<QMdiSubWindow *> docs = Windows();
    QCOMPARE(docs.size(), 4);
    docs[1]->move(30, 40);
    const QRect normal = docs[1]->geometry();
    for (int i : {0, 2, 3})
        docs[i]->showMinimized();
    docs[2]->move(200, 10);  // a minimised window left somewhere else comes back into the line

    TCustomAction *arrange = Action("ActionWindowArrangeIcons");
    arrange->Update();
    QVERIFY(arrange->Enabled());
    QVERIFY(arrange->Execute());

    const int bottom = m_main->MDIClient->viewport()->height();
    int x = 0;
    for (int i : {0, 2, 3}) {
        QVERIFY(docs[i]->isMinimized());
        QCOMPARE(docs[i]->x(), x);
        QCOMPARE(docs[i]->geometry().bottom() + 1, bottom);
        x += docs[i]->width();
    }
    QCOMPARE(docs[1]->geometry(), normal);  // a window that is not minimised stays where it is
}

void TestDocWindows::cascadeStepsTheWindows()
{
    for (int i = 1; i <= 3; ++i)
        m_main->OpenDocumentWindow(QStringLiteral("NONAME%1").arg(i));
    TCustomAction *cascade = Action("ActionWindowCascade");
    cascade->Update();
    QVERIFY(cascade->Execute());
    QList<QPoint> corners;
    for (QMdiSubWindow *w : Windows())
        corners << w->pos();
    std::sort(corners.begin(), corners.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
    for (int i = 1; i < corners.size(); ++i) {
        QVERIFY(corners[i].x() > corners[i - 1].x());
        QVERIFY(corners[i].y() > corners[i - 1].y());
    }
}

void TestDocWindows::ctrlF4ClosesAndFreesTheActiveWindow()
{
    m_main->OpenDocumentWindow(QStringLiteral("NONAME1"));
    m_main->OpenDocumentWindow(QStringLiteral("NONAME2"));
    QPointer<TMDIChild> second = ActiveChild();
    QVERIFY(second);
    QCOMPARE(second->windowTitle(), QStringLiteral("NONAME2"));
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));

    QTest::keyClick(m_main->windowHandle(), Qt::Key_F4, Qt::ControlModifier);
    QTRY_VERIFY(!second);  // closed and destroyed
    QCOMPARE(m_main->MDIChildCount(), 1);
    QCOMPARE(Windows().first()->windowTitle(), QStringLiteral("NONAME1"));

    // The last one goes the same way; then the window actions are grey at their next update.
    m_main->MDIClient->setActiveSubWindow(Windows().first());
    QPointer<TMDIChild> first = ActiveChild();
    QTest::keyClick(m_main->windowHandle(), Qt::Key_F4, Qt::ControlModifier);
    QTRY_VERIFY(!first);
    QCOMPARE(m_main->MDIChildCount(), 0);
    for (const char *name : {"ActionWindowCascade", "ActionWindowTileHorizontal", "ActionWindowTileVertical",
                             "ActionWindowMinimizeAll", "ActionWindowArrangeIcons", "ActionWindowClose"}) {
        Action(name)->Update();
        QVERIFY2(!Action(name)->Enabled(), name);
    }
}

void TestDocWindows::closeAllStaysEnabledAndDoesNothing()
{
    TCustomAction *closeAll = Action("ActionWindowCloseAll");
    QCOMPARE(closeAll->Caption(), QStringLiteral("Close all windows"));
    closeAll->Update();
    QVERIFY(closeAll->Enabled());
    QVERIFY(closeAll->Execute());
    m_main->OpenDocumentWindow(QStringLiteral("NONAME1"));
    m_main->OpenDocumentWindow(QStringLiteral("NONAME2"));
    closeAll->Update();
    QVERIFY(closeAll->Enabled());
    QVERIFY(closeAll->Execute());
    QCoreApplication::processEvents();
    QCOMPARE(m_main->MDIChildCount(), 2);
}

QTEST_MAIN(TestDocWindows)
#include "tst_docwindows.moc"
