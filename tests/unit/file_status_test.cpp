// File status: which questions settle a folder, silent shares, and what answers change.
#include "tracking/file_status.h"
#include "tracking/folder_status_check.h"

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

// A file system of folders holding files, counting every question.
struct World {
    std::map<std::string, std::map<std::string, FileStatus>> folders;  // "C:\docs\" -> name -> status
    std::map<std::string, bool> rootUp;
    std::map<std::string, int> asked;  // "root C:\", "exists C:\docs\", "list C:\docs\", "stat C:\docs\a.txt"
    bool listingFails = false;
    uint64_t clock = 1000;

    FolderServices Services() {
        return {[this](const std::string& root) {
                    ++asked["root " + root];
                    const auto found = rootUp.find(root);
                    return found == rootUp.end() || found->second;
                },
                [this](const std::string& folder) {
                    ++asked["exists " + folder];
                    return folders.count(folder) != 0;
                },
                [this](const std::string& folder) -> std::optional<FolderServices::Listing> {
                    ++asked["list " + folder];
                    if (listingFails) return std::nullopt;
                    // Its files, and the folders directly inside it; a folder nobody holds is gone.
                    FolderServices::Listing listing;
                    bool exists = false;
                    for (const auto& [path, files] : folders) {
                        if (path == folder) {
                            exists = true;
                            for (const auto& [name, status] : files) listing.emplace_back(name, status);
                        } else if (path.starts_with(folder)) {
                            exists = true;
                            const std::string inner = path.substr(folder.size());
                            if (inner.find('\\') == inner.size() - 1) listing.emplace_back(inner.substr(0, inner.size() - 1), FileStatus{true});
                        }
                    }
                    if (!exists) return std::nullopt;
                    return listing;
                },
                [this](const std::string& path) -> std::optional<FileStatus> {
                    ++asked["stat " + path];
                    const size_t cut = path.find_last_of('\\') + 1;
                    const auto folder = folders.find(path.substr(0, cut));
                    if (folder == folders.end()) return std::nullopt;
                    const auto file = folder->second.find(path.substr(cut));
                    if (file == folder->second.end()) return std::nullopt;
                    return file->second;
                },
                [this] { return clock; }};
    }
};

std::vector<StatusRequest> Requests(const std::vector<std::string>& paths) {
    std::vector<StatusRequest> requests;
    for (const std::string& path : paths) requests.push_back({static_cast<uint32_t>(requests.size()), path, 7});
    return requests;
}

// The answers as "document:exists size" texts, in order.
std::vector<std::string> Summary(const std::vector<StatusAnswer>& answers) {
    std::vector<std::string> texts;
    for (const StatusAnswer& answer : answers) {
        EXPECT_EQ(answer.generation, 7u);
        texts.push_back(std::to_string(answer.document) + ":" + (answer.status.exists ? "yes " : "no ") +
                        std::to_string(answer.status.size));
    }
    return texts;
}

TEST(GroupByFolder, FoldersInFirstOrderWithoutRegardToCase) {
    const std::vector<FolderGroup> groups =
        GroupByFolder(Requests({"C:\\a\\1.txt", "C:\\b\\2.txt", "c:\\A\\3.txt", "C:/b/4.txt", "loose.txt", "C:\\a\\5.txt"}));
    std::vector<std::string> seen;
    for (const FolderGroup& group : groups) {
        std::string text = group.folder + "=";
        for (const StatusRequest& request : group.requests) text += std::to_string(request.document);
        seen.push_back(text);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"C:\\a\\=025", "C:\\b\\=1", "C:/b/=3", "=4"}));
}

