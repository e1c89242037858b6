// File status is asked once per document and period, and never for paths behind a silent share.
#include "tracking/file_status.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(PathRoot, DrivesSharesAndRelativePaths) {
    EXPECT_EQ(PathRoot("C:\\docs\\a.txt"), "C:\\");
    EXPECT_EQ(PathRoot("d:a.txt"), "d:\\");
    EXPECT_EQ(PathRoot("\\\\server\\share\\folder\\a.txt"), "\\\\server\\share\\");
    EXPECT_EQ(PathRoot("\\\\server\\share"), "\\\\server\\share\\");
    EXPECT_EQ(PathRoot("..\\..\\a.txt"), "");
    EXPECT_EQ(PathRoot("\\a.txt"), "");
}

struct World {
    std::map<std::string, int> stats;
    std::map<std::string, int> probes;
    std::map<std::string, bool> rootUp;
    uint64_t clock = 1000;

    FileStatusCache Cache(uint64_t maxAge) {
        return FileStatusCache(
            {[this](const std::string& path) -> std::optional<FileStatus> {
                 ++stats[path];
                 if (path.find("gone") != std::string::npos) return std::nullopt;
                 return FileStatus{true, path.size(), 1, 2};
             },
             [this](const std::string& root) {
                 ++probes[root];
                 const auto found = rootUp.find(root);
                 return found == rootUp.end() || found->second;
             },
             [this] { return clock; }},
            maxAge);
    }
};

TEST(FileStatusCache, AsksOncePerDocumentWithinThePeriod) {
    World world;
    FileStatusCache cache = world.Cache(5000);
    EXPECT_TRUE(cache.Get(0, "C:\\a.txt").exists);
    EXPECT_EQ(cache.Get(0, "C:\\a.txt").size, 8u);
    EXPECT_FALSE(cache.Get(1, "C:\\gone.txt").exists);
    cache.Get(1, "C:\\gone.txt");
    EXPECT_EQ(world.stats["C:\\a.txt"], 1);
    EXPECT_EQ(world.stats["C:\\gone.txt"], 1);
    EXPECT_EQ(world.probes["C:\\"], 1);

    world.clock += 5000;
    cache.Get(0, "C:\\a.txt");
    EXPECT_EQ(world.stats["C:\\a.txt"], 2) << "asked again once the period is over";
}

TEST(FileStatusCache, ASilentShareIsProbedOnceAndItsDocumentsCountAsMissing) {
    World world;
    world.rootUp["\\\\NAS\\Docs\\"] = false;
    FileStatusCache cache = world.Cache(5000);
    for (uint32_t id = 0; id < 50; ++id) {
        EXPECT_FALSE(cache.Get(id, "\\\\NAS\\Docs\\file " + std::to_string(id) + ".txt").exists);
    }
    EXPECT_EQ(world.probes.size(), 1u);
    EXPECT_EQ(world.probes.begin()->second, 1);
    EXPECT_TRUE(world.stats.empty()) << "no path behind the silent share was touched";
}

TEST(FileStatusCache, ForgettingAsksAgain) {
    World world;
    FileStatusCache cache = world.Cache(60000);
    cache.Get(3, "C:\\a.txt");
    cache.Forget(3);
    cache.Get(3, "C:\\a.txt");
    EXPECT_EQ(world.stats["C:\\a.txt"], 2);
    cache.ForgetAll();
    cache.Get(3, "C:\\a.txt");
    EXPECT_EQ(world.stats["C:\\a.txt"], 3);
    EXPECT_EQ(world.probes["C:\\"], 2);
}

}  // namespace
