// The main window: the multiple-document frame with its bars, checklist and dialog panel.
#pragma once

#include "actions/ActionHost.h"
#include "actions/ActnList.h"
#include "shell/TickCount.h"

#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMenu;
class QStatusBar;
class TActionMainMenuBar;
class TActionManager;
class TActionToolBar;
class TAlignLayout;
class TCoolBar;
class TCustomizeDlg;
class TFrameImageList;
class TPanel;
class TSplitter;
class TCaptionPanel;
class TSpeedButton;
class TTopSplitter;
class QTextEdit;
class QTreeWidget;

class TFormVEXAMain : public QMainWindow, public TActionHost, public TMDIFrame
{
    Q_OBJECT
public:
    explicit TFormVEXAMain(QWidget *parent = nullptr);
    ~TFormVEXAMain() override;

    // Controls, in the order they are made.
    TSplitter *SplitterChecklist = nullptr;
    QStatusBar *StatusBar = nullptr;
    TCoolBar *CoolBarTest = nullptr;
    TPanel *PanelChecklist = nullptr;
    TPanel *Panel1 = nullptr;
    TPanel *PanelDialog = nullptr;
    QMdiArea *MDIClient = nullptr;  // the document area
    TFrameImageList *FrameImageList1 = nullptr;

    // The checklist panel's controls (in PanelChecklist).
    TCaptionPanel *PanelChecklistHeader = nullptr;
    TSpeedButton *ButtonChecklistHide = nullptr;
    QTreeWidget *TreeViewChecklist = nullptr;

    // The dialog panel's controls (in PanelDialog), rows and their buttons.
    TTopSplitter *Splitter3 = nullptr;
    TPanel *PanelDialogInterface = nullptr;
    TPanel *PanelDialogHelp = nullptr;
    QTextEdit *RichEditDialog = nullptr;
    TCaptionPanel *PanelDialogButtons = nullptr;
    TSpeedButton *ButtonLoad = nullptr;
    TSpeedButton *ButtonSave = nullptr;
    TSpeedButton *ButtonLock = nullptr;
    TSpeedButton *ButtonStepByStep = nullptr;
    TSpeedButton *ButtonOK = nullptr;
    TSpeedButton *ButtonCancel = nullptr;
    TSpeedButton *ButtonHelp = nullptr;
    TCaptionPanel *PanelDialogStepByStepButtons = nullptr;
    TSpeedButton *ButtonAbort = nullptr;
    TSpeedButton *ButtonContinue = nullptr;
    TSpeedButton *ButtonBack = nullptr;
    TCaptionPanel *PanelDialogCaption = nullptr;
    TSpeedButton *ButtonDialogHide = nullptr;

    TActionMainMenuBar *MenuBarTest = nullptr;
    TActionToolBar *ActionToolBarStandard = nullptr;
    TActionToolBar *ActionToolBarSweep = nullptr;
    TActionToolBar *ActionToolBarCurves = nullptr;
    TActionToolBar *ActionToolBarMarker = nullptr;
    TActionToolBar *ActionToolBarSetLevelAndFrequency = nullptr;

    // Non-visual components.
    TActionManager *ActionManagerTest = nullptr;
    TOpenDialogSettings OpenDialog;
    TActionManager *ActionManagerChecklist = nullptr;
    TActionManager *ActionManagerDialog = nullptr;
    TActionManager *ActionManagerEquipment = nullptr;
    QMenu *PopupMenuTest = nullptr;

    //! The form hosted in the dialog panel; not owned.
    //! Cleared by itself when the hosted form goes, also while this window is being destroyed.
    QPointer<QWidget> FDialogForm;
    //! Hides the dialog panel and the hosted form, and lets the form go, even when hiding fails.
    void CloseDialogPanel();
    //! Closes the dialog panel when the hosted form's close query agrees; a failure is ignored.
    void ConfirmDialogPanel();

    //! The customise dialog, once it was opened; null before.
    TCustomizeDlg *CustomizeDlg() const { return m_customizeDlg; }

    //! The strip layout of the client area (spacer, checklist, splitter, dialog panel, documents).
    TAlignLayout *ClientLayout() const { return m_clientLayout; }

    //! The bars belong to the cool bar: a right click on them opens no menu.
    QMenu *createPopupMenu() override { return nullptr; }

