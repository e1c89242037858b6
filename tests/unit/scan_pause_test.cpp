// Pauses of the Recent-folder scan nest: leaving an inner one must not switch scans back on.
#include "tracking/recent_scanner.h"

#include <gtest/gtest.h>

namespace {

TEST(ScanPause, RestoresTheStateItFound) {
    for (const bool initially : {true, false}) {
        RecentScanner scanner;
        scanner.SetScanEnabled(initially);
        {
            const ScanPause outer(scanner);
            EXPECT_FALSE(scanner.ScanEnabled());
            { const ScanPause inner(&scanner); }
            EXPECT_FALSE(scanner.ScanEnabled()) << "an inner pause ended the outer one";
        }
        EXPECT_EQ(scanner.ScanEnabled(), initially);
        { const ScanPause nothing(nullptr); }
        EXPECT_EQ(scanner.ScanEnabled(), initially);
    }
}

}  // namespace
