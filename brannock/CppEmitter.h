#pragma once

#include "brannock/TargetEmitter.h"

namespace brannock {

// The C++ target (-Tcpp): a parser class derived from the library's.
class CppEmitter : public TargetEmitter {
public:
    explicit CppEmitter(const EmitterContext& context);

    bool alwaysUnicode() const override { return false; }
    bool supportsIncludeFile() const override { return true; }
    std::string_view defaultSourceExtension() const override { return "cpp"; }
    std::string_view defaultIncludeExtension() const override { return "h"; }

    void beginIncludeFile(std::string_view includePath) override;
    void beginSourceFile(bool repeated) override;
};

} // namespace brannock