    //! Opens a document window of that name, showing the file of that name if there is one.
    void OpenDocumentWindow(const QString &name);

    //! The action-bar layout file: "VEXA.act" in the program's directory.
    static QString LayoutFilePath();
    //! Where the program's directory comes from; tests point it at a directory of their own.
    static QString (*ProgramPath)();

    //! How long the splash stands at least, counted from the start of FormCreate.
    static constexpr std::uint32_t SplashMinimumMs = 3000;
    //! The clock of the start-up wait; tests replace it.
    static TStartupClock StartupClock;

    // Form events.
    void FormCreate(QObject *Sender);
    void FormCloseQuery(QObject *Sender, bool &CanClose);

    // TActionHost
    TMDIFrame *FindMDIFrame() override { return this; }
    bool RunDialog(TCommonDialogAction &action) override;
    void QuitHelp() override {}
    void CloseMainForm() override;
    void ShowHelpContents() override {}
    void ShowCustomizeDialog(TActionManager &manager, bool stayOnTop) override;
    //! The owner of this window's message boxes: itself once shown, else none (centred on the screen).
    QWidget *DialogParent();
    bool ErrorQuestion(const QString &text) override;
    void ShowMessage(const QString &text) override;

    // TMDIFrame
    int MDIChildCount() const override;
    bool HasActiveMDIChild() const override;
    void Cascade() override;
    void TileHorizontal() override;
    void TileVertical() override;
    void MinimizeAll() override;
    void ArrangeIcons() override;
    void CloseActiveChild() override;

