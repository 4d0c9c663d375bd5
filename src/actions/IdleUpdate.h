// Updates the actions that visible controls show whenever the event loop has run dry.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;
class TCustomAction;

/*!
  The update moment "the application became idle": the event dispatcher's
  aboutToBlock, which fires once each time the queue empties. Nothing runs
  while no event arrives, and a burst of events costs one pass.
*/
class TIdleActionUpdater : public QObject
{
    Q_OBJECT
public:
    static TIdleActionUpdater &Instance();

    //! `control` shows `action`; the action is updated at idle time while the control is visible.
    void AddClient(QWidget *control, TCustomAction *action);
    void RemoveClient(QWidget *control);

    //! One idle pass: updates each action that a visible control shows, once.
    void UpdateVisibleActions();

private:
    explicit TIdleActionUpdater(QObject *parent);
    struct Client
    {
        QPointer<QWidget> control;
        QPointer<TCustomAction> action;
    };
    QList<Client> m_clients;
    bool m_updating = false;
};
