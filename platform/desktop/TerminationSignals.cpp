#include "platform/desktop/TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// SIGINT (Ctrl-C in the terminal) is an ending like the others: the program
// closes and saves as Quit does. SIGQUIT keeps its default (a core dump).
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// [0] is written by the handler, [1] read by the event loop.
int s_fds[2] = {-1, -1};
TerminationSignals* s_pActive = nullptr;

extern "C" void onTerminationSignal(int number)
{
    int const saved = errno;
    char const byte = char(number);
    // Nothing to do on failure: a full pipe already holds a signal to handle.
    [[maybe_unused]] ssize_t const written = ::write(s_fds[0], &byte, 1);
    errno = saved;
}

void install(int number)
{
    struct sigaction current = {};
    sigaction(number, nullptr, &current);
    // A signal ignored by whoever started the program (nohup) stays ignored.
    if (current.sa_handler == SIG_IGN)
        return;
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    // Restarted system calls: a file being written is not cut off by EINTR.
    // Reset to the default after one delivery: a second signal ends the program.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(number, &action, nullptr);
}

void restore(int number)
{
    struct sigaction current = {};
    sigaction(number, nullptr, &current);
    if (current.sa_handler != onTerminationSignal)
        return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(number, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (s_pActive)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_fds) != 0)
        return;
    // The handler must never block on a full socket.
    ::fcntl(s_fds[0], F_SETFL, ::fcntl(s_fds[0], F_GETFL) | O_NONBLOCK);
    s_pActive = this;
    m_pNotifier = new QSocketNotifier(s_fds[1], QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
    for (int number : kSignals)
        install(number);
}

TerminationSignals::~TerminationSignals()
{
    if (s_pActive != this)
        return;
    for (int number : kSignals)
        restore(number);
    delete m_pNotifier;
    ::close(s_fds[0]);
    ::close(s_fds[1]);
    s_fds[0] = s_fds[1] = -1;
    s_pActive = nullptr;
}

void TerminationSignals::readSignal()
{
    char byte = 0;
    if (::read(s_fds[1], &byte, 1) == 1)
        emit received(int(byte));
}
