// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QSocketNotifier;

// Hears that the session ends without the user closing the window: SIGTERM (a shutdown, a
// service manager, kill), SIGHUP (the terminal went) and SIGINT (Ctrl+C in it). The signal
// handler only writes the signal's number into a pipe; the event loop reads it and says so, so
// no Qt code runs inside the handler. One watch hears at a time: the first one alive.
class SessionWatch : public QObject
{
    Q_OBJECT
public:
    explicit SessionWatch(QObject *parent = nullptr);
    // The signals' default actions come back.
    ~SessionWatch() override;

Q_SIGNALS:
    void terminationRequested(int signal);

private:
    void readSignals();

    QSocketNotifier *m_notifier = nullptr;
};
