// Showing a window so that it stands painted on the screen before the caller goes on.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWidget>
#include <QWindow>

/*!
  Shows `window` and returns once it stands painted on the screen: it waits
  (dispatching no input) until the window is exposed, then paints it at once.
  Kept in this header alone so that a program without the rest of this code
  (the bare window the start-up benchmark compares with) shows its window alike.
*/
inline void ShowPaintedNow(QWidget &window)
{
    window.show();
    // The window is mapped asynchronously: let it become exposed (no input is
    // dispatched meanwhile), then paint it at once so it stands drawn during the wait.
    const QDeadlineTimer deadline(500);
    while (window.windowHandle() && !window.windowHandle()->isExposed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 10);
    window.repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
