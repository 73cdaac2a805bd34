// Feeds arbitrary text to the initialisation-file reader. Whatever it
// reads must write back: every value read is accepted by the writer and
// reads back the same, and the document's own text parses to the same
// values.
#include <cstdint>
#include <string>
#include <string_view>

#include "corvide/core/profile/ProfileFile.h"

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvide::CProfileFile file;
    file.parse(text);
    corvide::CProfileFile reparsed;
    reparsed.parse(file.text());
    for (const std::string& section : file.sectionNames()) {
        for (const std::string& key : file.keyNames(section)) {
            const std::string value = file.getString(section, key, "");
            file.getInt(section, key, 0);
            check(reparsed.getString(section, key, "") == value);
            corvide::CProfileFile copy;
            if (copy.writeString(section, key, value)) {
                corvide::CProfileFile written;
                written.parse(copy.text());
                check(written.getString(section, key, "?") == value);
            }
            check(corvide::CProfileFile::isWritableValue(value));
        }
        file.deleteKey(section, "File1");
    }
    if (!file.sectionNames().empty())
        file.deleteSection(file.sectionNames().front());
    file.text();
    return 0;
}
