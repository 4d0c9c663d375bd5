// The main window: the multiple-document frame with its bars, checklist and dialog panel.
#pragma once

#include "actions/ActionHost.h"
#include "actions/ActnList.h"

#include <QMainWindow>

class QMdiArea;
class QMenu;
class QStatusBar;
class TActionMainMenuBar;
class TActionManager;
class TActionToolBar;
class TAlignLayout;
class TCoolBar;
class TPanel;
class TSplitter;

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
    QWidget *FDialogForm = nullptr;

    //! The strip layout of the client area (spacer, checklist, splitter, dialog panel, documents).
    TAlignLayout *ClientLayout() const { return m_clientLayout; }

    //! The bars belong to the cool bar: a right click on them opens no menu.
    QMenu *createPopupMenu() override { return nullptr; }

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

    // TMDIFrame
    int MDIChildCount() const override;
    bool HasActiveMDIChild() const override;
    void Cascade() override;
    void TileHorizontal() override;
    void TileVertical() override;
    void MinimizeAll() override;
    void ArrangeIcons() override;
    void CloseActiveChild() override;

signals:
    //! The close went ahead: the program ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateControls();
    void CreateBars();
    TAlignLayout *m_clientLayout = nullptr;
};

extern TFormVEXAMain *FormVEXAMain;
