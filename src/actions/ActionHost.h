// What actions act on by themselves: the form's environment, seen through two small interfaces.
#pragma once

class QString;

class TActionManager;
class TCommonDialogAction;

//! A multiple-document frame as the window actions see it.
class TMDIFrame
{
public:
    virtual ~TMDIFrame() = default;
    virtual int MDIChildCount() const = 0;
    virtual bool HasActiveMDIChild() const = 0;
    virtual void Cascade() = 0;
    virtual void TileHorizontal() = 0;  // one above the other
    virtual void TileVertical() = 0;    // side by side
    virtual void MinimizeAll() = 0;     // last to first
    virtual void ArrangeIcons() = 0;
    virtual void CloseActiveChild() = 0;
};

/*!
  The environment of a manager: the targets that the action kinds find and
  the platform services they call. The main window implements it; tests
  supply a fake.
*/
class TActionHost
{
public:
    virtual ~TActionHost() = default;
    //! The frame found from the active control, its form or the form's visible controls; null if none.
    virtual TMDIFrame *FindMDIFrame() = 0;
    //! Shows the action's own dialog modally; returns whether the user accepted.
    virtual bool RunDialog(TCommonDialogAction &action) = 0;
    virtual void QuitHelp() = 0;
    virtual void CloseMainForm() = 0;
    virtual void ShowHelpContents() = 0;
    //! Opens the customise dialog for a manager without waiting for it to close.
    virtual void ShowCustomizeDialog(TActionManager &manager, bool stayOnTop) = 0;
    //! The error message box with Yes and No; true for Yes.
    virtual bool ErrorQuestion(const QString &text) = 0;
    //! The simple message box with one OK button.
    virtual void ShowMessage(const QString &text) = 0;
};
