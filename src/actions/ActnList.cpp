#include "actions/ActnList.h"

#include "actions/ActionHost.h"
#include "actions/ActnMan.h"

TCustomAction::TCustomAction(QObject *owner) : QObject(owner) {}

TCustomAction::~TCustomAction() = default;

#define VEXA_SETTER(Setter, member)        \
    void TCustomAction::Setter(decltype(member) v) \
    {                                       \
        if (member == v)                    \
            return;                         \
        member = v;                         \
        emit Changed();                     \
    }

void TCustomAction::SetCategory(const QString &v)
{
    if (m_category == v)
        return;
    m_category = v;
    emit Changed();
}

void TCustomAction::SetCaption(const QString &v)
{
    if (m_caption == v)
        return;
    m_caption = v;
    emit Changed();
}

void TCustomAction::SetHint(const QString &v)
{
    if (m_hint == v)
        return;
    m_hint = v;
    emit Changed();
}

void TCustomAction::SetSecondaryShortCuts(const QList<TShortCut> &v)
{
    if (m_secondaryShortCuts == v)
        return;
    m_secondaryShortCuts = v;
    emit Changed();
}

VEXA_SETTER(SetImageIndex, m_imageIndex)
VEXA_SETTER(SetShortCut, m_shortCut)
VEXA_SETTER(SetEnabled, m_enabled)
VEXA_SETTER(SetGroupIndex, m_groupIndex)
VEXA_SETTER(SetVisible, m_visible)
#undef VEXA_SETTER

void TCustomAction::SetChecked(bool v)
{
    if (m_checked == v)
        return;
    m_checked = v;
    if (v && m_actionList)
        m_actionList->UncheckGroup(*this);
    emit Changed();
}

bool TCustomAction::HasShortCut(TShortCut key) const
{
    return key != 0 && (m_shortCut == key || m_secondaryShortCuts.contains(key));
}

bool TCustomAction::UpdateTarget(TActionHost *)
{
    return false;
}

bool TCustomAction::ExecuteTarget(TActionHost *)
{
    return false;
}

bool TCustomAction::Execute()
{
    if (m_actionList)
        return m_actionList->ExecuteAction(*this);
    TActionManager standalone;
    return standalone.ExecuteAction(*this);
}

bool TCustomAction::Update()
{
    if (m_actionList)
        return m_actionList->UpdateAction(*this);
    TActionManager standalone;
    return standalone.UpdateAction(*this);
}

bool TCommonDialogAction::ExecuteTarget(TActionHost *host)
{
    if (!host)
        return false;
    if (BeforeExecute)
        BeforeExecute(this);
    if (host->RunDialog(*this)) {
        if (OnAccept)
            OnAccept(this);
    } else if (OnCancel) {
        OnCancel(this);
    }
    return true;
}

bool TFileExit::ExecuteTarget(TActionHost *host)
{
    if (!host)
        return false;
    host->QuitHelp();
    host->CloseMainForm();
    return true;
}

THelpAction::THelpAction(QObject *owner) : TAction(owner)
{
    SetEnabled(false);
}

bool THelpContents::UpdateTarget(TActionHost *host)
{
    if (!host)
        return false;
    SetEnabled(true);
    return true;
}

bool THelpContents::ExecuteTarget(TActionHost *host)
{
    if (!host)
        return false;
    host->ShowHelpContents();
    return true;
}

TWindowAction::TWindowAction(QObject *owner) : TAction(owner)
{
    SetEnabled(false);
}

bool TWindowAction::UpdateTarget(TActionHost *host)
{
    TMDIFrame *frame = host ? host->FindMDIFrame() : nullptr;
    if (!frame)
        return false;
    SetEnabled(EnabledFor(*frame));
    return true;
}

bool TWindowAction::ExecuteTarget(TActionHost *host)
{
    TMDIFrame *frame = host ? host->FindMDIFrame() : nullptr;
    if (!frame)
        return false;
    ExecuteOn(*frame);
    return true;
}

bool TWindowAction::EnabledFor(const TMDIFrame &frame) const
{
    return frame.MDIChildCount() > 0;
}

void TWindowCascade::ExecuteOn(TMDIFrame &frame) { frame.Cascade(); }
void TWindowTileHorizontal::ExecuteOn(TMDIFrame &frame) { frame.TileHorizontal(); }
void TWindowTileVertical::ExecuteOn(TMDIFrame &frame) { frame.TileVertical(); }
void TWindowMinimizeAll::ExecuteOn(TMDIFrame &frame) { frame.MinimizeAll(); }
void TWindowArrange::ExecuteOn(TMDIFrame &frame) { frame.ArrangeIcons(); }

bool TWindowClose::EnabledFor(const TMDIFrame &frame) const
{
    return frame.HasActiveMDIChild();
}

void TWindowClose::ExecuteOn(TMDIFrame &frame)
{
    frame.CloseActiveChild();
}

TCustomizeActionBars::TCustomizeActionBars(QObject *owner) : TAction(owner)
{
    SetCaption(QStringLiteral("&Customize"));
}

bool TCustomizeActionBars::UpdateTarget(TActionHost *host)
{
    return host && (ActionManager || ActionList());
}

bool TCustomizeActionBars::ExecuteTarget(TActionHost *host)
{
    TActionManager *manager = ActionManager ? ActionManager : ActionList();
    if (!host || !manager)
        return false;
    host->ShowCustomizeDialog(*manager, CustomizeDlg.StayOnTop);
    return true;
}

QString GetShortHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString GetLongHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString ActionToolTip(const TCustomAction &action)
{
    const QString tip = GetShortHint(action.Hint());
    if (tip.isEmpty() || action.ShortCut() == 0)
        return tip;
    return QStringLiteral("%1 (%2)").arg(tip, ShortCutToText(action.ShortCut()));
}