TEST(FolderStatusChecker, AsksTheCheapestQuestionThatSettlesTheFolder) {
    const FileStatus file{true, 5, 1, 2};
    const struct {
        const char* name;
        std::vector<std::string> paths;
        bool listingFails;
        std::vector<std::string> answers;
        std::map<std::string, int> asked;
    } cases[] = {
        {"one document is asked for directly",
         {"C:\\docs\\a.txt"}, false, {"0:yes 5"}, {{"root C:\\", 1}, {"stat C:\\docs\\a.txt", 1}}},
        {"a folder that is gone settles all its documents",
         {"C:\\gone\\a.txt", "C:\\gone\\b.txt", "C:\\gone\\c.txt", "C:\\gone\\d.txt", "C:\\gone\\e.txt"}, false,
         {"0:no 0", "1:no 0", "2:no 0", "3:no 0", "4:no 0"}, {{"root C:\\", 1}, {"exists C:\\gone\\", 1}}},
        {"a few documents of an existing folder are asked one by one",
         {"C:\\docs\\a.txt", "C:\\docs\\missing.txt"}, false, {"0:yes 5", "1:no 0"},
         {{"root C:\\", 1}, {"exists C:\\docs\\", 1}, {"stat C:\\docs\\a.txt", 1}, {"stat C:\\docs\\missing.txt", 1}}},
        {"many documents of a folder are answered by one listing, in any case",
         {"C:\\docs\\a.txt", "C:\\docs\\x1", "C:\\docs\\B.TXT", "C:\\docs\\x2"}, false,
         {"0:yes 5", "1:no 0", "2:yes 5", "3:no 0"},
         {{"root C:\\", 1}, {"exists C:\\docs\\", 1}, {"list C:\\docs\\", 1}}},
        {"a listing that fails falls back to asking each",
         {"C:\\docs\\a.txt", "C:\\docs\\x1", "C:\\docs\\x2", "C:\\docs\\x3"}, true,
         {"0:yes 5", "1:no 0", "2:no 0", "3:no 0"},
         {{"root C:\\", 1}, {"exists C:\\docs\\", 1}, {"list C:\\docs\\", 1}, {"stat C:\\docs\\a.txt", 1},
          {"stat C:\\docs\\x1", 1}, {"stat C:\\docs\\x2", 1}, {"stat C:\\docs\\x3", 1}}},
    };
    for (const auto& c : cases) {
        World world;
        world.folders["C:\\docs\\"] = {{"a.txt", file}, {"b.txt", file}};
        world.listingFails = c.listingFails;
        FolderStatusChecker checker(world.Services());
        EXPECT_EQ(Summary(checker.CheckAll(Requests(c.paths))), c.answers) << c.name;
        EXPECT_EQ(world.asked, c.asked) << c.name;
    }
}

TEST(FolderStatusChecker, ASecondGoneFolderHasItsParentListedWhichAnswersForTheSiblingsForAWhile) {
    const FileStatus file{true, 5, 1, 2};
    World world;
    world.folders["C:\\work\\"] = {{"note", file}};
    world.folders["C:\\work\\kept\\"] = {{"a.txt", file}};
    FolderStatusChecker checker(world.Services());
    const std::vector<StatusAnswer> answers = checker.CheckAll(Requests({
        "C:\\work\\gone 1\\a.txt", "C:\\work\\gone 1\\b.txt",   // asked alone
        "C:\\work\\gone 2\\a.txt", "C:\\work\\gone 2\\b.txt",   // a second: the parent is listed
        "C:\\work\\Gone 3\\a.txt", "C:\\WORK\\gone 3\\b.txt",   // absent from that listing
        "C:\\work\\kept\\a.txt", "C:\\work\\kept\\b.txt",       // listed: asked for itself
        "C:\\work\\note\\a.txt", "C:\\work\\note\\b.txt",       // a file of that name, no folder
        "C:\\lost\\x\\a.txt", "C:\\lost\\x\\b.txt",             // the parent cannot be listed ...
        "C:\\lost\\y\\a.txt", "C:\\lost\\y\\b.txt",
        "C:\\lost\\z\\a.txt", "C:\\lost\\z\\b.txt",             // ... and is not tried again
    }));
    std::vector<std::string> expected(16);
    for (size_t i = 0; i < expected.size(); ++i) expected[i] = std::to_string(i) + (i == 6 ? ":yes 5" : ":no 0");
    EXPECT_EQ(Summary(answers), expected);
    EXPECT_EQ(world.asked, (std::map<std::string, int>{{"root C:\\", 1},
                                                        {"exists C:\\work\\gone 1\\", 1},
                                                        {"exists C:\\work\\gone 2\\", 1},
                                                        {"list C:\\work\\", 1},
                                                        {"exists C:\\work\\kept\\", 1},
                                                        {"stat C:\\work\\kept\\a.txt", 1},
                                                        {"stat C:\\work\\kept\\b.txt", 1},
                                                        {"exists C:\\work\\note\\", 1},
                                                        {"exists C:\\lost\\x\\", 1},
                                                        {"exists C:\\lost\\y\\", 1},
                                                        {"list C:\\lost\\", 1},
                                                        {"exists C:\\lost\\z\\", 1}}));

    // A folder made since is not hidden by an old listing for long.
    world.folders["C:\\work\\gone 4\\"] = {{"a.txt", file}};
    world.clock += FolderStatusChecker::kParentListingLifetimeMs;
    EXPECT_EQ(Summary(checker.CheckAll(Requests({"C:\\work\\gone 4\\a.txt", "C:\\work\\gone 4\\c.txt"}))),
              (std::vector<std::string>{"0:yes 5", "1:no 0"}));
    EXPECT_EQ(world.asked["list C:\\work\\"], 1) << "an existing folder needs no listing of its parent";
}

