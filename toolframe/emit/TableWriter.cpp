#include "toolframe/emit/TableWriter.h"

#include <utility>

namespace toolframe {

namespace {

// The values of a row, separated, and bracketed only where there are
// several of them.
template <class Values>
void writeValues(OutputStream& stream, const RowSyntax& syntax, const Values& values)
{
    const bool bracketed = values.size() != 1;
    if (bracketed)
        stream.writeNarrow(syntax.open);
    bool first = true;
    for (const auto& value : values) {
        if (!first)
            stream.writeNarrow(syntax.separator);
        stream.writeNarrow(value);
        first = false;
    }
    if (bracketed)
        stream.writeNarrow(syntax.close);
}

} // namespace

RowSyntax cFamilyRowSyntax(std::string_view lead)
{
    return RowSyntax{std::string(lead), "{ ", " }", ", ", "1", "0", "NULL"};
}

TableWriter::TableWriter(OutputStream& stream, RowSyntax syntax) : stream_(stream), syntax_(std::move(syntax)) {}

void TableWriter::row(int index, std::span<const std::string> values)
{
    writeLead(index);
    writeValues(stream_, syntax_, values);
}

void TableWriter::row(int index, std::initializer_list<std::string_view> values)
{
    writeLead(index);
    writeValues(stream_, syntax_, values);
}

void TableWriter::startPart(RowSyntax syntax)
{
    syntax_ = std::move(syntax);
    partStart_ = true;
}

void TableWriter::writeLead(int index)
{
    if (index > 0 && !partStart_)
        stream_.writeCharacter(',');
    partStart_ = false;
    stream_.writeNarrow(syntax_.lead);
    next_ = index + 1;
}

} // namespace toolframe
