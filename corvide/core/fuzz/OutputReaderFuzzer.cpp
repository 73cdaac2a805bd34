// A tool's output as the build runner reads it: cut into lines in reads of
// any size, each line classified by the Output window, and the entries
// stepped through. The first byte chooses the code page, the line limit
// and the read size; the rest is the output.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "corvide/core/build/OutputLineSplitter.h"
#include "corvide/core/output/OutputDoc.h"

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

constexpr int kCodePages[] = {toolframe::CodePage::kUtf8, 932, 1252, 936};

std::vector<std::string> split(std::string_view output, const toolframe::CodePage& codePage, std::size_t limit,
                               std::size_t readSize)
{
    std::vector<std::string> lines;
    corvide::COutputLineSplitter splitter(codePage, [&](std::string line) { lines.push_back(std::move(line)); },
                                          limit);
    for (std::size_t at = 0; at < output.size(); at += readSize)
        splitter.feed(output.substr(at, readSize));
    splitter.finish();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    const std::string_view output(reinterpret_cast<const char*>(data + 1), size - 1);
    const toolframe::CodePage codePage(kCodePages[choice % 4]);
    const std::size_t limit = (choice >> 2) % 8 == 0 ? corvide::COutputLineSplitter::kMaximumLine : (choice >> 2) % 8;
    const std::vector<std::string> lines = split(output, codePage, limit, 1 + (choice >> 5));
    // Where the reads fall changes nothing.
    check(lines == split(output, codePage, limit, output.size() + 1));
    std::size_t bytes = 0;
    corvide::COutputDoc doc(codePage);
    for (const std::string& line : lines) {
        // A piece ends at most a character past the limit.
        check(line.size() <= limit + 3);
        bytes += line.size();
        const corvide::COutputLine& added = doc.addLine(line);
        check(!added.isEntry() || added.code().size() == 5);
        check(added.file().size() < line.size() || added.file().empty());
    }
    check(bytes <= output.size());
    check(static_cast<std::size_t>(doc.errorCount() + doc.warningCount()) == doc.entryCount());
    std::size_t visited = 0;
    for (doc.nextError(); doc.currentEntry() != 0; doc.nextError())
        check(doc.currentLine()->isEntry() && ++visited <= doc.entryCount());
    for (doc.previousError(); doc.currentEntry() != 0; doc.previousError())
        check(doc.currentLine()->isEntry() && visited-- > 0);
    return 0;
}
