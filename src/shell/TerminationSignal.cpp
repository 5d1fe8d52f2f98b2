#include "shell/TerminationSignal.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_fds[2] = {-1, -1};
volatile std::sig_atomic_t g_requested = 0;

void onSignal(int)
{
    // Only async-signal-safe work here: a flag and one write to the self-pipe.
    g_requested = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_fds[0], &byte, 1);
}

} // namespace

void TerminationSignal::install()
{
    if (g_fds[0] >= 0)
        return;
    // Non-blocking: a burst of signals must never stall the handler on a full pipe.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_fds) != 0)
        g_fds[0] = g_fds[1] = -1; // the flag still works without the pipe
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

bool TerminationSignal::requested()
{
    return g_requested != 0;
}

TerminationSignal::TerminationSignal(QObject *parent)
    : QObject(parent)
{
    install();
    if (g_fds[1] < 0)
        return;
    m_notifier = new QSocketNotifier(g_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(g_fds[1], &byte, 1);
        Q_EMIT received();
    });
}

TerminationSignal::~TerminationSignal()
{
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGINT, SIG_DFL);
    delete m_notifier;
    for (int &fd : g_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}
