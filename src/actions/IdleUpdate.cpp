#include "actions/IdleUpdate.h"

#include "actions/ActnList.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QSet>
#include <QWidget>

TIdleActionUpdater &TIdleActionUpdater::Instance()
{
    static QPointer<TIdleActionUpdater> instance;
    if (!instance) {
        Q_ASSERT(qApp);
        instance = new TIdleActionUpdater(qApp);
    }
    return *instance;
}

TIdleActionUpdater::TIdleActionUpdater(QObject *parent) : QObject(parent)
{
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &TIdleActionUpdater::UpdateVisibleActions);
}

void TIdleActionUpdater::AddClient(QWidget *control, TCustomAction *action)
{
    m_clients.append({control, action});
}

void TIdleActionUpdater::RemoveClient(QWidget *control)
{
    m_clients.removeIf([control](const Client &c) { return c.control == control; });
}

void TIdleActionUpdater::UpdateVisibleActions()
{
    if (m_updating)
        return;
    m_updating = true;
    m_clients.removeIf([](const Client &c) { return !c.control || !c.action; });
    QSet<TCustomAction *> done;
    // A handler may change the list (a toolbar rebuilt): walk a copy.
    const QList<Client> clients = m_clients;
    for (const Client &c : clients) {
        if (!c.control || !c.action || !c.control->isVisible() || done.contains(c.action))
            continue;
        done.insert(c.action);
        c.action->Update();
    }
    m_updating = false;
}
