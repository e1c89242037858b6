// Folder by folder, with the cheapest question that settles the most documents first.
#include "tracking/folder_status_check.h"

#include <string_view>

#include "text/case_fold.h"
#include "text/path_split.h"

namespace {

std::string_view FolderOf(std::string_view path) { return path.substr(0, BaseNameOffset(path)); }

// "C:\docs\old\" is "old" in "C:\docs\"; a root has no parent (both empty).
std::pair<std::string_view, std::string_view> ParentAndName(std::string_view folder) {
    if (folder.empty() || (folder.back() != '\\' && folder.back() != '/')) return {};
    const std::string_view withoutSeparator = folder.substr(0, folder.size() - 1);
    const size_t name = BaseNameOffset(withoutSeparator);
    if (name == 0 || name == withoutSeparator.size()) return {};
    return {withoutSeparator.substr(0, name), withoutSeparator.substr(name)};
}

std::vector<StatusAnswer> AllWith(const FolderGroup& group, const FileStatus& status) {
    std::vector<StatusAnswer> answers;
    answers.reserve(group.requests.size());
    for (const StatusRequest& request : group.requests) answers.push_back({request.document, status, request.generation});
    return answers;
}

}  // namespace

std::vector<FolderGroup> GroupByFolder(std::vector<StatusRequest> requests) {
    std::vector<FolderGroup> groups;
    std::unordered_map<std::string, size_t> byFolder;
    for (StatusRequest& request : requests) {
        const std::string_view folder = FolderOf(request.path);
        const auto [found, added] = byFolder.try_emplace(FoldCase(folder), groups.size());
        if (added) groups.push_back({std::string(folder), {}});
        groups[found->second].requests.push_back(std::move(request));
    }
    return groups;
}

bool FolderStatusChecker::RootAnswers(const std::string& folder) {
    const std::string root = PathRoot(folder);
    if (root.empty()) return true;
    const uint64_t now = services_.now();
    const auto [found, added] = roots_.try_emplace(FoldCase(root));
    if (added || now - found->second.askedAt >= kRootAnswerLifetimeMs) {
        found->second = {services_.rootAnswers(root), now};
    }
    return found->second.answers;
}

bool FolderStatusChecker::FolderExists(const std::string& folder) {
    const auto [parent, name] = ParentAndName(folder);
    if (parent.empty()) return services_.folderExists(folder);
    const uint64_t now = services_.now();
    std::string key = FoldCase(parent);
    auto found = parents_.find(key);
    const bool recent = found != parents_.end() && now - found->second.since < kParentListingLifetimeMs;
    if (recent && found->second.names) {
        // Only absence is taken from the listing: the name may belong to a file, not a folder.
        if (!found->second.names->contains(FoldCase(name))) return false;
        return services_.folderExists(folder);
    }
    if (services_.folderExists(folder)) return true;
    if (!recent) {
        // One gone folder is asked about alone: listing a large parent would cost more.
        if (parents_.size() >= kParentListingsKept) {
            std::erase_if(parents_, [&](const auto& entry) { return now - entry.second.since >= kParentListingLifetimeMs; });
            if (parents_.size() >= kParentListingsKept) parents_.clear();
        }
        parents_[std::move(key)] = {std::nullopt, false, now};
        return false;
    }
    // A second one: its siblings are likely gone too, and one listing answers for them all.
    ParentListing& listing = found->second;
    if (!listing.listed) {
        listing = {std::nullopt, true, now};
        if (const std::optional<FolderServices::Listing> entries = services_.listFolder(std::string(parent))) {
            listing.names.emplace();
            for (const auto& entry : *entries) listing.names->insert(FoldCase(entry.first));
        }
    }
    return false;
}

std::vector<StatusAnswer> FolderStatusChecker::Check(const FolderGroup& group) {
    const FileStatus missing;
    if (group.requests.empty()) return {};
    // Nothing behind a silent share is asked: every question there could wait for minutes.
    if (!RootAnswers(group.folder)) return AllWith(group, missing);
    const bool several = group.requests.size() > 1;
    if (several && !group.folder.empty() && !FolderExists(group.folder)) return AllWith(group, missing);

    if (group.requests.size() >= kListFrom && !group.folder.empty()) {
        if (const std::optional<FolderServices::Listing> listing = services_.listFolder(group.folder)) {
            std::unordered_map<std::string, const FileStatus*> byName;
            for (const auto& [name, status] : *listing) byName.emplace(FoldCase(name), &status);
            std::vector<StatusAnswer> answers;
            answers.reserve(group.requests.size());
            for (const StatusRequest& request : group.requests) {
                const auto found = byName.find(FoldCase(std::string_view(request.path).substr(BaseNameOffset(request.path))));
                answers.push_back({request.document, found == byName.end() ? missing : *found->second, request.generation});
            }
            return answers;
        }
    }
    std::vector<StatusAnswer> answers;
    answers.reserve(group.requests.size());
    for (const StatusRequest& request : group.requests) {
        answers.push_back({request.document, services_.stat(request.path).value_or(missing), request.generation});
    }
    return answers;
}

std::vector<StatusAnswer> FolderStatusChecker::CheckAll(const std::vector<StatusRequest>& requests) {
    std::vector<StatusAnswer> answers;
    for (const FolderGroup& group : GroupByFolder(requests)) {
        std::vector<StatusAnswer> part = Check(group);
        answers.insert(answers.end(), part.begin(), part.end());
    }
    return answers;
}
