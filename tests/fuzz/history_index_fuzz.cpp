// Any bytes as a history file, written in two parts cut anywhere: reading the first part and
// then only what was appended gives the same lines and documents as parsing the whole text, and
// so does restoring the first part from the cache a run kept of it and reading the rest.
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <unordered_map>

#include "fuzz/fuzz_check.h"
#include "tracking/history_index.h"

namespace {

// Stands in for the legacy code page: any non-UTF-8 path is decoded to something else, so the
// decoded-path bookkeeping is exercised.
std::string DecodeForTest(std::string_view bytes) {
    std::string out = "legacy:";
    for (unsigned char c : bytes) out += static_cast<char>('a' + c % 26);
    return out;
}

const std::string& FilePath() {
    static const std::string path = "/tmp/kestrum-history-fuzz-" + std::to_string(::getpid()) + ".dat";
    return path;
}

const std::string& CachePath() {
    static const std::string path = "/tmp/kestrum-history-fuzz-" + std::to_string(::getpid()) + ".idx";
    return path;
}

void WriteFile(std::string_view text, std::ios::openmode mode) {
    std::ofstream(FilePath(), std::ios::binary | mode).write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const size_t cut = text.empty() ? 0 : data[0] % (text.size() + 1);

    HistoryIndex whole(&DecodeForTest);
    whole.AddText(text);

    HistoryIndex read(&DecodeForTest);
    WriteFile(text.substr(0, cut), std::ios::trunc);
    const auto first = read.Update(FilePath());
    FUZZ_CHECK(first == HistoryIndex::Refresh::Rebuilt || (cut == 0 && first != HistoryIndex::Refresh::Failed));
    // Kept whatever its length, and with ranks when there are documents to rank.
    std::remove(CachePath().c_str());
    read.SetCachePath(CachePath());
    read.TextRanks(PathPart::Name);
    FUZZ_CHECK(read.SaveCacheIfStale(0));
    WriteFile(text.substr(cut), std::ios::app);
    FUZZ_CHECK(read.Update(FilePath()) != HistoryIndex::Refresh::Failed);

    // The next run's index restores what the cache kept and reads the rest: the same index as
    // the run that went on reading. Without a cache (nothing read, legacy paths) it parses all.
    HistoryIndex restored(&DecodeForTest);
    restored.SetCachePath(CachePath());
    FUZZ_CHECK(restored.Update(FilePath()) == HistoryIndex::Refresh::Rebuilt);
    const HistoryIndex& same = restored.CachedBytes() > 0 ? read : whole;
    FUZZ_CHECK(restored.Lines().size() == same.Lines().size() && restored.DocumentCount() == same.DocumentCount());
    for (size_t i = 0; i < same.Lines().size(); ++i) {
        FUZZ_CHECK(restored.Lines()[i].day == same.Lines()[i].day && restored.Lines()[i].document == same.Lines()[i].document);
    }
    for (uint32_t id = 0; id < same.DocumentCount(); ++id) {
        const HistoryDocument& a = restored.Document(id);
        const HistoryDocument& b = same.Document(id);
        FUZZ_CHECK(a.path == b.path && a.identity == b.identity && a.extension == b.extension);
    }

    // A line cut by the first write was interned as it stood then; it stays as an unused
    // document, so the read index may hold more documents, never fewer.
    FUZZ_CHECK(read.Lines().size() == whole.Lines().size());
    FUZZ_CHECK(read.DocumentCount() >= whole.DocumentCount());
    std::unordered_map<uint32_t, uint32_t> identityOf;  // whole's identity -> read's, one to one
    std::unordered_map<uint32_t, uint32_t> identityBack;
    for (size_t i = 0; i < whole.Lines().size(); ++i) {
        const auto& a = read.Lines()[i];
        const auto& b = whole.Lines()[i];
        FUZZ_CHECK(a.day == b.day);
        const HistoryDocument& document = read.Document(a.document);
        const HistoryDocument& expected = whole.Document(b.document);
        FUZZ_CHECK(document.path == expected.path);
        FUZZ_CHECK(document.identity < read.IdentityCount());
        FUZZ_CHECK(identityOf.try_emplace(expected.identity, document.identity).first->second == document.identity);
        FUZZ_CHECK(identityBack.try_emplace(document.identity, expected.identity).first->second == expected.identity);
        FUZZ_CHECK(document.extension == HistoryIndex::kNoExtension ||
                   read.FindExtension(read.ExtensionText(document.extension)) == document.extension);
    }
    return 0;
}
