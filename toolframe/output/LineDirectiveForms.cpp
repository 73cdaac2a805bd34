#include "toolframe/output/LineDirectiveForms.h"

#include "toolframe/output/OutputStream.h"
#include "toolframe/output/StringEscaping.h"

namespace toolframe {

namespace {

struct FormText {
    const char* commentedOpen; // before the directive when directives are off
    const char* open;          // always
    const char* commentedClose;
};

const FormText& textOf(LineDirectiveForm form)
{
    static constexpr FormText kForms[] = {
        {"/* ", "#line ", " */"},
        {"// ", "#line ", ""},
        {"", "// line ", ""},
    };
    return kForms[static_cast<int>(form)];
}

} // namespace

void writeLineDirective(OutputStream& stream, LineDirectiveForm form, int line, std::string_view name)
{
    if (!stream.atLineStart())
        stream.writeCharacter('\n');
    if (line == 0)
        line = stream.line() + 1;
    const FormText& text = textOf(form);
    const bool commented = !stream.settings().enabled;
    if (commented)
        stream.writeNarrow(text.commentedOpen);
    stream.writeFormatted("%s%d \"", text.open, line);
    const LiteralDialect dialect = form == LineDirectiveForm::Java ? LiteralDialect::Java : LiteralDialect::C;
    if (stream.settings().plainNames)
        stream.writeNarrow(name);
    else
        stream.writeNarrow(escapeForLiteral(name, dialect, stream.codePage()));
    stream.writeCharacter('"');
    if (commented)
        stream.writeNarrow(text.commentedClose);
    stream.writeCharacter('\n');
}

} // namespace toolframe
