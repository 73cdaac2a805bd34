#pragma once

#include <string>
#include <vector>

namespace toolframe::testing {

// A fresh directory for one test, removed with everything in it.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    void write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;
    // Makes name a symbolic link to target, as written (relative to the link).
    void link(const std::string& target, const std::string& name) const;
    bool isLink(const std::string& name) const;
    // The names in the directory, sorted.
    std::vector<std::string> entries() const;

private:
    std::string path_;
};

std::string readFile(const std::string& path);

} // namespace toolframe::testing
