// The frame every parameter dialog is built on: window settings, the bottom toolbar, the dialog actions.
#pragma once

#include <QDialog>

#include <functional>

class QFrame;
class QPushButton;
class QRadioButton;
class QToolButton;
class TAction;
class TActionManager;
class TCustomAction;
class TFrameImageList;

//! A close query: clearing CanClose keeps the window open.
using TCloseQueryEvent = std::function<void(QObject *Sender, bool &CanClose)>;

/*!
  The bar at the bottom of a parameter dialog: the full width of the client
  area, an etched edge line along its top and one row of buttons below it.
  It paints no background of its own.
*/
class TDialogToolBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int EdgeHeight = 2;
    static constexpr int ButtonHeight = 25;
    static constexpr int BarHeight = EdgeHeight + ButtonHeight;

    explicit TDialogToolBar(QWidget *parent = nullptr);

    //! Puts a control into the button row, `left` pixels from the bar's left edge.
    void Place(QWidget *control, int left, int width);

protected:
    void paintEvent(QPaintEvent *event) override;
};

/*!
  Everything the five parameter dialogs share. A dialog builds its own
  controls from its form description and then calls Loaded(); the frame
  supplies the window settings, the bottom toolbar with OK, Cancel, Help
  and the load, save and lock buttons, the dialog's own action manager with
  its seven actions, and the dialog's own image list.

  Nothing the user enters is read, checked or reset here: OK and Cancel
  both just close, and every control keeps what it holds until the program
  ends.
*/
class TParamDialogFrame : public QDialog
{
    Q_OBJECT
public:
    //! The font the forms were laid out with: 8 points at 96 pixels per inch.
    static constexpr int DesignFontPixels = 11;

    //! `imageListAt` is where the dialog's FrameImageList1 stands on its form.
    explicit TParamDialogFrame(const QPoint &imageListAt, QWidget *parent = nullptr);

    TDialogToolBar *ToolBar1 = nullptr;
    QPushButton *BitBtn1 = nullptr;  //!< OK
    QPushButton *BitBtn2 = nullptr;  //!< Cancel
    QPushButton *BitBtn3 = nullptr;  //!< Help
    QFrame *ToolButton2 = nullptr;   //!< the divider
    QToolButton *ToolButton1 = nullptr;
    QToolButton *ToolButton3 = nullptr;
    QToolButton *ToolButton4 = nullptr;

    TActionManager *ActionManagerDialog = nullptr;
    TAction *ActionDialogLoad = nullptr;
    TAction *ActionDialogSave = nullptr;
    TAction *ActionDialogLock = nullptr;
    TAction *ActionDialogStepByStep = nullptr;
    TAction *ActionDialogBack = nullptr;
    TAction *ActionDialogNext = nullptr;
    TAction *ActionDialogCancelStepByStep = nullptr;

    //! The dialog's own copy of the shared pictures; never shown.
    TFrameImageList *FrameImageList1 = nullptr;

    //! Asked before the window closes, however it closes; unset allows every close.
    TCloseQueryEvent OnCloseQuery;

    void ActionDialogLoadExecute(QObject *Sender);
    void ActionDialogSaveExecute(QObject *Sender);
    void ActionDialogLockExecute(QObject *Sender);

    /*!
      Where a window of `window` size stands when centred on a desktop of
      `desktop` size: half the difference, the fraction dropped, never
      negative.
    */
    static QPoint DesktopCentre(const QSize &desktop, const QSize &window);

    void done(int result) override;
    void setVisible(bool visible) override;

protected:
    //! Finishes a form whose controls have been created: size, font, radio groups.
    void Loaded();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void CreateActions();
    void CreateToolBar();
    QToolButton *CreateToolButton(const char *name, TCustomAction *action, int left);
    void FitTexts();
    void SetUpRadioGroups();
    void UpdateTabStops(QWidget *groupParent);
    QList<QRadioButton *> RadioGroup(const QRadioButton *member) const;
    void MoveInRadioGroup(QRadioButton *from, int step);
    void Centre(const QMargins &decoration);

    bool m_placed = false;
    // During the first showing, until the window manager has framed the window.
    bool m_centring = false;
    QMargins m_assumedDecoration;
};
