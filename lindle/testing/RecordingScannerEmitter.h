#pragma once

#include <string>
#include <vector>

#include "lindle/ToolOptions.h"
#include "lindle/testing/SilentScannerEmitter.h"
#include "lindle/reader/ExpressionBuilder.h"

namespace lindle::testing {

// The silent emitter, with every operation the reader calls remembered as
// text ("caseLabel(3)") so that tests can check what it asks for and in
// which order. Its streams are not open unless a test opens them.
class RecordingScannerEmitter : public SilentScannerEmitter {
public:
    RecordingScannerEmitter(const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                            const toolframe::CodePage& codePage)
        : SilentScannerEmitter(options, diagnostics, codePage)
    {
    }

    const std::vector<std::string>& calls() const { return calls_; }

    void beginSource(bool repeat) override { record("beginSource(" + std::string(repeat ? "repeat" : "first") + ")"); }
    void includeGeneratedHeader(std::string_view path) override { record("includeGeneratedHeader(" + std::string(path) + ")"); }
    void startConditionDeclared(std::string_view name, int value) override
    {
        record("startConditionDeclared(" + std::string(name) + ", " + std::to_string(value) + ")");
    }
    void beginActionFunction() override { record("beginActionFunction()"); }
    void openActionSwitch() override { record("openActionSwitch()"); }
    void caseLabel(int number) override { record("caseLabel(" + std::to_string(number) + ")"); }
    void beginAction(int line) override
    {
        record("beginAction(" + std::to_string(line) + ")");
        SilentScannerEmitter::beginAction(line);
    }
    void endAction(bool semicolon) override
    {
        record(std::string("endAction(") + (semicolon ? "semicolon" : "") + ")");
        SilentScannerEmitter::endAction(semicolon);
    }
    void breakAfterAction() override { record("breakAfterAction()"); }
    void closeActionSwitch() override { record("closeActionSwitch()"); }
    void closeActionFunction() override { record("closeActionFunction()"); }
    void afterProgramCode(bool present) override
    {
        record(std::string("afterProgramCode(") + (present ? "present" : "absent") + ")");
    }
    void namePart(NamePart part, std::string_view name, bool open) override
    {
        static constexpr const char* kParts[] = {"declaration", "constructor", "destructor"};
        record("namePart(" + std::string(kParts[static_cast<int>(part)]) + ", " + std::string(name) + ", " +
               (open ? "open" : "close") + ")");
    }

private:
    void record(std::string call) { calls_.push_back(std::move(call)); }

    std::vector<std::string> calls_;
};

// Keeps what the reader hands to the regular-expression builder.
class RecordingExpressionBuilder : public ExpressionBuilder {
public:
    void definitionsRead(const std::vector<StartConditionInfo>& conditions,
                         const std::vector<TranslationRun>& translation) override
    {
        startConditions_ = static_cast<int>(conditions.size());
        translation_ = translation;
        ++definitionsReadCalls_;
    }
    void expression(const RuleExpression& rule) override { expressions_.push_back(rule); }
    void rulesRead() override { ++rulesReadCalls_; }

    int startConditions() const { return startConditions_; }
    const std::vector<TranslationRun>& translation() const { return translation_; }
    const std::vector<RuleExpression>& expressions() const { return expressions_; }
    int definitionsReadCalls() const { return definitionsReadCalls_; }
    int rulesReadCalls() const { return rulesReadCalls_; }

private:
    int startConditions_ = 0;
    std::vector<TranslationRun> translation_;
    std::vector<RuleExpression> expressions_;
    int definitionsReadCalls_ = 0;
    int rulesReadCalls_ = 0;
};

} // namespace lindle::testing
