// Answers file-status questions folder by folder: a folder that is gone settles all its
// documents at once, a listing answers for every file in it, and a drive or share that does not
// answer settles its documents as unavailable without a single wait per document. Where two
// folders turned out to be gone, their parent's listing answers for the siblings for a while: a
// file system that matches names without regard to case (Wine's) reads the whole parent for
// every name it does not find, so thousands of gone folders under one parent would each cost
// a read of it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "tracking/file_status.h"

// The file system's side, as a few questions.
struct FolderServices {
    // Whether a drive or share root answers within a bounded wait.
    std::function<bool(const std::string& root)> rootAnswers;
    std::function<bool(const std::string& folder)> folderExists;
    // Every entry of a folder (name and status), or nothing when it cannot be listed.
    using Listing = std::vector<std::pair<std::string, FileStatus>>;
    std::function<std::optional<Listing>(const std::string& folder)> listFolder;
    // One file's status; nothing when it does not exist or cannot be reached.
    std::function<std::optional<FileStatus>(const std::string& path)> stat;
    // Milliseconds of a steady clock.
    std::function<uint64_t()> now;
};

// The questions about documents of one folder ("C:\docs\", with its separator; empty for a path
// without one). Folders are compared without regard to case.
struct FolderGroup {
    std::string folder;
    std::vector<StatusRequest> requests;
};

// The requests by folder, folders in order of their first request, requests in order within.
std::vector<FolderGroup> GroupByFolder(std::vector<StatusRequest> requests);

class FolderStatusChecker {
public:
    // From this many documents on, a folder is listed once instead of asking for each file.
    static constexpr size_t kListFrom = 4;
    // How long a root's answer (or silence) is trusted.
    static constexpr uint64_t kRootAnswerLifetimeMs = 30'000;
    // How long a parent's listing answers for gone sibling folders, and how many are kept.
    static constexpr uint64_t kParentListingLifetimeMs = 2'000;
    static constexpr size_t kParentListingsKept = 64;

    explicit FolderStatusChecker(FolderServices services) : services_(std::move(services)) {}

    // One answer per request of the group, in its order.
    std::vector<StatusAnswer> Check(const FolderGroup& group);
    // Every request of a batch, grouped first.
    std::vector<StatusAnswer> CheckAll(const std::vector<StatusRequest>& requests);

private:
    bool RootAnswers(const std::string& folder);
    bool FolderExists(const std::string& folder);

    FolderServices services_;
    struct RootAnswer {
        bool answers = false;
        uint64_t askedAt = 0;
    };
    std::unordered_map<std::string, RootAnswer> roots_;  // by case-folded root
    struct ParentListing {
        std::optional<std::unordered_set<std::string>> names;  // case-folded; none: not listed
        bool listed = false;  // tried: the parent could not be listed when `names` is none
        uint64_t since = 0;   // when its first gone folder was found, or it was listed
    };
    std::unordered_map<std::string, ParentListing> parents_;  // by case-folded parent folder
};
