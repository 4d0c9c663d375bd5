#include "actions/ActnMan.h"

#include "actions/ActnBars.h"
#include "actions/ActnList.h"
#include "shell/Trace.h"

#include <QPointer>

TActionManager::TActionManager(QObject *owner) : QObject(owner), m_actionBars(new TActionBars(this)) {}

TActionManager::~TActionManager()
{
    for (TCustomAction *action : std::as_const(m_actions))
        if (action->m_actionList == this)
            action->m_actionList = nullptr;
}

void TActionManager::AddAction(TCustomAction *action)
{
    Q_ASSERT(action && !action->m_actionList);
    action->m_actionList = this;
    m_actions.append(action);
    // By the time destroyed() is sent the object is no longer a TCustomAction: compare addresses only.
    connect(action, &QObject::destroyed, this, [this, action] { m_actions.removeAll(action); });
}

TCustomAction *TActionManager::FindAction(const QString &name) const
{
    for (TCustomAction *action : m_actions)
        if (action->Name() == name)
            return action;
    return nullptr;
}

QStringList TActionManager::Categories() const
{
    QStringList result;
    for (const TCustomAction *action : m_actions)
        if (!result.contains(action->Category()))
            result.append(action->Category());
    return result;
}

bool TActionManager::UpdateAction(TCustomAction &action)
{
    // No manager-level or application-level update handler exists in this program.
    bool handled = false;
    if (action.OnUpdate) {
        action.OnUpdate(&action);
        handled = true;
    } else {
        handled = action.UpdateTarget(m_host);
    }
    if (!handled && action.Enabled() && action.DisablesWhenUnhandled())
        action.SetEnabled(bool(action.OnExecute));
    return handled;
}

bool TActionManager::ExecuteAction(TCustomAction &action)
{
    if (State != TActionListState::asNormal)
        return false;
    // A handler may free the form, and with it the action and this manager.
    QPointer<TCustomAction> guard(&action);
    UpdateAction(action);
    if (!guard)
        return false;
    if (action.Enabled() && action.AutoCheck() && !(action.Checked() && action.GroupIndex() > 0))
        action.SetChecked(!action.Checked());
    if (!action.Enabled())
        return false;
    bool handled = false;
    if (action.OnExecute) {
        action.OnExecute(&action);
        handled = true;
    } else {
        handled = action.ExecuteTarget(m_host);
    }
    if (guard) {
        qCDebug(lcActions, "executed %s", qUtf8Printable(action.Name()));
        emit ActionExecuted(&action);
    }
    return handled;
}

TShortCutResult TActionManager::IsShortCut(TShortCut key)
{
    if (key == 0)
        return TShortCutResult::NotFound;
    for (TCustomAction *action : std::as_const(m_actions)) {
        if (!action->HasShortCut(key))
            continue;
        // Only the first action with the key is asked; a disabled one lets it go on.
        return ExecuteAction(*action) ? TShortCutResult::Executed : TShortCutResult::Refused;
    }
    return TShortCutResult::NotFound;
}

void TActionManager::ApplyHintRule()
{
    for (int i = 0; i < ActionCount(); ++i) {
        TCustomAction *action = Actions(i);
        if (dynamic_cast<TAction *>(action))
            action->SetHint(action->Caption() + QLatin1Char('|') + action->Caption());
    }
}

void TActionManager::UncheckGroup(const TCustomAction &checked)
{
    if (checked.GroupIndex() <= 0)
        return;
    for (TCustomAction *action : std::as_const(m_actions))
        if (action != &checked && action->GroupIndex() == checked.GroupIndex())
            action->SetChecked(false);
}
