#pragma once

#include <string>

namespace corvide {

// Indexes of the target-language list (and of the settings that store one).
enum LanguageIndex { kLanguageC = 0, kLanguageCpp = 1, kLanguageJava = 2 };

// Indexes of the compiler list. The first five keep their numbers so that
// stored settings keep their meaning; the compilers of this platform follow.
enum CompilerIndex {
    kCompilerVisualCpp32 = 0,
    kCompilerCppBuilder = 1,
    kCompilerOther = 2,
    kCompilerVisualCpp16 = 3,
    kCompilerBorlandCpp = 4,
    kCompilerGcc = 5,
    kCompilerClang = 6,
};

enum ModelIndex { kModelSingle = 0, kModelMultiple = 1, kModelMultipleInstance = 2 };
enum ParserIndex { kParserSlr = 0, kParserLalr = 1, kParserCanonicalLr = 2 };

// What the defaults of an option set depend on. Any index outside its list
// gives the tool's default code.
struct COptionDefaults {
    int language = kLanguageC;
    int compiler = kCompilerGcc;
    bool compactTables = false;
    bool unicode = false;
    int model = kModelSingle;
    int parser = kParserLalr; // Brannock only

    // What an opened project and "Use Project Defaults" take: the
    // new-project language and compiler, with compact tables and Unicode
    // off, the single model and LALR.
    static COptionDefaults forProject(int language, int compiler)
    {
        return COptionDefaults{language, compiler, false, false, kModelSingle, kParserLalr};
    }
};

// How a field of an option set takes its default.
enum class DefaultRule {
    Off,
    On,
    Empty,
    Range,          // 1024
    Language,       // "", "cpp", "j"
    Model,          // "", "m", "i"
    Parser,         // "s", "", "c"
    Unicode,        // as given
    CompactTables,  // as given
    ShortFileNames, // C or C++ with the 16-bit Microsoft compiler
    PlainLineNames, // C or C++ with either Borland compiler
};

inline constexpr int kDefaultRange = 1024;

bool defaultFlag(DefaultRule rule, const COptionDefaults& defaults);
std::string defaultCode(DefaultRule rule, const COptionDefaults& defaults);

} // namespace corvide
