// The parsed history kept between runs: a long history is read from its cache in a fraction of
// the time its lines take to parse, and only what was appended since is parsed.
//
// The cache holds the index's own numbers, written for this program on this machine: a header
// with the counts and the state of the history when it was written, then the lines, the
// documents, their paths, the extension texts, both id tables as they stand, the sort ranks
// worked out so far, and a checksum of all of it. Anything that does not add up is ignored and
// the history is parsed instead.
#include "tracking/history_index.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <system_error>
#include <type_traits>

#include "text/case_fold.h"

namespace fs = std::filesystem;

namespace {

constexpr char kMagic[8] = {'K', 'S', 'T', 'R', 'I', 'D', 'X', '2'};
// The beginning of the history the cache must still find, beside the bytes before its end.
constexpr size_t kHeadCheck = 4096;

struct Header {
    char magic[8];
    uint64_t readBytes;
    int64_t readStamp;
    uint64_t openLineStart;
    uint64_t headHash;
    uint64_t lineCount;
    uint32_t documentCount;
    uint32_t identityCount;
    uint32_t extensionCount;
    uint32_t tailSize;
    uint64_t pathBytes;
    uint64_t extensionBytes;
    uint8_t hasOpenLine;
    uint8_t openLineIndexed;
    uint8_t padding[6];
    // The tables of documents by path and of identities by folded path are kept as they are,
    // so they hold only for the hashing and case folding that made them.
    uint64_t keyProbe;
    uint32_t pathSlotCount;
    uint32_t identitySlotCount;
    uint32_t rankCounts[2];  // by PathPart: the document count, or 0 when not kept
};

struct DocumentEntry {
    uint32_t pathSize;
    uint32_t identity;
    uint32_t extension;
};

static_assert(std::is_trivially_copyable_v<HistoryIndex::Line> && sizeof(HistoryIndex::Line) == 8);
static_assert(std::is_trivially_copyable_v<IdTable::Slot> && sizeof(IdTable::Slot) == 8);

// A running checksum over everything written or read, eight bytes at a time. The writer hands
// it a path at a time and the reader all paths at once, so only the bytes count, not the calls.
class Checksum {
public:
    void Add(const void* data, size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        size_t i = 0;
        while (i < size && filled_ % 8 != 0) Take(bytes[i++]);
        for (; i + 8 <= size; i += 8) {
            uint64_t word;
            std::memcpy(&word, bytes + i, 8);
            Mix(word);
            filled_ += 8;
        }
        while (i < size) Take(bytes[i++]);
    }
    uint64_t Value() const {
        Checksum last = *this;
        last.Mix(pending_ ^ filled_);
        return last.value_;
    }

private:
    void Take(unsigned char byte) {
        pending_ |= uint64_t{byte} << (8 * (filled_ % 8));
        if (++filled_ % 8 == 0) {
            Mix(pending_);
            pending_ = 0;
        }
    }
    void Mix(uint64_t word) {
        value_ = (value_ ^ word) * 0x9E3779B97F4A7C15ull;
        value_ ^= value_ >> 31;
    }
    uint64_t value_ = 0x243F6A8885A308D3ull;
    uint64_t pending_ = 0;
    uint64_t filled_ = 0;
};

class CacheReader {
public:
    explicit CacheReader(const fs::path& file) : in_(file, std::ios::binary | std::ios::ate) {
        if (in_) {
            left_ = static_cast<uint64_t>(in_.tellg());
            in_.seekg(0);
        }
    }
    // Whether `count` items of `size` bytes are still there to read: a damaged count must not
    // make room for more than the file holds.
    bool Holds(uint64_t count, size_t size) const { return size == 0 || count <= left_ / size; }
    bool Read(void* into, size_t size) {
        if (size > left_ || !in_.read(static_cast<char*>(into), static_cast<std::streamsize>(size))) return false;
        left_ -= size;
        checksum_.Add(into, size);
        return true;
    }
    // The stored checksum, which must end the file.
    bool ChecksumMatches() {
        const uint64_t expected = checksum_.Value();
        uint64_t stored = 0;
        return left_ == sizeof stored && in_.read(reinterpret_cast<char*>(&stored), sizeof stored) && stored == expected;
    }

private:
    std::ifstream in_;
    uint64_t left_ = 0;
    Checksum checksum_;
};

class CacheWriter {
public:
    explicit CacheWriter(const fs::path& file) : out_(file, std::ios::binary | std::ios::trunc) {}
    void Write(const void* data, size_t size) {
        out_.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        checksum_.Add(data, size);
    }
    bool Finish() {
        const uint64_t value = checksum_.Value();
        out_.write(reinterpret_cast<const char*>(&value), sizeof value);
        out_.close();
        return !out_.fail();
    }

private:
    std::ofstream out_;
    Checksum checksum_;
};

}  // namespace

