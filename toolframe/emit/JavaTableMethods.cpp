#include "toolframe/emit/JavaTableMethods.h"

#include "toolframe/emit/RuntimeNames.h"

namespace toolframe {

namespace {

// No row compiles to more than 21 bytes (an object of up to four values,
// each loaded in at most 3 bytes, stored at an index below this budget), so
// a method of this many rows and the statements around them stays well
// below the JVM's limit. Each part's indices start again at 0, so they
// never take constants of the class's pool.
constexpr int kRowsPerMethod = 2000;

// The name of the nth method that continues yycreatetables().
std::string continuationName(int method) { return "yycreatetables" + std::to_string(method); }

} // namespace

void JavaTableMethods::restart()
{
    method_ = 0;
    rows_ = 0;
    continuedPart_ = false;
}

std::string JavaTableMethods::bodyIndent() const { return std::string(method_ == 0 ? 3 : 2, '\t'); }

void JavaTableMethods::beforeTable(std::string_view enclosing)
{
    if (rows_ >= kRowsPerMethod)
        continueInNextMethod(enclosing);
    continuedPart_ = false;
}

bool JavaTableMethods::rowNeedsBreak()
{
    if (rows_ < kRowsPerMethod) {
        ++rows_;
        return false;
    }
    return true;
}

void JavaTableMethods::continueInNextMethod(std::string_view enclosing)
{
    const std::string indent = bodyIndent();
    if (!enclosing.empty()) {
        stream_.writeNarrow(indent);
        stream_.writeNarrow("}\n");
    }
    stream_.writeNarrow(indent);
    stream_.writeNarrow(continuationName(method_ + 1));
    stream_.writeNarrow("();\n");
    end();
    ++method_;
    rows_ = 0;
    stream_.writeNarrow("\n\tprivate static void ");
    stream_.writeNarrow(continuationName(method_));
    stream_.writeNarrow("() {\n");
    if (!enclosing.empty()) {
        stream_.writeNarrow(bodyIndent());
        stream_.writeNarrow(enclosing);
        stream_.writeCharacter('\n');
    }
}

void JavaTableMethods::continuePart(std::string_view enclosing)
{
    continueInNextMethod(enclosing);
    continuedPart_ = true;
    rows_ = 1;
}

void JavaTableMethods::assignPart(std::string_view indent, std::string_view field, std::string_view array)
{
    stream_.writeNarrow(indent);
    stream_.writeNarrow("yytables.");
    stream_.writeNarrow(field);
    stream_.writeNarrow(" = ");
    if (continuedPart_) {
        stream_.writeNarrow(runtime::kJavaTablesBaseClass);
        stream_.writeNarrow(".yyjoin(yytables.");
        stream_.writeNarrow(field);
        stream_.writeNarrow(", ");
        stream_.writeNarrow(array);
        stream_.writeNarrow(");\n");
    } else {
        stream_.writeNarrow(array);
        stream_.writeNarrow(";\n");
    }
}

void JavaTableMethods::end()
{
    // A continuation has no test of its own whether the tables exist.
    stream_.writeNarrow(method_ == 0 ? "\t\t}\n\t}\n" : "\t}\n");
}

} // namespace toolframe
