#include "actions/ShortCutDispatcher.h"

#include "actions/ActnMan.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

TShortCutDispatcher &TShortCutDispatcher::Instance()
{
    static QPointer<TShortCutDispatcher> instance;
    if (!instance) {
        Q_ASSERT(qApp);
        instance = new TShortCutDispatcher(qApp);
        qApp->installEventFilter(instance);
    }
    return *instance;
}

TShortCutDispatcher::TShortCutDispatcher(QObject *parent) : QObject(parent) {}

void TShortCutDispatcher::RegisterForm(QWidget *form, const QList<TActionManager *> &managers)
{
    QList<QPointer<TActionManager>> list;
    for (TActionManager *m : managers)
        list.append(m);
    if (!m_forms.contains(form))
        // By the time destroyed() is sent the object is no longer a QWidget: compare addresses only.
        connect(form, &QObject::destroyed, this, [this, form] { m_forms.remove(form); });
    m_forms.insert(form, list);
}

void TShortCutDispatcher::UnregisterForm(QWidget *form)
{
    m_forms.remove(form);
}

void TShortCutDispatcher::SetMainForm(QWidget *form)
{
    m_mainForm = form;
}

QWidget *TShortCutDispatcher::FormOf(QWidget *widget) const
{
    for (QWidget *w = widget; w; w = w->parentWidget())
        if (m_forms.contains(w))
            return w;
    return nullptr;
}

bool TShortCutDispatcher::AskForm(QWidget *form, TShortCut key) const
{
    // A manager that refuses the key (disabled action) takes it no further,
    // but the next manager is still asked.
    for (const QPointer<TActionManager> &manager : m_forms.value(form))
        if (manager && manager->IsShortCut(key) == TShortCutResult::Executed)
            return true;
    return false;
}

bool TShortCutDispatcher::MainFormAcceptsInput() const
{
    return m_mainForm && m_mainForm->isEnabled() && !QApplication::activeModalWidget()
           && !QApplication::activePopupWidget();
}

bool TShortCutDispatcher::DispatchKey(QWidget *focus, TShortCut key)
{
    if (key == 0 || !focus)
        return false;
    // An open menu owns the keyboard.
    if (QApplication::activePopupWidget())
        return false;
    QWidget *form = FormOf(focus);
    if (form) {
        // A form that a modal window blocks takes no keys.
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && !modal->isAncestorOf(focus) && modal != focus->window())
            return false;
        if (AskForm(form, key))
            return true;
    }
    if (form != m_mainForm && MainFormAcceptsInput())
        return AskForm(m_mainForm, key);
    return false;
}

bool TShortCutDispatcher::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    // The application filter sees a key once for each widget it travels
    // through; only the first receiver decides.
    QWidget *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    QWidget *focus = QApplication::focusWidget();
    if (focus ? widget != focus : !widget->isWindow())
        return false;

    auto *keyEvent = static_cast<QKeyEvent *>(event);
    const int key = keyEvent->key();
    const int modifiers = int(keyEvent->modifiers());
    if (type == QEvent::KeyRelease) {
        m_pending.valid = false;
        return false;
    }
    if (type == QEvent::ShortcutOverride) {
        const bool taken = DispatchKey(widget, KeyEventToShortCut(*keyEvent));
        m_pending = {true, key, modifiers, taken};
        if (taken)
            keyEvent->accept();
        return taken;
    }
    // KeyPress: decided already by its ShortcutOverride, or offered now when
    // the key was delivered without one.
    if (m_pending.valid && m_pending.key == key && m_pending.modifiers == modifiers) {
        m_pending.valid = false;
        return m_pending.taken;
    }
    m_pending.valid = false;
    return DispatchKey(widget, KeyEventToShortCut(*keyEvent));
}
