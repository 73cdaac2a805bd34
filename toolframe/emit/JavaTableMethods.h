#pragma once

#include <string>
#include <string_view>

#include "toolframe/output/OutputStream.h"

namespace toolframe {

// Generated Java builds its tables once, in yycreatetables(), as local
// arrays of rows handed to the shared holder. The JVM limits the code of
// one method to 65,535 bytes, so the rows of a large table go on in further
// methods, each called at the end of the one before, whose parts of a table
// are appended to what the earlier methods built (the library's yyjoin).
// This keeps the count and writes the joints for any tool's tables.
class JavaTableMethods {
public:
    explicit JavaTableMethods(OutputStream& stream) : stream_(stream) {}

    // yycreatetables() begins: the first method, empty.
    void restart();
    // The depth of a statement of the method being written: the first one
    // holds its statements inside its test whether the tables exist.
    std::string bodyIndent() const;
    // Before a table's head: when the method is full, the table begins in
    // the next one. Then the table's rows are not a continued part.
    void beforeTable(std::string_view enclosing = {});
    // Before each row: false while the method has room; else true, and the
    // caller ends the part (assignPart), calls continuePart and opens the
    // part anew, whose first row this is.
    bool rowNeedsBreak();
    void continuePart(std::string_view enclosing = {});
    // Ends the method with the call of the next one and opens that one.
    // A conditional the tables sit in (enclosing, as "if (YYDEBUG) {")
    // closes before the call and opens again in the next method.
    void continueInNextMethod(std::string_view enclosing = {});
    // "yytables." field " = " array ";" for a table or a part of one, the
    // later parts joined to the earlier ones.
    void assignPart(std::string_view indent, std::string_view field, std::string_view array);
    // Closes the last method.
    void end();

private:
    OutputStream& stream_;
    // 0 for yycreatetables(), n for its nth continuation.
    int method_ = 0;
    int rows_ = 0;
    // The rows being written continue a table begun in an earlier method.
    bool continuedPart_ = false;
};

} // namespace toolframe
