#include "toolframe/platform/Terminal.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace toolframe {

struct NoEchoKeyboard::Saved {
    termios settings;
};

namespace {

constexpr unsigned char kEscape = 0x1B;

int readByte(int fd)
{
    unsigned char byte = 0;
    ssize_t count;
    do
        count = ::read(fd, &byte, 1);
    while (count < 0 && errno == EINTR);
    return count == 1 ? byte : -1;
}

} // namespace

bool isTerminal(int fd) { return ::isatty(fd) == 1; }

NoEchoKeyboard::NoEchoKeyboard(int fd) : fd_(fd), saved_(new Saved{})
{
    if (tcgetattr(fd_, &saved_->settings) != 0)
        return;
    termios raw = saved_->settings;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    restore_ = tcsetattr(fd_, TCSANOW, &raw) == 0;
}

NoEchoKeyboard::~NoEchoKeyboard()
{
    if (restore_)
        tcsetattr(fd_, TCSANOW, &saved_->settings);
    delete saved_;
}

void NoEchoKeyboard::drainEscapeSequence()
{
    // The rest of a sequence arrives at once; wait a tenth of a second for it.
    termios settings;
    if (tcgetattr(fd_, &settings) != 0)
        return;
    termios polling = settings;
    polling.c_cc[VMIN] = 0;
    polling.c_cc[VTIME] = 1;
    tcsetattr(fd_, TCSANOW, &polling);
    while (readByte(fd_) >= 0) {
    }
    tcsetattr(fd_, TCSANOW, &settings);
}

int NoEchoKeyboard::readKey()
{
    const int key = readByte(fd_);
    if (key == kEscape)
        drainEscapeSequence();
    return key;
}

} // namespace toolframe
