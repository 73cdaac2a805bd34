// Feeds arbitrary command lines (arguments separated by NUL bytes) through
// Brannock's switch parser and the file-name derivation of every target,
// then through the services that turn those names into generated text.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "brannock/Driver.h"
#include "brannock/Messages.h"
#include "brannock/Switches.h"
#include "toolframe/run/CommandLineParser.h"
#include "toolframe/run/FileNameDerivation.h"
#include "toolframe/output/IncludeGuard.h"
#include "toolframe/output/OutputStream.h"
#include "toolframe/output/StringEscaping.h"
#include "toolframe/platform/PathServices.h"

namespace {

constexpr std::size_t kMaximumArguments = 64;

std::vector<std::string_view> splitArguments(std::string_view input)
{
    std::vector<std::string_view> arguments;
    while (!input.empty() && arguments.size() < kMaximumArguments) {
        const std::size_t end = input.find('\0');
        arguments.push_back(input.substr(0, end));
        if (end == std::string_view::npos)
            break;
        input.remove_prefix(end + 1);
    }
    return arguments;
}

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void exerciseNames(const brannock::ToolOptions& options, const toolframe::CodePage& codePage)
{
    const auto names = toolframe::lineNamesFor(options.outputFile, options.sourceFile, options.fullPathLineNames,
                                               options.shortFileNames, codePage);
    for (const std::string* name : {&names.own, &names.grammar}) {
        toolframe::escapeForLiteral(*name, toolframe::LiteralDialect::C, codePage);
        toolframe::escapeForLiteral(*name, toolframe::LiteralDialect::Java, codePage);
    }
    const std::string guard = toolframe::includeGuard(options.includeFile, codePage);
    require(!guard.empty() && guard[0] == '_');
    toolframe::path::relativePath(options.outputFile, options.includeFile);
}

void deriveForEveryTarget(const brannock::ToolOptions& parsed, const toolframe::CodePage& codePage,
                          toolframe::Diagnostics& diagnostics)
{
    const toolframe::DateTimeStamp stamp{"01/01/70", "00:00:00"};
    for (auto target : {toolframe::TargetLanguage::C, toolframe::TargetLanguage::Cpp, toolframe::TargetLanguage::Java}) {
        brannock::ToolOptions options = parsed;
        options.targetLanguage = target;
        const auto emitter = brannock::createEmitter({options, codePage, stamp, diagnostics});
        try {
            toolframe::deriveFileNames(options, *emitter, "y.tab.c", codePage, diagnostics);
        } catch (const toolframe::RunAborted&) {
            require(options.sourceFile.empty());
            return;
        }
        require(!options.outputFile.empty());
        require(options.generateIncludeFile == !options.includeFile.empty());
        require(options.verbose == !options.verboseFile.empty());
        if (target == toolframe::TargetLanguage::Java)
            require(options.unicode && !options.generateIncludeFile);
        exerciseNames(options, codePage);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string_view> arguments = splitArguments(input);
    const toolframe::CodePage codePage(size > 0 && (data[0] & 1) ? 932 : toolframe::CodePage::kUtf8);
    std::FILE* out = std::fopen("/dev/null", "w");
    toolframe::Diagnostics diagnostics('Y', brannock::messageCatalog(), out);
    brannock::ToolOptions options;
    try {
        toolframe::CommandLineParser<brannock::ToolOptions> parser(brannock::switches(), brannock::helpLayout(),
                                                                   diagnostics, out);
        if (parser.parse(arguments, options) == toolframe::CommandLineOutcome::Run)
            deriveForEveryTarget(options, codePage, diagnostics);
    } catch (const toolframe::RunAborted&) {
        require(diagnostics.errors() == 1);
    }
    std::fclose(out);
    return 0;
}
