// Actions: the named commands of a form, and the kinds of action the program uses.
#pragma once

#include "actions/ShortCut.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class TActionManager;
class TActionHost;

//! A handler bound to an action; the sender is the action itself.
using TNotifyEvent = std::function<void(QObject *Sender)>;

enum class THelpType { htKeyword, htContext };

/*!
  The common record of every action. Kinds derive from it as the class
  library they mirror does: TAction, the dialog actions and TFileExit are
  siblings, so "is a TAction" is a real class test (dynamic_cast).

  Setters emit Changed() only on a real change, so views can follow the
  model without the idle update turning into a busy loop.
*/
class TCustomAction : public QObject
{
    Q_OBJECT
public:
    explicit TCustomAction(QObject *owner = nullptr);
    ~TCustomAction() override;

    QString Name() const { return objectName(); }
    void SetName(const QString &name) { setObjectName(name); }

    QString Category() const { return m_category; }
    void SetCategory(const QString &v);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &v);
    QString Hint() const { return m_hint; }
    void SetHint(const QString &v);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int v);
    TShortCut ShortCut() const { return m_shortCut; }
    void SetShortCut(TShortCut v);
    QList<TShortCut> SecondaryShortCuts() const { return m_secondaryShortCuts; }
    void SetSecondaryShortCuts(const QList<TShortCut> &v);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool v);
    bool Checked() const { return m_checked; }
    void SetChecked(bool v);
    bool AutoCheck() const { return m_autoCheck; }
    void SetAutoCheck(bool v) { m_autoCheck = v; }
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int v);
    bool Visible() const { return m_visible; }
    void SetVisible(bool v);

    int HelpContext = 0;
    QString HelpKeyword;
    THelpType HelpType = THelpType::htKeyword;
    int Tag = 0;

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;
    TNotifyEvent OnHint;

    //! True when a key (with its modifiers) is this action's shortcut or a secondary one.
    bool HasShortCut(TShortCut key) const;

    //! The manager that lists this action (set by TActionManager::AddAction).
    TActionManager *ActionList() const { return m_actionList; }

    //! Whether an update that nobody takes disables the action (kind property).
    virtual bool DisablesWhenUnhandled() const { return false; }
    //! The kind's own update for a target; returns whether it took the update.
    virtual bool UpdateTarget(TActionHost *host);
    //! The kind's own execute behaviour; returns whether it took the command.
    virtual bool ExecuteTarget(TActionHost *host);

    //! Executes the action through its manager (or stand-alone when it has none).
    bool Execute();
    //! Updates the action through its manager (or stand-alone).
    bool Update();

signals:
    void Changed();

private:
    friend class TActionManager;
    QString m_category;
    QString m_caption;
    QString m_hint;
    int m_imageIndex = -1;
    TShortCut m_shortCut = 0;
    QList<TShortCut> m_secondaryShortCuts;
    bool m_enabled = true;
    bool m_checked = false;
    bool m_autoCheck = false;
    int m_groupIndex = 0;
    bool m_visible = true;
    TActionManager *m_actionList = nullptr;
};

//! The plain action: does nothing by itself and disables when nobody handles its update.
class TAction : public TCustomAction
{
    Q_OBJECT
public:
    using TCustomAction::TCustomAction;
    bool DisablesWhenUnhandled() const override { return true; }
};

//! Settings of a file dialog that a file action owns and keeps for the run.
struct TOpenDialogSettings
{
    QString FileName;
    QString Filter;
    int FilterIndex = 1;
    QString DefaultExt;
    QString InitialDir;
    QString Title;
    bool HideReadOnly = true;  // ofHideReadOnly
    bool EnableSizing = true;  // ofEnableSizing
};

//! Settings of the print dialog that a print action owns.
struct TPrintDialogSettings
{
    bool PrintToFileBox = false;  // poPrintToFile
    bool PrintToFile = false;     // the box's state after the last run
};

/*!
  A dialog action: runs BeforeExecute, shows its dialog modally through the
  host, then OnAccept or OnCancel.
*/
class TCommonDialogAction : public TCustomAction
{
    Q_OBJECT
public:
    using TCustomAction::TCustomAction;
    enum class TDialogKind { Open, Save, Print };
    virtual TDialogKind DialogKind() const = 0;
    bool ExecuteTarget(TActionHost *host) override;

