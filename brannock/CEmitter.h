#pragma once

#include "brannock/TargetEmitter.h"

namespace brannock {

// The C target (-Tc): a C source file and, with -i, a C header.
class CEmitter : public TargetEmitter {
public:
    explicit CEmitter(const EmitterContext& context);

    bool alwaysUnicode() const override { return false; }
    bool supportsIncludeFile() const override { return true; }
    std::string_view defaultSourceExtension() const override { return "c"; }
    std::string_view defaultIncludeExtension() const override { return "h"; }

    void beginIncludeFile(std::string_view includePath) override;
    void beginSourceFile(bool repeated) override;
};

} // namespace brannock
