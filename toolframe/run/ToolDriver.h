#pragma once

#include <cstdio>
#include <span>
#include <string_view>

#include "toolframe/run/CommandLineParser.h"
#include "toolframe/run/Driver.h"
#include "toolframe/run/SwitchTable.h"

namespace toolframe {

// A generator's run on the frame with its own command-line record, read
// through its own switch table: the part of a tool's driver that differs
// between the tools only in those two types.
template <class Options>
class ToolDriver : public Driver {
protected:
    ToolDriver(const ToolIdentity& identity, std::span<const Switch<Options>> switches, const HelpLayout& helpLayout,
               std::FILE* out)
        : Driver(identity, out), switches_(switches), helpLayout_(helpLayout)
    {
    }

    Options& options() override { return options_; }

    CommandLineOutcome readCommandLine(std::span<const std::string_view> arguments) override
    {
        CommandLineParser<Options> parser(switches_, helpLayout_, diagnostics(), out());
        return parser.parse(arguments, options_);
    }

private:
    std::span<const Switch<Options>> switches_;
    const HelpLayout& helpLayout_;
    Options options_;
};

} // namespace toolframe