uint64_t HistoryIndex::HashOfHead(const fs::path& history, uint64_t size) {
    std::ifstream in(history, std::ios::binary);
    std::string head(static_cast<size_t>(std::min<uint64_t>(size, kHeadCheck)), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    // An unreadable beginning matches nothing a cache could hold.
    if (!in || static_cast<size_t>(in.gcount()) != head.size()) return 0;
    Checksum checksum;
    checksum.Add(head.data(), head.size());
    return checksum.Value() | 1;
}

uint64_t HistoryIndex::KeyProbe() {
    // Upper and lower case beyond ASCII, so that a change to either shows.
    const std::string_view probe = "C:\\Übersicht\\ÉTÉ Straße\\Ωmega ДОК.txt";
    return uint64_t{HashText(probe)} << 32 | HashText(FoldCase(probe));
}

bool HistoryIndex::RestoreCache(const std::string& historyPath) {
    if (cachePath_.empty() || cacheTried_) return false;
    cacheTried_ = true;
    if (ReadCache(historyPath)) return true;
    Clear();
    return false;
}

bool HistoryIndex::ReadCache(const std::string& historyPath) {
    CacheReader in(PathFromUtf8(cachePath_));
    Header header{};
    if (!in.Read(&header, sizeof header) || std::memcmp(header.magic, kMagic, sizeof kMagic) != 0) return false;
    if (header.readBytes == 0 || header.tailSize > kTailCheck || header.tailSize > header.readBytes ||
        header.openLineStart > header.readBytes || header.identityCount > header.documentCount ||
        header.keyProbe != KeyProbe()) {
        return false;
    }
    for (const uint32_t count : header.rankCounts) {
        if (count != 0 && count != header.documentCount) return false;
    }
    // The history must still begin as it did: another file of the same name and length is
    // caught here, an edited end by the update that follows.
    if (HashOfHead(PathFromUtf8(historyPath), header.readBytes) != header.headHash) return false;

    if (!in.Holds(header.lineCount, sizeof(Line)) || !in.Holds(header.documentCount, sizeof(DocumentEntry)) ||
        !in.Holds(header.pathBytes, 1) || !in.Holds(header.extensionCount, sizeof(uint32_t)) ||
        !in.Holds(header.extensionBytes, 1) || !in.Holds(header.pathSlotCount, sizeof(IdTable::Slot)) ||
        !in.Holds(header.identitySlotCount, sizeof(IdTable::Slot))) {
        return false;
    }
    readTail_.resize(header.tailSize);
    // Room for the lines and documents of later appends, touched only when used.
    lines_.reserve(header.lineCount + header.lineCount / 4 + 4096);
    lines_.resize(header.lineCount);
    std::vector<DocumentEntry> entries(header.documentCount);
    std::string paths;
    paths.reserve(std::max<size_t>(header.pathBytes, kPathBlock));
    paths.resize(header.pathBytes);
    std::vector<uint32_t> extensionSizes(header.extensionCount);
    std::string extensions(header.extensionBytes, '\0');
    std::vector<IdTable::Slot> pathSlots(header.pathSlotCount);
    std::vector<IdTable::Slot> identitySlots(header.identitySlotCount);
    if (!in.Read(readTail_.data(), readTail_.size()) || !in.Read(lines_.data(), lines_.size() * sizeof(Line)) ||
        !in.Read(entries.data(), entries.size() * sizeof(DocumentEntry)) || !in.Read(paths.data(), paths.size()) ||
        !in.Read(extensionSizes.data(), extensionSizes.size() * sizeof(uint32_t)) ||
        !in.Read(extensions.data(), extensions.size()) ||
        !in.Read(pathSlots.data(), pathSlots.size() * sizeof(IdTable::Slot)) ||
        !in.Read(identitySlots.data(), identitySlots.size() * sizeof(IdTable::Slot))) {
        return false;
    }
    for (size_t part = 0; part < std::size(ranks_); ++part) {
        ranks_[part].resize(header.rankCounts[part]);
        if (!in.Read(ranks_[part].data(), ranks_[part].size() * sizeof(uint32_t))) return false;
        for (const uint32_t rank : ranks_[part]) {
            if (rank >= header.documentCount) return false;
        }
    }
    if (!in.ChecksumMatches()) return false;

    for (const Line& line : lines_) {
        if (line.document >= header.documentCount) return false;
    }
    size_t offset = 0;
    for (const uint32_t size : extensionSizes) {
        if (size > extensions.size() - offset) return false;
        const std::string_view text = std::string_view(extensions).substr(offset, size);
        if (!extensionByFolded_.emplace(FoldCase(text), static_cast<uint32_t>(extensionTexts_.size())).second) return false;
        extensionTexts_.emplace_back(text);
        offset += size;
    }
    if (offset != extensions.size()) return false;

    documents_.reserve(entries.size() + entries.size() / 4 + 1024);
    if (!documentByPath_.Adopt(std::move(pathSlots), header.documentCount) ||
        !firstOfIdentity_.Adopt(std::move(identitySlots), header.documentCount)) {
        return false;
    }
    // The paths stay where they were read, as the index's first block.
    const std::string_view block = pathBlocks_.emplace_back(std::move(paths));
    offset = 0;
    uint32_t identities = 0;
    for (const DocumentEntry& entry : entries) {
        // Identities are numbered in the order of their first documents.
        if (entry.pathSize > block.size() - offset || entry.identity > identities ||
            (entry.extension != kNoExtension && entry.extension >= extensionTexts_.size())) {
            return false;
        }
        HistoryDocument& document = documents_.emplace_back();
        document.path = block.substr(offset, entry.pathSize);
        document.identity = entry.identity;
        document.extension = entry.extension;
        offset += entry.pathSize;
        if (entry.identity == identities) ++identities;
    }
    // Every document is found by its path and every identity by its first document's.
    if (offset != block.size() || identities != header.identityCount || firstOfIdentity_.Size() != identities ||
        documentByPath_.Size() != documents_.size()) {
        return false;
    }

    readBytes_ = header.readBytes;
    readStamp_ = header.readStamp;
    openLineStart_ = header.openLineStart;
    hasOpenLine_ = header.hasOpenLine != 0;
    openLineIndexed_ = header.openLineIndexed != 0;
    // An indexed open line is the last line, which an append takes back.
    if (openLineIndexed_ && (!hasOpenLine_ || lines_.empty())) return false;
    headHash_ = header.headHash;
    cachedBytes_ = readBytes_;
    return true;
}

bool HistoryIndex::WriteCache() const {
    Header header{};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.readBytes = readBytes_;
    header.readStamp = readStamp_;
    header.openLineStart = openLineStart_;
    header.headHash = headHash_;
    header.lineCount = lines_.size();
    header.documentCount = static_cast<uint32_t>(documents_.size());
    header.identityCount = static_cast<uint32_t>(firstOfIdentity_.Size());
    header.extensionCount = static_cast<uint32_t>(extensionTexts_.size());
    header.tailSize = static_cast<uint32_t>(readTail_.size());
    std::vector<DocumentEntry> entries;
    entries.reserve(documents_.size());
    for (const HistoryDocument& document : documents_) {
        entries.push_back({static_cast<uint32_t>(document.path.size()), document.identity, document.extension});
        header.pathBytes += document.path.size();
    }
    std::vector<uint32_t> extensionSizes;
    for (const std::string& text : extensionTexts_) {
        extensionSizes.push_back(static_cast<uint32_t>(text.size()));
        header.extensionBytes += text.size();
    }
    header.hasOpenLine = hasOpenLine_ ? 1 : 0;
    header.openLineIndexed = openLineIndexed_ ? 1 : 0;
    header.keyProbe = KeyProbe();
    header.pathSlotCount = static_cast<uint32_t>(documentByPath_.Slots().size());
    header.identitySlotCount = static_cast<uint32_t>(firstOfIdentity_.Slots().size());
    // Ranks worked out before the last documents came are not kept.
    for (size_t part = 0; part < std::size(ranks_); ++part) {
        header.rankCounts[part] = ranks_[part].size() == documents_.size() ? header.documentCount : 0;
    }

    // Written beside the cache and then put in its place: a full disk leaves the old one whole.
    const fs::path target = PathFromUtf8(cachePath_);
    const fs::path temporary = PathFromUtf8(cachePath_ + ".new");
    CacheWriter out(temporary);
    out.Write(&header, sizeof header);
    out.Write(readTail_.data(), readTail_.size());
    out.Write(lines_.data(), lines_.size() * sizeof(Line));
    out.Write(entries.data(), entries.size() * sizeof(DocumentEntry));
    for (const HistoryDocument& document : documents_) out.Write(document.path.data(), document.path.size());
    out.Write(extensionSizes.data(), extensionSizes.size() * sizeof(uint32_t));
    for (const std::string& text : extensionTexts_) out.Write(text.data(), text.size());
    out.Write(documentByPath_.Slots().data(), documentByPath_.Slots().size() * sizeof(IdTable::Slot));
    out.Write(firstOfIdentity_.Slots().data(), firstOfIdentity_.Slots().size() * sizeof(IdTable::Slot));
    for (size_t part = 0; part < std::size(ranks_); ++part) {
        out.Write(ranks_[part].data(), header.rankCounts[part] * sizeof(uint32_t));
    }
    std::error_code error;
    if (out.Finish()) {
        fs::rename(temporary, target, error);
        if (!error) return true;
    }
    fs::remove(temporary, error);
    return false;
}

bool HistoryIndex::SaveCacheIfStale(uint64_t worthBytes) {
    if (cachePath_.empty()) return true;
    std::error_code error;
    if (readBytes_ == 0 || readBytes_ < worthBytes) {
        fs::remove(PathFromUtf8(cachePath_), error);
        cachedBytes_ = 0;
        return true;
    }
    if (cachedBytes_ > 0 && readBytes_ - cachedBytes_ < std::max<uint64_t>(worthBytes, 1)) return true;
    if (headHash_ == 0) return false;
    // Paths decoded from the legacy code page would be decoded alike only under the same code
    // page: such a history is parsed at every start, as it always was.
    if (!decodedByRaw_.empty()) {
        fs::remove(PathFromUtf8(cachePath_), error);
        return true;
    }
    if (!WriteCache()) return false;
    cachedBytes_ = readBytes_;
    return true;
}
