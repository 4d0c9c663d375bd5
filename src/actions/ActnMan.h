// The action manager: lists actions in a fixed order, executes and updates them, takes shortcut keys.
#pragma once

#include "actions/ShortCut.h"

#include <QList>
#include <QObject>
#include <QString>

class TCustomAction;
class TActionHost;
class TImageList;

enum class TActionListState { asNormal, asSuspended, asSuspendedEnabled };

//! What a manager did with a key.
enum class TShortCutResult {
    NotFound,  //!< no action of the manager has the key
    Executed,  //!< the first action with the key executed: the key is consumed
    Refused,   //!< the first action with the key did not execute (disabled): the key goes on
};

class TActionManager : public QObject
{
    Q_OBJECT
public:
    explicit TActionManager(QObject *owner = nullptr);
    ~TActionManager() override;

    //! Lists an action at the end; the manager does not own it (its form does).
    void AddAction(TCustomAction *action);
    int ActionCount() const { return int(m_actions.size()); }
    TCustomAction *Actions(int index) const { return m_actions.value(index); }
    const QList<TCustomAction *> &ActionList() const { return m_actions; }
    TCustomAction *FindAction(const QString &name) const;
    //! Categories in the order of their first occurrence in the list.
    QStringList Categories() const;

    TImageList *Images = nullptr;
    QString StyleName = QStringLiteral("XP Style");
    QString FileName;
    TActionListState State = TActionListState::asNormal;

    TActionHost *Host() const { return m_host; }
    void SetHost(TActionHost *host) { m_host = host; }

    //! Runs the update steps; returns whether a handler or the kind took the update.
    bool UpdateAction(TCustomAction &action);
    //! Runs the execute steps; returns whether the action executed.
    bool ExecuteAction(TCustomAction &action);
    //! Offers a key to the actions in list order; the first one with the key decides.
    TShortCutResult IsShortCut(TShortCut key);

    //! Hint := Caption|Caption for every action that is a TAction or derived from it.
    void ApplyHintRule();

    //! Unchecks every other action of the manager in the same radio group.
    void UncheckGroup(const TCustomAction &checked);

signals:
    //! An action was executed (after its handler ran).
    void ActionExecuted(TCustomAction *action);

private:
    QList<TCustomAction *> m_actions;
    TActionHost *m_host = nullptr;
};
