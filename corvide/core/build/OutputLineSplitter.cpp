#include "corvide/core/build/OutputLineSplitter.h"

namespace corvide {

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

} // namespace

COutputLineSplitter::COutputLineSplitter(toolframe::CodePage codePage, LineSink sink, std::size_t maximumLine)
    : codePage_(codePage), sink_(std::move(sink)), maximumLine_(maximumLine > 0 ? maximumLine : 1)
{
}

std::size_t COutputLineSplitter::trailBytesAfter(unsigned char lead) const
{
    if (!codePage_.isLeadByte(lead))
        return 0;
    if (!codePage_.isUtf8())
        return 1;
    return lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
}

void COutputLineSplitter::endLine()
{
    sink_(std::move(line_));
    line_.clear();
}

void COutputLineSplitter::take(unsigned char byte)
{
    if (trailBytes_ > 0) {
        // In UTF-8 a byte that cannot continue the character starts afresh.
        if (!codePage_.isUtf8() || isContinuation(byte)) {
            --trailBytes_;
            line_ += static_cast<char>(byte);
            return;
        }
        trailBytes_ = 0;
    }
    const bool swallow = afterCarriageReturn_ && byte == '\n';
    afterCarriageReturn_ = byte == '\r';
    if (swallow)
        return;
    if (byte == '\n' || byte == '\r')
        return endLine();
    // The piece is cut when a character would go past the limit, so that a
    // line of exactly the limit followed by its line end stays one line.
    if (line_.size() >= maximumLine_)
        endLine();
    line_ += static_cast<char>(byte);
    trailBytes_ = trailBytesAfter(byte);
}

void COutputLineSplitter::feed(std::string_view bytes)
{
    for (char byte : bytes)
        take(static_cast<unsigned char>(byte));
}

void COutputLineSplitter::finish()
{
    if (!line_.empty())
        endLine();
    afterCarriageReturn_ = false;
    trailBytes_ = 0;
}

} // namespace corvide