    // Action handlers, bound by the catalogue.
    void ActionEnglishExecute(QObject *Sender);
    void ActionCurvesInWindowExecute(QObject *Sender);
    void ActionMarkerPeakMinExecute(QObject *Sender);
    void ActionViewRefreshExecute(QObject *Sender);
    void ActionWindowNewExecute(QObject *Sender);
    void ActionSweepPowerOnOffExecute(QObject *Sender);
    void ActionParamsSelectStandardExecute(QObject *Sender);
    void ActionCurveNewEUTExecute(QObject *Sender);
    void ActionToolbarsStandardExecute(QObject *Sender);
    void ActionToolbarsStandardUpdate(QObject *Sender);
    void ActionGermanExecute(QObject *Sender);
    void ActionHelpContentsExecute(QObject *Sender);
    void ActionHelpTipsExecute(QObject *Sender);
    void ActionHelpTutorialExecute(QObject *Sender);
    void ActionHelpChecklistExecute(QObject *Sender);
    void ActionAboutVEXAExecute(QObject *Sender);
    void ActionFileOpenSetupBeforeExecute(QObject *Sender);
    void ActionFileSaveSetupAsBeforeExecute(QObject *Sender);
    void ActionFileSaveSetupAsDefaultExecute(QObject *Sender);
    void ActionFileOpenSetupDefaultExecute(QObject *Sender);
    void ActionFilePresetSetupExecute(QObject *Sender);
    void ActionFileOpenCurveBeforeExecute(QObject *Sender);
    void ActionFileOpenAndInsertCurveBeforeExecute(QObject *Sender);
    void ActionFileSaveCurveAsBeforeExecute(QObject *Sender);
    void ActionFileSaveAllCurvesInActiveWindowExecute(QObject *Sender);
    void ActionFileSaveAllCurvesExecute(QObject *Sender);
    void ActionFileCurveQuickSaveModeExecute(QObject *Sender);
    void ActionFileDefaultPathExecute(QObject *Sender);
    void ActionPrintPreviewExecute(QObject *Sender);
    void ActionPlotExecute(QObject *Sender);
    void ActionPlotActiveCurveExecute(QObject *Sender);
    void ActionPlotPauseExecute(QObject *Sender);
    void ActionPlotContinueExecute(QObject *Sender);
    void ActionPlotRepeatExecute(QObject *Sender);
    void ActionPlotHPGLIntoFileExecute(QObject *Sender);
    void ActionPlotCopyToClipboardExecute(QObject *Sender);
    void ActionUserLoginExecute(QObject *Sender);
    void ActionParamsFrequencyExecute(QObject *Sender);
    void ActionParamsLevelExecute(QObject *Sender);
    void ActionParamsModulationExecute(QObject *Sender);
    void ActionParamsModOnOffExecute(QObject *Sender);
    void ActionParamsLimitStrengthExecute(QObject *Sender);
    void ActionParamsLimitPowerExecute(QObject *Sender);
    void ActionParamsEUTMonitoringExecute(QObject *Sender);
    void ActionParamsEUTCheckExecute(QObject *Sender);
    void ActionParamsEUTResetExecute(QObject *Sender);
    void ActionSweepEmergencyPowerOffExecute(QObject *Sender);
    void ActionSweepStartExecute(QObject *Sender);
    void ActionSweepContinueExecute(QObject *Sender);
    void ActionSweepMacroEditExecute(QObject *Sender);
    void ActionSweepMacroStartExecute(QObject *Sender);
    void ActionSweepMacroContinueExecute(QObject *Sender);
    void ActionSweepStopExecute(QObject *Sender);
    void ActionMarkerPeakLeftExecute(QObject *Sender);
    void ActionMarkerPeakRightExecute(QObject *Sender);
    void ActionMarkerPeakUpExecute(QObject *Sender);
    void ActionMarkerPeakDownExecute(QObject *Sender);
    void ActionMarkerMousePeakCatchExecute(QObject *Sender);
    void ActionMarkerTrackExecute(QObject *Sender);
    void ActionMarkerDiagcrossExecute(QObject *Sender);
    void ActionMarkerCrossExecute(QObject *Sender);
    void ActionMarkerTriangleExecute(QObject *Sender);
    void ActionMarkerCircleExecute(QObject *Sender);
    void ActionMarkerTExecute(QObject *Sender);
    void ActionMarkerHideActiveExecute(QObject *Sender);
    void ActionMarkerHideAllExecute(QObject *Sender);
    void ActionMarkerShowXExecute(QObject *Sender);
    void ActionMarkerShowYExecute(QObject *Sender);
    void ActionCurveInsertPointExecute(QObject *Sender);
    void ActionCurveInsertCommentExecute(QObject *Sender);
    void ActionCurveShowCommentsExecute(QObject *Sender);
    void ActionCurveCommentsExecute(QObject *Sender);
    void ActionCurveCopyExecute(QObject *Sender);
    void ActionCurveDeleteExecute(QObject *Sender);
    void ActionCurveFreezeExecute(QObject *Sender);
    void ActionCurveMathExecute(QObject *Sender);
    void ActionViewGridlinesExecute(QObject *Sender);
    void ActionViewColorsAndLinesExecute(QObject *Sender);
    void ActionViewCurveAsLineExecute(QObject *Sender);
    void ActionViewCurveAsSpectrumExecute(QObject *Sender);
    void ActionViewCurveAsCrossTickMarksExecute(QObject *Sender);
    void ActionViewCurveAsListExecute(QObject *Sender);
    void ActionViewFrequencyExecute(QObject *Sender);
    void ActionViewLevelExecute(QObject *Sender);
    void ActionViewZoomExecute(QObject *Sender);
    void ActionViewUnzoomExecute(QObject *Sender);
    void ActionViewLevelDisplayExecute(QObject *Sender);
    void ActionViewChecklistShowExecute(QObject *Sender);
    void ActionViewChecklistHideExecute(QObject *Sender);
    void ActionWindowCloseAllExecute(QObject *Sender);
    void ActionCurveEUT1Execute(QObject *Sender);
    void ActionCurveEUT2Execute(QObject *Sender);
    void ActionCurveEUT3Execute(QObject *Sender);
    void ActionCurveEUT4Execute(QObject *Sender);
    void ActionCurveNewLimitEUTExecute(QObject *Sender);
    void ActionCurveLimitEUTExecute(QObject *Sender);
    void ActionCurveLimitPowrForwAntExecute(QObject *Sender);
    void ActionCurveLimitPowerReflAntExecute(QObject *Sender);
    void ActionCurveLimitPowerNetAntExecute(QObject *Sender);
    void ActionCurveLimitVSWRAntExecute(QObject *Sender);
    void ActionCurveLimitPowrForwAmplExecute(QObject *Sender);
    void ActionCurveLimitPowerReflAmplExecute(QObject *Sender);
    void ActionCurveLimitVSWRAmplExecute(QObject *Sender);
    void ActionCurveLimitPowerGenExecute(QObject *Sender);
    void ActionCurvePowerForwAntExecute(QObject *Sender);
    void ActionCurvePowerReflAntExecute(QObject *Sender);
    void ActionCurvePowerNetAntExecute(QObject *Sender);
    void ActionCurveVSWRAntExecute(QObject *Sender);
    void ActionCurvePowerOutAntExecute(QObject *Sender);
    void ActionCurvePowerForwAmplExecute(QObject *Sender);
    void ActionCurvePowerReflAmplExecute(QObject *Sender);
    void ActionCurveVSWRAmplExecute(QObject *Sender);
    void ActionCurveGainAmplExecute(QObject *Sender);
    void ActionCurvePowerGenExecute(QObject *Sender);
    void ActionCurveLevelCalcExecute(QObject *Sender);
    void ActionCurveEFieldExecute(QObject *Sender);
    void ActionCurveHFieldExecute(QObject *Sender);
    void ActionCurveRFCurrentExecute(QObject *Sender);
    void ActionCurveRFVoltageExecute(QObject *Sender);
    void ActionCurvesEUTCheckExecute(QObject *Sender);
    void ActionCurveMoreExecute(QObject *Sender);
    void ActionToolbarsSweepExecute(QObject *Sender);
    void ActionToolbarsSweepUpdate(QObject *Sender);
    void ActionToolbarsLevelAndFrequencyExecute(QObject *Sender);
    void ActionToolbarsLevelAndFrequencyUpdate(QObject *Sender);
    void ActionToolbarsMarkerExecute(QObject *Sender);
    void ActionToolbarsMarkerUpdate(QObject *Sender);
    void ActionToolbarsCurveExecute(QObject *Sender);
    void ActionToolbarsCurveUpdate(QObject *Sender);
    void ActionFrequencySetExecute(QObject *Sender);
    void ActionFrequencyMinExecute(QObject *Sender);
    void ActionFrequency5DownExecute(QObject *Sender);
    void ActionFrequencyCurvepointDownExecute(QObject *Sender);
    void ActionFrequencyDownExecute(QObject *Sender);
    void ActionFrequencyUpExecute(QObject *Sender);
    void ActionFrequencyCurvepointUpExecute(QObject *Sender);
    void ActionFrequency5UpExecute(QObject *Sender);
    void ActionFrequencyMaxExecute(QObject *Sender);
    void ActionLevelSetExecute(QObject *Sender);
    void ActionLevelMinExecute(QObject *Sender);
    void ActionLevel5DownExecute(QObject *Sender);
    void ActionLevelDownExecute(QObject *Sender);
    void ActionLevelUpExecute(QObject *Sender);
    void ActionLevel5UpExecute(QObject *Sender);
    void ActionLevelMaxExecute(QObject *Sender);
    void ActionViewCustomizeExecute(QObject *Sender);

