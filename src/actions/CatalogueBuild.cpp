// Turns the catalogue and bar design tables into actions and bar entries.
#include "actions/ActnMan.h"
#include "actions/CatalogueTest.h"
#include "mainwindow/FVEXAMain.h"

#include <stdexcept>

namespace {

TCustomAction *MakeAction(TActionKind kind, QObject *owner)
{
    switch (kind) {
    case TActionKind::Action: return new TAction(owner);
    case TActionKind::FileOpen: return new TFileOpen(owner);
    case TActionKind::FileSaveAs: return new TFileSaveAs(owner);
    case TActionKind::PrintDlg: return new TPrintDlg(owner);
    case TActionKind::FileExit: return new TFileExit(owner);
    case TActionKind::HelpContents: return new THelpContents(owner);
    case TActionKind::WindowCascade: return new TWindowCascade(owner);
    case TActionKind::WindowTileHorizontal: return new TWindowTileHorizontal(owner);
    case TActionKind::WindowTileVertical: return new TWindowTileVertical(owner);
    case TActionKind::WindowMinimizeAll: return new TWindowMinimizeAll(owner);
    case TActionKind::WindowArrange: return new TWindowArrange(owner);
    case TActionKind::WindowClose: return new TWindowClose(owner);
    case TActionKind::CustomizeActionBars: return new TCustomizeActionBars(owner);
    }
    throw std::logic_error("unknown action kind");
}

TNotifyEvent Bind(TFormVEXAMain &form, THandler handler)
{
    if (!handler)
        return {};
    return [&form, handler](QObject *sender) { (form.*handler)(sender); };
}

} // namespace

void CreateActions(TFormVEXAMain &form, TActionManager &manager, std::span<const TActionRow> rows)
{
    for (const TActionRow &row : rows) {
        TCustomAction *action = MakeAction(row.Kind, &form);
        action->SetName(QString::fromLatin1(row.Name));
        action->SetCategory(QString::fromUtf8(row.Category));
        action->SetCaption(QString::fromUtf8(row.Caption));
        action->SetHint(QString::fromUtf8(row.Hint));
        action->SetImageIndex(row.ImageIndex);
        action->SetShortCut(row.ShortCut);
        action->SetEnabled(row.Enabled);
        action->OnExecute = Bind(form, row.OnExecute);
        action->OnUpdate = Bind(form, row.OnUpdate);
        if (auto *dialogAction = dynamic_cast<TCommonDialogAction *>(action))
            dialogAction->BeforeExecute = Bind(form, row.BeforeExecute);
        else if (row.BeforeExecute)
            throw std::logic_error(std::string("before-execute handler on a kind without one: ") + row.Name);
        manager.AddAction(action);
    }
}

void BuildBars(TActionBars &bars, std::span<const TBarDesign> designs, const TActionManager &manager)
{
    bars.Clear();
    for (const TBarDesign &design : designs) {
        TActionBarItem &bar = bars.Add();
        bar.ActionBar = QString::fromLatin1(design.ActionBar);
        bar.ChangesAllowed = design.ChangesAllowed;
        bar.Items().CaptionOptions = design.CaptionOptions;
        if (design.HasContextItems)
            bar.EnsureContextItems().CaptionOptions = TCaptionOptions::coNone;
        // The list each level adds to: [0] the bar's own, [n] the last entry of level n-1.
        std::vector<TActionClients *> lists{&bar.Items()};
        for (const TBarItemRow &row : design.Items) {
            if (row.Level < 0 || size_t(row.Level) >= lists.size())
                throw std::runtime_error(std::string("bar design skips a level in ") + design.ActionBar);
            lists.resize(size_t(row.Level) + 1);
            TActionClientItem &item = lists.back()->Add();
            if (row.Caption)
                item.Caption = QString::fromUtf8(row.Caption);
            if (row.Action) {
                TCustomAction *action = manager.FindAction(QString::fromLatin1(row.Action));
                if (!action)
                    throw std::runtime_error(std::string("bar design names an unknown action: ") + row.Action);
                item.Action = action;
                item.ImageIndex = action->ImageIndex();
                item.ShortCut = action->ShortCut();
            }
            item.UsageCount = row.UsageCount;
            lists.push_back(&item.Items());
        }
    }
    bars.NotifyChanged();
}
