#pragma once

namespace toolframe {

bool isTerminal(int fd);

// Puts a terminal into non-canonical mode without echo for as long as it
// lives, and reads keys from it. An escape sequence (an arrow or function
// key) is read as one key.
class NoEchoKeyboard {
public:
    explicit NoEchoKeyboard(int fd);
    ~NoEchoKeyboard();
    NoEchoKeyboard(const NoEchoKeyboard&) = delete;
    NoEchoKeyboard& operator=(const NoEchoKeyboard&) = delete;

    // The key's first code, or -1 at end of input.
    int readKey();

private:
    void drainEscapeSequence();

    int fd_;
    bool restore_ = false;
    struct Saved;
    Saved* saved_ = nullptr;
};

} // namespace toolframe
