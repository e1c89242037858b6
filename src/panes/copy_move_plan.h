// The rules of copying or moving documents into one folder, over an interface of file operations
// so that they run the same on the real file system and on a fake one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The few file operations a copy or move run needs. Each answers for one call; none of them
// shows anything.
class DocumentFileOperations {
public:
    // True for an existing file that is neither a folder nor a device.
    virtual bool IsRegularFile(const std::string& path) = 0;
    // True when both paths exist and name the same file (one volume, one file index), whatever
    // their spelling: links, case, "." and "..", short names.
    virtual bool SameFile(const std::string& first, const std::string& second) = 0;
    virtual bool Exists(const std::string& path) = 0;
    // With `failIfExists` an existing target is refused by the system itself, not checked first.
    virtual bool Copy(const std::string& source, const std::string& target, bool failIfExists) = 0;
    // Also across drives. Without `replace` an existing target is refused by the system itself.
    virtual bool Move(const std::string& source, const std::string& target, bool replace) = 0;

protected:
    ~DocumentFileOperations() = default;
};

enum class TransferMode { Copy, Move };

// The folder text with its trailing "\" and "/" removed, then "\", then the source's name and
// extension.
std::string TransferTarget(std::string_view folder, std::string_view source);

// One spelling per path for comparisons: "/" read as "\", runs of separators as one (a leading
// "\\" of a share kept), case folded as the file system folds it.
std::string ComparablePath(std::string_view path);

struct TransferOutcome {
    // Documents copied or moved, from the front of the list.
    std::size_t done = 0;
    // True when every document was.
    bool succeeded = false;
};

// Copies or moves each source into `folder`, in order, and stops at the first document that
// fails; those before it stay done. A document fails when it is not a regular file, when its
// target is the source itself (it would be truncated or lost), when its target was written
// earlier in this run (two sources of one name), when its target exists and `overwrite` is off,
// or when the system refuses the operation.
TransferOutcome TransferDocuments(const std::vector<std::string>& sources, std::string_view folder,
                                  TransferMode mode, bool overwrite, DocumentFileOperations& files);
