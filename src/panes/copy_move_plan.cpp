// Copy/move rules: target paths, and the checks that keep a run from destroying a document.
#include "panes/copy_move_plan.h"

#include <unordered_set>

#include "text/case_fold.h"
#include "tracking/document_cells.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// A document that must not be handed to the system: the operation would destroy data or
// undo what this run did.
bool MustNotTransfer(const std::string& source, const std::string& target,
                     const std::unordered_set<std::string>& written, DocumentFileOperations& files) {
    if (!files.IsRegularFile(source)) return true;
    const std::string key = ComparablePath(target);
    // Copying a file onto itself truncates it and moving it onto itself with replace may delete
    // it; the spelling is compared first, the identity catches links and other spellings.
    if (key == ComparablePath(source)) return true;
    if (written.contains(key)) return true;
    return files.Exists(target) && files.SameFile(source, target);
}

}  // namespace

std::string TransferTarget(std::string_view folder, std::string_view source) {
    while (!folder.empty() && IsSeparator(folder.back())) folder.remove_suffix(1);
    std::string target(folder);
    target += '\\';
    target += SplitNameAndFolder(source).name;
    return target;
}

std::string ComparablePath(std::string_view path) {
    std::string plain;
    plain.reserve(path.size());
    for (size_t i = 0; i < path.size(); ++i) {
        if (!IsSeparator(path[i])) {
            plain += path[i];
        } else if (i < 2 || !IsSeparator(path[i - 1])) {
            plain += '\\';
        }
    }
    return FoldCase(plain);
}

TransferOutcome TransferDocuments(const std::vector<std::string>& sources, std::string_view folder,
                                  TransferMode mode, bool overwrite, DocumentFileOperations& files) {
    TransferOutcome outcome;
    std::unordered_set<std::string> written;
    for (const std::string& source : sources) {
        const std::string target = TransferTarget(folder, source);
        if (MustNotTransfer(source, target, written, files)) return outcome;
        const bool done = mode == TransferMode::Move ? files.Move(source, target, overwrite)
                                                     : files.Copy(source, target, !overwrite);
        if (!done) return outcome;
        written.insert(ComparablePath(target));
        ++outcome.done;
    }
    outcome.succeeded = true;
    return outcome;
}
