#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "toolframe/output/OutputStream.h"

namespace toolframe {

// How a target language lays out the rows of a constant table, whichever
// tool's table it is: each row on a line of its own begun by lead, the
// values of a row that has several between open and close, separated by
// separator; and the words the language has for true, false and the null
// pointer, which the cells take. A row of a single value has no brackets,
// as an array of scalars wants it.
struct RowSyntax {
    std::string lead;
    std::string open;
    std::string close;
    std::string separator;
    std::string trueValue;
    std::string falseValue;
    std::string nullValue;
};

// The rows of C and C++ tables, which differ only in how far they are
// indented: braces around a row of several values, 1 and 0 for truth.
RowSyntax cFamilyRowSyntax(std::string_view lead);

// Writes the rows of one table, whose values the caller has already spelled
// (with the syntax's words where a value is a truth or null), so that every
// language and every tool separates and brackets rows alike. The table's
// head and end are each language's own and stay with the caller.
class TableWriter {
public:
    TableWriter(OutputStream& stream, RowSyntax syntax);

    std::string_view spell(bool value) const { return value ? syntax_.trueValue : syntax_.falseValue; }
    std::string_view null() const { return syntax_.nullValue; }

    // Row index counts from 0; a comma ends the row before every row after
    // the first, so the last row leaves none behind.
    void row(int index, std::span<const std::string> values);
    void row(int index, std::initializer_list<std::string_view> values);
    // The index after the last row written: where a row that closes the
    // table goes.
    int nextIndex() const { return next_; }
    // Where a language limits how much one method or statement may hold, a
    // table is written in parts, each of which the language closes and
    // opens itself: the first row of a part takes no separator, and the
    // part lays out its rows in its own syntax (at another depth, say).
    void startPart(RowSyntax syntax);

private:
    void writeLead(int index);

    OutputStream& stream_;
    RowSyntax syntax_;
    int next_ = 0;
    bool partStart_ = false;
};

} // namespace toolframe
