#pragma once

#include <string>
#include <vector>

#include "brannock/reader/ActionSite.h"
#include "brannock/reader/AttributeTranslator.h"
#include "toolframe/source/CodeCopier.h"
#include "brannock/emit/Emitter.h"
#include "brannock/grammar/Grammar.h"
#include "toolframe/source/SourceInput.h"
#include "brannock/reader/Lexeme.h"
#include "toolframe/diagnostics/Diagnostics.h"

namespace brannock {

// Where the next declaration code block goes: blocks of %union, %include
// and the first after %name to the include file when there is one, the
// constructor and destructor blocks after %name to the source.
enum class BlockTarget { IncludeOrSource, Source };

// Turns the grammar text into lexemes, one per call, as an explicit state
// machine. Code blocks are copied to the source as they are met and return
// no lexeme; declaration code blocks, actions and the program section are
// copied as they are scanned.
class GrammarScanner {
public:
    GrammarScanner(toolframe::SourceInput& input, Grammar& grammar, Emitter& emitter, toolframe::Diagnostics& diagnostics,
                   const ActionSiteSource& sites);

    const Lexeme& next();
    const Lexeme& current() const { return lexeme_; }
    int section() const { return section_; }

    void setBlockTarget(BlockTarget target) { blockTarget_ = target; }
    // Set by the parser when types appear in a declaration.
    void noteTypesInUse() { typesInUse_ = true; }

private:
    enum class State;

    TokenCode scan();
    TokenCode finishKeyword(std::uint32_t introducer);
    TokenCode finishIdentifier();
    TokenCode finishInteger(int base);
    TokenCode finishCharacterToken(std::uint32_t quote);
    TokenCode finishTag();
    TokenCode copyDeclarationBlock();
    TokenCode copyAction(toolframe::CodeEnd end, int line);
    void copyCodeBlock();
    TokenCode copyProgramSection();
    void decodeEscape(std::string_view content, std::size_t& i, std::vector<long>& values);
    void appendCharacter(std::string_view bytes, std::vector<long>& values);

    toolframe::SourceInput& input_;
    Grammar& grammar_;
    Emitter& emitter_;
    toolframe::Diagnostics& diagnostics_;
    const ActionSiteSource& sites_;
    AttributeTranslator translator_;
    Lexeme lexeme_;
    int section_ = 0;
    int actions_ = 0;
    bool programSectionDone_ = false;
    bool typesInUse_ = false;
    BlockTarget blockTarget_ = BlockTarget::IncludeOrSource;
};

} // namespace brannock
