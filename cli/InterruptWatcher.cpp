#include "InterruptWatcher.h"

#ifdef Q_OS_WIN
// Ctrl+C keeps its default there: the process ends, and the system closes the port.
InterruptWatcher::InterruptWatcher(QObject *parent) : QObject(parent) {}
InterruptWatcher::~InterruptWatcher() = default;
void InterruptWatcher::drain() {}
#else

#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

int pipeEnds[2] = {-1, -1};

extern "C" void onSignal(int)
{
    const char byte = 1;
    // Nothing else is safe in a signal handler; a full pipe already wakes the loop.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
}

} // namespace

InterruptWatcher::InterruptWatcher(QObject *parent) : QObject(parent)
{
    if (::pipe(pipeEnds) != 0)
        return;
    for (const int end : pipeEnds) {
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
    }
    m_notifier = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &InterruptWatcher::drain);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

InterruptWatcher::~InterruptWatcher()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    m_notifier.reset();
    for (int &end : pipeEnds) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

void InterruptWatcher::drain()
{
    char bytes[16];
    bool any = false;
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0)
        any = true;
    if (any)
        emit interrupted();
}

#endif
