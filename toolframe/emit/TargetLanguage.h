#pragma once

namespace toolframe {

// The enumerators keep the values of the command-line record.
enum class TargetLanguage { C = 0, Cpp = 1, Java = 2 };

// Single: state in file-scope variables; the multiple models: one library
// object per parser or lexer, named by %name.
enum class CodeModel { Single = 0, Multiple = 1, MultipleInstance = 2 };

} // namespace toolframe
