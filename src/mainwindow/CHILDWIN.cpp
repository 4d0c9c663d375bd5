#include "mainwindow/CHILDWIN.h"

#include "actions/ShortCutDispatcher.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QVBoxLayout>

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
        error = QStringLiteral("Text exceeds memo capacity");
    } else {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            error = QStringLiteral("Cannot read file \"%1\". %2").arg(info.absoluteFilePath(), file.errorString());
        } else {
            QStringDecoder utf8(QStringDecoder::Utf8);
            QString text = utf8.decode(bytes);
            if (utf8.hasError())
                text = QString::fromLatin1(bytes);
            // CR LF, CR and LF all end a line.
            text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
            Memo1->setPlainText(text);
            return;
        }
    }
    QMessageBox::critical(this, windowTitle(), error);
}
