#pragma once

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "ToolScripts.h"
#include "corvide/core/platform/Pipe.h"
#include "corvide/core/platform/ProcessSpawn.h"
#include "corvide/core/platform/SharedWord.h"
#include "corvide/core/platform/StopEvent.h"

// cvspawn started as the workbench starts it, with its output read here.
namespace corvide::testing {

inline std::string handle(int fd)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(fd));
    return text;
}

class RunningSpawner {
public:
    // stopDescriptor: what the spawner watches; the test's own stop event
    // when -1.
    RunningSpawner(const std::string& spawner, std::vector<std::string> tail, const std::string& directory,
                   int stopDescriptor = -1)
    {
        platform::createPipe(output_);
        platform::createPipe(input_);
        const int stop = stopDescriptor >= 0 ? stopDescriptor : stop_.watchDescriptor();
        platform::SpawnRequest request;
        request.program = spawner;
        request.arguments = {spawner};
        for (std::string& argument : tail)
            request.arguments.push_back(argument == "STOP" ? handle(stop)
                                        : argument == "WORD" ? handle(word_.descriptor())
                                                             : std::move(argument));
        request.input = input_.read;
        request.output = output_.write;
        request.error = output_.write;
        request.inherited = {stop, word_.descriptor()};
        request.workingDirectory = directory;
        process_ = platform::spawnProcess(request).process;
        platform::closeDescriptor(input_.read);
        platform::closeDescriptor(input_.write);
        platform::closeDescriptor(output_.write);
    }
    ~RunningSpawner()
    {
        if (process_ > 0) {
            stop_.signal();
            platform::waitForExit(process_);
        }
        platform::closeDescriptor(output_.read);
    }
    RunningSpawner(const RunningSpawner&) = delete;
    RunningSpawner& operator=(const RunningSpawner&) = delete;

    bool started() const { return process_ > 0; }
    const platform::StopEvent& stopEvent() const { return stop_; }

    // Reads until the output holds needle or ends; whether it holds it. The
    // time limit only keeps a broken spawner from hanging the test run.
    bool readUntil(const std::string& needle)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (output_.read >= 0 && out_.find(needle) == std::string::npos &&
               std::chrono::steady_clock::now() < deadline)
            readSome(1000);
        return out_.find(needle) != std::string::npos;
    }

    // Reads to the end and waits: the spawner's exit code.
    std::optional<int> finish()
    {
        while (output_.read >= 0)
            readSome(-1);
        const std::optional<int> code = platform::waitForExit(process_);
        process_ = -1;
        return code;
    }

    const std::string& output() const { return out_; }
    std::optional<std::uint32_t> word() const { return word_.read(); }

private:
    void readSome(int timeout)
    {
        pollfd watch{output_.read, POLLIN, 0};
        if (::poll(&watch, 1, timeout) <= 0)
            return;
        char buffer[4096];
        const std::optional<std::size_t> count = platform::readSome(output_.read, buffer, sizeof buffer);
        if (!count || *count == 0)
            platform::closeDescriptor(output_.read);
        else
            out_.append(buffer, *count);
    }

    platform::StopEvent stop_;
    platform::SharedWord word_;
    platform::PipeEnds output_;
    platform::PipeEnds input_;
    pid_t process_ = -1;
    std::string out_;
};

} // namespace corvide::testing
