// Small helpers shared by the test programs.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include <functional>

/*!
  Runs `check` on the next modal window that opens, then closes it unless
  the check did. Polls from the event loop, so it also works when the window
  opens only after other events (a splash, a load) have been handled.
*/
inline void OnNextModal(std::function<void(QWidget *)> check)
{
    auto *poll = new QTimer(qApp);
    auto *clock = new QElapsedTimer;
    clock->start();
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, check] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            if (clock->elapsed() > 20000) {
                QTest::qFail("no modal window opened", __FILE__, __LINE__);
                poll->deleteLater();
                delete clock;
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        delete clock;
        check(modal);
        if (!modal->isVisible())
            return;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    });
    poll->start();
}