    // Resize handlers of the side panels' rows.
    void PanelChecklistHeaderResize(QObject *Sender);
    void PanelDialogCaptionResize(QObject *Sender);
    void PanelDialogButtonsResize(QObject *Sender);
    void PanelDialogStepByStepButtonsResize(QObject *Sender);

    // Handlers of ActionManagerDialog.
    void ActionDialogLoadExecute(QObject *Sender);
    void ActionDialogSaveExecute(QObject *Sender);
    void ActionDialogLockExecute(QObject *Sender);
    void ActionDialogStepByStepExecute(QObject *Sender);
    void ActionDialogOkExecute(QObject *Sender);
    void ActionDialogCancelExecute(QObject *Sender);
    void ActionDialogHelpExecute(QObject *Sender);
    void ActionDialogBackExecute(QObject *Sender);
    void ActionDialogNextExecute(QObject *Sender);
    void ActionDialogCancelStepByStepExecute(QObject *Sender);

signals:
    //! The close went ahead: the program ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateControls();
    void CreateBars();
    void CreateCatalogue();
    //! The toolbar a "Toolbars" toggle action stands for.
    QWidget *ToolbarOf(QObject *toggle) const;
    TAlignLayout *m_clientLayout = nullptr;
    TCustomizeDlg *m_customizeDlg = nullptr;
};

extern TFormVEXAMain *FormVEXAMain;
