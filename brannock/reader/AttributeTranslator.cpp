#include "brannock/reader/AttributeTranslator.h"

#include <string>

#include "brannock/MessageNumbers.h"
#include "brannock/grammar/Symbol.h"

namespace brannock {

namespace {

constexpr long kOffsetLimit = 2147483647L;

bool isDigit(const toolframe::SourceCharacter& c) { return c.code >= '0' && c.code <= '9'; }
bool isNameStart(const toolframe::SourceCharacter& c)
{
    return (c.code >= 'a' && c.code <= 'z') || (c.code >= 'A' && c.code <= 'Z') || c.code == '_';
}
bool isNamePart(const toolframe::SourceCharacter& c) { return isNameStart(c) || isDigit(c); }

// The characters of a form read so far, so that what turns out to be no
// form can be written as it stands.
class FormReader {
public:
    FormReader(toolframe::SourceInput& input) : input_(input) {}

    const toolframe::SourceCharacter& next()
    {
        current_ = &input_.next();
        if (!current_->isEndOfFile())
            text_ += input_.bytesOf(*current_);
        return *current_;
    }
    // Gives the last character back to the scanner and drops it from the text.
    void giveBack()
    {
        if (!current_->isEndOfFile())
            text_.resize(text_.size() - current_->length);
        input_.putBack();
    }
    const std::string& text() const { return text_; }

private:
    toolframe::SourceInput& input_;
    const toolframe::SourceCharacter* current_ = nullptr;
    std::string text_ = "$";
};

} // namespace

const Symbol* AttributeTranslator::positionalType(long n) const
{
    if (!site_.ofRule || n < 1 || n > site_.itemsBefore)
        return nullptr;
    return site_.itemTypes[static_cast<std::size_t>(n - 1)];
}

void AttributeTranslator::writeMember(const Symbol* type, std::string_view formText)
{
    if (type != nullptr)
        emitter_.attributeMember(type->tagName());
    else if (typesInUse_)
        diagnostics_.report(UntypedAttribute, formText);
}

void AttributeTranslator::translate(toolframe::SourceInput& input, toolframe::OutputStream& out)
{
    FormReader form(input);
    std::string tagName;
    const toolframe::SourceCharacter* c = &form.next();
    if (c->is('<')) {
        c = &form.next();
        while (isNamePart(*c) && (isNameStart(*c) || !tagName.empty())) {
            tagName += static_cast<char>(c->code);
            c = &form.next();
        }
        if (!c->is('>')) {
            form.giveBack();
            out.writeNarrow(form.text());
            return;
        }
        if (tagName.empty())
            diagnostics_.report(EmptyAttributeTag);
        c = &form.next();
    }
    const bool tagged = !tagName.empty();
    if (c->is('$')) {
        emitter_.resultAttribute();
        if (tagged)
            emitter_.attributeMember(tagName);
        else
            writeMember(site_.resultType, form.text());
        return;
    }
    long sign = 1;
    if (c->is('-') || c->is('+')) {
        sign = c->is('-') ? -1 : 1;
        c = &form.next();
    }
    if (!isDigit(*c)) {
        form.giveBack();
        out.writeNarrow(form.text());
        return;
    }
    long n = 0;
    bool overflow = false;
    for (; isDigit(*c); c = &form.next()) {
        const long digit = static_cast<long>(c->code - '0');
        overflow = overflow || n > (kOffsetLimit - digit) / 10;
        if (!overflow)
            n = n * 10 + digit;
    }
    form.giveBack();
    if (overflow)
        diagnostics_.report(AttributeOffsetTooBig);
    n *= sign;
    emitter_.positionalAttribute(static_cast<int>(n), site_.itemsBefore);
    // Above the items before the action the parser has pushed nothing yet:
    // the form reads whatever lies past the top of the value stack. $0 and
    // below address values under the rule, which is deliberate. An offset
    // too big has had its error already. Where types are in use an untagged
    // form beyond the rule already draws 4003, which users and the
    // workbench know; 4014 speaks only where nothing else would.
    const bool beyond = site_.ofRule && !overflow && n > site_.itemsBefore;
    if (beyond && (tagged || !typesInUse_))
        diagnostics_.report(ValueBeyondRule, form.text());
    if (tagged)
        emitter_.attributeMember(tagName);
    else
        writeMember(positionalType(n), form.text());
}

} // namespace brannock
