// SPDX-License-Identifier: MIT
#include "app/SessionWatch.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr std::array<int, 3> WatchedSignals{SIGTERM, SIGHUP, SIGINT};

// Read end, write end; the handler writes only.
int g_pipe[2] = {-1, -1};

void onSignal(int signal)
{
    const int saved = errno;
    const char number = char(signal);
    // Non-blocking: should the pipe ever be full, the signals already in it say enough.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &number, 1);
    errno = saved;
}
} // namespace

SessionWatch::SessionWatch(QObject *parent)
    : QObject(parent)
{
    // A second watch while one lives stays deaf: the signals have one handler.
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionWatch::readSignals);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : WatchedSignals)
        ::sigaction(signal, &action, nullptr);
}

SessionWatch::~SessionWatch()
{
    if (!m_notifier)
        return;
    for (int signal : WatchedSignals)
        std::signal(signal, SIG_DFL);
    delete m_notifier;
    for (int &fd : g_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void SessionWatch::readSignals()
{
    char number = 0;
    while (::read(g_pipe[0], &number, 1) == 1)
        Q_EMIT terminationRequested(number);
}
