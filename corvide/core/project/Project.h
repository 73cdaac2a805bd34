#pragma once

#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "corvide/core/options/BrannockOptions.h"
#include "corvide/core/options/LindleOptions.h"
#include "corvide/core/project/ProjectFile.h"
#include "corvide/core/project/ProjectObserver.h"
#include "corvide/core/project/SourceKind.h"
#include "toolframe/platform/CodePage.h"

namespace corvide {

// The open project: a list of files kept sorted by stored name (compared
// case-insensitively; an added file goes before one whose name compares
// equal, while a loaded file keeps the order of the project file among
// them, so that names differing only in case do not swap places at every
// save), one option set for each tool, the time each set last changed, and
// the project file (".cvp") they live in.
//
// What the build runner needs of it:
//   - files() in project order; each file's kind() tells which tool builds
//     it (isBuilt(kind) is false for "other" files, which are never built);
//   - outputName(file): the generated file a build of it writes;
//   - isUpToDate(file): whether Build skips it (Rebuild All never asks);
//   - toolArguments(file): the source's full path, in double quotes when
//     it holds a space, a space, and the switch string of the file's tool;
//   - workingDirectory(file): the source's directory, where the tool runs;
//   - the same two for a single file that is not in the project.
//
// Paths. Names are compared case-insensitively where the workbench
// always did: the order of the files, the ".cvp" extension, a legacy stored
// directory. Here, where two names differing only in case are two files, a
// file is refused by addFile() only when it is the same file as one in
// the project (equal paths, or one file on disk reached by both names, as
// on a case-insensitive file system); findFile() prefers an exact match.
class CProject {
public:
    using Clock = std::function<std::time_t()>;

    explicit CProject(toolframe::CodePage codePage = toolframe::CodePage());
    ~CProject();
    CProject(const CProject&) = delete;
    CProject& operator=(const CProject&) = delete;

    // New or opened project: forgets every file, takes the project file's
    // full path, name and directory, makes the directory the process's
    // current directory and gives both option sets their defaults.
    void initialise(const std::string& projectPath, const COptionDefaults& defaults);

    // Initialises, then reads the project file over the defaults. False when
    // the file could not be read; the project then stays initialised.
    bool load(const std::string& projectPath, const COptionDefaults& defaults);

    // Writes the project file in one atomic replacement. False when a key
    // could not be written (the others are) or the file could not be
    // replaced (then it is left as it was); the project stays modified.
    bool save();

    // Back to no project.
    void reset();

    bool isOpen() const { return !path_.empty(); }

    // The new file, or nothing when the same file is in the project
    // already. With useRelativeName the stored name is the path relative to
    // the project file.
    const CProjectFile* addFile(const std::string& path, bool useRelativeName);
    void removeFile(const CProjectFile& file);
    // A file whose full path or stored name is name: exactly, else
    // ignoring case; the first in project order.
    const CProjectFile* findFile(std::string_view name) const;

    // A set that differs from the one held moves the tool's stamp to now
    // and marks the project modified.
    void setBrannockOptions(const CBrannockOptions& options);
    void setLindleOptions(const CLindleOptions& options);

    std::vector<const CProjectFile*> files() const;
    std::size_t fileCount() const { return files_.size(); }
    const CBrannockOptions& brannockOptions() const { return brannockOptions_; }
    const CLindleOptions& lindleOptions() const { return lindleOptions_; }
    std::optional<std::time_t> brannockStamp() const { return brannockStamp_; }
    std::optional<std::time_t> lindleStamp() const { return lindleStamp_; }
    const std::string& path() const { return path_; }
    const std::string& name() const { return name_; }
    const std::string& directory() const { return directory_; }
    // The legacy Directory value read at load; empty for current files.
    const std::string& storedDirectory() const { return storedDirectory_; }
    bool isModified() const { return modified_; }

    // Building. Each asks about a grammar or scanner file; for other files
    // they give empty names and false.
    std::string outputName(const CProjectFile& file) const;
    bool isUpToDate(const CProjectFile& file) const;
    std::string switchesFor(SourceKind kind) const;
    std::string toolArguments(const CProjectFile& file) const;
    std::string toolArguments(std::string_view sourcePath, SourceKind kind) const;
    std::string workingDirectory(const CProjectFile& file) const;
    // The directory part without its trailing separator; "/" for a file in
    // the root directory.
    std::string sourceDirectory(std::string_view sourcePath) const;
    std::optional<std::time_t> stampFor(SourceKind kind) const;

    void addObserver(CProjectObserver& observer);
    void removeObserver(CProjectObserver& observer);

    // What "now" is when an option set changes (the system clock unless set).
    void setClock(Clock clock) { clock_ = std::move(clock); }

private:
    struct ByFoldedName {
        using is_transparent = void;
        bool operator()(const std::unique_ptr<CProjectFile>& a, const std::unique_ptr<CProjectFile>& b) const
        {
            return a->foldedName() < b->foldedName();
        }
        bool operator()(const std::unique_ptr<CProjectFile>& a, std::string_view b) const
        {
            return a->foldedName() < b;
        }
        bool operator()(std::string_view a, const std::unique_ptr<CProjectFile>& b) const
        {
            return a < b->foldedName();
        }
    };
    using FileSet = std::multiset<std::unique_ptr<CProjectFile>, ByFoldedName>;

    // Where a file goes among files whose names compare equal.
    enum class EqualNames { Before, After };
    const CProjectFile& insertSorted(std::string storedName, std::string fullPath, EqualNames equalNames);
    std::string legacyName(std::string name) const;
    const COptionSet* optionsFor(SourceKind kind) const;
    void forgetFiles();

    toolframe::CodePage codePage_;
    std::string directory_;
    std::string storedDirectory_;
    std::string name_;
    std::string path_;
    FileSet files_;
    CBrannockOptions brannockOptions_;
    CLindleOptions lindleOptions_;
    std::optional<std::time_t> brannockStamp_;
    std::optional<std::time_t> lindleStamp_;
    bool modified_ = false;
    std::vector<CProjectObserver*> observers_;
    Clock clock_;
};

} // namespace corvide
