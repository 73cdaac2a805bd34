#pragma once

#include <string>
#include <string_view>

#include "corvide/core/options/OptionSet.h"
#include "corvide/core/options/OptionTable.h"
#include "corvide/core/profile/ProfileFile.h"

namespace corvide {

// The four jobs of an option set, done by walking the tool's field table:
// Options names its table (fields()) and its section (kSection).
template <class Options>
struct COptionRecord : COptionSet {
    void setDefaults(const COptionDefaults& defaults)
    {
        optiontable::applyDefaults(self(), Options::fields(), defaults);
    }

    // False when any key failed to write; the others are written all the
    // same.
    bool writeSection(CProfileFile& file, std::string_view section = Options::kSection) const
    {
        return optiontable::write(self(), Options::fields(), file, section);
    }

    // Keys missing from the section keep the current values; a code that
    // is not allowed becomes the tool's default; a range read outside the
    // field's limits keeps the current value.
    void readSection(const CProfileFile& file, std::string_view section = Options::kSection)
    {
        optiontable::read(self(), Options::fields(), file, section);
    }

    bool differsFrom(const Options& other) const { return optiontable::differ(self(), other, Options::fields()); }
    void copyFrom(const Options& other) { self() = other; }

    // The switches in field order, each with one trailing space.
    std::string commandLineSwitches() const { return optiontable::switches(self(), Options::fields()); }

private:
    Options& self() { return static_cast<Options&>(*this); }
    const Options& self() const { return static_cast<const Options&>(*this); }
};

} // namespace corvide