    TNotifyEvent BeforeExecute;
    TNotifyEvent OnAccept;
    TNotifyEvent OnCancel;
};

class TFileAction : public TCommonDialogAction
{
    Q_OBJECT
public:
    using TCommonDialogAction::TCommonDialogAction;
    TOpenDialogSettings Dialog;
};

class TFileOpen : public TFileAction
{
    Q_OBJECT
public:
    using TFileAction::TFileAction;
    TDialogKind DialogKind() const override { return TDialogKind::Open; }
    bool UseDefaultApp = false;
};

class TFileSaveAs : public TFileAction
{
    Q_OBJECT
public:
    using TFileAction::TFileAction;
    TDialogKind DialogKind() const override { return TDialogKind::Save; }
};

class TPrintDlg : public TCommonDialogAction
{
    Q_OBJECT
public:
    using TCommonDialogAction::TCommonDialogAction;
    TDialogKind DialogKind() const override { return TDialogKind::Print; }
    TPrintDialogSettings Dialog;
};

//! Quits help and closes the main window.
class TFileExit : public TCustomAction
{
    Q_OBJECT
public:
    using TCustomAction::TCustomAction;
    bool ExecuteTarget(TActionHost *host) override;
};

//! Help actions start disabled.
class THelpAction : public TAction
{
    Q_OBJECT
public:
    explicit THelpAction(QObject *owner = nullptr);
    bool DisablesWhenUnhandled() const override { return false; }
};

class THelpContents : public THelpAction
{
    Q_OBJECT
public:
    using THelpAction::THelpAction;
    bool UpdateTarget(TActionHost *host) override;
    bool ExecuteTarget(TActionHost *host) override;
};

class TMDIFrame;

//! Window actions act on the multiple-document frame and follow its document count.
class TWindowAction : public TAction
{
    Q_OBJECT
public:
    explicit TWindowAction(QObject *owner = nullptr);
    bool DisablesWhenUnhandled() const override { return false; }
    bool UpdateTarget(TActionHost *host) override;
    bool ExecuteTarget(TActionHost *host) override;

protected:
    virtual bool EnabledFor(const TMDIFrame &frame) const;
    virtual void ExecuteOn(TMDIFrame &frame) = 0;
};

// The five arrangement kinds differ only in what they do to the frame.
#define VEXA_WINDOW_ACTION(Class)                   \
    class Class : public TWindowAction              \
    {                                               \
    public:                                         \
        using TWindowAction::TWindowAction;         \
                                                    \
    protected:                                      \
        void ExecuteOn(TMDIFrame &frame) override;  \
    };

VEXA_WINDOW_ACTION(TWindowCascade)
VEXA_WINDOW_ACTION(TWindowTileHorizontal)
VEXA_WINDOW_ACTION(TWindowTileVertical)
VEXA_WINDOW_ACTION(TWindowMinimizeAll)
VEXA_WINDOW_ACTION(TWindowArrange)
#undef VEXA_WINDOW_ACTION

class TWindowClose : public TWindowAction
{
    Q_OBJECT
public:
    using TWindowAction::TWindowAction;

protected:
    bool EnabledFor(const TMDIFrame &frame) const override;
    void ExecuteOn(TMDIFrame &frame) override;
};

//! Opens the customise dialog for its manager without waiting for it.
class TCustomizeActionBars : public TAction
{
    Q_OBJECT
public:
    explicit TCustomizeActionBars(QObject *owner = nullptr);
    //! Its target is its manager: while it has one the update is taken (and changes nothing).
    bool UpdateTarget(TActionHost *host) override;
    bool ExecuteTarget(TActionHost *host) override;

    struct TCustomizeDlgSettings
    {
        bool StayOnTop = false;
        TActionManager *ActionManager = nullptr;
    } CustomizeDlg;
    //! The manager whose bars are customised; its own manager when unset.
    TActionManager *ActionManager = nullptr;
};

//! The "short|long" parts of a hint: short is the tool tip, long the status-bar text.
QString GetShortHint(const QString &hint);
QString GetLongHint(const QString &hint);
//! Tool tip of a control that shows the action: short hint plus " (shortcut)".
QString ActionToolTip(const TCustomAction &action);
