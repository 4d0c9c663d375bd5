// The catalogues of the main window's three small managers: checklist tasks, dialog panel, equipment.
#include "mainwindow/ChecklistPanel.h"
#include "mainwindow/DialogPanel.h"
#include "mainwindow/FVEXAMain.h"

namespace {

using K = TActionKind;
using F = TFormVEXAMain;
using C = TChecklistItemColor;

constexpr TShortCut Ctrl = ShortCutBits::scCtrl;

// clang-format off
/*
  The tasks of the checklist. The captions "Decices" and "Transducer factor
  measurement" differ from the tree's texts; they are kept as designed, since
  nothing shows these actions. All eleven tasks share radio group 1, with the
  Immunity test checked.
  Columns: name, category, caption, enabled, auto-check, group, checked.
*/
constexpr TChecklistActionRow ChecklistRows[] = {
    {"ActionEMS",                "Immunity", "Immunity:",                     false, false, 0, false},
    {"ActionEMSDevices",         "Immunity", "Decices",                       true,  true,  1, false},
    {"ActionEMSCalibrate",       "Immunity", "Calibration",                   true,  true,  1, false},
    {"ActionEMSFieldUniformity", "Immunity", "Field uniformity",              true,  true,  1, false},
    {"ActionEMSTest",            "Immunity", "Test",                          true,  true,  1, true},
    {"ActionEMSTransducer",      "Immunity", "Transducer factor measurement", true,  true,  1, false},
    {"ActionEMSDocumentation",   "Immunity", "Documentation",                 true,  true,  1, false},
    {"ActionEMI",                "Emission", "Emission:",                     false, false, 0, false},
    {"ActionEMIDevices",         "Emission", "Decices",                       true,  true,  1, false},
    {"ActionEMITest",            "Emission", "Test",                          true,  true,  1, false},
    {"ActionEMITransducer",      "Emission", "Transducer factor measurement", true,  true,  1, false},
    {"ActionEMIAntennadiagram",  "Emission", "Antenna diagram",               true,  true,  1, false},
    {"ActionEMIDocumentation",   "Emission", "Documentation",                 true,  true,  1, false},
};

// The one bar entry of the checklist manager: the headings in the button-shadow colour, the Immunity tasks locked.
constexpr TChecklistBarItemRow ChecklistBarItems[] = {
    {"ActionEMS",                C::ButtonShadow, caAll},
    {"ActionEMSDevices",         C::Bar,          0},
    {"ActionEMSCalibrate",       C::Bar,          0},
    {"ActionEMSFieldUniformity", C::Bar,          0},
    {"ActionEMSTest",            C::Bar,          0},
    {"ActionEMSTransducer",      C::Bar,          0},
    {"ActionEMSDocumentation",   C::Bar,          0},
    {nullptr,                    C::Bar,          caAll},
    {"ActionEMI",                C::ButtonShadow, caAll},
    {"ActionEMIDevices",         C::Bar,          caAll},
    {"ActionEMITest",            C::Bar,          caAll},
    {"ActionEMITransducer",      C::Bar,          caAll},
    {"ActionEMIAntennadiagram",  C::Bar,          caAll},
    {"ActionEMIDocumentation",   C::Bar,          caAll},
};

/*
  The dialog panel's own actions. Each has an execute handler, so the idle
  update keeps them enabled; the picture numbers show nowhere, since the
  manager has no image list.
*/
constexpr TActionRow DialogRows[] = {
    {"ActionDialogLoad",             K::Action, "", "ActionDialogLoad",       "Load settings of this window from a file",           7,        0, &F::ActionDialogLoadExecute,             nullptr, nullptr, true},
    {"ActionDialogSave",             K::Action, "", "ActionDialogSave",       "Save settings of this window into a file",           8,        0, &F::ActionDialogSaveExecute,             nullptr, nullptr, true},
    {"ActionDialogLock",             K::Action, "", "ActionDialogLock",       "Disable / reenable features of this window",         46,       0, &F::ActionDialogLockExecute,             nullptr, nullptr, true},
    {"ActionDialogStepByStep",       K::Action, "", "ActionDialogStepByStep", "Guide through this window step by step",             47,       0, &F::ActionDialogStepByStepExecute,       nullptr, nullptr, true},
    {"ActionDialogOk",               K::Action, "", "OK",                     "Apply settings and close window",                    -1,       0, &F::ActionDialogOkExecute,               nullptr, nullptr, true},
    {"ActionDialogCancel",           K::Action, "", "Cancel",                 "Do not apply settings and close window",             -1,       0, &F::ActionDialogCancelExecute,           nullptr, nullptr, true},
    {"ActionDialogHelp",             K::Action, "", "Help",                   "",                                                   -1, VK::F(1), &F::ActionDialogHelpExecute,             nullptr, nullptr, true},
    {"ActionDialogBack",             K::Action, "", "Back",                   "Go back one step",                                   26,       0, &F::ActionDialogBackExecute,             nullptr, nullptr, true},
    {"ActionDialogNext",             K::Action, "", "Next",                   "Go forward one step",                                24,       0, &F::ActionDialogNextExecute,             nullptr, nullptr, true},
    {"ActionDialogCancelStepByStep", K::Action, "", "Cancel",                 "Do not apply and loose settings and close window",   18,       0, &F::ActionDialogCancelStepByStepExecute, nullptr, nullptr, true},
};

// Shown by no control and without handlers: the first update of either one disables it.
constexpr TActionRow EquipmentRows[] = {
    {"ActionLevelOptions", K::Action, "Leistung", "Power options for levelling...", "", -1, 0,               nullptr, nullptr, nullptr, true},
    {"ActionPresetAll",    K::Action, "Geräte",   "Reset all devices to default",   "", -1, Ctrl | VK::F(8), nullptr, nullptr, nullptr, true},
};
// clang-format on

} // namespace

std::span<const TChecklistActionRow> ActionRowsChecklist()
{
    return ChecklistRows;
}

std::span<const TChecklistBarItemRow> BarItemsChecklist()
{
    return ChecklistBarItems;
}

int StoredSessionCountChecklist()
{
    return 19;
}

std::span<const TActionRow> ActionRowsDialog()
{
    return DialogRows;
}

std::span<const TActionRow> ActionRowsEquipment()
{
    return EquipmentRows;
}
