// Parsing and interning the history; file access is plain stream I/O in large blocks.
#include "tracking/history_index.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "text/case_fold.h"
#include "tracking/history_line.h"
#include "text/path_split.h"
#include "text/utf8.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kBlock = size_t{4} << 20;    // read size: the file is never held whole
constexpr uint64_t kShortLineBytes = 48;      // date, blank, a short path and line end

std::string WithoutDots(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c != '.') out += c;
    }
    return out;
}

struct FileState {
    uint64_t size = 0;
    int64_t stamp = 0;  // last write
};

// The C runtime's stat behind the standard library keeps whole seconds on Windows, so a
// rewrite of the same size within a second would look unchanged: ask the system instead.
std::optional<FileState> ReadFileState(const fs::path& file) {
#ifdef _WIN32
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return FileState{(uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
                     static_cast<int64_t>((uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                                          data.ftLastWriteTime.dwLowDateTime)};
#else
    std::error_code error;
    const uint64_t size = fs::file_size(file, error);
    if (error) return std::nullopt;
    const int64_t stamp = fs::last_write_time(file, error).time_since_epoch().count();
    return FileState{size, stamp};
#endif
}

bool ReadBytes(const fs::path& path, uint64_t from, size_t count, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(static_cast<std::streamoff>(from));
    out.resize(count);
    in.read(out.data(), static_cast<std::streamsize>(count));
    return static_cast<size_t>(in.gcount()) == count;
}

}  // namespace

uint32_t HistoryIndex::HashText(std::string_view text) {
    const uint64_t hash = std::hash<std::string_view>{}(text);
    return static_cast<uint32_t>(hash ^ (hash >> 32));
}

void HistoryIndex::Clear() {
    lines_.clear();
    documents_.clear();
    pathBlocks_.clear();
    documentByPath_.Clear();
    decodedByRaw_.clear();
    firstOfIdentity_.Clear();
    extensionByFolded_.clear();
    extensionTexts_.clear();
    for (std::vector<uint32_t>& ranks : ranks_) ranks.clear();
    readBytes_ = 0;
    readStamp_ = 0;
    readTail_.clear();
    openLineStart_ = 0;
    openLineIndexed_ = false;
    hasOpenLine_ = false;
    keptLines_ = 0;
    cachedBytes_ = 0;
    headHash_ = 0;
}

std::string_view ExtensionAsWritten(std::string_view path) {
    std::string_view extension = PathExtension(path);
    if (!extension.empty()) extension.remove_prefix(1);
    return extension;
}

uint32_t HistoryIndex::FindExtension(std::string_view extension) const {
    const auto found = extensionByFolded_.find(FoldCase(WithoutDots(extension)));
    return found == extensionByFolded_.end() ? kNoExtension : found->second;
}

uint32_t HistoryIndex::Intern(std::string_view rawPath) {
    const uint32_t hash = HashText(rawPath);
    if (const auto found = documentByPath_.Find(hash, [&](uint32_t id) { return documents_[id].path == rawPath; })) {
        return *found;
    }
    if (!legacy_ || IsValidUtf8(rawPath)) {
        const uint32_t id = NewDocument(rawPath);
        documentByPath_.Insert(hash, id);
        return id;
    }
    if (const auto found = decodedByRaw_.find(rawPath); found != decodedByRaw_.end()) return found->second;
    const uint32_t id = NewDocument(legacy_(rawPath));
    decodedByRaw_.emplace(std::string(rawPath), id);
    return id;
}

std::optional<uint32_t> HistoryIndex::FindIdentity(std::string_view path) const {
    const std::string folded = FoldCase(path);
    std::string other;
    const auto first = firstOfIdentity_.Find(HashText(folded), [&](uint32_t id) {
        FoldCaseInto(documents_[id].path, other);
        return other == folded;
    });
    if (!first) return std::nullopt;
    return documents_[*first].identity;
}

std::string_view HistoryIndex::StorePath(std::string_view path) {
    if (pathBlocks_.empty() || pathBlocks_.back().capacity() - pathBlocks_.back().size() < path.size()) {
        pathBlocks_.emplace_back().reserve(std::max(kPathBlock, path.size()));
    }
    std::string& block = pathBlocks_.back();
    const size_t start = block.size();
    // Within its capacity the block never moves, so the texts before stay where they are.
    block.append(path);
    return std::string_view(block).substr(start, path.size());
}

uint32_t HistoryIndex::NewDocument(std::string_view path) {
    const auto id = static_cast<uint32_t>(documents_.size());
    HistoryDocument document;

    FoldCaseInto(path, folded_);
    const uint32_t foldedHash = HashText(folded_);
    const auto first = firstOfIdentity_.Find(foldedHash, [&](uint32_t other) {
        FoldCaseInto(documents_[other].path, otherFolded_);
        return otherFolded_ == folded_;
    });
    if (first) {
        document.identity = documents_[*first].identity;
    } else {
        document.identity = static_cast<uint32_t>(firstOfIdentity_.Size());
        firstOfIdentity_.Insert(foldedHash, id);
    }

    const std::string_view extension = ExtensionAsWritten(path);
    document.extension = kNoExtension;
    if (!extension.empty()) {
        // Looked up before anything is made: nearly every document has an extension seen before.
        FoldCaseInto(extension, otherFolded_);
        auto found = extensionByFolded_.find(std::string_view(otherFolded_));
        if (found == extensionByFolded_.end()) {
            found = extensionByFolded_.emplace(otherFolded_, static_cast<uint32_t>(extensionTexts_.size())).first;
            extensionTexts_.emplace_back(extension);
        }
        document.extension = found->second;
    }

    document.path = StorePath(path);
    documents_.push_back(document);
    return id;
}

void HistoryIndex::AddLine(std::string_view raw) {
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    const std::optional<HistoryLine> line = ParseHistoryLine(raw);
    if (line) lines_.push_back({line->day, Intern(line->path)});
}

void HistoryIndex::AddText(std::string_view text) {
    text = WithoutByteOrderMark(text);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1) {
        AddLine(text.substr(start, end - start));
    }
    if (start < text.size()) AddLine(text.substr(start));
}

