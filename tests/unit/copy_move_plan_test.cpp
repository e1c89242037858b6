// Copy/move runs over a fake file system that behaves as the real one does when misused: copying
// a file onto itself empties it, moving it onto itself with replace deletes it.
#include "panes/copy_move_plan.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>

namespace {

class FakeFiles : public DocumentFileOperations {
public:
    // Paths compare as the system compares them: any case, either separator.
    static std::string Key(std::string path) {
        for (char& c : path) c = c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return path;
    }
    void AddFile(const std::string& path, const std::string& content) {
        nodes_[Key(path)] = next_;
        data_[next_++] = content;
    }
    // A second name of an existing file, as a hard link is.
    void AddLink(const std::string& path, const std::string& existing) { nodes_[Key(path)] = nodes_.at(Key(existing)); }
    void AddFolder(const std::string& path) { folders_.insert(Key(path)); }

    // Every file by its (folded) name.
    std::map<std::string, std::string> Contents() const {
        std::map<std::string, std::string> result;
        for (const auto& [path, node] : nodes_) result[path] = data_.at(node);
        return result;
    }
    int operations = 0;

    bool IsRegularFile(const std::string& path) override { return nodes_.contains(Key(path)); }
    bool SameFile(const std::string& a, const std::string& b) override {
        return nodes_.contains(Key(a)) && nodes_.contains(Key(b)) && nodes_[Key(a)] == nodes_[Key(b)];
    }
    bool Exists(const std::string& path) override {
        return nodes_.contains(Key(path)) || folders_.contains(Key(path));
    }
    bool Copy(const std::string& source, const std::string& target, bool failIfExists) override {
        ++operations;
        if (!nodes_.contains(Key(source)) || folders_.contains(Key(target))) return false;
        if (nodes_.contains(Key(target))) {
            if (failIfExists) return false;
            data_[nodes_[Key(target)]].clear();  // opened for writing: truncated first
            data_[nodes_[Key(target)]] = data_[nodes_[Key(source)]];
            return true;
        }
        AddFile(target, data_[nodes_[Key(source)]]);
        return true;
    }
    bool Move(const std::string& source, const std::string& target, bool replace) override {
        ++operations;
        if (!nodes_.contains(Key(source)) || folders_.contains(Key(target))) return false;
        if (nodes_.contains(Key(target))) {
            if (!replace) return false;
            nodes_.erase(Key(target));  // the old target goes first
        }
        const auto node = nodes_.find(Key(source));
        if (node == nodes_.end()) return false;
        const int moved = node->second;
        nodes_.erase(node);
        nodes_[Key(target)] = moved;
        return true;
    }

private:
    std::map<std::string, int> nodes_;
    std::map<int, std::string> data_;
    std::set<std::string> folders_;
    int next_ = 0;
};

TEST(TransferTarget, TrailingSeparatorsOfTheFolderAreDropped) {
    struct Case {
        const char* folder;
        const char* source;
        const char* target;
    };
    const Case cases[] = {
        {"D:\\out", "C:\\in\\a.txt", "D:\\out\\a.txt"},
        {"D:\\out\\", "C:\\in\\a.txt", "D:\\out\\a.txt"},
        {"D:\\out/", "C:\\in\\a.txt", "D:\\out\\a.txt"},
        {"D:\\out\\//\\", "C:\\in/b.c.d", "D:\\out\\b.c.d"},
        {"D:\\", "C:\\in\\noext", "D:\\noext"},
        {"\\\\server\\share\\", "C:\\x.pdf", "\\\\server\\share\\x.pdf"},
    };
    for (const Case& c : cases) EXPECT_EQ(TransferTarget(c.folder, c.source), c.target) << c.folder;
}

TEST(ComparablePath, SpellingsOfOnePathCompareEqual) {
    struct Case {
        const char* first;
        const char* second;
        bool equal;
    };
    const Case cases[] = {
        {"C:\\Docs\\A.txt", "c:/docs/a.TXT", true},
        {"C:\\Docs\\\\a.txt", "C:\\Docs\\a.txt", true},
        {"\\\\server\\share\\a", "//SERVER/share//a", true},
        {"\\\\server\\share\\a", "\\server\\share\\a", false},
        {"C:\\Docs\\a.txt", "C:\\Docs\\a.txt.bak", false},
        {"C:\\Docs\\a.txt", "D:\\Docs\\a.txt", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComparablePath(c.first) == ComparablePath(c.second), c.equal) << c.first << " / " << c.second;
    }
}

struct RunCase {
    const char* name;
    std::vector<std::string> sources;
    const char* folder;
    TransferMode mode;
    bool overwrite;
    std::size_t done;
    bool succeeded;
    std::map<std::string, std::string> after;  // every file afterwards, by folded name
};

// Before each run: two documents in c:\in, one of them also in d:\out, a document of the same
// name as the first in c:\other, a folder c:\in\sub, and c:\links\a.txt as a second name of
// c:\in\a.txt.
void Populate(FakeFiles& files) {
    files.AddFile("C:\\In\\A.txt", "a");
    files.AddFile("C:\\In\\B.txt", "b");
    files.AddFile("C:\\Other\\a.txt", "other a");
    files.AddFile("D:\\Out\\B.txt", "old b");
    files.AddFolder("C:\\In\\sub");
    files.AddLink("C:\\Links\\A.txt", "C:\\In\\A.txt");
}

TEST(TransferDocuments, RunsStopAtTheFirstFailureAndNeverLoseAFile) {
    const std::string a = "C:\\In\\A.txt", b = "C:\\In\\B.txt", otherA = "C:\\Other\\a.txt";
    const std::map<std::string, std::string> untouched = {{"c:\\in\\a.txt", "a"},
                                                          {"c:\\in\\b.txt", "b"},
                                                          {"c:\\links\\a.txt", "a"},
                                                          {"c:\\other\\a.txt", "other a"},
                                                          {"d:\\out\\b.txt", "old b"}};
    // The files after a run: `untouched` with some added or changed and some gone.
    auto with = [&](std::map<std::string, std::string> changes, std::vector<std::string> gone = {}) {
        auto result = untouched;
        for (const auto& path : gone) result.erase(path);
        for (auto& [path, content] : changes) result[path] = content;
        return result;
    };
    const auto copiedA = with({{"d:\\out\\a.txt", "a"}});
    const auto movedA = with({{"d:\\out\\a.txt", "a"}}, {"c:\\in\\a.txt"});
    const RunCase cases[] = {
        {"copy new", {a}, "D:\\Out", TransferMode::Copy, false, 1, true, copiedA},
        {"copy, trailing slashes", {a}, "D:/Out\\/", TransferMode::Copy, false, 1, true, copiedA},
        {"copy onto existing, overwrite off", {b, a}, "D:\\Out", TransferMode::Copy, false, 0, false, untouched},
        {"copy, second exists, overwrite off", {a, b}, "D:\\Out", TransferMode::Copy, false, 1, false, copiedA},
        {"copy onto existing, overwrite on", {a, b}, "D:\\Out", TransferMode::Copy, true, 2, true,
         with({{"d:\\out\\a.txt", "a"}, {"d:\\out\\b.txt", "b"}})},
        {"move new", {a}, "D:\\Out", TransferMode::Move, false, 1, true, movedA},
        {"move onto existing, overwrite off", {b}, "D:\\Out", TransferMode::Move, false, 0, false, untouched},
        {"move onto existing, overwrite on", {b}, "D:\\Out", TransferMode::Move, true, 1, true,
         with({{"d:\\out\\b.txt", "b"}}, {"c:\\in\\b.txt"})},
        {"copy onto itself", {a}, "C:\\In", TransferMode::Copy, true, 0, false, untouched},
        {"copy onto itself, other spelling", {a}, "c:/in//", TransferMode::Copy, true, 0, false, untouched},
        {"move onto itself, other spelling", {a}, "C:\\IN\\", TransferMode::Move, true, 0, false, untouched},
        {"copy onto itself through a second name", {"C:\\Links\\A.txt"}, "C:\\In", TransferMode::Copy, true, 0,
         false, untouched},
        {"move onto itself through a second name", {"C:\\Links\\A.txt"}, "C:\\In", TransferMode::Move, true, 0,
         false, untouched},
        {"two sources of one name, copy", {a, otherA}, "D:\\Out", TransferMode::Copy, true, 1, false, copiedA},
        {"two sources of one name, move", {a, otherA}, "D:\\Out", TransferMode::Move, true, 1, false, movedA},
        {"folder source", {"C:\\In\\sub", a}, "D:\\Out", TransferMode::Copy, true, 0, false, untouched},
        {"missing source after a done one", {a, "C:\\In\\gone.txt", b}, "D:\\Out", TransferMode::Move, true, 1,
         false, movedA},
    };
    for (const RunCase& c : cases) {
        FakeFiles files;
        Populate(files);
        const TransferOutcome outcome = TransferDocuments(c.sources, c.folder, c.mode, c.overwrite, files);
        EXPECT_EQ(outcome.done, c.done) << c.name;
        EXPECT_EQ(outcome.succeeded, c.succeeded) << c.name;
        EXPECT_EQ(files.Contents(), c.after) << c.name;
    }
}

TEST(TransferDocuments, RefusedDocumentsNeverReachTheFileSystem) {
    const std::vector<std::vector<std::string>> refused = {
        {"C:\\In\\sub"}, {"C:\\In\\missing.txt"}, {"C:\\In\\A.txt"}, {"C:\\Links\\A.txt"}};
    for (const auto& sources : refused) {
        FakeFiles files;
        Populate(files);
        TransferDocuments(sources, "c:\\in", TransferMode::Copy, true, files);
        EXPECT_EQ(files.operations, 0) << sources.front();
    }
}

TEST(TransferDocuments, TheSpellingAloneRefusesWhenTheIdentityCannotBeRead) {
    // A share or a file system that gives no file index: the comparison of paths still holds.
    class NoIdentity : public FakeFiles {
    public:
        bool SameFile(const std::string&, const std::string&) override { return false; }
    };
    for (const char* folder : {"C:\\In", "c:/IN/", "C:\\\\In\\"}) {
        NoIdentity files;
        Populate(files);
        EXPECT_FALSE(TransferDocuments({"C:\\In\\A.txt"}, folder, TransferMode::Copy, true, files).succeeded) << folder;
        EXPECT_EQ(files.operations, 0) << folder;
    }
}

}  // namespace
