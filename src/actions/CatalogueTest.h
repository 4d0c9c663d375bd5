// The main window's command catalogue and bar design, as data tables.
#pragma once

#include "actions/ActnBars.h"
#include "actions/ShortCut.h"

#include <span>

class QObject;
class TActionManager;
class TFormVEXAMain;

enum class TActionKind {
    Action,
    FileOpen,
    FileSaveAs,
    PrintDlg,
    FileExit,
    HelpContents,
    WindowCascade,
    WindowTileHorizontal,
    WindowTileVertical,
    WindowMinimizeAll,
    WindowArrange,
    WindowClose,
    CustomizeActionBars,
};

//! A handler of the main window; the sender is the action.
using THandler = void (TFormVEXAMain::*)(QObject *Sender);

//! One action of a manager, in list order.
struct TActionRow
{
    const char *Name;
    TActionKind Kind;
    const char *Category;
    const char *Caption;
    const char *Hint;  // as the form stores it; "" for none
    int ImageIndex;
    TShortCut ShortCut;
    THandler OnExecute;
    THandler OnUpdate;
    THandler BeforeExecute;
    bool Enabled;
};

/*!
  One entry of a bar's design, in tree order. Level 0 is an entry of the bar
  itself (a top-level menu or a toolbar button), level 1 an entry of its
  drop-down menu, level 2 an entry of a submenu. Caption null: the action's
  caption shows; "-" with no action: a separator.
*/
struct TBarItemRow
{
    int Level;
    const char *Caption;
    const char *Action;
    int UsageCount;
};

//! One bar entry of the design.
struct TBarDesign
{
    const char *ActionBar;
    TChangesAllowed ChangesAllowed;
    TCaptionOptions CaptionOptions;
    bool HasContextItems;  // an (empty) context list with coNone
    std::span<const TBarItemRow> Items;
};

//! The 149 actions of ActionManagerTest, positions 0 to 148.
std::span<const TActionRow> ActionRowsTest();
//! The six bar entries of ActionManagerTest, in bar-entry order.
std::span<const TBarDesign> BarDesignsTest();

//! Creates the actions of `rows` (owned by `form`), binds their handlers and lists them in `manager`.
void CreateActions(TFormVEXAMain &form, TActionManager &manager, std::span<const TActionRow> rows);
/*!
  Builds bar entries from their design. Each item that points to an action
  takes the action's picture and shortcut. Throws std::runtime_error for a
  design that names an unknown action or skips a level.
*/
void BuildBars(TActionBars &bars, std::span<const TBarDesign> designs, const TActionManager &manager);
