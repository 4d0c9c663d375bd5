// The action-bar layout file: the bar entries of one manager, as JSON.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;
class TActionBars;
class TActionManager;
class TCustomAction;

/*!
  Resolves the qualified names the file uses ("FormVEXAMain.ActionFileOpenSetup",
  "FormVEXAMain.MenuBarTest") against the running program.
*/
struct TLayoutNames
{
    QString FormName;  // the owner every name is qualified by
    std::function<TCustomAction *(const QString &name)> FindAction;
    std::function<bool(const QString &name)> IsBarControl;
    //! Name and values the manager itself is stored with.
    QString ManagerName;
    QString ImagesName;
    QString StyleName;
};

//! The names of a manager's own form, its actions and its bar controls.
TLayoutNames LayoutNamesOf(const TActionManager &manager);

//! The file's content for `bars`.
QByteArray WriteLayout(const TActionBars &bars, const TLayoutNames &names);

/*!
  Reads a layout into `bars`. Strict: anything that is not a complete, valid
  layout of this program (other format or version, unknown keys, wrong
  types, unknown actions or bars, out-of-range values) fails with a reason
  in `error` and leaves `bars` untouched.
*/
bool ReadLayout(const QByteArray &content, const TLayoutNames &names, TActionBars &bars, QString *error = nullptr);

//! How the layout file's bytes reach the disk; tests replace it to make a write fail as on a full disk.
using TLayoutWriteFunction = qint64 (*)(QIODevice &device, const QByteArray &data);
extern TLayoutWriteFunction LayoutFileWrite;