bool HistoryIndex::ReadRange(const std::string& path, uint64_t from, uint64_t to) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) return false;
    in.seekg(static_cast<std::streamoff>(from));
    std::string block;
    std::string carry;  // a line cut by the block boundary
    // Room for the lines at a generous guess of their length: growing a list of a million lines
    // step by step moves it to fresh memory again and again, and under Wine every first touch of
    // a page costs more than the copy. Room never used is never touched.
    if (from == 0) lines_.reserve(static_cast<size_t>(to / kShortLineBytes));
    uint64_t position = from;
    uint64_t lineStart = from;
    while (position < to) {
        const size_t want = static_cast<size_t>(std::min<uint64_t>(kBlock, to - position));
        block.resize(want);
        in.read(block.data(), static_cast<std::streamsize>(want));
        if (static_cast<size_t>(in.gcount()) != want) return false;
        // The mark is 3 bytes and a block is megabytes: it is always whole in the first one.
        size_t start = position == 0 && block.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
        for (size_t end; (end = block.find('\n', start)) != std::string::npos; start = end + 1) {
            if (carry.empty()) {
                AddLine(std::string_view(block).substr(start, end - start));
            } else {
                carry.append(block, start, end - start);
                AddLine(carry);
                carry.clear();
            }
            lineStart = position + end + 1;
        }
        carry.append(block, start, std::string::npos);
        position += want;
    }
    hasOpenLine_ = !carry.empty();
    openLineStart_ = lineStart;
    if (hasOpenLine_) {
        const size_t before = lines_.size();
        AddLine(carry);
        openLineIndexed_ = lines_.size() > before;
    }
    return true;
}

HistoryIndex::Refresh HistoryIndex::Update(const std::string& path) {
    const fs::path file = PathFromUtf8(path);
    const std::optional<FileState> state = ReadFileState(file);
    if (!state) {
        Clear();
        return Refresh::Failed;
    }
    const uint64_t size = state->size;
    const int64_t stamp = state->stamp;
    // Numbers restored from the cache are new to the caller, whatever is read after them.
    const bool restored = readBytes_ == 0 && RestoreCache(path);

    if (readBytes_ > 0 && size == readBytes_ && stamp == readStamp_) {
        keptLines_ = restored ? 0 : lines_.size();
        return restored ? Refresh::Rebuilt : Refresh::Unchanged;
    }

    // Grown behind an unchanged beginning: read only from the first line not yet complete.
    std::string tail;
    const bool grew = readBytes_ > 0 && size > readBytes_ &&
                      ReadBytes(file, readBytes_ - readTail_.size(), readTail_.size(), tail) && tail == readTail_;
    Refresh result = Refresh::Appended;
    uint64_t from = readBytes_;
    if (grew) {
        if (hasOpenLine_) {
            if (openLineIndexed_) lines_.pop_back();
            from = openLineStart_;
        }
        keptLines_ = lines_.size();
    } else {
        Clear();
        from = 0;
        result = Refresh::Rebuilt;
    }
    if (!ReadRange(path, from, size)) {
        Clear();
        return Refresh::Failed;
    }
    readBytes_ = size;
    readStamp_ = stamp;
    if (from == 0) headHash_ = HashOfHead(file, size);
    const size_t keep = static_cast<size_t>(std::min<uint64_t>(kTailCheck, size));
    if (!ReadBytes(file, size - keep, keep, readTail_)) readTail_.clear();
    if (restored) {
        keptLines_ = 0;
        return Refresh::Rebuilt;
    }
    return result;
}
