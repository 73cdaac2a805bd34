#pragma once

#include <string>
#include <vector>

#include "lindle/tests/LindleRun.h"
#include "toolframe/testing/ProgramRunning.h"

// Generated C scanners built as a user builds them: lindle, then gcc with
// warnings as errors and the runtime.
namespace lindle::testing {

inline const std::string kRuntimeIncludes =
    " -I" YL_COMMON_INCLUDE_DIR " -I" YL_LEXER_INCLUDE_DIR " -I" YL_PARSER_INCLUDE_DIR;

// The runtime library of a width.
inline std::string runtimeLibrary(bool unicode) { return unicode ? YLW_LIBRARY : YL_LIBRARY; }

inline bool isUnicode(const std::vector<std::string>& switches)
{
    for (const std::string& s : switches)
        if (s == "-W")
            return true;
    return false;
}

// A shell command that builds something in dir, or a failure with what it
// said.
inline ::testing::AssertionResult compiles(const toolframe::testing::TemporaryDirectory& dir,
                                           const std::string& command)
{
    const toolframe::testing::ProcessResult compiled = toolframe::testing::shell(command, dir.path());
    if (compiled.exitStatus != 0)
        return ::testing::AssertionFailure() << command << "\n" << compiled.out << compiled.err;
    return ::testing::AssertionSuccess();
}

// lex source (named source in dir) -> program, or a failure that says why;
// compiled as C, or as C++ when asked.
inline ::testing::AssertionResult buildScanner(const toolframe::testing::TemporaryDirectory& dir,
                                               const std::string& source, const std::string& program,
                                               const std::vector<std::string>& switches,
                                               const std::string& compilerFlags = "", bool cplusplus = false)
{
    std::vector<std::string> arguments{source, "-$", "-o", program + ".c"};
    arguments.insert(arguments.end(), switches.begin(), switches.end());
    const toolframe::testing::ProcessResult generated = runLindle(dir, arguments);
    if (generated.exitStatus != 0)
        return ::testing::AssertionFailure() << "lindle " << source << ": " << generated.out << generated.err;
    const std::string compiler = cplusplus ? "g++ -x c++" : "gcc";
    const std::string command = compiler + " -Wall -Werror -g " + compilerFlags + kRuntimeIncludes + " " + program +
                                ".c -x none " + runtimeLibrary(isUnicode(switches)) + " -o " + program;
    const toolframe::testing::ProcessResult compiled = toolframe::testing::shell(command, dir.path());
    if (compiled.exitStatus != 0)
        return ::testing::AssertionFailure() << command << "\n" << compiled.out << compiled.err;
    return ::testing::AssertionSuccess();
}

} // namespace lindle::testing
