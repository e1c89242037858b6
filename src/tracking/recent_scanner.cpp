// Scanning the Recent folder on the window thread.
#include "tracking/recent_scanner.h"

#include <windows.h>

#include <optional>

#include "framework/wait_cursor.h"
#include "framework/win_handles.h"
#include "text/ole_date.h"
#include "tracking/shortcut_resolver.h"
#include "tracking/target_rules.h"

namespace {

uint64_t FromFileTime(const FILETIME& time) {
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

FILETIME ToFileTime(uint64_t time) {
    return FILETIME{static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
}

uint64_t Now() {
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    return FromFileTime(now);
}

// The shortcut's last-write time (UTC) as a local OLE date.
std::optional<double> LocalOleDate(uint64_t utc) {
    const FILETIME utcTime = ToFileTime(utc);
    FILETIME localTime;
    SYSTEMTIME fields;
    if (!::FileTimeToLocalFileTime(&utcTime, &localTime) || !::FileTimeToSystemTime(&localTime, &fields)) {
        return std::nullopt;
    }
    return OleDateFromCalendar({fields.wYear, fields.wMonth, fields.wDay, fields.wHour, fields.wMinute,
                                fields.wSecond, fields.wMilliseconds});
}

}  // namespace

bool RecentScanner::Attach(std::string folder) {
    folder_ = std::move(folder);
    previous_.clear();
    if (folder_.empty()) return false;
    TakeListing(previous_);
    return true;
}

bool RecentScanner::TakeListing(std::vector<RecentEntry>& listing) const {
    listing.clear();
    if (folder_.empty()) return false;
    WIN32_FIND_DATAA found;
    UniqueFindHandle search(::FindFirstFileA((folder_ + "*.*").c_str(), &found));
    if (!search) return true;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        listing.push_back({found.cFileName, FromFileTime(found.ftLastWriteTime)});
    } while (::FindNextFileA(search.get(), &found));
    return true;
}

int RecentScanner::Scan(OpeningRecorder& recorder) {
    if (!scanEnabled_ || folder_.empty()) return 0;
    std::vector<RecentEntry> current;
    TakeListing(current);
    const ListingChanges changes = CompareListings(previous_, current);
    previous_ = std::move(current);
    if (changes.added.empty() && changes.rewritten.empty()) return 0;

    WaitCursor wait;
    repeats_.Forget(Now());
    int recorded = 0;
    for (const RecentEntry& entry : changes.added) recorded += Record(entry, false, recorder);
    for (const RecentEntry& entry : changes.rewritten) recorded += Record(entry, true, recorder);
    return recorded;
}

bool RecentScanner::Record(const RecentEntry& entry, bool rewritten, OpeningRecorder& recorder) {
    std::string target;
    ResolveShortcut(folder_ + entry.name, target);
    if (!IsRecordableTarget(target)) return false;
    // The shell finishing a shortcut it has just written is not a second opening.
    if (rewritten && repeats_.IsSameOpening(entry.name, target, entry.lastWrite)) return false;
    const std::optional<double> date = LocalOleDate(entry.lastWrite);
    if (!date || !recorder.RecordOpening(target, *date)) return false;
    repeats_.Remember(entry.name, target, entry.lastWrite);
    return true;
}
