#include "toolframe/output/BannerBox.h"

#include "toolframe/output/OutputStream.h"
#include "toolframe/platform/PathServices.h"

namespace toolframe {

namespace {

void writeBoxLine(OutputStream& stream, std::string_view first, std::string_view second = {},
                  std::string_view third = {})
{
    stream.writeNarrow(BannerBox::kLinePrefix);
    stream.writeNarrow(first);
    stream.writeNarrow(second);
    stream.writeNarrow(third);
    stream.writeCharacter('\n');
}

} // namespace

void writeBanner(OutputStream& stream, const BannerText& text, const CodePage& codePage)
{
    const std::string_view outputName = path::fileNamePart(text.outputPath, codePage);
    const std::string_view sourceName = path::fileNamePart(text.sourcePath, codePage);
    const bool quoted = sourceName.find(' ') != std::string_view::npos;

    stream.writeNarrow(BannerBox::kTop);
    stream.writeCharacter('\n');
    writeBoxLine(stream, outputName);
    stream.writeNarrow(BannerBox::kLinePrefix);
    stream.writeNarrow(text.kind);
    stream.writeNarrow(" generated from ");
    if (quoted)
        stream.writeCharacter('"');
    stream.writeNarrow(sourceName);
    if (quoted)
        stream.writeCharacter('"');
    stream.writeNarrow(".\n");
    writeBoxLine(stream, "");
    writeBoxLine(stream, "Date: ", text.stamp->date);
    writeBoxLine(stream, "Time: ", text.stamp->time);
    writeBoxLine(stream, "");
    writeBoxLine(stream, text.toolName, " Version: ", text.version);
    stream.writeNarrow(BannerBox::kBottom);
    stream.writeNarrow("\n\n");
}

void writeNoteBox(OutputStream& stream, std::span<const std::string_view> lines)
{
    stream.writeNarrow(BannerBox::kTop);
    stream.writeCharacter('\n');
    for (std::string_view line : lines)
        writeBoxLine(stream, line);
    stream.writeNarrow(BannerBox::kBottom);
    stream.writeNarrow("\n\n");
}

void writeSeparatorHeading(OutputStream& stream, std::string_view heading)
{
    stream.writeNarrow("/////////////////////////////////////////////////////////////////////////////\n// ");
    stream.writeNarrow(heading);
    stream.writeNarrow("\n\n");
}

} // namespace toolframe
