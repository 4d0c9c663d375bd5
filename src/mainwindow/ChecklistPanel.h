// The checklist panel at the left of the main window, its task manager, and the small controls both side panels use.
#pragma once

#include "actions/ActnBars.h"
#include "actions/ActnList.h"
#include "mainwindow/AlignLayout.h"
#include "mainwindow/Panel.h"

#include <QPointer>
#include <QToolButton>

#include <span>

class TFormVEXAMain;

/*!
  A panel that draws its caption and reports every change of its size,
  including the first one. The caption stands inside the bevels, centred
  vertically.
*/
class TCaptionPanel : public TPanel
{
    Q_OBJECT
public:
    explicit TCaptionPanel(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    //! Horizontal placement of the caption.
    Qt::Alignment Alignment = Qt::AlignHCenter;

    TNotifyEvent OnResize;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_caption;
};

/*!
  A flat button that never takes the focus and shows an action: the
  action's caption and enabled state, its hint as tool tip (when ShowHint is
  on) and as status-bar text. A click executes the action. Like any control
  bound to an action, it takes each property over only when the action's
  value of it changes, so a caption the button was given itself stays until
  the action's caption changes.

  Align puts the button into its parent's TAlignLayout on that side; buttons
  aligned to one side stand in the order they were aligned, the first one at
  the edge.
*/
class TSpeedButton : public QToolButton
{
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget *parent = nullptr);

    TCustomAction *Action() const { return m_action; }
    void SetAction(TCustomAction *action);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);

    void SetGlyph(const QIcon &glyph) { setIcon(glyph); }
    //! Pixels between the glyph and the caption.
    int Spacing = 4;

    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool on);
    //! Opaque buttons paint the button face behind their glyph; transparent ones show the parent.
    void SetTransparent(bool on) { setAutoFillBackground(!on); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void FollowAction(bool all);

    QPointer<TCustomAction> m_action;
    QMetaObject::Connection m_changed;
    QString m_caption;
    TAlign m_align = TAlign::alNone;
    bool m_showHint = false;
    // The action's values last taken over.
    QString m_actionCaption;
    bool m_actionEnabled = true;
    bool m_actionVisible = true;
};

//! One action of ActionManagerChecklist: a task, or the disabled heading of its group.
struct TChecklistActionRow
{
    const char *Name;
    const char *Category;
    const char *Caption;
    bool Enabled;
    bool AutoCheck;
    int GroupIndex;
    bool Checked;
};

//! The two colours an entry of the checklist bar entry can have.
enum class TChecklistItemColor { Bar, ButtonShadow };

//! One item of the checklist manager's bar entry; a null action is a separator.
struct TChecklistBarItemRow
{
    const char *Action;
    TChecklistItemColor Color;
    TChangesAllowed ChangesAllowed;
};

//! The thirteen actions of ActionManagerChecklist, in list order.
std::span<const TChecklistActionRow> ActionRowsChecklist();
//! The items of its one bar entry, which names no bar.
std::span<const TChecklistBarItemRow> BarItemsChecklist();
//! The run counter the checklist manager's bar design stores.
int StoredSessionCountChecklist();

//! Builds the checklist panel and the dialog panel onto the main window and fills the three small managers.
void CreatePanels(TFormVEXAMain &form);
//! Builds the header and the tree of PanelChecklist.
void CreateChecklistPanel(TFormVEXAMain &form);
//! Creates the actions of ActionManagerChecklist and its bar entry.
void CreateChecklistActions(TFormVEXAMain &form);
