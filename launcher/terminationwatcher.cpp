#include "terminationwatcher.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

int TerminationWatcher::m_socketPair[2] = {-1, -1};

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent)
{
    // Close-on-exec: programs the editor starts must not hold the pair open.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, m_socketPair) != 0)
        return;
    m_notifier = new QSocketNotifier(m_socketPair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationWatcher::readSignalSlot);

    struct sigaction action = {};
    action.sa_handler = &TerminationWatcher::handleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

TerminationWatcher::~TerminationWatcher()
{
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGINT, SIG_DFL);
    for (int& fd : m_socketPair) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

// Only async-signal-safe work here: the event loop does the rest.
void TerminationWatcher::handleSignal(int signalNumber)
{
    const char byte = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(m_socketPair[0], &byte, 1);
}

void TerminationWatcher::readSignalSlot()
{
    m_notifier->setEnabled(false);
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(m_socketPair[1], &byte, 1);
    emit terminationRequested();
    m_notifier->setEnabled(true);
}
