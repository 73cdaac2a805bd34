#pragma once

#include "brannock/TargetEmitter.h"

namespace brannock {

// The Java target (-Tj): one source file, always Unicode, never an
// include file.
class JavaEmitter : public TargetEmitter {
public:
    explicit JavaEmitter(const EmitterContext& context);

    bool alwaysUnicode() const override { return true; }
    bool supportsIncludeFile() const override { return false; }
    std::string_view defaultSourceExtension() const override { return "java"; }
    std::string_view defaultIncludeExtension() const override { return ""; }

    void beginIncludeFile(std::string_view) override {}
    void endIncludeFile() override {}
    void beginSourceFile(bool repeated) override;
    void includeGeneratedHeader(std::string_view) override {}
};

} // namespace brannock
