#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "toolframe/platform/CodePage.h"

namespace corvide {

// An initialisation file ("[section]" lines and "key=value" lines), read
// and written as Windows' private-profile functions do: sections and keys
// match case-insensitively (the first of several equal ones counts), values
// are trimmed, a value reads into a 256-byte buffer and so holds at most 255
// characters, and integer reads take an optional sign and the leading
// decimal digits. Lines the reads do not understand (comments, blank lines,
// text without '=') are kept as they are when the file is written back.
//
// The whole file is held in memory; save() replaces it atomically, so a
// batch of writes reaches the disk all at once or not at all. Lookups are
// hashed, so files of many thousands of keys read in linear time.
class CProfileFile {
public:
    // What one value read holds at most, as with a buffer of 256 bytes.
    static constexpr std::size_t kValueCapacity = 255;

    explicit CProfileFile(toolframe::CodePage codePage = toolframe::CodePage());

    // Reads the file; false (and an empty document) when it cannot be read.
    bool load(const std::string& path);
    void parse(std::string_view text);

    // The document as text, and written over path in one atomic step
    // (made when missing). False when the file is left as it was.
    std::string text() const;
    bool save(const std::string& path) const;

    // GetPrivateProfileString: the value without one pair of enclosing
    // quotes (double or single), cut to 255 characters and at a NUL; the
    // default, cut the same way, when the key is missing.
    std::string getString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

    // GetPrivateProfileInt: the default when the key is missing or its
    // value empty; else the leading digits after an optional sign (0 when
    // there are none), held at the limits of int when they overflow.
    int getInt(std::string_view section, std::string_view key, int defaultValue) const;

    // WritePrivateProfileString: creates the section and the key as
    // needed. A value that getString would not give back as it was
    // (surrounding blanks, enclosing quotes) is written inside a further
    // pair of quotes. Refused (false, nothing changed) when the value, the
    // key or the section cannot be written as one line that reads back
    // the same: a line end or NUL in it, a value longer than a read takes,
    // '=' or a leading '[' in a key, ']' in a section, surrounding blanks
    // or an empty name.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);

    // The stored value as it stands (trimmed, whole, quotes kept); for
    // stores that keep their own value format.
    std::optional<std::string> rawValue(std::string_view section, std::string_view key) const;
    bool writeRaw(std::string_view section, std::string_view key, std::string_view value);

    // Removes every line of the key in every section of that name.
    void deleteKey(std::string_view section, std::string_view key);
    // Removes every section of that name with all its lines.
    void deleteSection(std::string_view section);
    // The same, except that the first section's header stays where it is, so
    // that keys written again return to their place in the file.
    void clearSection(std::string_view section);

    bool hasSection(std::string_view section) const;
    // Section names as written, in file order, each name once.
    std::vector<std::string> sectionNames() const;
    // The section's key names as written, in file order, each once.
    std::vector<std::string> keyNames(std::string_view section) const;

    static bool isWritableValue(std::string_view value);

private:
    struct Line {
        std::string text;      // as written, without its line end
        std::string foldedKey; // empty when the line is no key
    };
    struct Section {
        std::string header;
        std::string name;
        std::vector<Line> lines;
        std::unordered_map<std::string, std::size_t> firstKey; // folded key -> line
        std::size_t keysEnd = 0;                               // just past the last key line
    };
    struct Location {
        std::size_t section;
        std::size_t line;
    };

    Line lineFor(std::string text) const;
    void index(Section& section) const;
    void indexSections();
    std::optional<Location> find(std::string_view section, std::string_view key) const;
    Section& sectionForWriting(std::string_view section);
    std::string folded(std::string_view name) const;

    toolframe::CodePage codePage_;
    std::string byteOrderMark_;
    std::vector<Line> preamble_; // lines before the first section
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::vector<std::size_t>> sectionsByName_;
};

} // namespace corvide
