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
    void beginActionFunction() override;
    void beginActionCase(int number, std::optional<int> attributeCount) override;
    void resultAttribute() override;
    void endActionFunction() override;
    void parserName(bool begin, std::string_view name) override;
    void constructorBlock(bool begin, std::string_view name) override;
    void destructorBlock(bool begin, std::string_view name) override;

private:
    void writeClassHead(std::string_view name);
    // The generated part of the constructor or destructor, which the
    // user's code follows.
    void writeSpecialMember(bool begin, std::string_view heading, std::string_view opening);
};

} // namespace brannock
