#include "mainwindow/CHILDWIN.h"

#include "actions/ShortCutDispatcher.h"
#include "shell/Trace.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QTextDocument>
#include <QVBoxLayout>

static_assert(TMDIChild::MaxTextSize >= 64LL * 1024 * 1024, "the editor takes texts of at least 64 MiB");

namespace {

// Windows-1252 for 0x80..0x9F; the five bytes it leaves undefined keep their Latin-1 code points.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

QString DecodeCp1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? Cp1252High[b - 0x80] : char16_t(b);
    }
    return text;
}

// CR LF and a lone CR become LF, in one pass over the text.
void UnifyLineEnds(QString &text)
{
    const qsizetype firstCr = text.indexOf(QLatin1Char('\r'));
    if (firstCr < 0)
        return;
    char16_t *data = reinterpret_cast<char16_t *>(text.data());
    const char16_t *in = data + firstCr;
    const char16_t *end = data + text.size();
    char16_t *out = data + firstCr;
    while (in != end) {
        const char16_t c = *in++;
        if (c == u'\r') {
            *out++ = u'\n';
            if (in != end && *in == u'\n')
                ++in;
        } else {
            *out++ = c;
        }
    }
    text.truncate(out - data);
}

} // namespace

QString DecodeDocumentText(const QByteArray &bytes)
{
    static constexpr char Bom[] = "\xEF\xBB\xBF";
    const bool hasBom = bytes.startsWith(QByteArrayView(Bom, 3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(hasBom ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes));
    if (utf8.hasError())
        text = DecodeCp1252(bytes);
    UnifyLineEnds(text);
    return text;
}

TMDIChild::TMDIChild(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MDIChild"));
    setWindowTitle(QStringLiteral("MDI Child"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setTabChangesFocus(true);
    layout->addWidget(Memo1);
    resize(282, 180);
    if (lcDocuments().isDebugEnabled()) {
        auto trace = [this](const char *what) {
            qCDebug(lcDocuments, "%s: %s, %d characters, caret at %d", qUtf8Printable(windowTitle()), what,
                    Memo1->document()->characterCount() - 1, Memo1->textCursor().position());
        };
        connect(Memo1, &QPlainTextEdit::textChanged, this, [trace] { trace("text changed"); });
        connect(Memo1, &QPlainTextEdit::cursorPositionChanged, this, [trace] { trace("caret moved"); });
    }
    // A document window has no managers of its own: its keys go on to the main window's.
    TShortCutDispatcher::Instance().RegisterForm(this, {});
}

TMDIChild::~TMDIChild() = default;

void TMDIChild::LoadFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists() || info.isDir())
        return;
    QFile file(fileName);
    QString error;
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot open file \"%1\". %2").arg(info.absoluteFilePath(), file.errorString());
    } else if (file.size() > MaxTextSize) {
        error = QStringLiteral("Text exceeds memo capacity");  // refused before anything is read
    } else {
        QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            error = QStringLiteral("Cannot read file \"%1\". %2").arg(info.absoluteFilePath(), file.errorString());
        } else {
            file.close();
            QString text = DecodeDocumentText(bytes);
            bytes = QByteArray();  // only one copy of the text besides the editor's
            Memo1->setPlainText(text);
            return;
        }
    }
    QMessageBox::critical(this, windowTitle(), error);
}
