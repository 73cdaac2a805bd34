#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Runs the real programs from tests: arguments, environment, working
// directory and limits in; exit status and output out.
namespace toolframe::testing {

struct ProcessSetup {
    std::string workingDirectory;
    std::vector<std::pair<std::string, std::string>> environment; // set in the child
    std::vector<std::string> unsetEnvironment;
    std::optional<unsigned long> fileSizeLimit; // bytes; SIGXFSZ is ignored
};

struct ProcessResult {
    int exitStatus = -1; // -1 when the child did not exit normally
    int signal = 0;
    std::string out;
    std::string err;
};

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const ProcessSetup& setup = {});

// A program whose standard input and output are one pseudo-terminal.
class TerminalSession {
public:
    TerminalSession(const std::string& program, const std::vector<std::string>& arguments,
                    const ProcessSetup& setup = {});
    ~TerminalSession();
    TerminalSession(const TerminalSession&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;

    // Reads until the output so far (as output() gives it) contains needle, or the time is up;
    // true when it does.
    bool readUntil(const std::string& needle, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    void send(const std::string& keys);
    // Reads what is left and waits for the exit status.
    int finish(std::chrono::milliseconds timeout = std::chrono::seconds(10));

    // Everything read, with the terminal's "\r\n" turned back into "\n".
    std::string output() const;

private:
    bool readSome(std::chrono::milliseconds timeout);

    int master_ = -1;
    int pid_ = -1;
    std::string raw_;
};

} // namespace toolframe::testing
