#pragma once

#include <gtest/gtest.h>

#include <string>

#include "toolframe/testing/ProcessRunner.h"
#include "toolframe/testing/TemporaryDirectory.h"

// What end-to-end tests do with the programs they build: run shell
// commands, feed a program its input, and run it under valgrind.
namespace toolframe::testing {

// The text as one shell word.
inline std::string quoted(const std::string& text)
{
    std::string result = "'";
    for (char c : text)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

inline toolframe::testing::ProcessResult shell(const std::string& command, const std::string& directory)
{
    toolframe::testing::ProcessSetup setup;
    setup.workingDirectory = directory;
    return toolframe::testing::runProcess("/bin/sh", {"-c", command}, setup);
}

// Runs command in dir with input on its standard input.
inline toolframe::testing::ProcessResult runWithInput(const toolframe::testing::TemporaryDirectory& dir,
                                                      const std::string& command, const std::string& input)
{
    dir.write("input.txt", input);
    return shell(command + " < input.txt", dir.path());
}

inline toolframe::testing::ProcessResult runProgram(const toolframe::testing::TemporaryDirectory& dir,
                                                    const std::string& program, const std::string& input)
{
    return runWithInput(dir, "./" + program, input);
}

// The same run under valgrind, which exits 99 on a memory error or a leak;
// without valgrind the plain run stands in, so the expectations still hold.
inline toolframe::testing::ProcessResult runProgramChecked(const toolframe::testing::TemporaryDirectory& dir,
                                                           const std::string& program, const std::string& input)
{
    if (shell("command -v valgrind", "/").exitStatus != 0)
        return runProgram(dir, program, input);
    const toolframe::testing::ProcessResult result =
        runWithInput(dir,
                     "valgrind -q --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect "
                     "--log-file=valgrind.log ./" + program,
                     input);
    EXPECT_NE(result.exitStatus, 99) << dir.read("valgrind.log");
    return result;
}

} // namespace toolframe::testing
