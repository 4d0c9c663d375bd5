// The application object: title, the automatically created forms, the message loop and its error box.
#pragma once

#include <QApplication>
#include <QWidget>
#include <QList>
#include <QPointer>

#include <exception>

class TApplication : public QApplication
{
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);
    ~TApplication() override;

    QString Title() const { return m_title; }
    void SetTitle(const QString &title);

    /*!
      Creates a form, keeps it in `reference` and owns it; the first form
      becomes the main window. The form's create handler runs right away;
      a failure in it is reported in the error box and the form stays.
    */
    template<class T>
    void CreateForm(T *&reference);

    QWidget *MainForm() const { return m_mainForm; }
    const QList<QPointer<QWidget>> &Forms() const { return m_forms; }

    //! Shows the main window maximised and runs the message loop until it has closed; then frees the forms.
    int Run();
    //! Frees the forms, the last created first.
    void DestroyForms();

    //! The standard error box: the failure's message, the title as caption.
    void ShowException(const std::exception &e);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void AddForm(QWidget *form);
    QString m_title;
    QList<QPointer<QWidget>> m_forms;
    QPointer<QWidget> m_mainForm;
};

//! The one application object, while it exists.
extern TApplication *Application;

template<class T>
void TApplication::CreateForm(T *&reference)
{
    T *form = nullptr;
    try {
        form = new T();
    } catch (const std::exception &e) {
        ShowException(e);
        return;
    }
    reference = form;
    AddForm(form);
    if constexpr (requires { form->FormCreate(form); }) {
        try {
            form->FormCreate(form);
        } catch (const std::exception &e) {
            ShowException(e);
        }
    }
}
