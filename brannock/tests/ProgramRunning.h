#pragma once

#include <string>

#include "toolframe/testing/ProgramRunning.h"

// What Brannock's end-to-end tests do with the programs they build.
namespace brannock::testing {

using toolframe::testing::quoted;
using toolframe::testing::readFile;
using toolframe::testing::runProgram;
using toolframe::testing::runProgramChecked;
using toolframe::testing::runWithInput;
using toolframe::testing::shell;

// A grammar's text with definitions put at the start of its first code
// block, as a user writes them there.
inline std::string withDefinitions(const std::string& grammar, const std::string& definitions)
{
    const std::size_t block = grammar.find("%{\n");
    if (block == std::string::npos)
        return "%{\n" + definitions + "%}\n" + grammar;
    return grammar.substr(0, block + 3) + definitions + grammar.substr(block + 3);
}

} // namespace brannock::testing
