#include "corvide/core/project/Project.h"

#include <climits>

#include "corvide/core/platform/ProcessDirectory.h"
#include "corvide/core/profile/ProfileFile.h"
#include "corvide/core/project/CommandLinePath.h"
#include "corvide/core/project/OptionStamp.h"
#include "corvide/core/project/OutputName.h"
#include "corvide/core/project/UpToDate.h"
#include "corvide/core/text/CaseInsensitive.h"
#include "toolframe/platform/FileIdentity.h"
#include "toolframe/platform/PathServices.h"

namespace corvide {

namespace {

constexpr std::string_view kProjectSection = "Project";
constexpr std::string_view kDirectoryKey = "Directory";
constexpr std::string_view kFilesSection = "FilesInProject";
constexpr std::string_view kStampsSection = "TimeStamps";
constexpr std::string_view kProjectExtension = ".cvp";
// Longer full paths cannot be opened here; the name then stays without one.
constexpr std::size_t kFullPathLimit = PATH_MAX;

std::string fileKey(std::size_t number)
{
    std::string key = "File";
    key += std::to_string(number);
    return key;
}

bool sameFile(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty())
        return false;
    if (a == b)
        return true;
    const auto first = toolframe::identityOfPath(a);
    const auto second = toolframe::identityOfPath(b);
    return first && second && first->sameFileAs(*second);
}

// The directory part without its trailing separator, "/" kept for the root.
std::string directoryWithout(std::string_view path, const toolframe::CodePage& codePage)
{
    std::string directory(toolframe::path::directoryPart(path, codePage));
    if (directory.size() > 1 && toolframe::path::isSeparator(directory.back()))
        directory.pop_back();
    return directory;
}

std::optional<std::time_t> readStamp(const CProfileFile& file, std::string_view key)
{
    return stamp::parse(file.getString(kStampsSection, key, ""));
}

bool writeStamp(CProfileFile& file, std::string_view key, std::optional<std::time_t> when)
{
    if (!when) {
        file.deleteKey(kStampsSection, key);
        return true;
    }
    return file.writeString(kStampsSection, key, stamp::format(*when));
}

} // namespace

CProject::CProject(toolframe::CodePage codePage)
    : codePage_(codePage), clock_([] { return std::time(nullptr); })
{
}

CProject::~CProject() = default;

void CProject::forgetFiles()
{
    for (CProjectObserver* observer : observers_)
        observer->projectReset();
    files_.clear();
}

void CProject::reset()
{
    forgetFiles();
    directory_.clear();
    storedDirectory_.clear();
    name_.clear();
    path_.clear();
    brannockOptions_ = CBrannockOptions();
    lindleOptions_ = CLindleOptions();
    brannockStamp_.reset();
    lindleStamp_.reset();
    modified_ = false;
}

void CProject::initialise(const std::string& projectPath, const COptionDefaults& defaults)
{
    reset();
    path_ = toolframe::path::fullPath(projectPath);
    directory_ = directoryWithout(path_, codePage_);
    name_ = toolframe::path::fileNamePart(path_, codePage_);
    if (name_.size() > kProjectExtension.size() &&
        equalNoCase(std::string_view(name_).substr(name_.size() - kProjectExtension.size()), kProjectExtension,
                    codePage_))
        name_.resize(name_.size() - kProjectExtension.size());
    platform::setCurrentDirectory(directory_);
    brannockOptions_.setDefaults(defaults);
    lindleOptions_.setDefaults(defaults);
}

const CProjectFile& CProject::insertSorted(std::string storedName, std::string fullPath, EqualNames equalNames)
{
    std::string folded = foldedCase(storedName, codePage_);
    const SourceKind kind = sourceKindOf(fullPath.empty() ? storedName : fullPath, codePage_);
    auto file = std::make_unique<CProjectFile>(std::move(storedName), std::move(fullPath), folded, kind);
    const auto hint = equalNames == EqualNames::After ? files_.upper_bound(std::string_view(folded))
                                                       : files_.lower_bound(std::string_view(folded));
    const auto position = files_.emplace_hint(hint, std::move(file));
    for (CProjectObserver* observer : observers_)
        observer->fileAdded(**position);
    return **position;
}

// A name under the directory that an older project was saved in is moved
// to the project's directory now, and then made relative to the project.
std::string CProject::legacyName(std::string name) const
{
    const std::string& old = storedDirectory_;
    // The old directory counts only as a whole leading part of the name, so
    // that a sibling directory whose name merely begins the same stays put.
    const bool under = name.starts_with(old) &&
                       (name.size() == old.size() || toolframe::path::isSeparator(name[old.size()]) ||
                        toolframe::path::isSeparator(old.back()));
    if (!equalNoCase(old, directory_, codePage_) && under) {
        // An old directory written with its closing separator took it from
        // the name; the rest still needs one to stand under the new place.
        std::string rest = name.substr(old.size());
        if (!rest.empty() && !toolframe::path::isSeparator(rest.front()))
            rest.insert(0, 1, '/');
        name = directory_ + rest;
    }
    return toolframe::path::relativePath(path_, toolframe::path::fullPath(name, directory_));
}

bool CProject::load(const std::string& projectPath, const COptionDefaults& defaults)
{
    initialise(projectPath, defaults);
    CProfileFile file(codePage_);
    const bool read = file.load(path_);
    storedDirectory_ = file.getString(kProjectSection, kDirectoryKey, "");
    for (std::size_t number = 1;; ++number) {
        std::string name = file.getString(kFilesSection, fileKey(number), "");
        if (name.empty())
            break;
        if (!storedDirectory_.empty())
            name = legacyName(std::move(name));
        std::string full = toolframe::path::fullPath(name, directory_);
        if (full.size() >= kFullPathLimit)
            full.clear();
        // Names that differ only in case keep the order the file gives them,
        // so that saving and loading again does not swap them.
        insertSorted(std::move(name), std::move(full), EqualNames::After);
    }
    brannockOptions_.readSection(file);
    lindleOptions_.readSection(file);
    brannockStamp_ = readStamp(file, CBrannockOptions::kSection);
    lindleStamp_ = readStamp(file, CLindleOptions::kSection);
    modified_ = false;
    return read;
}

