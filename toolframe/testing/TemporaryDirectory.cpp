#include "toolframe/testing/TemporaryDirectory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace toolframe::testing {

TemporaryDirectory::TemporaryDirectory()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/corvane-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TemporaryDirectory::~TemporaryDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TemporaryDirectory::write(const std::string& name, const std::string& content) const
{
    std::ofstream file(*this / name, std::ios::binary);
    file << content;
}

std::string TemporaryDirectory::read(const std::string& name) const { return readFile(*this / name); }

bool TemporaryDirectory::exists(const std::string& name) const
{
    struct stat status;
    return ::lstat((*this / name).c_str(), &status) == 0;
}

void TemporaryDirectory::link(const std::string& target, const std::string& name) const
{
    if (::symlink(target.c_str(), (*this / name).c_str()) != 0)
        throw std::runtime_error("symlink failed");
}

bool TemporaryDirectory::isLink(const std::string& name) const
{
    struct stat status;
    return ::lstat((*this / name).c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

std::vector<std::string> TemporaryDirectory::entries() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

} // namespace toolframe::testing
