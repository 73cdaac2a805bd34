#pragma once

#include "brannock/reader/ActionSite.h"
#include "brannock/emit/Emitter.h"
#include "toolframe/source/CodeCopier.h"
#include "toolframe/source/SourceInput.h"
#include "toolframe/diagnostics/Diagnostics.h"
#include "toolframe/output/OutputStream.h"

namespace brannock {

// Turns the $-forms of an action into the emitter's attribute forms:
// $$ and $<tag>$ the left-hand side's value, $n, $-n, $+n and $<tag>n the
// value of the n-th item, each followed by its type's member when it has
// one. A $ that starts none of these stays as it is.
class AttributeTranslator : public toolframe::CodeTranslator {
public:
    AttributeTranslator(Emitter& emitter, toolframe::Diagnostics& diagnostics) : emitter_(emitter), diagnostics_(diagnostics) {}

    void begin(const ActionSite& site, bool typesInUse)
    {
        site_ = site;
        typesInUse_ = typesInUse;
    }

    std::uint32_t introducer() const override { return '$'; }
    // Called with the '$' just read; reads the rest of the form.
    void translate(toolframe::SourceInput& input, toolframe::OutputStream& out) override;

private:
    void writeMember(const Symbol* type, std::string_view formText);
    const Symbol* positionalType(long n) const;

    Emitter& emitter_;
    toolframe::Diagnostics& diagnostics_;
    ActionSite site_;
    bool typesInUse_ = false;
};

} // namespace brannock
