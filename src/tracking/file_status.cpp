// File status caching with a bounded cost per refresh, whatever the size of the history.
#include "tracking/file_status.h"

#include "text/case_fold.h"

std::string PathRoot(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':') {
        return std::string(path.substr(0, 2)) + "\\";
    }
    const bool unc = path.size() > 2 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/');
    if (!unc) return {};
    // \\server\share\ : the separator after the share, or the whole path when there is none.
    size_t separators = 0;
    for (size_t i = 2; i < path.size(); ++i) {
        if ((path[i] == '\\' || path[i] == '/') && ++separators == 2) return std::string(path.substr(0, i + 1));
    }
    return std::string(path) + "\\";
}

FileStatusCache::FileStatusCache(Services services, uint64_t maxAgeMs)
    : services_(std::move(services)), maxAgeMs_(maxAgeMs) {}

bool FileStatusCache::RootAnswers(const std::string& path, uint64_t now) {
    const std::string root = FoldCase(PathRoot(path));
    if (root.empty()) return true;
    auto found = roots_.find(root);
    if (found == roots_.end() || now - found->second.askedAt >= maxAgeMs_) {
        const bool answers = services_.rootAnswers(PathRoot(path));
        found = roots_.insert_or_assign(root, RootAnswer{answers, services_.now()}).first;
    }
    return found->second.answers;
}

const FileStatus& FileStatusCache::Get(uint32_t id, const std::string& path) {
    if (entries_.size() <= id) entries_.resize(id + 1);
    Entry& entry = entries_[id];
    const uint64_t now = services_.now();
    if (!entry.known || now - entry.askedAt >= maxAgeMs_) {
        entry.status = FileStatus{};
        if (RootAnswers(path, now)) {
            if (const std::optional<FileStatus> status = services_.stat(path)) entry.status = *status;
        }
        entry.askedAt = now;
        entry.known = true;
    }
    return entry.status;
}

void FileStatusCache::Forget(uint32_t id) {
    if (id < entries_.size()) entries_[id].known = false;
}

void FileStatusCache::ForgetAll() {
    entries_.clear();
    roots_.clear();
}
