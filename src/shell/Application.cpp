#include "shell/Application.h"
#include "shell/StartupWarmUp.h"

#include <QMessageBox>
#include <QWidget>

TApplication *Application = nullptr;

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    Application = this;
    // The main window's own close ends the loop, not the last visible window.
    setQuitOnLastWindowClosed(false);
}

TApplication::~TApplication()
{
    DestroyForms();
    // A warm-up still running must not outlive the application object it fills in.
    TStartupWarmUp::Finish();
    if (Application == this)
        Application = nullptr;
}

void TApplication::SetTitle(const QString &title)
{
    m_title = title;
    setApplicationName(title);
}

void TApplication::AddForm(QWidget *form)
{
    m_forms.append(form);
    if (!m_mainForm) {
        m_mainForm = form;
        if (form->metaObject()->indexOfSignal("Closed()") >= 0)
            connect(form, SIGNAL(Closed()), this, SLOT(quit()));
    }
}

int TApplication::Run()
{
    if (!m_mainForm)
        return 0;
    m_mainForm->showMaximized();
    const int result = exec();
    DestroyForms();
    return result;
}

void TApplication::DestroyForms()
{
    while (!m_forms.isEmpty()) {
        QPointer<QWidget> form = m_forms.takeLast();
        delete form.data();
    }
}

void TApplication::ShowException(const std::exception &e)
{
    QString text = QString::fromLocal8Bit(e.what());
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    QMessageBox::critical(nullptr, m_title, text);
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    // A failure that leaves an event handler is reported, and the program goes on.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ShowException(e);
    }
    return false;
}
