// The action manager: lists actions in a fixed order, executes and updates them, takes shortcut keys.
#pragma once

#include "actions/ShortCut.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <stdexcept>

class TCustomAction;
class TActionBars;
class TActionHost;
class TImageList;

//! The layout file could not be opened for reading.
class ELayoutOpenError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

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

    //! The bar entries of the manager (owned).
    TActionBars &ActionBars() const { return *m_actionBars; }

    TImageList *Images = nullptr;
    //! How the layout file names the image list.
    QString ImagesName;
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

    /*!
      Replaces the bar entries with those of a layout file. A file that
      cannot be opened throws ELayoutOpenError and changes nothing. Content
      that is not a complete layout of this program leaves the entries as
      they were and asks whether to delete the file; it returns normally.
      The entries in force before the read are kept as the bars' design.
    */
    void LoadLayoutFromFile(const QString &path);
    /*!
      Writes the bar entries to a layout file, replacing it as a whole or not
      at all. Failure shows "Unable to save settings" and returns normally.
    */
    void SaveLayoutToFile(const QString &path);
    //! The design taken when a layout file was read; null when none was.
    const TActionBars *DefaultBars() const { return m_defaultBars.get(); }
    //! Puts a bar entry back to its design; does nothing without a design copy.
    bool ResetActionBar(const QString &barName);

    //! Unchecks every other action of the manager in the same radio group.
    void UncheckGroup(const TCustomAction &checked);

signals:
    //! An action was executed (after its handler ran).
    void ActionExecuted(TCustomAction *action);

private:
    QList<TCustomAction *> m_actions;
    TActionHost *m_host = nullptr;
    TActionBars *m_actionBars;
    std::unique_ptr<TActionBars> m_defaultBars;
};
