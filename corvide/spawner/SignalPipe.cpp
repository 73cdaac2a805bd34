#include "corvide/spawner/SignalPipe.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <iterator>

namespace corvide::spawner {

namespace {

// A signal handler reaches its pipe only through a global.
int handlerPipe = -1;

struct SignalByte {
    int signal;
    char byte;
};

constexpr char kChildByte = 'c';
constexpr char kStopByte = 's';
constexpr SignalByte kSignals[] = {
    {SIGCHLD, kChildByte},
    {SIGINT, kStopByte},
    {SIGTERM, kStopByte},
    {SIGHUP, kStopByte},
};

void onSignal(int signal)
{
    const int saved = errno;
    // A full pipe already holds the news, so a failed write loses nothing.
    for (const SignalByte& entry : kSignals)
        if (entry.signal == signal && ::write(handlerPipe, &entry.byte, 1) < 0)
            break;
    errno = saved;
}

sigset_t handledSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const SignalByte& entry : kSignals)
        sigaddset(&set, entry.signal);
    return set;
}

} // namespace

SignalPipe::SignalPipe()
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    read_ = ends[0];
    write_ = ends[1];
    handlerPipe = write_;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    action.sa_flags = SA_RESTART | SA_NOCLDSTOP;
    sigemptyset(&action.sa_mask);
    for (const SignalByte& entry : kSignals)
        ::sigaction(entry.signal, &action, nullptr);
}

SignalPipe::~SignalPipe()
{
    if (read_ < 0)
        return;
    restoreDefaults();
    handlerPipe = -1;
    ::close(read_);
    ::close(write_);
}

bool SignalPipe::drain()
{
    bool stop = false;
    char bytes[64];
    ssize_t count;
    while ((count = ::read(read_, bytes, sizeof bytes)) > 0 || (count < 0 && errno == EINTR))
        for (ssize_t i = 0; i < count; ++i)
            stop = stop || bytes[i] == kStopByte;
    return stop;
}

void SignalPipe::block() const
{
    const sigset_t set = handledSignals();
    ::sigprocmask(SIG_BLOCK, &set, nullptr);
}

void SignalPipe::unblock() const
{
    const sigset_t set = handledSignals();
    ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

void SignalPipe::restoreDefaults() const
{
    for (const SignalByte& entry : kSignals)
        ::signal(entry.signal, SIG_DFL);
}

} // namespace corvide::spawner
