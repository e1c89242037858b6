// The scanner: compares listings of the Recent folder and records each new or rewritten
// shortcut's target as one opening.
#pragma once

#include <string>
#include <vector>

#include "tracking/listing_diff.h"
#include "tracking/repeat_filter.h"

// Where detected openings go: one history line each.
class OpeningRecorder {
public:
    virtual ~OpeningRecorder() = default;
    virtual bool RecordOpening(const std::string& target, double oleDate) = 0;
};

class RecentScanner {
public:
    // Takes the first listing of `folder` (with its trailing backslash) as both the previous
    // and the current one, so nothing already there is recorded. False for an empty folder.
    bool Attach(std::string folder);

    const std::string& Folder() const { return folder_; }

    // Cleared while the list fills or a line is appended: message boxes pump messages, and
    // a change notification handled meanwhile must not start a second scan.
    void SetScanEnabled(bool enabled) { scanEnabled_ = enabled; }
    bool ScanEnabled() const { return scanEnabled_; }

    // Lists the folder again and records every new, then every rewritten shortcut whose
    // target has an extension. Returns how many openings were recorded.
    int Scan(OpeningRecorder& recorder);

private:
    bool TakeListing(std::vector<RecentEntry>& listing) const;
    bool Record(const RecentEntry& entry, bool rewritten, OpeningRecorder& recorder);

    std::string folder_;
    std::vector<RecentEntry> previous_;
    bool scanEnabled_ = true;
    RepeatFilter repeats_;
};

// Keeps scans off for its lifetime and then restores the state it found, so pauses nest. A
// null scanner pauses nothing.
class ScanPause {
public:
    explicit ScanPause(RecentScanner* scanner) : scanner_(scanner) {
        if (scanner_ == nullptr) return;
        wasEnabled_ = scanner_->ScanEnabled();
        scanner_->SetScanEnabled(false);
    }
    explicit ScanPause(RecentScanner& scanner) : ScanPause(&scanner) {}
    ~ScanPause() {
        if (scanner_ != nullptr) scanner_->SetScanEnabled(wasEnabled_);
    }
    ScanPause(const ScanPause&) = delete;
    ScanPause& operator=(const ScanPause&) = delete;

private:
    RecentScanner* scanner_;
    bool wasEnabled_ = true;
};
