// The history parsed once and kept compact, then brought up to date by reading only what an
// append added: every refresh of the view works from here instead of the whole file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tracking/history_file.h"
#include "tracking/id_table.h"

struct HistoryDocument {
    std::string_view path;  // UTF-8, held by the index until it is cleared; a legacy line's path is decoded
    uint32_t identity = 0;  // equal for paths that are equal without regard to case
    uint32_t extension = 0; // kNoExtension, or an id shared by extensions equal without regard to case
};

// A path's extension as written, without its dot ("" for none, and for a name ending in ".").
std::string_view ExtensionAsWritten(std::string_view path);

// The parts of a path that documents are sorted by.
enum class PathPart : size_t { Name, Folder };

class HistoryIndex {
public:
    static constexpr uint32_t kNoExtension = UINT32_MAX;

    // One well-formed line of the file, in file order.
    struct Line {
        int32_t day = 0;
        uint32_t document = 0;
    };

    enum class Refresh { Unchanged, Appended, Rebuilt, Failed };

    explicit HistoryIndex(LegacyDecoder legacy = nullptr) : legacy_(std::move(legacy)) {}
    // A copy's documents would name the paths the original holds: an index only moves.
    HistoryIndex(const HistoryIndex&) = delete;
    HistoryIndex& operator=(const HistoryIndex&) = delete;
    HistoryIndex(HistoryIndex&&) = default;
    HistoryIndex& operator=(HistoryIndex&&) = default;

    // Brings the index up to date with the file at `path`: nothing when it is unchanged, only
    // the new lines when it grew behind an unchanged beginning, everything otherwise.
    // Failed when it cannot be read; the index is then empty.
    Refresh Update(const std::string& path);

    // Forgets everything, so the next update reads the whole file.
    void Clear();

    // How many lines, from the first, the last update left as they were: all after Unchanged,
    // none after Rebuilt or Failed, and after Appended all but an unterminated last line that
    // was read again.
    size_t KeptLines() const { return keptLines_; }

    const std::vector<Line>& Lines() const { return lines_; }
    const HistoryDocument& Document(uint32_t id) const { return documents_[id]; }
    size_t DocumentCount() const { return documents_.size(); }
    size_t IdentityCount() const { return firstOfIdentity_.Size(); }
    // The identity of documents whose path equals `path` without regard to case, or nothing.
    std::optional<uint32_t> FindIdentity(std::string_view path) const;
    // The extension as first seen anywhere in the history, without dots.
    const std::string& ExtensionText(uint32_t id) const { return extensionTexts_[id]; }
    // The id of an extension (dots ignored, any case), or kNoExtension when no line has it.
    uint32_t FindExtension(std::string_view extension) const;

    // Every document's rank by the case-folded name or folder of its path; equal texts share
    // the rank of the first of them. Worked out when asked for after documents were added,
    // and kept in the cache.
    const std::vector<uint32_t>& TextRanks(PathPart part);

    // Adds the lines of a text; a last line without line end counts as a line. For tests
    // and for callers that hold the text already.
    void AddText(std::string_view text);

    // A file that keeps the parsed history between runs. The first update starts from it when
    // it still describes the history's beginning, and reads only what was appended since;
    // a cache that is damaged, of another format or of another history is ignored.
    void SetCachePath(std::string path) { cachePath_ = std::move(path); }
    // Brings the cache up to date at the end of a run: written when the history has at least
    // `worthBytes` and the cache misses that much of it or more, removed when the history is
    // shorter. False when it could not be written (the old one is then left as it was).
    bool SaveCacheIfStale(uint64_t worthBytes);
    // Bytes of the history the cache, as read or last written, covers; 0 when it covers none
    // of what the index holds.
    uint64_t CachedBytes() const { return cachedBytes_; }

private:
    struct StringHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    using StringMap = std::unordered_map<std::string, uint32_t, StringHash, std::equal_to<>>;

    // Bytes compared at the end of what was read, to notice an edited history.
    static constexpr size_t kTailCheck = 64;
    // Room for the paths of thousands of documents; never less, so that a block's text is
    // never kept inside the string object, where moving the list of blocks would move it.
    static constexpr size_t kPathBlock = size_t{1} << 20;

    static uint32_t HashText(std::string_view text);
    // Tells whether the hashing and case folding of this build made a cache's tables.
    static uint64_t KeyProbe();
    // A hash of the history's first bytes, never 0; 0 when they cannot be read.
    static uint64_t HashOfHead(const std::filesystem::path& history, uint64_t size);
    // Keeps a path's text for as long as the index holds its document: in large blocks that
    // never move, rather than an allocation per document.
    std::string_view StorePath(std::string_view path);
    void AddLine(std::string_view raw);
    uint32_t Intern(std::string_view rawPath);
    uint32_t NewDocument(std::string_view path);
    bool ReadRange(const std::string& path, uint64_t from, uint64_t to);
    bool RestoreCache(const std::string& historyPath);
    bool ReadCache(const std::string& historyPath);
    bool WriteCache() const;

    LegacyDecoder legacy_;
    std::vector<Line> lines_;
    std::vector<HistoryDocument> documents_;
    std::vector<std::string> pathBlocks_;  // each keeps its capacity; only the last one grows
    // Documents by their path as written, which is their path unless it was decoded; decoded
    // ones are few and found by the text they were decoded from.
    IdTable documentByPath_;
    StringMap decodedByRaw_;
    // The first document of each identity, by its case-folded path.
    IdTable firstOfIdentity_;
    std::string folded_;       // scratch for case folding, kept to reuse its storage
    std::string otherFolded_;
    StringMap extensionByFolded_;
    std::vector<std::string> extensionTexts_;
    std::vector<uint32_t> ranks_[2];  // by PathPart; of fewer documents than there are: stale

    // What has been read of the file: its size and last-write stamp then, the last bytes before
    // that point (to notice edits), and an unterminated last line, which a later append may
    // still extend and is therefore parsed again.
    uint64_t readBytes_ = 0;
    int64_t readStamp_ = 0;
    std::string readTail_;
    uint64_t openLineStart_ = 0;
    bool openLineIndexed_ = false;
    bool hasOpenLine_ = false;
    size_t keptLines_ = 0;

    std::string cachePath_;
    bool cacheTried_ = false;
    uint64_t cachedBytes_ = 0;
    uint64_t headHash_ = 0;  // of the history as last read from its beginning
};