TEST(FolderStatusChecker, ASilentShareIsProbedOnceInAWhileAndNothingBehindItIsTouched) {
    World world;
    world.rootUp["\\\\NAS\\Docs\\"] = false;
    FolderStatusChecker checker(world.Services());
    std::vector<std::string> paths;
    for (int i = 0; i < 50; ++i) paths.push_back("\\\\NAS\\Docs\\folder " + std::to_string(i % 7) + "\\" + std::to_string(i) + ".txt");
    const std::vector<StatusAnswer> answers = checker.CheckAll(Requests(paths));
    ASSERT_EQ(answers.size(), 50u);
    for (const StatusAnswer& answer : answers) EXPECT_FALSE(answer.status.exists);
    EXPECT_EQ(world.asked, (std::map<std::string, int>{{"root \\\\NAS\\Docs\\", 1}}));

    world.clock += FolderStatusChecker::kRootAnswerLifetimeMs;
    checker.CheckAll(Requests({"\\\\nas\\docs\\a.txt"}));
    EXPECT_EQ(world.asked["root \\\\nas\\docs\\"], 1) << "asked again once its answer is old";
}

TEST(FileStatusBoard, HandsEachWantedDocumentOverOnceWithItsOwnPath) {
    const std::vector<std::string> paths = {"", "C:\\a.txt", "\\\\nas\\d\\\xc3\xbc.docx"};
    FileStatusBoard board;
    for (const uint32_t document : {2u, 0u, 2u, 1u}) board.Find(document);
    auto take = [&] { return board.TakeQuestions([&](uint32_t document) -> std::string_view { return paths[document]; }); };
    const StatusQuestions questions = take();
    const uint32_t generation = board.RequestFor(0, "").generation;
    EXPECT_EQ(questions.Generation(), generation);
    const std::vector<StatusRequest> requests = questions.Unpack();
    ASSERT_EQ(requests.size(), 3u);
    const uint32_t order[] = {2, 0, 1};
    for (size_t i = 0; i < requests.size(); ++i) {
        EXPECT_EQ(requests[i].document, order[i]);
        EXPECT_EQ(requests[i].path, paths[order[i]]) << "an empty path takes nothing from its neighbours";
        EXPECT_EQ(requests[i].generation, generation);
    }
    EXPECT_EQ(board.Outstanding(), 3u);
    EXPECT_TRUE(take().Empty()) << "asked documents are not handed over again";
}

TEST(FileStatusBoard, SaysWhatAnswersChangedForTheView) {
    const FileStatus here{true, 1, 1, 1}, grown{true, 2, 1, 1}, gone;
    FileStatusBoard board;
    const std::string path = "p";
    auto ask = [&](std::initializer_list<uint32_t> documents) {
        for (const uint32_t document : documents) board.Find(document);
        return board.TakeQuestions([&](uint32_t) -> std::string_view { return path; }).Unpack();
    };
    auto answer = [&](const std::vector<StatusRequest>& requests, std::vector<FileStatus> statuses) {
        std::vector<StatusAnswer> answers;
        for (size_t i = 0; i < requests.size(); ++i) answers.push_back({requests[i].document, statuses[i], requests[i].generation});
        return board.Apply(answers);
    };
    FileStatusBoard::Changes first = answer(ask({0, 1, 2}), {here, gone, here});
    EXPECT_EQ(first.vanished, (std::vector<uint32_t>{1})) << "an unknown document counted as existing";
    EXPECT_FALSE(first.appeared);
    EXPECT_FALSE(first.sizesOrTimes);

    board.DoubtAll();
    FileStatusBoard::Changes second = answer(ask({0, 1, 2}), {grown, here, gone});
    EXPECT_EQ(second.vanished, (std::vector<uint32_t>{2}));
    EXPECT_TRUE(second.appeared);
    EXPECT_TRUE(second.sizesOrTimes);
}

}  // namespace
