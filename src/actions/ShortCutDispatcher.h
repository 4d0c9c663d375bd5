// Routes key presses to the action managers of the form that has the focus, then of the main window.
#pragma once

#include "actions/ShortCut.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;
class QKeyEvent;
class TActionManager;

/*!
  One application-wide event filter owns every shortcut key: no Qt shortcut
  is registered for an action. It decides on ShortcutOverride, before a
  focused text or tree control can claim the key, and eats the KeyPress that
  follows when a manager took the key.
*/
class TShortCutDispatcher : public QObject
{
    Q_OBJECT
public:
    static TShortCutDispatcher &Instance();

    //! A form whose managers are asked, in the given (component) order.
    void RegisterForm(QWidget *form, const QList<TActionManager *> &managers);
    void UnregisterForm(QWidget *form);
    //! The main window: asked last, and only while it accepts input.
    void SetMainForm(QWidget *form);

    //! Offers a key to the form of `focus`, then to the main window; true when an action took it.
    bool DispatchKey(QWidget *focus, TShortCut key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TShortCutDispatcher(QObject *parent);
    QWidget *FormOf(QWidget *widget) const;
    bool AskForm(QWidget *form, TShortCut key) const;
    bool MainFormAcceptsInput() const;

    QHash<QWidget *, QList<QPointer<TActionManager>>> m_forms;
    QPointer<QWidget> m_mainForm;

    // The outcome of the last ShortcutOverride, applied to the KeyPress that follows it.
    struct Pending
    {
        bool valid = false;
        int key = 0;
        int modifiers = 0;
        bool taken = false;
    } m_pending;
};
