// What the document list needs to know about each document's file, asked once and kept for a
// while, without ever waiting on a network share that does not answer.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct FileStatus {
    bool exists = false;
    uint64_t size = 0;
    uint64_t created = 0;   // UTC, 100 ns units since 1601
    uint64_t modified = 0;  // UTC, 100 ns units since 1601
};

// The part of a path that a share or drive answers for: "C:\", "\\server\share\", or empty
// for a relative path.
std::string PathRoot(std::string_view path);

class FileStatusCache {
public:
    struct Services {
        // The file's status; nothing when it does not exist or cannot be reached.
        std::function<std::optional<FileStatus>(const std::string& path)> stat;
        // Whether a root answers promptly; asked once per root and expiry period, so an
        // unreachable share costs one bounded wait, not one per document.
        std::function<bool(const std::string& root)> rootAnswers;
        // Milliseconds of a steady clock.
        std::function<uint64_t()> now;
    };

    // Statuses and root answers older than `maxAgeMs` are asked again.
    FileStatusCache(Services services, uint64_t maxAgeMs);

    // The status of document `id` at `path` (ids are dense small numbers).
    const FileStatus& Get(uint32_t id, const std::string& path);

    // Forgets one document (after a command moved or deleted it), or everything.
    void Forget(uint32_t id);
    void ForgetAll();

private:
    struct Entry {
        FileStatus status;
        uint64_t askedAt = 0;
        bool known = false;
    };
    struct RootAnswer {
        bool answers = false;
        uint64_t askedAt = 0;
    };
    bool RootAnswers(const std::string& path, uint64_t now);

    Services services_;
    uint64_t maxAgeMs_;
    std::vector<Entry> entries_;
    std::unordered_map<std::string, RootAnswer> roots_;
};