bool CProject::save()
{
    CProfileFile file(codePage_);
    file.load(path_);
    file.deleteKey(kProjectSection, kDirectoryKey);
    file.clearSection(kFilesSection);
    bool written = true;
    // A name that cannot be written takes no number, so that the files after
    // it are not cut off at the gap when the project is read.
    std::size_t number = 0;
    for (const auto& projectFile : files_) {
        const bool fileWritten = file.writeString(kFilesSection, fileKey(number + 1), projectFile->storedName());
        number += fileWritten ? 1 : 0;
        written = fileWritten && written;
    }
    written = brannockOptions_.writeSection(file) && written;
    written = lindleOptions_.writeSection(file) && written;
    written = writeStamp(file, CBrannockOptions::kSection, brannockStamp_) && written;
    written = writeStamp(file, CLindleOptions::kSection, lindleStamp_) && written;
    // A failed save keeps the project modified, so that closing it still
    // asks about the changes rather than dropping them.
    if (!file.save(path_))
        return false;
    modified_ = !written;
    return written;
}

const CProjectFile* CProject::addFile(const std::string& path, bool useRelativeName)
{
    const std::string full = toolframe::path::fullPath(path, directory_);
    std::string stored = useRelativeName ? toolframe::path::relativePath(path_, full) : path;
    for (const auto& file : files_)
        if (sameFile(file->fullPath(), full) || file->storedName() == stored)
            return nullptr;
    const CProjectFile& added = insertSorted(std::move(stored), full, EqualNames::Before);
    modified_ = true;
    return &added;
}

void CProject::removeFile(const CProjectFile& file)
{
    auto [first, last] = files_.equal_range(std::string_view(file.foldedName()));
    for (auto it = first; it != last; ++it) {
        if (it->get() != &file)
            continue;
        for (CProjectObserver* observer : observers_)
            observer->fileRemoved(file);
        files_.erase(it);
        modified_ = true;
        return;
    }
}

const CProjectFile* CProject::findFile(std::string_view name) const
{
    for (const auto& file : files_)
        if (file->fullPath() == name || file->storedName() == name)
            return file.get();
    for (const auto& file : files_)
        if (equalNoCase(file->fullPath(), name, codePage_) || equalNoCase(file->storedName(), name, codePage_))
            return file.get();
    return nullptr;
}

void CProject::setBrannockOptions(const CBrannockOptions& options)
{
    if (options.differsFrom(brannockOptions_)) {
        brannockStamp_ = clock_();
        modified_ = true;
    }
    brannockOptions_.copyFrom(options);
}

void CProject::setLindleOptions(const CLindleOptions& options)
{
    if (options.differsFrom(lindleOptions_)) {
        lindleStamp_ = clock_();
        modified_ = true;
    }
    lindleOptions_.copyFrom(options);
}

std::vector<const CProjectFile*> CProject::files() const
{
    std::vector<const CProjectFile*> list;
    list.reserve(files_.size());
    for (const auto& file : files_)
        list.push_back(file.get());
    return list;
}

const COptionSet* CProject::optionsFor(SourceKind kind) const
{
    switch (kind) {
    case SourceKind::Grammar:
        return &brannockOptions_;
    case SourceKind::Scanner:
        return &lindleOptions_;
    case SourceKind::Other:
        break;
    }
    return nullptr;
}

std::optional<std::time_t> CProject::stampFor(SourceKind kind) const
{
    return kind == SourceKind::Grammar ? brannockStamp_ : kind == SourceKind::Scanner ? lindleStamp_ : std::nullopt;
}

std::string CProject::switchesFor(SourceKind kind) const
{
    switch (kind) {
    case SourceKind::Grammar:
        return brannockOptions_.commandLineSwitches();
    case SourceKind::Scanner:
        return lindleOptions_.commandLineSwitches();
    case SourceKind::Other:
        break;
    }
    return {};
}

std::string CProject::outputName(const CProjectFile& file) const
{
    const COptionSet* options = optionsFor(file.kind());
    if (options == nullptr || file.fullPath().empty())
        return {};
    return derivedOutputName(file.fullPath(), file.kind(), *options, codePage_);
}

bool CProject::isUpToDate(const CProjectFile& file) const
{
    const std::string output = outputName(file);
    return !output.empty() && corvide::isUpToDate(file.fullPath(), output, stampFor(file.kind()));
}

std::string CProject::toolArguments(const CProjectFile& file) const
{
    return toolArguments(file.fullPath(), file.kind());
}

std::string CProject::toolArguments(std::string_view sourcePath, SourceKind kind) const
{
    if (!isBuilt(kind))
        return {};
    std::string arguments = commandLineArgument(sourcePath);
    arguments += ' ';
    arguments += switchesFor(kind);
    return arguments;
}

std::string CProject::workingDirectory(const CProjectFile& file) const
{
    return isBuilt(file.kind()) ? sourceDirectory(file.fullPath()) : std::string();
}

std::string CProject::sourceDirectory(std::string_view sourcePath) const
{
    return directoryWithout(sourcePath, codePage_);
}

void CProject::addObserver(CProjectObserver& observer) { observers_.push_back(&observer); }

void CProject::removeObserver(CProjectObserver& observer) { std::erase(observers_, &observer); }

} // namespace corvide
